#include "app/TitledWindows.h"

#include "app/AppServices.h"
#include "core/AppSettings.h"
#include "onboarding/LaunchPopover.h"
#include "platform/Log.h"
#include "platform/PanelHints.h"
#include "platform/Platform.h"
#include "platform/PointerMonitor.h"
#include "platform/Scheduler.h"
#include "platform/Windows.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QPolygon>
#include <QRegion>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace {
constexpr double menuBarItemDeadline = 8.0;
constexpr double menuBarItemPollInterval = 0.15;

// A window counts as titled when it has a frame and a title bar: normal
// windows and dialogs, not popups, tool tips or borderless panels.
bool isTitled(const QWidget* w)
{
    if (!w || !w->isWindow())
        return false;
    const auto type = w->windowType();
    if (type != Qt::Window && type != Qt::Dialog)
        return false;
    return !(w->windowFlags() & Qt::FramelessWindowHint);
}

// Titled and closable only: without the customize hint the window manager
// keeps its default minimise and maximise buttons.
constexpr Qt::WindowFlags closableOnly
    = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// The launch notice's outline, arrow included, as the pixels of its window.
QRegion noticeShape(QSize size, const LaunchPopover::Placement& placement)
{
    const QPainterPath outline
        = LaunchPopover::outline(QRectF(QPointF(0, 0), QSizeF(size)), placement.arrowX, placement.arrowBelow);
    return { outline.toFillPolygon().toPolygon(), Qt::WindingFill };
}
}

TitledWindows::TitledWindows(const Platform& platform, AppServices& services, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_services(services)
{
    AppSettings::shared().onChange(this, { AppSettings::Key::language }, [this] { retitle(); });
}

TitledWindows::~TitledWindows()
{
    if (qApp)
        qApp->removeEventFilter(this);
    for (QWidget* w : { m_settingsWindow.data(), m_onboardingWindow.data(), m_helpWindow.data(), m_updateWindow.data(),
             m_launchPopoverWindow.data() })
        delete w;
}

void TitledWindows::setActivationPolicy(ActivationPolicy policy)
{
    if (policy == m_activationPolicy)
        return;
    m_activationPolicy = policy;
    Q_EMIT activationPolicyChanged();
}

QPointer<QWidget>& TitledWindows::field(Kind kind)
{
    switch (kind) {
    case Kind::settings:
        return m_settingsWindow;
    case Kind::onboarding:
        return m_onboardingWindow;
    case Kind::help:
        return m_helpWindow;
    case Kind::update:
        break;
    }
    return m_updateWindow;
}

void TitledWindows::retitle()
{
    if (m_onboardingWindow)
        m_onboardingWindow->setWindowTitle(QCoreApplication::translate("Kelvaro", "Welcome to Kelvaro"));
    if (m_settingsWindow)
        m_settingsWindow->setWindowTitle(QCoreApplication::translate("Kelvaro", "Kelvaro Settings"));
    if (m_helpWindow)
        m_helpWindow->setWindowTitle(QCoreApplication::translate("Kelvaro", "Kelvaro Help"));
}

QWidget* TitledWindows::makeWindow(Kind kind, QWidget* content)
{
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    QSize size;
    bool resizable = false;
    switch (kind) {
    case Kind::settings:
        size = settingsWindowSize;
        window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        break;
    case Kind::onboarding:
        size = onboardingWindowSize;
        window->setWindowFlags(closableOnly);
        break;
    case Kind::help:
        size = helpWindowSize;
        resizable = true;
        break;
    case Kind::update:
        size = updateWindowSize;
        window->setWindowFlags(closableOnly);
        break;
    }
    if (resizable)
        window->resize(size);
    else
        window->setFixedSize(size);
    // Centered on the primary screen when made.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    // Closing keys as on the rest of the desktop: Ctrl+W for every window made
    // here but the wizard (which finishes through its own pages), and Escape too
    // for the help and the update notice, which have nothing Escape could cancel.
    // A recording shortcut field takes these keys first while it records.
    QList<QKeySequence> closers;
    if (kind != Kind::onboarding)
        closers << QKeySequence(Qt::CTRL | Qt::Key_W);
    if (kind == Kind::help || kind == Kind::update)
        closers << QKeySequence(Qt::Key_Escape);
    for (const QKeySequence& keys : std::as_const(closers)) {
        auto* closer = new QShortcut(keys, window);
        closer->setContext(Qt::WindowShortcut);
        connect(closer, &QShortcut::activated, window, &QWidget::close);
    }
    window->installEventFilter(this);
    field(kind) = window;
    // The update notice keeps the title it was made with.
    if (kind == Kind::update)
        window->setWindowTitle(QCoreApplication::translate("Kelvaro", "Software Update"));
    else
        retitle();
    return window;
}

void TitledWindows::bringToFront(QWidget* window, bool makeKey)
{
    const bool wasShown = window->isVisible();
    if (!makeKey)
        window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->show();
    window->raise();
    if (makeKey) {
        window->setAttribute(Qt::WA_ShowWithoutActivating, false);
        window->activateWindow();
        // A window asked for again while another program has the focus: the
        // window manager may keep the focus there for an application's own
        // request, so ask as a pager does (the user chose it from the tray).
        if (wasShown && QGuiApplication::platformName() == QLatin1String("xcb"))
            m_platform.windows().raise(quint32(window->winId()));
    }
}

void TitledWindows::openSettings()
{
    if (!m_settingsWindow && !m_services.makeSettingsView)
        return;
    setActivationPolicy(ActivationPolicy::regular);
    if (!m_settingsWindow)
        makeWindow(Kind::settings, m_services.makeSettingsView());
    bringToFront(m_settingsWindow, true);
}

void TitledWindows::showOnboarding(std::function<void(bool openSettingsAfterwards)> onFinish)
{
    if (!m_onboardingWindow && !m_services.makeOnboardingView)
        return;
    setActivationPolicy(ActivationPolicy::regular);
    if (!m_onboardingWindow) {
        QPointer<TitledWindows> self(this);
        auto finish = [self, onFinish = std::move(onFinish)](bool openSettingsAfterwards) {
            if (!self)
                return;
            if (QWidget* w = self->m_onboardingWindow) {
                self->m_onboardingWindow = nullptr;
                w->close();
                w->deleteLater();
            }
            if (onFinish)
                onFinish(openSettingsAfterwards);
            Q_EMIT self->onboardingClosed();
        };
        makeWindow(Kind::onboarding, m_services.makeOnboardingView(finish));
    }
    bringToFront(m_onboardingWindow, true);
}

void TitledWindows::showHelp()
{
    if (!m_helpWindow && !m_services.makeHelpView)
        return;
    setActivationPolicy(ActivationPolicy::regular);
    if (!m_helpWindow)
        makeWindow(Kind::help, m_services.makeHelpView());
    bringToFront(m_helpWindow, true);
}

void TitledWindows::showUpdateNotice(bool silentIfNothing, bool stealsFocus)
{
    if (silentIfNothing && !(m_services.updateAvailable && m_services.updateAvailable()))
        return;
    if (!m_updateWindow && !m_services.makeUpdateNoticeView)
        return;
    setActivationPolicy(ActivationPolicy::regular);
    if (m_updateWindow) {
        bringToFront(m_updateWindow, true);
        return;
    }
    QPointer<TitledWindows> self(this);
    auto onClose = [self] {
        if (self && self->m_updateWindow)
            self->m_updateWindow->close();
    };
    QWidget* window = makeWindow(Kind::update, m_services.makeUpdateNoticeView(onClose));
    bringToFront(window, stealsFocus);
    if (!stealsFocus)
        QApplication::alert(window);
}

// ---- Following the windows ---------------------------------------------------------------

void TitledWindows::observeWindows()
{
    if (m_observing)
        return;
    m_observing = true;
    qApp->installEventFilter(this);
}

bool TitledWindows::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (w == m_settingsWindow || w == m_onboardingWindow || w == m_helpWindow || w == m_updateWindow)
            onWindowClosing(w);
    } else if (event->type() == QEvent::Hide && watched->isWidgetType() && m_observing) {
        if (isTitled(static_cast<QWidget*>(watched)))
            Scheduler::shared().postWhileAlive(this, [this] { restoreAccessoryPolicyIfNoWindowsRemain(); });
    } else if (event->type() == QEvent::MouseButtonPress && m_launchPopoverWindow) {
        // A click anywhere else in the application dismisses the launch notice.
        auto* w = watched->isWidgetType() ? static_cast<QWidget*>(watched) : nullptr;
        if (w && w->window() != m_launchPopoverWindow)
            hideLaunchPopover();
    }
    return QObject::eventFilter(watched, event);
}

void TitledWindows::onWindowClosing(QWidget* window)
{
    const bool onboarding = window == m_onboardingWindow;
    // The help and update windows are only hidden: asked for again, they come
    // back where the person left them (the update notice with the checker's
    // outcome of the moment).
    for (auto kind : { Kind::settings, Kind::onboarding }) {
        auto& f = field(kind);
        if (f == window) {
            f = nullptr;
            window->deleteLater();
        }
    }
    Scheduler::shared().postWhileAlive(this, [this] { restoreAccessoryPolicyIfNoWindowsRemain(); });
    if (onboarding)
        Q_EMIT onboardingClosed();
}

void TitledWindows::restoreAccessoryPolicyIfNoWindowsRemain()
{
    const auto windows = QApplication::topLevelWidgets();
    const bool anyTitled
        = std::any_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible() && isTitled(w); });
    if (!anyTitled)
        setActivationPolicy(ActivationPolicy::accessory);
}

// ---- Launch notice ---------------------------------------------------------------------------

void TitledWindows::showLaunchPopoverIfEnabled()
{
    if (!AppSettings::shared().showLaunchMessage() || m_launchPopoverWindow || m_launchPopoverWaiting)
        return;
    if (!m_services.makeLaunchPopoverView)
        return;
    m_launchPopoverWaiting = true;
    pollForTrayIcon(Scheduler::shared().now() + menuBarItemDeadline);
}

void TitledWindows::pollForTrayIcon(double deadline)
{
    std::optional<QRect> frame;
    if (m_services.menuBarItemFrame)
        frame = m_services.menuBarItemFrame();
    if (frame || Scheduler::shared().now() >= deadline) {
        m_launchPopoverWaiting = false;
        presentLaunchPopover(frame);
        return;
    }
    Scheduler::shared().postAfterWhileAlive(
        menuBarItemPollInterval, this, [this, deadline] { pollForTrayIcon(deadline); });
}

QPoint TitledWindows::position(QSize size, std::optional<QRect> item, QRect v)
{
    return LaunchPopover::place(size, item, { { v, v } }).origin;
}

void TitledWindows::presentLaunchPopover(std::optional<QRect> anchor)
{
    if (!AppSettings::shared().showLaunchMessage() || m_launchPopoverWindow || !m_services.makeLaunchPopoverView)
        return;
    auto* window = new QWidget(
        nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    // Without a compositor the X server shows a translucent window's clear
    // pixels as black: the window is then opaque in the window colour, and
    // shaped to the notice's outline so that its corners and the band beside
    // the arrow show what lies beneath.
    PanelHints& hints = m_platform.panelHints();
    const bool composited = !hints.available() || hints.compositorRunning();
    if (composited) {
        window->setAttribute(Qt::WA_TranslucentBackground);
    } else {
        window->setAutoFillBackground(true);
        window->setBackgroundRole(QPalette::Window);
    }
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setWindowTitle(QCoreApplication::translate("Kelvaro", "Kelvaro is Now Running"));
    const auto screens = LaunchPopover::currentScreens();
    // The arrow's x does not depend on the notice's height; its origin does
    // on a bottom panel, so it is placed again once the view is made.
    LaunchPopover::Placement placement = LaunchPopover::place(launchPopoverSize, anchor, screens);
    QPointer<TitledWindows> self(this);
    auto onOpenSettings = [self] {
        if (!self)
            return;
        self->hideLaunchPopover();
        self->openSettings();
    };
    auto onDismiss = [self] {
        if (self)
            self->hideLaunchPopover();
    };
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget* view = m_services.makeLaunchPopoverView(placement.arrowX, placement.arrowBelow, onOpenSettings, onDismiss);
    layout->addWidget(view);
    const QSize size(launchPopoverSize.width(), std::max(launchPopoverSize.height(), view->sizeHint().height()));
    window->setFixedSize(size);
    placement = LaunchPopover::place(size, anchor, screens);
    if (!screens.isEmpty())
        window->move(placement.origin);
    if (!composited)
        window->setMask(noticeShape(size, placement));
    m_launchPopoverWindow = window;
    window->show();
    if (anchor)
        Log::write(QStringLiteral("Kelvaro: launch notice at %1,%2 for the tray icon at %3,%4 %5x%6")
                       .arg(placement.origin.x())
                       .arg(placement.origin.y())
                       .arg(anchor->x())
                       .arg(anchor->y())
                       .arg(anchor->width())
                       .arg(anchor->height()));
    else
        Log::write(QStringLiteral("Kelvaro: launch notice at %1,%2; the tray reported no icon position")
                       .arg(placement.origin.x())
                       .arg(placement.origin.y()));
    // A click anywhere else, in any program, dismisses it.
    QPointer<QWidget> notice = window;
    m_launchPopoverMonitor = m_platform.pointerMonitor().addGlobalMonitor([self, notice](const PointerEvent& e) {
        if (e.type != PointerEvent::Type::LeftMouseDown && e.type != PointerEvent::Type::RightMouseDown)
            return;
        if (!self || !notice || notice->frameGeometry().contains(QCursor::pos()))
            return;
        // Not from inside the monitor's own call.
        Scheduler::shared().postWhileAlive(self, [self] {
            if (self)
                self->hideLaunchPopover();
        });
    });
}

void TitledWindows::hideLaunchPopover()
{
    m_launchPopoverMonitor.reset();
    if (QWidget* w = m_launchPopoverWindow) {
        m_launchPopoverWindow = nullptr;
        w->hide();
        w->deleteLater();
    }
}
