#pragma once
// What the application delegate uses of the services that other parts of the
// program provide: the windows' views, the update checker, usage events and
// the password vault's presence context. Each is a hook; a hook that is not
// set means the service is not there, and the step that needs it does nothing.
// The program makes one set at start-up (AppServices::builtIn) and hands it to
// the delegate and the titled windows; tests hand them their own.

#include <QRect>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <optional>

class Platform;
class QWidget;

struct AppServices {
    // Views of the titled windows. The delegate owns the window around them.
    std::function<QWidget*()> makeSettingsView;
    std::function<QWidget*(std::function<void(bool openSettings)> onFinish)> makeOnboardingView;
    std::function<QWidget*()> makeHelpView;
    std::function<QWidget*(std::function<void()> onClose)> makeUpdateNoticeView;

    // The launch notice under the tray icon.
    std::function<std::optional<QRect>()> menuBarItemFrame; // screen frame, top-left origin
    // `arrowBelow`: the notice sits above the icon (a bottom panel) and points down at it.
    std::function<QWidget*(
        int arrowX, bool arrowBelow, std::function<void()> onOpenSettings, std::function<void()> onDismiss)>
        makeLaunchPopoverView;

    // Usage events.
    std::function<void()> telemetryPrepare; // makes the telemetry object (registers its defaults)
    std::function<bool()> telemetryEnabled; // the user's choice, on when never set
    std::function<void(const QString& event, const QVariantMap& properties)> telemetrySend;
    std::function<void()> telemetryShowNoticeIfNeeded;

    // Update checks. `startUpdateChecks` runs the launch check and the daily
    // activity and calls back when a check finds an update to offer.
    std::function<void(std::function<void(bool atLaunch)> onAvailable)> startUpdateChecks;
    std::function<void()> stopUpdateChecks;
    std::function<void()> checkForUpdatesManually;
    std::function<bool()> updateAvailable;

    // The vault's presence context is dropped when the screen locks.
    std::function<void()> resetPresenceContext;

    // The hooks connected to the services built into this program, with the
    // views made on `platform` (which must outlive them).
    static AppServices builtIn(const Platform& platform);
};
