#pragma once
// Saved tab sessions: named, dated lists of captured browser tabs, kept in
// the defaults database, with the choice of the session the tabs ring shows.

#include "ring/BrowserTabs.h"

#include <QDateTime>
#include <QList>
#include <QUuid>
#include <optional>

struct AppShortcut;
class DefaultsStore;
class Platform;
class Scheduler;

struct CapturedSession {
    QUuid id;
    QString name;
    // Seconds since 1 January 2001 00:00:00 UTC, as stored.
    double capturedAt = 0.0;
    QList<BrowserTabs::Tab> tabs;

    bool operator==(const CapturedSession&) const = default;

    QDateTime capturedDate() const;
    static double referenceSeconds(const QDateTime& date);

    // {"id","name","capturedAt","tabs"}; all four are required when reading.
    nlohmann::ordered_json toJson() const;
    static std::optional<CapturedSession> fromJson(const nlohmann::json& json);
};

class CapturedTabStore {
public:
    CapturedTabStore(DefaultsStore& defaults, Scheduler& scheduler);
    explicit CapturedTabStore(const Platform& platform);

    static const QString sessionsKey; // "capturedTabSessions"
    static const QString activeSessionKey; // "capturedTabsActiveSession"
    static const QString legacyTabsKey; // "capturedChromeTabs"

    // Reading decodes the stored list (keeping every session that decodes)
    // or migrates the legacy tab list; writing stores the whole list.
    QList<CapturedSession> sessions() const;
    // False when the list could not be stored.
    bool setSessions(const QList<CapturedSession>& sessions) const;

    std::optional<QUuid> activeID() const;
    void setActiveID(const std::optional<QUuid>& id) const;
    // The session the tabs ring shows: the active one, else the last.
    std::optional<CapturedSession> active() const;

    // How much text all captures may take together, well within what the
    // settings file is read back up to. One capture takes at most half of it.
    // Saved captures are only ever removed by the user: a capture that would
    // not fit is refused.
    static constexpr qsizetype maxStoredBytes = 24 * 1024 * 1024;

    // What `add` did beyond storing the new capture.
    struct Added {
        BrowserTabs::LeftOut leftOut; // tabs of the new capture left out
        bool full = false; // refused: the saved captures leave no room for it
        bool stored = false; // false when refused, here or by the settings
        // The stored captures could not all be read, nor kept aside: they are
        // left as they are and nothing was stored (`stored` is false).
        bool leftInPlace = false;
    };
    // Stores `tabs` (bounded as a capture is) as a new capture, the active one;
    // when it does not fit beside the saved ones, nothing changes.
    CapturedSession add(const QList<BrowserTabs::Tab>& tabs, Added* added = nullptr) const;
    // Both false, changing nothing, when the stored captures could not all
    // be read nor kept aside (writing the list would lose them).
    bool update(const CapturedSession& session) const;
    bool remove(const QUuid& id) const; // the "delete" operation

    // One item per tab of the active session, each with a fresh id.
    QList<AppShortcut> ringItems() const;

private:
    QList<CapturedSession> migrateLegacyTabs() const;
    // The stored sessions; *leftInPlace says that some could not be read nor kept aside.
    QList<CapturedSession> load(bool* leftInPlace) const;

    DefaultsStore& m_defaults;
    Scheduler& m_scheduler;
};
