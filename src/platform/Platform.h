#pragma once
// Everything the program asks of the desktop, in one object. It is built once
// at start with the Linux backends (by the app layer, the only one that knows
// them) and once per test with the simulated ones (platform/sim/SimPlatform.h),
// and handed down through constructors to what needs it.
//
// No port makes a backend by itself: asking for one that was not provided is
// a programming error and stops the program with the port's name, rather than
// quietly reaching the real X server, session bus or keyring from a test.

#include <memory>

class Appearance;
class ApplicationIdentity;
class BrowserScripting;
class Clipboard;
class DefaultsStore;
class DesktopAccess;
class DisplayPreferences;
class FaviconService;
class FocusedText;
class KeyTap;
class KeyboardLayout;
class LinkOpener;
class LoginItem;
class MenuAccessibility;
class PanelHints;
class PointerMonitor;
class PresenceCheck;
class Scheduler;
class Screens;
class ScreenLock;
class SecretStore;
class SyntheticKeys;
class Windows;
class Workspace;

class Platform {
public:
    struct Ports {
        std::shared_ptr<Scheduler> scheduler;
        std::shared_ptr<DefaultsStore> defaults;
        std::shared_ptr<KeyTap> keyTap;
        std::shared_ptr<KeyboardLayout> keyboardLayout;
        std::shared_ptr<PointerMonitor> pointerMonitor;
        std::shared_ptr<SyntheticKeys> syntheticKeys;
        std::shared_ptr<Screens> screens;
        std::shared_ptr<PanelHints> panelHints;
        std::shared_ptr<Workspace> workspace;
        std::shared_ptr<Windows> windows;
        std::shared_ptr<ApplicationIdentity> applicationIdentity;
        std::shared_ptr<Clipboard> clipboard;
        std::shared_ptr<SecretStore> secretStore;
        std::shared_ptr<PresenceCheck> presenceCheck;
        std::shared_ptr<FocusedText> focusedText;
        std::shared_ptr<MenuAccessibility> menuAccessibility;
        std::shared_ptr<BrowserScripting> browserScripting;
        std::shared_ptr<FaviconService> faviconService;
        std::shared_ptr<Appearance> appearance;
        std::shared_ptr<DisplayPreferences> displayPreferences;
        std::shared_ptr<LoginItem> loginItem;
        std::shared_ptr<ScreenLock> screenLock;
        std::shared_ptr<DesktopAccess> desktopAccess;
        std::shared_ptr<LinkOpener> linkOpener;
    };

    Platform() = default;
    explicit Platform(Ports ports)
        : m_ports(std::move(ports))
    {
    }

    Scheduler& scheduler() const { return need(m_ports.scheduler, "Scheduler"); }
    DefaultsStore& defaults() const { return need(m_ports.defaults, "DefaultsStore"); }
    KeyTap& keyTap() const { return need(m_ports.keyTap, "KeyTap"); }
    KeyboardLayout& keyboardLayout() const { return need(m_ports.keyboardLayout, "KeyboardLayout"); }
    PointerMonitor& pointerMonitor() const { return need(m_ports.pointerMonitor, "PointerMonitor"); }
    SyntheticKeys& syntheticKeys() const { return need(m_ports.syntheticKeys, "SyntheticKeys"); }
    Screens& screens() const { return need(m_ports.screens, "Screens"); }
    PanelHints& panelHints() const { return need(m_ports.panelHints, "PanelHints"); }
    Workspace& workspace() const { return need(m_ports.workspace, "Workspace"); }
    Windows& windows() const { return need(m_ports.windows, "Windows"); }
    ApplicationIdentity& applicationIdentity() const
    {
        return need(m_ports.applicationIdentity, "ApplicationIdentity");
    }
    Clipboard& clipboard() const { return need(m_ports.clipboard, "Clipboard"); }
    SecretStore& secretStore() const { return need(m_ports.secretStore, "SecretStore"); }
    PresenceCheck& presenceCheck() const { return need(m_ports.presenceCheck, "PresenceCheck"); }
    FocusedText& focusedText() const { return need(m_ports.focusedText, "FocusedText"); }
    MenuAccessibility& menuAccessibility() const { return need(m_ports.menuAccessibility, "MenuAccessibility"); }
    BrowserScripting& browserScripting() const { return need(m_ports.browserScripting, "BrowserScripting"); }
    FaviconService& faviconService() const { return need(m_ports.faviconService, "FaviconService"); }
    Appearance& appearance() const { return need(m_ports.appearance, "Appearance"); }
    DisplayPreferences& displayPreferences() const { return need(m_ports.displayPreferences, "DisplayPreferences"); }
    LoginItem& loginItem() const { return need(m_ports.loginItem, "LoginItem"); }
    ScreenLock& screenLock() const { return need(m_ports.screenLock, "ScreenLock"); }
    DesktopAccess& desktopAccess() const { return need(m_ports.desktopAccess, "DesktopAccess"); }
    LinkOpener& linkOpener() const { return need(m_ports.linkOpener, "LinkOpener"); }

    // The ports themselves, for the code that builds the platform (and for a
    // test that swaps one backend for its own).
    Ports& ports() { return m_ports; }
    const Ports& ports() const { return m_ports; }

    // The platform the process runs on, for the few process-wide objects that
    // are not handed one (the named singletons and `Scheduler::shared()`).
    // Installed by whoever built it, for as long as it lives; asking before
    // that fails loudly.
    static Platform& installed();
    static void install(Platform* platform);
    static bool isInstalled();

private:
    template <class Port> static Port& need(const std::shared_ptr<Port>& port, const char* name)
    {
        if (!port)
            missing(name);
        return *port;
    }
    [[noreturn]] static void missing(const char* name);

    Ports m_ports;
};
