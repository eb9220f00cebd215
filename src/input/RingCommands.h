#pragma once
// What the hotkey dispatcher asks of whoever shows the rings. The dispatcher
// decides which key means what; the ring control above it decides what a
// ring does about it.

#include <cstdint>

struct LauncherGroup;

class RingCommands {
public:
    virtual ~RingCommands() = default;

    // The app switcher (also showing launcher groups) is on screen.
    virtual bool isSwitcherVisible() const = 0;
    // The shortcut-like ring (shortcuts, saved tabs, passwords) is on screen.
    virtual bool isShortcutRingVisible() const = 0;
    // A ring shows whose showing can still act on Return, the arrows and
    // Escape. A ring that has made its choice (or was cancelled) and only
    // fades out takes no keys: what the person types then is theirs, for the
    // window they were in.
    virtual bool takesRingKeys() const { return isSwitcherVisible() || isShortcutRingVisible(); }

    // A role's hotkey: each opens its ring, or steps or commits the ring it
    // opened when that ring is showing.
    virtual void triggerSwitcher() = 0;
    virtual void triggerLauncher() = 0;
    virtual void showCapturedTabsRing() = 0;
    virtual void showPasswordRing() = 0;
    virtual void showLauncherGroup(const LauncherGroup& group) = 0;

    // Modifier bits held now (Modifier::Mask): a release commits in hold mode.
    virtual void handleModifiersChanged(std::uint64_t flags) = 0;
    // Return or Enter.
    virtual void commitVisibleRing() = 0;
    // The arrow keys: +1 right or down, -1 left or up.
    virtual void stepVisibleRing(int delta) = 0;
    // Escape: every ring hides without committing.
    virtual void cancelVisibleRings() = 0;
};
