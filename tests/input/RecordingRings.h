#pragma once
// Ring commands that record what dispatch asked for, with ring visibility
// set by the test.

#include "core/LauncherGroup.h"
#include "input/RingCommands.h"

#include <QList>
#include <QStringList>

class RecordingRings : public RingCommands {
public:
    bool switcherVisible = false;
    bool shortcutRingVisible = false;
    QStringList calls;
    QList<std::uint64_t> modifierChanges;

    bool isSwitcherVisible() const override { return switcherVisible; }
    bool isShortcutRingVisible() const override { return shortcutRingVisible; }
    void triggerSwitcher() override { calls << QStringLiteral("triggerSwitcher"); }
    void triggerLauncher() override { calls << QStringLiteral("triggerLauncher"); }
    void showCapturedTabsRing() override { calls << QStringLiteral("showCapturedTabsRing"); }
    void showPasswordRing() override { calls << QStringLiteral("showPasswordRing"); }
    void showLauncherGroup(const LauncherGroup& g) override { calls << QStringLiteral("group:") + g.name; }
    void handleModifiersChanged(std::uint64_t flags) override { modifierChanges << flags; }
    void commitVisibleRing() override { calls << QStringLiteral("commit"); }
    void stepVisibleRing(int delta) override { calls << QStringLiteral("step:%1").arg(delta); }
    void cancelVisibleRings() override { calls << QStringLiteral("cancel"); }
};
