#pragma once
// A few anonymous usage events, posted fire-and-forget to the event-capture
// path of the analytics service, and the one-time notice that says so.
// Nothing is queued or retried and no reply is read. Main thread only.

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "services/ServiceNetwork.h"

class DefaultsStore;

class Telemetry : public QObject {
    Q_OBJECT
public:
    enum class Event { AppLaunched, RingOpened, TabsCaptured, UpdateInstalled };
    static QString eventName(Event e); // "app_launched", "ring_opened", ...

    static constexpr double requestTimeout = 8.0;
    static inline const QString defaultHost = QStringLiteral("https://us.i.posthog.com");
    static inline const QString capturePath = QStringLiteral("/i/v0/e/");

    // On the installed platform's defaults (the ones installed last, in tests).
    static Telemetry& shared();

    // "telemetryEnabled" (true when never set). Setting false sends
    // "telemetry_disabled" straight away, whatever the new setting.
    bool isEnabled() const;
    void setEnabled(bool on);

    // Sends the event when enabled; otherwise nothing.
    void capture(Event event, const QJsonObject& properties = {});
    // Sends one event regardless of the setting; nothing without a project key.
    void send(const QString& event, const QJsonObject& properties = {});

    // Shows the notice once: marks it shown first, then runs the modal alert
    // with the key tap suspended; "Turn it off" switches sending off.
    void showNoticeIfNeeded();
    // Stores max(build, 1) under "telemetryNoticeShownBuild".
    void markNoticeShown();
    bool needsNotice() const;

    // The installation identifier (made and stored on first use).
    QString distinctID();
    // "distribution": how this copy was obtained.
    static QString distributionChannel() { return QStringLiteral("direct"); }

    // The localized texts of the notice.
    struct Notice {
        QString message;
        QString informative;
        QString keepButton;
        QString turnOffButton;
    };
    static Notice noticeTexts();

    // The delegate sets this so that global hotkeys are off while the alert
    // runs: called with true before and false after. Unset: nothing happens.
    static void setKeyTapSuspender(std::function<void(bool suspended)> suspender);
    // Runs the alert and answers whether the user chose "Turn it off". Tests
    // replace it; the default is a modal QMessageBox.
    static void setAlertPresenter(std::function<bool(const Notice&)> presenter);

Q_SIGNALS:
    void enabledChanged();

private:
    explicit Telemetry(DefaultsStore& defaults);
    QPointer<DefaultsStore> m_defaults;
    ServiceNetwork m_network;
    static QString projectKey();
    static QString host();
};
