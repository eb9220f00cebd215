#pragma once
// Knows whether a newer build exists: fetches the update feed, compares its
// build with the running one and publishes the result as an Outcome. Keeps the
// time of the last check, the automatic-check preference and the skipped build
// in the defaults. It never downloads anything: "Download" opens the feed's
// web page in the browser.
//
// Main thread only. The application uses shared(); tests make their own.

#include "platform/Scheduler.h"
#include "services/ServiceNetwork.h"
#include "services/UpdateManifest.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

class DefaultsStore;

class UpdateChecker : public QObject {
    Q_OBJECT
public:
    struct Outcome {
        enum Kind { Available, Failed, Idle, Checking, UpToDate };
        Kind kind = Idle;
        UpdateManifest manifest; // Available only
        QString message; // Failed only: an English message, localized where shown

        static Outcome available(UpdateManifest m) { return { Available, std::move(m), {} }; }
        static Outcome failed(QString message) { return { Failed, {}, std::move(message) }; }
        static Outcome idle() { return { Idle, {}, {} }; }
        static Outcome checking() { return { Checking, {}, {} }; }
        static Outcome upToDate() { return { UpToDate, {}, {} }; }
        bool operator==(const Outcome&) const = default;
    };

    static constexpr double interval = 86400.0; // minimum spacing of automatic checks
    static constexpr double activityPeriod = 3600.0; // how often the daily activity looks
    static constexpr double requestTimeout = 15.0; // feed request, seconds
    static constexpr qint64 maximumFeedSize = 256 * 1024;

    // Failure messages travel in English and are translated where shown.
    static inline const QString noFeedMessage
        = QString::fromUtf8(QT_TRANSLATE_NOOP("Kelvaro", "No update feed is configured."));
    static inline const QString unreachableMessage
        = QString::fromUtf8(QT_TRANSLATE_NOOP("Kelvaro", "Couldn't reach the update server."));

    // Reads "updateChecksAutomatic" and "updateLastCheck" from `defaults`,
    // which it keeps by reference (it must outlive this object).
    explicit UpdateChecker(DefaultsStore& defaults, QObject* parent = nullptr);
    ~UpdateChecker() override;

    // On the installed platform's defaults (the ones installed last, in tests).
    static UpdateChecker& shared();

    const Outcome& outcome() const { return m_outcome; }
    std::optional<QDateTime> lastCheck() const { return m_lastCheck; }
    bool automaticChecks() const { return m_automaticChecks; }
    void setAutomaticChecks(bool on); // stored under "updateChecksAutomatic" at once

    // Runs one check and leaves its result in outcome(); `done` runs on the
    // main thread when it has ended (at once for a bad feed address).
    // Checks are not serialized: each one publishes its outcome when it
    // completes, so of two overlapping checks the one that completes last
    // decides what outcome() says.
    void check(bool manual, std::function<void()> done = {});
    // The automatic check with its daily throttle. `done(true)` only when the
    // check ran and outcome() is then Available. A last check in the future
    // is younger than a day as far as the throttle is concerned, so it skips;
    // a manual check records the present time and so ends that.
    void checkInBackground(std::function<void(bool)> done = {});

    // Stores the manifest's build under "updateSkippedBuild"; outcome becomes Idle.
    void skip(const UpdateManifest& manifest);
    // Opens the manifest's page through the installed platform's link opener
    // (only absolute https addresses).
    void download(const UpdateManifest& manifest);

    // The launch check at once and a repeating activity that runs the
    // throttled check (hourly, so a day missed in suspend is caught up soon
    // after waking). `onAvailable(atLaunch)` is called when a check finds an
    // update to offer. A second call does not start a second activity.
    void startUpdateChecks(std::function<void(bool atLaunch)> onAvailable);
    void stopUpdateChecks();

    // The running build: "CFBundleVersion" as a decimal integer with optional
    // sign, 0 when it is not one. The running version, or an em dash.
    static qint64 currentBuild();
    static QString currentVersion();
    // Whether this system meets the manifest's minimum system version.
    static bool supportsThisSystem(const UpdateManifest& manifest);
    // Whether this build has an update feed (without one nothing is checked).
    static bool hasFeed();

Q_SIGNALS:
    void outcomeChanged();
    void lastCheckChanged();
    void automaticChecksChanged();

private:
    QPointer<DefaultsStore> m_defaults;
    void setOutcome(Outcome o);
    void record();
    void finish(bool manual, bool ok, const QByteArray& body, const QString& why);

    Outcome m_outcome;
    std::optional<QDateTime> m_lastCheck;
    bool m_automaticChecks = true;
    Scheduler::TimerId m_activity = 0;
    std::function<void(bool)> m_onAvailable;
    ServiceNetwork m_network; // last: its requests stop before the rest goes
};
