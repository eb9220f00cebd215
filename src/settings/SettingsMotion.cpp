#include "settings/SettingsMotion.h"

#include "ringkit/RingAnimation.h"

#include <QLabel>
#include <QPainter>

namespace SettingsMotion {
bool reduced() { return AnimationEngine::shared().reduceMotion(); }
RingAnimation tabChange() { return RingAnimation::spring(0.25, 0.85); }
RingAnimation list() { return RingAnimation::spring(0.2, 0.85); }
RingAnimation shortcutsList() { return RingAnimation::spring(0.22, 0.85); }
RingAnimation holdPicker() { return RingAnimation::spring(0.18, 0.85); }
RingAnimation hover() { return RingAnimation::easeOut(0.12); }

void changeText(QLabel* label, const QString& text, const RingAnimation& animation)
{
    if (!label || label->text() == text)
        return;
    const QPixmap before = Crossfade::snapshot(label);
    label->setText(text);
    Crossfade::over(label, before, animation);
}
}

QPixmap Crossfade::snapshot(QWidget* area)
{
    if (!area || !area->isVisible() || SettingsMotion::reduced() || area->size().isEmpty())
        return {};
    return area->grab();
}

Crossfade* Crossfade::over(QWidget* host, const QPixmap& before, const RingAnimation& animation)
{
    return host ? over(host, host->rect(), before, animation) : nullptr;
}

Crossfade* Crossfade::over(QWidget* host, const QRect& rect, const QPixmap& before, const RingAnimation& animation)
{
    if (!host || before.isNull() || !host->isVisible() || SettingsMotion::reduced())
        return nullptr;
    auto* fade = new Crossfade(host, rect, before);
    fade->m_fade.animateTo(0.0, animation);
    if (!fade->m_fade.isAnimating()) {
        fade->deleteLater();
        return nullptr;
    }
    return fade;
}

Crossfade::Crossfade(QWidget* host, const QRect& rect, QPixmap before)
    : QWidget(host)
    , m_before(std::move(before))
    , m_fade(this, 1.0)
{
    setObjectName(QStringLiteral("crossfade"));
    setProperty("overlay", true);
    // Clicks reach the new state underneath at once.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(rect);
    show();
    raise();
    connect(&m_fade, &WidgetMotion::changed, this, [this] {
        if (!m_fade.isAnimating())
            deleteLater();
    });
}

void Crossfade::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setOpacity(std::clamp(m_fade.value(), 0.0, 1.0));
    p.drawPixmap(QRectF(QPointF(0, 0), QSizeF(m_before.deviceIndependentSize())), m_before,
        QRectF(QPointF(0, 0), QSizeF(m_before.size())));
}

ContentFade::ContentFade(QWidget* const& area, const RingAnimation& animation, bool animated)
    : m_animation(animation)
{
    if (!animated || !area || !area->parentWidget())
        return;
    m_before = Crossfade::snapshot(area);
    m_host = area->parentWidget();
    m_rect = area->geometry();
}

ContentFade::~ContentFade()
{
    if (m_host)
        Crossfade::over(m_host, m_rect, m_before, m_animation);
}
