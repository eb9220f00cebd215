#pragma once
// The application scene: the settings store, the application delegate and
// the tray icon ("MenuBarIcon") with its menu of eleven items. Labels follow
// the interface language, the two check items follow their settings both
// ways, and "Show App Switcher" shows the switcher hotkey as its shortcut,
// renamed when the keyboard layout changes.

#include "core/Hotkey.h"
#include "platform/DefaultsStore.h"

#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class AppDelegate;
struct AppServices;
class AppSettings;
class QAction;
class Platform;
class QMenu;
class QSystemTrayIcon;

class KelvaroApp : public QObject {
    Q_OBJECT
public:
    // Takes `delegate` (tests pass their own); makes one on `platform` and
    // `services` when none is given. `services` must outlive the scene; it
    // learns the tray icon's frame from here.
    KelvaroApp(const Platform& platform, AppServices& services, std::unique_ptr<AppDelegate> delegate = nullptr,
        QObject* parent = nullptr);
    ~KelvaroApp() override;

    AppDelegate& delegate() const { return *m_delegate; }
    QMenu* menu() const { return m_menu.get(); }
    QSystemTrayIcon* trayIcon() const { return m_tray; }
    // The eleven entries in order, dividers included.
    QList<QAction*> menuItems() const;

    // Shows the tray icon (when a tray exists) and keeps it there.
    void show();
    void hide();

    // The menu shortcut for a hotkey: its key's letter or digit on the layout
    // in effect with its modifiers (Ctrl, Alt, Shift, and Super as Qt's Meta);
    // nothing for no hotkey or a key that types neither.
    static std::optional<QKeySequence> shortcut(const std::optional<Hotkey>& hotkey);

    // The process: single instance, the platform, signals, the scene and the
    // event loop. `adjust` may provide ports before the Linux backends fill the rest (the test build).
    static int main(int argc, char** argv, const std::function<void(Platform&)>& adjust = {});
    // The application's icon: the icon theme's, under the application id, else the built-in one.
    static QIcon applicationIcon();

protected:
    // Runs the item whose shortcut is pressed while the menu is open.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void relabel();
    void syncChecks();
    void tellAboutStorage(const DefaultsStore::Problem& problem);

    const Platform& m_platform;
    AppServices& m_services;
    AppSettings& m_settings;
    std::unique_ptr<AppDelegate> m_delegate;
    std::unique_ptr<QMenu> m_menu;
    QSystemTrayIcon* m_tray = nullptr;
    QAction* m_showSwitcher = nullptr;
    QAction* m_showLauncher = nullptr;
    QAction* m_launchAtLogin = nullptr;
    QAction* m_showLaunchMessage = nullptr;
    QAction* m_settingsItem = nullptr;
    QAction* m_help = nullptr;
    QAction* m_checkForUpdates = nullptr;
    QAction* m_quit = nullptr;
    QList<QAction*> m_items;
    bool m_watchingStore = false;
    QList<int> m_toldAbout; // problem kinds already shown
};
