#include "onboarding/LaunchPopover.h"

#include "core/AppSettings.h"
#include "onboarding/OnboardingWidgets.h"
#include "onboarding/PressDemoKeyStrip.h"
#include "editors/KeyStrip.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace {
AppSettings& settings() { return AppSettings::shared(); }

std::optional<Hotkey> shownHotkey()
{
    if (const auto h = settings().switcherHotkey())
        return h;
    return settings().launcherHotkey();
}
}

LaunchPopover::Placement LaunchPopover::place(QSize size, std::optional<QRect> item, const QList<ScreenArea>& screens)
{
    Placement placement;
    placement.arrowX = size.width() / 2;
    if (screens.isEmpty())
        return placement;
    const int w = size.width();
    const int h = size.height();
    auto visible = [](const ScreenArea& s) { return s.available.isEmpty() ? s.geometry : s.available; };
    if (!item) {
        const QRect v = visible(screens.first());
        placement.origin = { v.x() + v.width() - w - 12, v.y() + 8 };
        return placement;
    }
    const QPoint centre = item->center();
    const ScreenArea* screen = &screens.first();
    for (const ScreenArea& s : screens) {
        if (s.geometry.contains(centre)) {
            screen = &s;
            break;
        }
    }
    const QRect v = visible(*screen);
    const int midX = item->x() + item->width() / 2;
    const int x = std::min(v.x() + v.width() - w - 8, std::max(v.x() + 8, midX - w / 2));
    // An icon in the lower half of its screen sits on a bottom panel.
    const bool below = centre.y() > screen->geometry.center().y();
    const int y = below ? item->y() - h - 2 : item->y() + item->height() + 2;
    placement.origin = { x, y };
    placement.arrowX = midX - x;
    placement.arrowBelow = below;
    return placement;
}

QList<LaunchPopover::ScreenArea> LaunchPopover::currentScreens()
{
    QList<ScreenArea> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        areas.append({ primary->geometry(), primary->availableGeometry() });
    for (const QScreen* s : QGuiApplication::screens()) {
        if (s != primary)
            areas.append({ s->geometry(), s->availableGeometry() });
    }
    return areas;
}

std::optional<QRect> LaunchPopover::usableIconFrame(QRect reported, const QList<ScreenArea>& screens)
{
    if (reported.isEmpty())
        return std::nullopt;
    for (const ScreenArea& s : screens) {
        if (s.geometry.intersects(reported))
            return reported;
    }
    return std::nullopt;
}

QPainterPath LaunchPopover::outline(QRectF rect, double arrowX, bool arrowBelow)
{
    const double a = arrowHeight;
    const double c = corner;
    const double half = arrowWidth / 2.0;
    const double tip = std::min(std::max(arrowX, rect.left() + c + arrowWidth), rect.right() - c - arrowWidth);
    const QRectF body = arrowBelow ? rect.adjusted(0, 0, 0, -a) : rect.adjusted(0, a, 0, 0);
    QPainterPath path;
    path.moveTo(body.left() + c, body.top());
    if (!arrowBelow) {
        path.lineTo(tip - half, body.top());
        path.lineTo(tip, rect.top());
        path.lineTo(tip + half, body.top());
    }
    path.lineTo(body.right() - c, body.top());
    path.arcTo(QRectF(body.right() - 2 * c, body.top(), 2 * c, 2 * c), 90, -90);
    path.lineTo(body.right(), body.bottom() - c);
    path.arcTo(QRectF(body.right() - 2 * c, body.bottom() - 2 * c, 2 * c, 2 * c), 0, -90);
    if (arrowBelow) {
        path.lineTo(tip + half, body.bottom());
        path.lineTo(tip, rect.bottom());
        path.lineTo(tip - half, body.bottom());
    }
    path.lineTo(body.left() + c, body.bottom());
    path.arcTo(QRectF(body.left(), body.bottom() - 2 * c, 2 * c, 2 * c), 270, -90);
    path.lineTo(body.left(), body.top() + c);
    path.arcTo(QRectF(body.left(), body.top(), 2 * c, 2 * c), 180, -90);
    path.closeSubpath();
    return path;
}

// ---- The view ------------------------------------------------------------------------------------------

LaunchPopoverView::LaunchPopoverView(
    int arrowX, bool arrowBelow, std::function<void()> onOpenSettings, std::function<void()> onDismiss, QWidget* parent)
    : QWidget(parent)
    , m_arrowX(arrowX)
    , m_arrowBelow(arrowBelow)
    , m_onOpenSettings(std::move(onOpenSettings))
    , m_onDismiss(std::move(onDismiss))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedWidth(LaunchPopover::size.width());
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(
        0, arrowBelow ? 0 : LaunchPopover::arrowHeight, 0, arrowBelow ? LaunchPopover::arrowHeight : 0);
    column->setSpacing(0);
    m_message = new QWidget(this);
    column->addWidget(m_message);
    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Plain);
    divider->setStyleSheet(QStringLiteral("color: rgba(128,128,128,90);"));
    column->addWidget(divider);

    auto* footer = new QBoxLayout(QBoxLayout::LeftToRight);
    m_footer = footer;
    // The button's shadow takes the inner part of the margins on its sides.
    const int shadow = NoticeButton::shadowMargin;
    footer->setContentsMargins(18, 12 - shadow, 18 - shadow, 12 - shadow);
    footer->setSpacing(12);
    m_check = new QCheckBox(this);
    m_check->setObjectName(QStringLiteral("showAtLaunch"));
    m_check->setChecked(settings().showLaunchMessage());
    connect(m_check, &QCheckBox::toggled, this, [](bool on) { settings().setShowLaunchMessage(on); });
    settings().onChange(m_check, { AppSettings::Key::showLaunchMessage },
        [this] { m_check->setChecked(settings().showLaunchMessage()); });
    footer->addWidget(m_check, 1);
    m_settings = new NoticeButton(this);
    m_settings->setObjectName(QStringLiteral("settingsButton"));
    m_settings->setDefault(true);
    m_settings->setCursor(Qt::PointingHandCursor);
    connect(m_settings, &QPushButton::clicked, this, [this] {
        if (m_onOpenSettings)
            m_onOpenSettings();
    });
    footer->addWidget(m_settings, 0, Qt::AlignRight);
    column->addLayout(footer);

    auto retranslate = [this] {
        m_check->setText(QCoreApplication::translate("Kelvaro", "Show this message on app launch"));
        m_settings->setText(QCoreApplication::translate("Kelvaro", "Settings…"));
        // Side by side where both fit the notice's width, else the button
        // under the check box: its text is never cut.
        const int room = LaunchPopover::size.width() - 36 + NoticeButton::shadowMargin - m_footer->spacing();
        m_footer->setDirection(m_check->sizeHint().width() + m_settings->sizeHint().width() <= room
                ? QBoxLayout::LeftToRight
                : QBoxLayout::TopToBottom);
        rebuildMessage();
    };
    settings().onChange(this, { AppSettings::Key::language }, retranslate);
    settings().onChange(
        this, { AppSettings::Key::switcherHotkey, AppSettings::Key::launcherHotkey }, [this] { rebuildMessage(); });
    retranslate();
}

QString LaunchPopoverView::hintText() const
{
    const auto hotkey = shownHotkey();
    return hotkey ? QCoreApplication::translate("Kelvaro", "Press %1 to open the ring").arg(hotkey->displayString())
                  : QCoreApplication::translate("Kelvaro", "No shortcut is assigned yet. Open Settings to choose one.");
}

void LaunchPopoverView::rebuildMessage()
{
    // Built anew: the hotkey, and so the demo, may have changed.
    for (QObject* child : m_message->children()) {
        if (child->isWidgetType())
            static_cast<QWidget*>(child)->deleteLater();
    }
    delete m_message->layout();
    auto* block = new QVBoxLayout(m_message);
    block->setContentsMargins(24, 22, 24, 18);
    block->setSpacing(10);
    auto* title = new QLabel(QCoreApplication::translate("Kelvaro", "Kelvaro is Now Running"), m_message);
    title->setObjectName(QStringLiteral("noticeTitle"));
    QFont tf = title->font();
    tf.setPixelSize(20);
    tf.setWeight(QFont::DemiBold);
    title->setFont(tf);
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);
    block->addWidget(title);
    auto* hint = new QLabel(hintText(), m_message);
    hint->setObjectName(QStringLiteral("noticeHint"));
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignCenter);
    QPalette hp = hint->palette();
    QColor secondary = hp.color(QPalette::WindowText);
    secondary.setAlphaF(0.65f);
    hp.setColor(QPalette::WindowText, secondary);
    hint->setPalette(hp);
    block->addWidget(hint);
    if (const auto hotkey = shownHotkey()) {
        block->addSpacing(2);
        block->addWidget(new PressDemoKeyStrip(*hotkey, 72, true, m_message), 0, Qt::AlignHCenter);
    }
    setAccessibleName(title->text());
    setAccessibleDescription(hint->text());
    updateGeometry();
}

QSize LaunchPopoverView::sizeHint() const
{
    const QSize natural = QWidget::sizeHint();
    return { LaunchPopover::size.width(), std::max(natural.height(), LaunchPopover::size.height()) };
}

void LaunchPopoverView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath shape = LaunchPopover::outline(r, m_arrowX, m_arrowBelow);
    // The glass: the window colour nearly opaque (there is no blur behind
    // windows on X11), a soft sheen from the top, and a light rim.
    QColor base = palette().color(QPalette::Window);
    base.setAlphaF(0.96f);
    p.fillPath(shape, base);
    QLinearGradient sheen(r.topLeft(), r.bottomLeft());
    sheen.setColorAt(0, QColor::fromRgbF(1, 1, 1, 0.26f));
    sheen.setColorAt(0.42, QColor::fromRgbF(1, 1, 1, 0.05f));
    sheen.setColorAt(1, QColor::fromRgbF(0, 0, 0, 0.04f));
    p.fillPath(shape, sheen);
    QLinearGradient rim(r.topLeft(), r.bottomLeft());
    rim.setColorAt(0, QColor::fromRgbF(1, 1, 1, 0.55f));
    rim.setColorAt(1, QColor::fromRgbF(1, 1, 1, 0.1f));
    p.setPen(QPen(QBrush(rim), 1));
    p.drawPath(shape);
    // A hairline for light backgrounds, where the white rim would vanish.
    p.setPen(QPen(QColor(0, 0, 0, 40), 1));
    p.drawPath(shape);
}

void LaunchPopoverView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (m_onDismiss)
            m_onDismiss();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_onOpenSettings)
            m_onOpenSettings();
        return;
    }
    QWidget::keyPressEvent(event);
}
