#pragma once
// The app switcher's panel: one floating, non-activating, frameless,
// translucent window made once and kept for the life of the process. It owns
// the switcher view model and the ring view, places itself over the ring's
// screen area on each showing, fills the model with the running applications
// or a launcher group, reveals the ring on the next turn of the main queue and
// hides it at once or after the exit animation.
//
// Two generation counters keep a late step of an earlier showing harmless:
// every show and every hide bumps `revealGeneration` (a pending reveal runs
// only if it still matches), every show and every hide that starts bumps
// `hideGeneration` (a pending end of the exit animation runs only if it still
// matches). Main thread only; the queued steps hold the panel weakly.

#include <QList>
#include <QObject>
#include <QRectF>
#include <optional>

#include "ringkit/RunningApp.h"

class CircularSwitcherView;
class CircularSwitcherViewModel;
class Platform;
class RingPanel;
class QWidget;

class CircularSwitcherWindow : public QObject {
    Q_OBJECT
public:
    explicit CircularSwitcherWindow(const Platform& platform, QObject* parent = nullptr);
    ~CircularSwitcherWindow() override;

    // Shows the ring: nothing lists the running applications, a list shows a
    // launcher group. A show during an exit cancels that exit's end.
    void showSwitcher(std::optional<QList<RunningApp>> apps = std::nullopt);
    // Hides the ring, with the exit animation when `animated` and the ring is
    // revealed; otherwise at once. Animated hides during an exit only cancel
    // a pending reveal.
    void hideSwitcher(bool animated);
    // Off the key path, while nothing shows: lists the applications once and
    // paints the ring offscreen, so the first showing finds the window
    // properties, desktop entries, icons, glyphs and layers it needs ready.
    void prepare();
    // While nothing shows: frees the buffers the motion of a showing draws
    // with (the next showing takes them again).
    void releaseMotionBuffers();

    // The panel is on screen: shown, revealed or still running its exit.
    bool isSwitcherVisible() const;
    // An animated hide is running (the panel is still on screen).
    bool isExiting() const { return m_isExiting; }
    // The showing can still take a commit: on screen and not exiting. Any
    // hide, animated or not, ends the showing at once.
    bool acceptsCommit() const { return isSwitcherVisible() && !m_isExiting; }

    CircularSwitcherViewModel* viewModel() const { return m_viewModel; }
    CircularSwitcherView* view() const { return m_view; }
    // The top-level window hosting the view.
    QWidget* panel() const;

    quint64 revealGeneration() const { return m_revealGeneration; }
    quint64 hideGeneration() const { return m_hideGeneration; }
    // The frame of the last showing, global screen coordinates with y upward.
    QRectF frame() const { return m_frame; }

Q_SIGNALS:
    // A hide started (animated or not): this showing can no longer commit.
    void hidingStarted();
    // The panel was ordered out.
    void hidden();
    // A click on a wedge (its index, no window) or a card (the selected
    // application's index and the card's index), 0.1 s after the click: the
    // owner commits through its commit-once path. With nothing connected, the
    // click runs the model's own action.
    void commitRequested(int index, std::optional<int> windowIndex);

private:
    void finishHide();

    const Platform& m_platform;
    RingPanel* m_panel = nullptr;
    CircularSwitcherView* m_view = nullptr;
    CircularSwitcherViewModel* m_viewModel = nullptr;
    quint64 m_revealGeneration = 0;
    quint64 m_hideGeneration = 0;
    bool m_isExiting = false;
    bool m_onScreen = false;
    QRectF m_frame;
};
