#include "platform/linux/LinuxPlatform.h"

#include "platform/Appearance.h"
#include "platform/ApplicationIdentity.h"
#include "platform/FaviconService.h"
#include "platform/Platform.h"
#include "platform/PresenceCheck.h"
#include "platform/QtScheduler.h"
#include "platform/linux/X11PanelHints.h"

#include <QIcon>

// The backends' makers, each beside its backend in this folder.
std::shared_ptr<Appearance> makeDefaultAppearance();
// `procRoot`: where the running browsers are looked for; empty for /proc.
std::shared_ptr<BrowserScripting> makeSessionFileBrowserScripting(const QString& procRoot = {});
std::shared_ptr<Clipboard> makeSystemClipboard();
std::shared_ptr<DefaultsStore> makeDefaultFileStore();
std::shared_ptr<DesktopAccess> makeDBusDesktopAccess();
std::shared_ptr<DisplayPreferences> makeDefaultDisplayPreferences();
std::shared_ptr<FocusedText> makeAtspiFocusedText();
std::shared_ptr<KeyTap> makeDefaultKeyTap();
std::shared_ptr<KeyboardLayout> makeDefaultKeyboardLayout();
std::shared_ptr<LinkOpener> makeDesktopLinkOpener();
std::shared_ptr<LoginItem> makeDefaultLoginItem();
std::shared_ptr<MenuAccessibility> makeAtspiMenuAccessibility();
std::shared_ptr<PointerMonitor> makeDefaultPointerMonitor();
std::shared_ptr<Screens> makeDefaultScreens();
std::shared_ptr<ScreenLock> makeDBusScreenLock();
std::shared_ptr<SecretStore> makeSecretServiceStore();
std::shared_ptr<SyntheticKeys> makeXTestSyntheticKeys();
std::shared_ptr<void> makeX11Desktop(
    std::shared_ptr<ApplicationIdentity> identity, Workspace** workspace, Windows** windows);

void LinuxPlatform::build(Platform& platform)
{
    Platform::Ports& p = platform.ports();
    // In the order they lean on each other: the clock and the stored
    // settings first, the desktop entries before the window lists.
    if (!p.scheduler)
        p.scheduler = std::make_shared<QtScheduler>();
    if (!p.defaults)
        p.defaults = makeDefaultFileStore();
    if (!p.applicationIdentity)
        p.applicationIdentity = std::make_shared<ApplicationIdentity>();
    if (!p.keyboardLayout)
        p.keyboardLayout = makeDefaultKeyboardLayout();
    if (!p.screens)
        p.screens = makeDefaultScreens();
    if (!p.panelHints)
        p.panelHints = makeX11PanelHints();
    if (!p.appearance)
        p.appearance = makeDefaultAppearance();
    // The desktop's icon theme, for Qt's own theme icons and for the icon
    // files of desktop entries, which are looked up by path so that they can
    // be read through SafeFile off the main thread.
    const QString iconTheme = p.appearance->iconThemeName();
    if (!iconTheme.isEmpty())
        QIcon::setThemeName(iconTheme);
    p.applicationIdentity->useIconTheme(iconTheme, QIcon::themeSearchPaths());
    if (!p.displayPreferences)
        p.displayPreferences = makeDefaultDisplayPreferences();
    if (!p.loginItem)
        p.loginItem = makeDefaultLoginItem();
    if (!p.screenLock)
        p.screenLock = makeDBusScreenLock();
    if (!p.desktopAccess)
        p.desktopAccess = makeDBusDesktopAccess();
    if (!p.linkOpener)
        p.linkOpener = makeDesktopLinkOpener();
    if (!p.workspace || !p.windows) {
        Workspace* workspace = nullptr;
        Windows* windows = nullptr;
        const std::shared_ptr<void> desktop = makeX11Desktop(p.applicationIdentity, &workspace, &windows);
        if (!p.workspace)
            p.workspace = std::shared_ptr<Workspace>(desktop, workspace);
        if (!p.windows)
            p.windows = std::shared_ptr<Windows>(desktop, windows);
    }
    if (!p.keyTap)
        p.keyTap = makeDefaultKeyTap();
    if (!p.pointerMonitor)
        p.pointerMonitor = makeDefaultPointerMonitor();
    if (!p.syntheticKeys)
        p.syntheticKeys = makeXTestSyntheticKeys();
    if (!p.clipboard)
        p.clipboard = makeSystemClipboard();
    if (!p.secretStore)
        p.secretStore = makeSecretServiceStore();
    if (!p.presenceCheck)
        p.presenceCheck = makePamPresenceCheck();
    if (!p.focusedText)
        p.focusedText = makeAtspiFocusedText();
    if (!p.menuAccessibility)
        p.menuAccessibility = makeAtspiMenuAccessibility();
    if (!p.browserScripting)
        p.browserScripting = makeSessionFileBrowserScripting();
    if (!p.faviconService)
        p.faviconService = makeNetworkFaviconService();
}
