#pragma once
// The whole platform simulated, for tests and benchmarks, in one line:
//
//     SimPlatform sim;
//
// Every port is answered by its simulated backend, reachable typed for the
// test to drive (sim.desktop().addApp(…), sim.scheduler().advance(…)), and
// `sim.platform()` is what the code under test is handed. While it lives it
// is the installed platform (the one the named singletons read); the one
// installed before comes back when it goes.
//
// A test that wants a port left out clears it (`sim.platform().ports().x = nullptr`):
// asking for it then fails loudly, naming the port.

#include "platform/ApplicationIdentity.h"
#include "platform/Platform.h"
#include "platform/sim/MemoryClipboard.h"
#include "platform/sim/MemoryDefaultsStore.h"
#include "platform/sim/MemorySecretStore.h"
#include "platform/sim/RecordingSyntheticKeys.h"
#include "platform/sim/SimAppearance.h"
#include "platform/sim/SimBrowserScripting.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimDesktopAccess.h"
#include "platform/sim/SimDisplayPreferences.h"
#include "platform/sim/SimFaviconService.h"
#include "platform/sim/SimFocusedText.h"
#include "platform/sim/SimKeyTap.h"
#include "platform/sim/SimKeyboardLayout.h"
#include "platform/sim/SimLinkOpener.h"
#include "platform/sim/SimLoginItem.h"
#include "platform/sim/SimMenuAccessibility.h"
#include "platform/sim/SimPanelHints.h"
#include "platform/sim/SimPointerMonitor.h"
#include "platform/sim/SimPresenceCheck.h"
#include "platform/sim/SimScreenLock.h"
#include "platform/sim/SimScreens.h"
#include "platform/sim/VirtualScheduler.h"

#include <memory>

class SimPlatform {
public:
    SimPlatform();
    ~SimPlatform();
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    Platform& platform() { return m_platform; }
    operator Platform&() { return m_platform; }

    VirtualScheduler& scheduler() { return *m_scheduler; }
    MemoryDefaultsStore& defaults() { return *m_defaults; }
    SimKeyTap& keyTap() { return *m_keyTap; }
    SimKeyboardLayout& keyboardLayout() { return *m_keyboardLayout; }
    SimPointerMonitor& pointerMonitor() { return *m_pointerMonitor; }
    RecordingSyntheticKeys& syntheticKeys() { return *m_syntheticKeys; }
    SimScreens& screens() { return *m_screens; }
    SimPanelHints& panelHints() { return *m_panelHints; }
    SimDesktop& desktop() { return *m_desktop; }
    ApplicationIdentity& applicationIdentity() { return *m_applicationIdentity; }
    MemoryClipboard& clipboard() { return *m_clipboard; }
    MemorySecretStore& secretStore() { return *m_secretStore; }
    SimPresenceCheck& presenceCheck() { return *m_presenceCheck; }
    SimFocusedText& focusedText() { return *m_focusedText; }
    SimMenuAccessibility& menuAccessibility() { return *m_menuAccessibility; }
    SimBrowserScripting& browserScripting() { return *m_browserScripting; }
    SimFaviconService& faviconService() { return *m_faviconService; }
    SimAppearance& appearance() { return *m_appearance; }
    SimDisplayPreferences& displayPreferences() { return *m_displayPreferences; }
    SimLoginItem& loginItem() { return *m_loginItem; }
    SimScreenLock& screenLock() { return *m_screenLock; }
    SimDesktopAccess& desktopAccess() { return *m_desktopAccess; }
    SimLinkOpener& linkOpener() { return *m_linkOpener; }

private:
    Platform* m_previous = nullptr;
    std::shared_ptr<VirtualScheduler> m_scheduler;
    std::shared_ptr<MemoryDefaultsStore> m_defaults;
    std::shared_ptr<SimKeyTap> m_keyTap;
    std::shared_ptr<SimKeyboardLayout> m_keyboardLayout;
    std::shared_ptr<SimPointerMonitor> m_pointerMonitor;
    std::shared_ptr<RecordingSyntheticKeys> m_syntheticKeys;
    std::shared_ptr<SimScreens> m_screens;
    std::shared_ptr<SimPanelHints> m_panelHints;
    std::shared_ptr<SimDesktop> m_desktop;
    std::shared_ptr<ApplicationIdentity> m_applicationIdentity;
    std::shared_ptr<MemoryClipboard> m_clipboard;
    std::shared_ptr<MemorySecretStore> m_secretStore;
    std::shared_ptr<SimPresenceCheck> m_presenceCheck;
    std::shared_ptr<SimFocusedText> m_focusedText;
    std::shared_ptr<SimMenuAccessibility> m_menuAccessibility;
    std::shared_ptr<SimBrowserScripting> m_browserScripting;
    std::shared_ptr<SimFaviconService> m_faviconService;
    std::shared_ptr<SimAppearance> m_appearance;
    std::shared_ptr<SimDisplayPreferences> m_displayPreferences;
    std::shared_ptr<SimLoginItem> m_loginItem;
    std::shared_ptr<SimScreenLock> m_screenLock;
    std::shared_ptr<SimDesktopAccess> m_desktopAccess;
    std::shared_ptr<SimLinkOpener> m_linkOpener;
    Platform m_platform;
};
