#pragma once
// The shortcut-like rings' panel (an application's shortcuts, saved tabs,
// passwords): one floating, non-activating ring panel made once and kept.
// Each showing gets a fresh view model and view for its items, reveals the
// ring on the next turn of the main queue, and hides at once or after the
// exit animation; the model and view of a finished showing are released.
//
// Two generation counters keep a late step of an earlier showing harmless:
// every show and hide bumps `revealGeneration` (a pending reveal runs only if
// it still matches), every show and every hide that starts bumps
// `hideGeneration` (a pending end of the exit animation runs only if it still
// matches). Main thread only.

#include "ringkit/RunningApp.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRectF>

class AppShortcutRingViewModel;
class Platform;
class RingPanel;
struct AppShortcut;

class ShortcutRingWindow : public QObject {
    Q_OBJECT
public:
    explicit ShortcutRingWindow(const Platform& platform, QObject* parent = nullptr);
    ~ShortcutRingWindow() override;

    // Shows `items` around `centre` in a ring placed by the settings (at the
    // pointer or the screen's centre); replaces whatever showed before.
    void show(const RunningApp& centre, const QList<AppShortcut>& items);
    // With the exit animation when `animated` and the ring is revealed;
    // otherwise at once. An animated hide during an exit changes nothing more.
    void hide(bool animated);
    // Off the key path, while nothing shows: paints a settled ring of
    // `items` around `centre` offscreen once, so the first showing finds the
    // fonts, glyphs and symbol images it draws with ready.
    void prepare(const RunningApp& centre, const QList<AppShortcut>& items);

    // On screen: shown, revealed, or still running its exit.
    bool isVisible() const;
    bool isExiting() const { return m_isExiting; }
    // The model of the current showing (also while its exit runs); null once released.
    AppShortcutRingViewModel* viewModel() const { return m_model.data(); }
    RingPanel* panel() const { return m_panel; }

    quint64 revealGeneration() const { return m_revealGeneration; }
    quint64 hideGeneration() const { return m_hideGeneration; }

Q_SIGNALS:
    // A hide started (animated or not, asked for by the owner or by the
    // ring itself): this showing can no longer commit.
    void hidingStarted();
    // The panel was ordered out and the showing's model released.
    void hidden();
    // The ring itself made a choice (a click on a card): commit it.
    void commitRequested();

private:
    void release();

    const Platform& m_platform;
    RingPanel* m_panel = nullptr;
    QPointer<AppShortcutRingViewModel> m_model;
    quint64 m_revealGeneration = 0;
    quint64 m_hideGeneration = 0;
    bool m_isExiting = false;
};
