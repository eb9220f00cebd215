#include "onboarding/PressDemoKeyStrip.h"

#include "platform/DisplayPreferences.h"
#include "platform/Scheduler.h"
#include "ringkit/WidgetMotion.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>

#include <algorithm>

PressDemoKeyStrip::PressDemoKeyStrip(Hotkey hotkey, double height, bool showsWell, QWidget* parent)
    : QWidget(parent)
    , m_hotkey(hotkey)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    m_strip = new KeyStrip(this);
    m_strip->setStripHeight(height);
    m_strip->setShowsWell(showsWell);
    m_strip->setShowsCaptions(true);
    m_strip->setFillsWidth(false);
    m_strip->setAttentionPress(true);
    row->addWidget(m_strip, 0, Qt::AlignCenter);
    m_before = new QWidget(this);
    m_before->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_before->hide();
    m_before->installEventFilter(this);
    m_change = new WidgetMotion(m_before, 1.0);
    connect(m_change, &WidgetMotion::changed, this, [this] {
        if (m_change->isAnimating() || m_change->value() < 1.0)
            return;
        m_before->hide();
        m_beforePicture = QPixmap();
    });
    setAccessibleName(QCoreApplication::translate("Kelvaro", "Shortcut: %1").arg(hotkey.accessibilityLabel()));
    sync();
}

PressDemoKeyStrip::~PressDemoKeyStrip() { stop(); }

QList<KeyStripItem> PressDemoKeyStrip::items() const
{
    const bool still = DisplayPreferences::shared().reduceMotion();
    const bool modifiers = still ? true : m_modifiersPressed;
    const bool key = still ? false : m_keyPressed;
    QList<KeyStripItem> items;
    const QStringList tokens = m_hotkey.displayTokens();
    for (int i = 0; i < tokens.size(); ++i) {
        // The last token is the main key; the ones before it are modifiers.
        const bool isModifier = i < tokens.size() - 1;
        items << KeyStripItem { tokens[i], tokens[i], KeyStripItem::printedName(tokens[i]),
            isModifier ? modifiers : key };
    }
    return items;
}

void PressDemoKeyStrip::sync() { m_strip->setItems(items()); }

void PressDemoKeyStrip::changeTo(const RingAnimation& spring)
{
    if (!m_strip->isVisible() || DisplayPreferences::shared().reduceMotion()) {
        sync();
        return;
    }
    m_change->setValue(0.0);
    m_beforePicture = m_strip->grab();
    m_before->setGeometry(m_strip->geometry());
    m_before->show();
    m_before->raise();
    sync();
    m_change->animateTo(1.0, spring);
}

bool PressDemoKeyStrip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_before && event->type() == QEvent::Paint) {
        // The old caps fade out over the new ones as the spring moves.
        QPainter p(m_before);
        p.setOpacity(std::clamp(1.0 - m_change->value(), 0.0, 1.0));
        p.drawPixmap(0, 0, m_beforePicture);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void PressDemoKeyStrip::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    start();
}

void PressDemoKeyStrip::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    stop();
}

void PressDemoKeyStrip::start()
{
    stop();
    if (DisplayPreferences::shared().reduceMotion()) {
        m_modifiersPressed = true;
        m_keyPressed = false;
        sync();
        return;
    }
    m_running = true;
    const std::uint64_t generation = m_generation;
    Scheduler::shared().postAfterWhileAlive(leadIn, this, [this, generation] { step(generation, 0); });
}

void PressDemoKeyStrip::stop()
{
    ++m_generation;
    m_running = false;
}

void PressDemoKeyStrip::step(std::uint64_t generation, int phase)
{
    if (generation != m_generation)
        return; // stopped, or started again since
    double next = 0;
    const bool modifiersMove = phase == 0 || phase == 3;
    switch (phase) {
    case 0:
        m_modifiersPressed = true;
        next = modifiersDownFor;
        break;
    case 1:
        m_keyPressed = true;
        next = keyDownFor;
        break;
    case 2:
        m_keyPressed = false;
        next = keyUpFor;
        break;
    default:
        m_modifiersPressed = false;
        next = pause;
        break;
    }
    changeTo(modifiersMove ? modifierSpring() : keySpring());
    Scheduler::shared().postAfterWhileAlive(
        next, this, [this, generation, phase] { step(generation, (phase + 1) % 4); });
}
