#pragma once
// A delegate whose ring control records what dispatch asked of it and whose
// ring visibility the test sets.

#include "app/AppDelegate.h"

#include <QStringList>

class RecordingDelegate : public AppDelegate {
public:
    bool switcherVisible = false;
    bool switcherExists = false;
    bool launcherRingVisible = false;
    QStringList calls;
    QList<std::uint64_t> modifierChanges;

    bool isSwitcherVisible() const override { return switcherVisible; }
    bool hasSwitcher() const override { return switcherExists || switcherVisible; }
    bool isLauncherRingVisible() const override { return launcherRingVisible; }

    void showCircularSwitcher() override { calls << QStringLiteral("showCircularSwitcher"); }
    void showShortcutRingSwitcher() override { calls << QStringLiteral("showShortcutRingSwitcher"); }
    void triggerSwitcher() override { calls << QStringLiteral("triggerSwitcher"); }
    void triggerLauncher() override { calls << QStringLiteral("triggerLauncher"); }
    void showCapturedTabsRing() override { calls << QStringLiteral("showCapturedTabsRing"); }
    void showPasswordRing() override { calls << QStringLiteral("showPasswordRing"); }
    void showLauncherGroup(const LauncherGroup& g) override { calls << QStringLiteral("group:") + g.name; }
    void handleModifiersChanged(std::uint64_t flags) override { modifierChanges << flags; }
    void commitVisibleRing() override { calls << QStringLiteral("commit"); }
    void moveLauncherSelection(int by) override { calls << QStringLiteral("move:%1").arg(by); }
    void switcherSelectNext() override { calls << QStringLiteral("next"); }
    void switcherSelectPrevious() override { calls << QStringLiteral("previous"); }
    void hideSwitcher(bool animated) override { calls << QStringLiteral("hideSwitcher:%1").arg(animated); }
    void hideLauncherRing(bool animated) override { calls << QStringLiteral("hideLauncherRing:%1").arg(animated); }

    void setRingVisible(bool switcher, bool launcher)
    {
        switcherVisible = switcher;
        launcherRingVisible = launcher;
        updateKeyGrabs();
    }
};
