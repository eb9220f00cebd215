#pragma once
// The settings window's content, 921 x 620: on the left a live preview of the
// ring that the selected tab configures, with the hotkey that opens it as key
// caps; on the right the title, six tabs and the selected tab's page. Made
// once per process; the pages it holds follow the settings store at once.

#include "core/AppShortcut.h"
#include "core/Hotkey.h"
#include "core/LauncherGroup.h"
#include "core/EnumTable.h"
#include "ringkit/RingAnimation.h"
#include "ringkit/RunningApp.h"

#include <QList>
#include <QSize>
#include <QUuid>
#include <QWidget>
#include <optional>

class KeyStrip;
class QButtonGroup;
class QLabel;
class QStackedWidget;
class Platform;
class UpdateChecker;

enum class SettingsTab { general, switcher, controller, launcher, passwords, capturedTabs };
// Raw values "general", "switcher", "controller", "launcher", "passwords",
// "capturedTabs"; titles "General", "Switcher", "Shortcuts", "Launcher",
// "Passwords", "Tabs" (localized); symbols "gearshape.fill", ….
std::span<const EnumRow<SettingsTab>> enumRows(SettingsTab);

// What the preview draws for the selected tab.
struct RingStageInput {
    SettingsTab tab = SettingsTab::controller;
    QList<AppShortcut> shortcuts; // shortcut-style rings
    std::optional<RunningApp> centerApp;
    QList<RunningApp> runningApps; // switcher-style rings
    int pageCount = 1;
    int selectedIndex = 0;

    bool drawsShortcuts() const;
    // The hint under the ring ("Select an app", …), empty when none.
    QString hint() const;
};

class RingPreview : public QWidget {
    Q_OBJECT
public:
    explicit RingPreview(const Platform& platform, QWidget* parent = nullptr);
    void setInput(RingStageInput input, std::optional<Hotkey> hotkey, const QString& caption);
    const RingStageInput& input() const { return m_input; }
    KeyStrip* keyCaps() const { return m_keys; }

    // The preview scale of the 400-point ring canvas: half the ring-size
    // setting's effect, never more than the ring's slot holds.
    static double previewScale(double ringScale);
    static constexpr double canvasSide = 400.0;
    // The side of the square the ring is drawn in, above the key caps: room
    // for the largest ring size.
    static constexpr int ringSlot = 360;
    // The ring's square in the widget, as drawn now.
    QRectF ringRect() const;

    // Draws the ring stage centred on (0, 0) in the painter's coordinates.
    static void paintStage(QPainter& painter, const RingStageInput& input, bool dark);
    // Two inputs with the same signature show the same scene.
    static QString signature(const RingStageInput& input, const std::optional<Hotkey>& hotkey, const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Platform& m_platform;
    RingStageInput m_input;
    QString m_scene; // the signature of the scene shown
    AnimatedValue m_ringScale; // the ring-size setting, sprung when it changes
    double m_drawnScale = 0;
    KeyStrip* m_keys = nullptr;
    QLabel* m_noShortcut = nullptr;
    QLabel* m_caption = nullptr;
};

class SettingsView : public QWidget {
    Q_OBJECT
public:
    SettingsView(const Platform& platform, UpdateChecker& updates, QWidget* parent = nullptr);
    ~SettingsView() override;

    static constexpr QSize windowSize { 921, 620 };

    SettingsTab selectedTab() const { return m_selectedTab; }
    void selectTab(SettingsTab tab);
    RingPreview* preview() const { return m_preview; }
    QWidget* page() const { return m_page; }

    // The hotkey and ring the preview shows for the selected tab.
    std::optional<Hotkey> activePreviewHotkey() const;
    std::optional<LauncherGroup> selectedLauncherGroup() const;
    std::optional<RunningApp> previewCenterApp() const;
    RingStageInput stageInput() const;

    // The first `limit` regular running applications that have an identifier,
    // a name and an icon (the limit counts before that filter).
    static QList<RunningApp> runningApps(const Platform& platform, int limit);

    // The state other pages share through the window (set by their pages as they land).
    std::optional<AppShortcut> controllerApp;
    QList<AppShortcut> controllerShortcuts;
    std::optional<QUuid> launcherGroupID;

    void refreshTabPreview();
    void updatePreview();

protected:
    void changeEvent(QEvent* event) override;

private:
    void refreshSources();
    void buildPage();
    void retranslate();

    const Platform& m_platform;
    UpdateChecker& m_updates;
    SettingsTab m_selectedTab = SettingsTab::controller;
    RingPreview* m_preview = nullptr;
    QLabel* m_title = nullptr;
    QButtonGroup* m_tabs = nullptr;
    QWidget* m_pageHost = nullptr;
    QWidget* m_page = nullptr;
    QList<RunningApp> m_previewApps;
    QList<AppShortcut> m_passwordPreviewItems;
    QList<AppShortcut> m_tabPreviewItems;
    int m_tabPreviewPageCount = 1;
};
