#include "platform/sim/SimPlatform.h"

SimPlatform::SimPlatform()
    : m_previous(Platform::isInstalled() ? &Platform::installed() : nullptr)
    , m_scheduler(std::make_shared<VirtualScheduler>())
    , m_defaults(std::make_shared<MemoryDefaultsStore>())
    , m_keyTap(std::make_shared<SimKeyTap>())
    , m_keyboardLayout(std::make_shared<SimKeyboardLayout>())
    , m_pointerMonitor(std::make_shared<SimPointerMonitor>())
    , m_syntheticKeys(std::make_shared<RecordingSyntheticKeys>())
    , m_screens(std::make_shared<SimScreens>())
    , m_panelHints(std::make_shared<SimPanelHints>())
    , m_desktop(std::make_shared<SimDesktop>())
    , m_applicationIdentity(std::make_shared<ApplicationIdentity>())
    , m_clipboard(std::make_shared<MemoryClipboard>())
    , m_secretStore(std::make_shared<MemorySecretStore>())
    , m_presenceCheck(std::make_shared<SimPresenceCheck>())
    , m_focusedText(std::make_shared<SimFocusedText>())
    , m_menuAccessibility(std::make_shared<SimMenuAccessibility>())
    , m_browserScripting(std::make_shared<SimBrowserScripting>())
    , m_faviconService(std::make_shared<SimFaviconService>())
    , m_appearance(std::make_shared<SimAppearance>())
    , m_displayPreferences(std::make_shared<SimDisplayPreferences>())
    , m_loginItem(std::make_shared<SimLoginItem>())
    , m_screenLock(std::make_shared<SimScreenLock>())
    , m_desktopAccess(std::make_shared<SimDesktopAccess>())
    , m_linkOpener(std::make_shared<SimLinkOpener>())
    , m_platform(Platform::Ports {
          .scheduler = m_scheduler,
          .defaults = m_defaults,
          .keyTap = m_keyTap,
          .keyboardLayout = m_keyboardLayout,
          .pointerMonitor = m_pointerMonitor,
          .syntheticKeys = m_syntheticKeys,
          .screens = m_screens,
          .panelHints = m_panelHints,
          .workspace = m_desktop,
          .windows = m_desktop,
          .applicationIdentity = m_applicationIdentity,
          .clipboard = m_clipboard,
          .secretStore = m_secretStore,
          .presenceCheck = m_presenceCheck,
          .focusedText = m_focusedText,
          .menuAccessibility = m_menuAccessibility,
          .browserScripting = m_browserScripting,
          .faviconService = m_faviconService,
          .appearance = m_appearance,
          .displayPreferences = m_displayPreferences,
          .loginItem = m_loginItem,
          .screenLock = m_screenLock,
          .desktopAccess = m_desktopAccess,
          .linkOpener = m_linkOpener,
      })
{
    m_applicationIdentity->useIconTheme(m_appearance->iconThemeName());
    Platform::install(&m_platform);
}

SimPlatform::~SimPlatform()
{
    if (Platform::isInstalled() && &Platform::installed() == &m_platform)
        Platform::install(m_previous);
}
