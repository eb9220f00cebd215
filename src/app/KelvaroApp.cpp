#include "app/KelvaroApp.h"

#include "app/AppDelegate.h"
#include "app/RingController.h"
#include "app/AppServices.h"
#include "app/SingleInstance.h"
#include "settings/LanguagePicker.h"
#include "app/UnixSignals.h"
#include "core/AppSettings.h"
#include "core/Hotkey.h"
#include "core/SymbolIcons.h"
#include "onboarding/LaunchPopover.h"
#include "platform/KeyboardLayout.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/SecretText.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/X11PanelHints.h"
#include "ringkit/RingAnimation.h"
#include "services/BuildConfig.h"
#include "vault/PasswordVault.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>
#include <cstdlib>

#include "BuildInfo.h"
#include <xcb/xcb.h>

static void initResources() { Q_INIT_RESOURCE(app); }

// How long a relaunched copy waits for the one it replaces to quit.
static constexpr int relaunchWaitMs = 10000;

// The tray icon's frame on the screen, once the tray shows it. Qt's own
// answer keeps the icon window's position from before the tray took it in
// (relative to the tray's window, not the screen): ask the X server where
// the window is, and take no answer while it is not on screen yet.
static std::optional<QRect> trayIconFrame(const QSystemTrayIcon& tray)
{
    xcb_connection_t* c = X11PanelHints::qtConnection();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() != QLatin1String("QSystemTrayIconSys") || !w->isVisible())
            continue;
        if (!c)
            break;
        const xcb_window_t id = xcb_window_t(w->winId());
        auto* attributes = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        free(attributes);
        auto* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr);
        if (!viewable || !geometry) {
            free(geometry);
            return std::nullopt;
        }
        auto* origin
            = xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, id, geometry->root, 0, 0), nullptr);
        std::optional<QRect> frame;
        if (origin) {
            const double ratio = w->devicePixelRatioF();
            frame = QRect(int(origin->dst_x / ratio), int(origin->dst_y / ratio), int(geometry->width / ratio),
                int(geometry->height / ratio));
        }
        free(origin);
        free(geometry);
        return frame;
    }
    return tray.geometry();
}

static QString appName() { return QCoreApplication::translate("Kelvaro", "Kelvaro"); }

KelvaroApp::KelvaroApp(
    const Platform& platform, AppServices& services, std::unique_ptr<AppDelegate> delegate, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_services(services)
    , m_settings(AppSettings::shared())
    , m_delegate(delegate ? std::move(delegate) : std::make_unique<AppDelegate>(platform, services))
{
    initResources();
    buildMenu();
    m_settings.onChange(this, { AppSettings::Key::language, AppSettings::Key::switcherHotkey }, [this] { relabel(); });
    // The switcher's shortcut names the key by what it types on the layout in effect.
    connect(&KeyboardLayout::changes(), &KeyboardLayoutChanges::changed, this, &KelvaroApp::relabel);
    m_settings.onChange(
        this, { AppSettings::Key::launchAtLogin, AppSettings::Key::showLaunchMessage }, [this] { syncChecks(); });
}

KelvaroApp::~KelvaroApp()
{
    hide();
    delete m_tray;
}

void KelvaroApp::buildMenu()
{
    m_menu = std::make_unique<QMenu>();
    auto add = [&](const char* symbol) {
        // Check items go without a symbol: styles draw a checked item's icon in
        // place of its check mark, and the state would be lost.
        auto* action = symbol ? m_menu->addAction(SymbolIcons::icon(QString::fromLatin1(symbol)), QString())
                              : m_menu->addAction(QString());
        m_items.append(action);
        return action;
    };
    auto divider = [&] { m_items.append(m_menu->addSeparator()); };

    // Every action fetches the delegate when it runs.
    m_showSwitcher = add("rectangle.2.swap");
    connect(m_showSwitcher, &QAction::triggered, this, [this] { delegate().rings().showCircularSwitcher(); });
    m_showLauncher = add("bolt.circle");
    connect(m_showLauncher, &QAction::triggered, this, [this] { delegate().rings().showShortcutRing(); });
    divider();
    m_launchAtLogin = add(nullptr);
    m_launchAtLogin->setCheckable(true);
    connect(m_launchAtLogin, &QAction::triggered, this, [this](bool on) { m_settings.setLaunchAtLogin(on); });
    m_showLaunchMessage = add(nullptr);
    m_showLaunchMessage->setCheckable(true);
    connect(m_showLaunchMessage, &QAction::triggered, this, [this](bool on) { m_settings.setShowLaunchMessage(on); });
    divider();
    m_settingsItem = add("gearshape");
    m_settingsItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    connect(m_settingsItem, &QAction::triggered, this, [this] { delegate().windows().openSettings(); });
    m_help = add("questionmark.circle");
    m_help->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Question));
    connect(m_help, &QAction::triggered, this, [this] { delegate().windows().showHelp(); });
    m_checkForUpdates = add("arrow.down.circle");
    connect(m_checkForUpdates, &QAction::triggered, this, [this] { delegate().checkForUpdates(); });
    divider();
    m_quit = add("arrow.right.square");
    m_quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(m_quit, &QAction::triggered, this, [] { QCoreApplication::quit(); });

    // The keys shown beside the items act only while the menu is open; Qt's
    // shortcut map never matches actions of a menu that no widget holds, so the
    // menu's own key presses are matched here.
    for (QAction* a : m_items)
        a->setShortcutContext(Qt::WidgetShortcut);
    m_menu->installEventFilter(this);
    relabel();
    syncChecks();
}

QList<QAction*> KelvaroApp::menuItems() const { return m_items; }

bool KelvaroApp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_menu.get() || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return QObject::eventFilter(watched, event);
    const auto* press = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = press->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)
        return false; // arrows, Return and mnemonics stay the menu's
    const auto key = Qt::Key(press->key());
    const QKeySequence pressed(QKeyCombination(modifiers, key));
    // "?" needs Shift on most layouts, yet Ctrl+? names no Shift.
    const QKeySequence unshifted(QKeyCombination(modifiers & ~Qt::ShiftModifier, key));
    for (QAction* a : std::as_const(m_items)) {
        const QKeySequence keys = a->shortcut();
        if (a->isSeparator() || !a->isEnabled() || keys.isEmpty()
            || (keys.matches(pressed) != QKeySequence::ExactMatch
                && keys.matches(unshifted) != QKeySequence::ExactMatch))
            continue;
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            m_menu->hide();
            // After the menu's grab is gone: the item may open a window or quit.
            QMetaObject::invokeMethod(a, &QAction::trigger, Qt::QueuedConnection);
        }
        return true;
    }
    return false;
}

void KelvaroApp::relabel()
{
    m_showSwitcher->setText(QCoreApplication::translate("Kelvaro", "Show App Switcher"));
    m_showLauncher->setText(QCoreApplication::translate("Kelvaro", "Show Shortcut Launcher"));
    m_launchAtLogin->setText(QCoreApplication::translate("Kelvaro", "Start at Login"));
    m_showLaunchMessage->setText(QCoreApplication::translate("Kelvaro", "Show Message at Launch"));
    m_settingsItem->setText(QCoreApplication::translate("Kelvaro", "Settings"));
    m_help->setText(QCoreApplication::translate("Kelvaro", "Kelvaro Help"));
    m_checkForUpdates->setText(QCoreApplication::translate("Kelvaro", "Check for Updates…"));
    m_quit->setText(QCoreApplication::translate("Kelvaro", "Quit Kelvaro"));
    const auto key = shortcut(m_settings.switcherHotkey());
    m_showSwitcher->setShortcut(key.value_or(QKeySequence()));
    m_menu->setTitle(appName());
    if (m_tray)
        m_tray->setToolTip(appName());
}

void KelvaroApp::syncChecks()
{
    m_launchAtLogin->setChecked(m_settings.launchAtLogin());
    m_showLaunchMessage->setChecked(m_settings.showLaunchMessage());
}

std::optional<QKeySequence> KelvaroApp::shortcut(const std::optional<Hotkey>& hotkey)
{
    if (!hotkey)
        return std::nullopt;
    const auto character = hotkey->menuEquivalent();
    if (!character)
        return std::nullopt;
    const QChar c = character->toUpper();
    Qt::Key key;
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        key = Qt::Key(Qt::Key_A + (c.unicode() - 'A'));
    else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        key = Qt::Key(Qt::Key_0 + (c.unicode() - '0'));
    else if (c.isLetterOrNumber())
        key = Qt::Key(c.unicode()); // a letter of another script: Qt keys use its upper-case code
    else
        return std::nullopt;
    Qt::KeyboardModifiers mods;
    if (hotkey->rawModifiers & Modifier::Ctrl)
        mods |= Qt::ControlModifier;
    if (hotkey->rawModifiers & Modifier::Shift)
        mods |= Qt::ShiftModifier;
    if (hotkey->rawModifiers & Modifier::Alt)
        mods |= Qt::AltModifier;
    if (hotkey->rawModifiers & Modifier::Super)
        mods |= Qt::MetaModifier;
    return QKeySequence(QKeyCombination(mods, key));
}

void KelvaroApp::show()
{
    if (!m_tray) {
        const QIcon icon = QApplication::windowIcon();
        m_tray = new QSystemTrayIcon(icon.isNull() ? applicationIcon() : icon);
        m_tray->setContextMenu(m_menu.get());
        m_tray->setToolTip(appName());
        // A left click opens the same menu as a right click.
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            // After the click has been handled, so its release cannot close the menu at once.
            if (reason == QSystemTrayIcon::Trigger)
                QTimer::singleShot(0, m_menu.get(), [this] { m_menu->popup(QCursor::pos()); });
        });
    }
    // Where the launch notice points: the icon's frame as the tray reports
    // it, once the tray has embedded the icon.
    m_services.menuBarItemFrame = [tray = QPointer<QSystemTrayIcon>(m_tray)]() -> std::optional<QRect> {
        if (!tray || !tray->isVisible())
            return std::nullopt;
        const auto frame = trayIconFrame(*tray);
        if (!frame)
            return std::nullopt;
        return LaunchPopover::usableIconFrame(*frame, LaunchPopover::currentScreens());
    };
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        Log::write(QStringLiteral("Kelvaro: no system tray is running; the menu appears once a tray starts"));
    m_tray->show();
    // What became of a password the user asked for, when it did not go where they expected.
    PasswordVault::setNotifier([tray = QPointer<QSystemTrayIcon>(m_tray)](const QString& message) {
        if (tray)
            tray->showMessage(appName(), message, QSystemTrayIcon::Warning);
    });
    // Problems with the stored settings, those met before the icon existed included.
    DefaultsStore& store = m_platform.defaults();
    if (!m_watchingStore) {
        m_watchingStore = true;
        connect(&store, &DefaultsStore::problem, this, &KelvaroApp::tellAboutStorage);
        for (const auto& p : store.problems())
            tellAboutStorage(p);
    }
}

void KelvaroApp::tellAboutStorage(const DefaultsStore::Problem& problem)
{
    // Once for each kind of problem: the log has the details of every one.
    const int kind = int(problem.kind);
    if (!m_tray || m_toldAbout.contains(kind))
        return;
    m_toldAbout.append(kind);
    QString text;
    if (problem.kind == DefaultsStore::Problem::Kind::partlyKeptAside) {
        text = QCoreApplication::translate("Kelvaro",
            "Some of your settings could not be read. "
            "The settings file as it was is kept as %1.")
                   .arg(problem.keptAs);
    } else if (problem.kind == DefaultsStore::Problem::Kind::keptAside && !problem.keptAs.isEmpty()) {
        text = QCoreApplication::translate("Kelvaro",
            "Your settings file could not be read, so Kelvaro "
            "started with default settings. The file is kept as %1.")
                   .arg(problem.keptAs);
    } else if (problem.kind == DefaultsStore::Problem::Kind::writtenBack) {
        text = QCoreApplication::translate("Kelvaro",
            "Your settings file was damaged after Kelvaro read it. "
            "The damaged file is kept as %1, and your settings were saved again.")
                   .arg(problem.keptAs);
    } else if (problem.kind == DefaultsStore::Problem::Kind::refused) {
        text = QCoreApplication::translate("Kelvaro",
            "A change to your settings was not made: it would have made "
            "the settings file %1 too large to read back.")
                   .arg(problem.path);
    } else if (problem.kind == DefaultsStore::Problem::Kind::keptAside) {
        text = QCoreApplication::translate("Kelvaro",
            "Your settings file %1 could not be read, so Kelvaro "
            "started with default settings.")
                   .arg(problem.path);
    } else {
        text = QCoreApplication::translate("Kelvaro",
            "Your settings cannot be saved to %1 (%2). "
            "Changes are kept until Kelvaro quits.")
                   .arg(problem.path, problem.reason);
    }
    m_tray->showMessage(appName(), text, QSystemTrayIcon::Warning);
}

QIcon KelvaroApp::applicationIcon()
{
    initResources();
    return QIcon::fromTheme(QStringLiteral(KELVARO_APP_ID), QIcon(QStringLiteral(":/MenuBarIcon.svg")));
}

void KelvaroApp::hide()
{
    if (m_tray)
        m_tray->hide();
}

int KelvaroApp::main(int argc, char** argv, const std::function<void(Platform&)>& adjust)
{
    // Before anything could hold a secret (a password typed into the
    // settings, a presence answer, one read from the keyring): no core dump
    // and no debugger of the same user can reach this process's memory.
    SecretText::protectProcess();
    // The main thread runs Qt's own event loop, not GLib's default context.
    // The accessibility library attaches its connections to applications to
    // that context, and its calls run on the accessibility thread: were the
    // main thread to dispatch the same connections, both threads would handle
    // one D-Bus connection's watches at once (libdbus aborts on that).
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    // X11 even in a Wayland session with XWayland, whatever that session
    // asks of Qt programs: the global keys, the windows and the synthetic
    // keys exist only there. The programs Kelvaro starts get the session's
    // choice back.
    const QByteArray sessionPlatform = qgetenv("QT_QPA_PLATFORM");
    const bool choosePlatform = sessionPlatform.isEmpty() || sessionPlatform.startsWith("wayland");
    if (choosePlatform)
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    if (choosePlatform && sessionPlatform.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    else if (choosePlatform)
        qputenv("QT_QPA_PLATFORM", sessionPlatform);
    QApplication::setApplicationName(QStringLiteral("kelvaro"));
    QApplication::setApplicationVersion(BuildConfig::version());
    QGuiApplication::setDesktopFileName(QStringLiteral(KELVARO_APP_ID));
    QApplication::setWindowIcon(applicationIcon());
    // No application display name: Qt would append it to every window title
    // ("Kelvaro Settings — Kelvaro"); the titles already name the program.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    // A relaunch (a new interface language) starts this copy while the old
    // one is still quitting: wait for it instead of handing over to it.
    const bool relaunched = QCoreApplication::arguments().contains(LanguagePicker::relaunchArgument());
    if (!instance.claim(relaunched ? relaunchWaitMs : 0))
        return 0; // the running instance was asked to reopen (or the log says why this one may not run)

    // The one platform of the process: every part that reaches the desktop is
    // handed it (or its ports) from here down.
    Platform platform;
    Platform::install(&platform);
    struct Uninstall {
        Uninstall() = default;
        Uninstall(const Uninstall&) = delete;
        Uninstall& operator=(const Uninstall&) = delete;
        ~Uninstall() { Platform::install(nullptr); }
    } uninstall; // after the scene is gone, before the ports go
    if (adjust)
        adjust(platform);
    LinuxPlatform::build(platform);
    // Views ask the animation engine for the display's preferences, and
    // hotkey names read the keyboard layout; both let go before the ports go.
    AnimationEngine::shared().useDisplay(&platform.displayPreferences());
    Hotkey::useLayout(&platform.keyboardLayout());
    struct ForgetDisplay {
        ForgetDisplay() = default;
        ForgetDisplay(const ForgetDisplay&) = delete;
        ForgetDisplay& operator=(const ForgetDisplay&) = delete;
        ~ForgetDisplay()
        {
            Hotkey::useLayout(nullptr);
            AnimationEngine::shared().useDisplay(nullptr);
        }
    } forgetDisplay;

    UnixSignals::quitOnTermination();
    AppServices services = AppServices::builtIn(platform);
    KelvaroApp scene(platform, services);
    AppDelegate& delegate = scene.delegate();
    QObject::connect(&instance, &SingleInstance::reopenRequested, &delegate,
        [&delegate] { delegate.applicationShouldHandleReopen(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &scene, [&scene, &delegate, &platform] {
        delegate.applicationWillTerminate();
        scene.hide();
        platform.defaults().flush();
    });
    scene.show();
    QTimer::singleShot(0, &delegate, [&delegate] { delegate.applicationDidFinishLaunching(); });
    return app.exec();
}
