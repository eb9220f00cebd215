#include "settings/AccessibilityPermissionMonitor.h"

#include "input/HotkeyDispatcher.h"
#include "platform/DesktopAccess.h"
#include "platform/KeyTap.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

AccessibilityState::Missing AccessibilityState::missing() const
{
    if (!x11Session)
        return Missing::x11Session;
    if (!keyGrabs)
        return Missing::keyGrabs;
    if (!accessibilityBus)
        return Missing::accessibilityBus;
    return Missing::nothing;
}

AccessibilityPermissionMonitor::AccessibilityPermissionMonitor(const Platform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
{
}

AccessibilityPermissionMonitor::~AccessibilityPermissionMonitor() { stopMonitoring(); }

void AccessibilityPermissionMonitor::startMonitoring()
{
    if (m_timer)
        return;
    refresh();
    m_timer = Scheduler::shared().repeatingWhileAlive(pollInterval, this, [this] { refresh(); });
}

void AccessibilityPermissionMonitor::stopMonitoring()
{
    if (!m_timer)
        return;
    Scheduler::shared().cancel(m_timer);
    m_timer = 0;
}

void AccessibilityPermissionMonitor::refresh()
{
    if (m_waiting)
        return; // the previous answer is still on its way
    m_waiting = true;
    AccessibilityState state;
    state.x11Session = m_platform.desktopAccess().isX11Session();
    state.keyGrabs = state.x11Session && HotkeyDispatcher::isTapRunning().value_or(m_platform.keyTap().isTrusted());
    QPointer<AccessibilityPermissionMonitor> self(this);
    m_platform.desktopAccess().readAccessibilityBus(this, [self, state](bool busOn) mutable {
        if (!self)
            return;
        self->m_waiting = false;
        state.accessibilityBus = busOn;
        self->apply(state);
    });
}

void AccessibilityPermissionMonitor::apply(AccessibilityState state)
{
    if (state == m_state)
        return;
    m_state = state;
    Q_EMIT trustChanged();
}

void AccessibilityPermissionMonitor::openSystemSettings()
{
    if (m_state.missing() == AccessibilityState::Missing::accessibilityBus)
        m_platform.desktopAccess().enableAccessibilityBus();
    if (isMonitoring())
        return;
    refresh();
}

// ---- The banner ------------------------------------------------------------------------------

AccessibilityWarningRow::AccessibilityWarningRow(AccessibilityPermissionMonitor& monitor, QWidget* parent)
    : QWidget(parent)
    , m_monitor(monitor)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(14, 12, 14, 12);
    row->setSpacing(12);
    auto* symbol = new QLabel(QStringLiteral("⚠"), this);
    QFont sf = symbol->font();
    sf.setPixelSize(16);
    sf.setBold(true);
    symbol->setFont(sf);
    row->addWidget(symbol);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    m_title = new QLabel(this);
    QFont tf = m_title->font();
    tf.setBold(true);
    m_title->setFont(tf);
    m_detail = new QLabel(this);
    m_detail->setWordWrap(true);
    texts->addWidget(m_title);
    texts->addWidget(m_detail);
    row->addLayout(texts, 1);
    m_button = new QPushButton(this);
    m_button->setCursor(Qt::PointingHandCursor);
    m_button->setStyleSheet(QStringLiteral("QPushButton { background: white; color: rgb(71,56,217); font-weight: 600;"
                                           " border-radius: 6px; padding: 5px 12px; border: none; }"));
    row->addWidget(m_button);
    for (QLabel* l : { symbol, m_title, m_detail }) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(p);
    }
    connect(m_button, &QPushButton::clicked, this, [this] {
        if (m_monitor.state().missing() == AccessibilityState::Missing::x11Session) {
            m_detail->setText(QCoreApplication::translate("Kelvaro",
                "Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, "
                "then start Kelvaro again."));
            return;
        }
        m_monitor.openSystemSettings();
    });
    connect(&m_monitor, &AccessibilityPermissionMonitor::trustChanged, this, &AccessibilityWarningRow::sync);
    sync();
}

QString AccessibilityWarningRow::titleText() const
{
    switch (m_monitor.state().missing()) {
    case AccessibilityState::Missing::x11Session:
        return QCoreApplication::translate("Kelvaro", "Global Hotkeys Unavailable");
    case AccessibilityState::Missing::keyGrabs:
        return QCoreApplication::translate("Kelvaro", "Keyboard Access Refused");
    default:
        return QCoreApplication::translate("Kelvaro", "Accessibility Access Required");
    }
}

QString AccessibilityWarningRow::detailText() const
{
    switch (m_monitor.state().missing()) {
    case AccessibilityState::Missing::x11Session:
        return QCoreApplication::translate(
            "Kelvaro", "This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.");
    case AccessibilityState::Missing::keyGrabs:
        return QCoreApplication::translate(
            "Kelvaro", "The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.");
    default:
        return QCoreApplication::translate(
            "Kelvaro", "The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.");
    }
}

void AccessibilityWarningRow::sync()
{
    m_title->setText(titleText());
    m_detail->setText(detailText());
    const auto missing = m_monitor.state().missing();
    m_button->setText(missing == AccessibilityState::Missing::accessibilityBus
            ? QCoreApplication::translate("Kelvaro", "Turn On")
            : missing == AccessibilityState::Missing::x11Session ? QCoreApplication::translate("Kelvaro", "Why?")
                                                                 : QCoreApplication::translate("Kelvaro", "Try Again"));
    m_button->setAccessibleName(m_button->text());
    setAccessibleName(m_title->text());
}

void AccessibilityWarningRow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 10, 10);
    QLinearGradient g(0, 0, width(), 0);
    g.setColorAt(0, QColor::fromRgbF(0.42f, 0.32f, 0.98f));
    g.setColorAt(1, QColor::fromRgbF(0.22f, 0.48f, 0.98f));
    p.fillPath(shape, g);
}
