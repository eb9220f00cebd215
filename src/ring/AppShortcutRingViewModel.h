#pragma once
// The state of one showing of a shortcut-like ring: an application's saved
// shortcuts, the saved browser tabs or the password vault's accounts.
//
// The owner makes a fresh model for every showing, fills it with
// loadShortcuts(), reveals it once the panel is on screen, feeds it pointer
// positions and page turns, and reads the selection when it runs the chosen
// item. Items are shown in pages of ten; a vault account with two or more
// passwords fans them out as cards on an outer arc around its wedge.
//
// Positions are global screen coordinates with y growing upward.
// Main thread only.

#include "core/AppShortcut.h"
#include "ringkit/RingPointer.h"
#include "ringkit/RunningApp.h"
#include "vault/PasswordEntry.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QUuid>
#include <functional>
#include <optional>

class Platform;

class AppShortcutRingViewModel : public QObject {
    Q_OBJECT
public:
    static constexpr int pageSize = 10;

    explicit AppShortcutRingViewModel(const Platform& platform, QObject* parent = nullptr);

    const Platform& platform() const { return m_platform; }

    // --- published state ---------------------------------------------------
    const std::optional<RunningApp>& currentApp() const { return m_currentApp; }
    // The items of the page shown, at most ten.
    const QList<AppShortcut>& shortcuts() const { return m_shortcuts; }
    int pageIndex() const { return m_pageIndex; }
    int pageCount() const { return m_pageCount; }
    int selectedIndex() const { return m_selectedIndex; }
    // The arrow keys (through the owner) and clicks (through the view) set the
    // wedge directly; neither refreshes the outer arc.
    void setSelectedIndex(int index);
    RingPointer& pointer() { return *m_pointer; }
    const RingPointer& pointer() const { return *m_pointer; }
    QPointF ringCenter() const { return m_ringCenter; }
    void setRingCenter(QPointF centre);
    bool isVisible() const { return m_isVisible; }
    void setIsVisible(bool visible);
    const QUuid& appearSession() const { return m_appearSession; }
    bool pointerSelectionEnabled() const { return m_pointerSelectionEnabled; }
    void setPointerSelectionEnabled(bool enabled);
    const QList<PasswordVariant>& arcVariants() const { return m_arcVariants; }
    std::optional<int> selectedArcIndex() const { return m_selectedArcIndex; }
    void setSelectedArcIndex(std::optional<int> index);

    // The pointer's latest location (the shared RingPointer's).
    QPointF mousePosition() const;
    void setMousePosition(QPointF p);

    // True while snapHidden() publishes its changes: a view jumps to the new
    // state instead of animating towards it.
    bool animationsDisabled() const { return m_animationsDisabled; }

    // --- operations ----------------------------------------------------------
    // Fills the model for one showing and leaves it hidden, without animation.
    // Items pass when they belong to `app` and carry something to run (see the
    // .cpp); the order is kept.
    void loadShortcuts(const RunningApp& app, const QList<AppShortcut>& allShortcuts);
    // Shows another page, wrapping at both ends; the selection goes back to 0.
    void turnPage(int delta);
    // Immediately hidden with a fresh appearance identity and the pointer disarmed.
    void snapHidden();
    // Disarms the pointer and hides; the owner wraps it in the exit animation.
    void beginExit();
    // Recomputes the outer arc for the selected wedge.
    void refreshArcForSelection();
    // Shows the ring at the current pointer position.
    void reveal();
    // A pointer move while the ring is up.
    void updatePointer(QPointF p);
    // Asks the owner to hide (hideRequested); nothing else.
    void hide();
    // Asks the owner to run the selection as it stands (chooseRequested): a
    // click on a card is a choice, as a release or Return would be.
    void choose();
    // Maps the pointer to a wedge or an arc card around `center`.
    void updateSelectionFromMousePosition(QPointF center);

    // Page `page` of `items`, ten to a page (empty beyond the end).
    static QList<AppShortcut> page(int page, const QList<AppShortcut>& items);
    // Whether an item of `allShortcuts` is shown for the application `bundleIdentifier`.
    static bool passesFilter(const AppShortcut& item, const QString& bundleIdentifier);

Q_SIGNALS:
    // To the owner: hide the ring.
    void hideRequested();
    // To the owner: commit the selection (once per showing, as every commit).
    void chooseRequested();
    void currentAppChanged();
    void shortcutsChanged();
    void pageIndexChanged();
    void pageCountChanged();
    void selectedIndexChanged();
    void ringCenterChanged();
    void isVisibleChanged();
    void appearSessionChanged();
    void pointerSelectionEnabledChanged();
    void arcVariantsChanged();
    void selectedArcIndexChanged();

private:
    const Platform& m_platform;
    void setShortcuts(const QList<AppShortcut>& items);
    void setPageIndex(int index);
    void setPageCount(int count);
    void setArcVariants(const QList<PasswordVariant>& variants);
    void setAppearSession(const QUuid& session);

    std::optional<RunningApp> m_currentApp;
    QList<AppShortcut> m_shortcuts;
    QList<AppShortcut> m_allPagedItems;
    int m_pageIndex = 0;
    int m_pageCount = 1;
    int m_selectedIndex = 0;
    RingPointer* m_pointer;
    QPointF m_ringCenter;
    bool m_isVisible = false;
    QUuid m_appearSession = QUuid::createUuid();
    bool m_pointerSelectionEnabled = false;
    QList<PasswordVariant> m_arcVariants;
    std::optional<int> m_selectedArcIndex;
    QPointF m_openPointer;
    static constexpr double pointerArmDistance = 10.0;
    QHash<QUuid, QList<PasswordVariant>> m_variantsByEntry;
    bool m_animationsDisabled = false;
};
