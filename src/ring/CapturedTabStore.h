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

    // How many captures are kept, and how much text all of them may take
    // together; the oldest go to make room for a new one. Within the bounds
    // of a capture, twenty real sessions stay far below the size.
    static constexpr int maxKept = 20;
    static constexpr qsizetype maxStoredBytes = 24 * 1024 * 1024;

    // What `add` did beyond storing the new capture.
    struct Added {
        BrowserTabs::LeftOut leftOut; // tabs of the new capture left out
        int removed = 0; // older captures removed to make room
        bool stored = false; // false when the settings refused the change
        // The stored captures could not all be read, nor kept aside: they are
        // left as they are and nothing was stored (`stored` is false).
        bool leftInPlace = false;
    };
    // Stores `tabs` (bounded as a capture is) as a new capture, the active one.
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
