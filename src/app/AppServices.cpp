#include "app/AppServices.h"

#include "input/KeyTapSuspension.h"
#include "onboarding/HelpView.h"
#include "onboarding/LaunchPopover.h"
#include "onboarding/OnboardingView.h"
#include "platform/Platform.h"
#include "services/Telemetry.h"
#include "services/UpdateChecker.h"
#include "services/UpdateNoticeView.h"
#include "settings/SettingsView.h"
#include "vault/PasswordAuth.h"

#include <QJsonObject>

AppServices AppServices::builtIn(const Platform& platform)
{
    AppServices s;

    s.telemetryPrepare = [] {
        Telemetry::setKeyTapSuspender([](bool suspended) { KeyTapSuspension::setTapEnabled(!suspended); });
        Telemetry::shared();
    };
    s.telemetryEnabled = [] { return Telemetry::shared().isEnabled(); };
    s.telemetrySend = [](const QString& event, const QVariantMap& properties) {
        Telemetry::shared().send(event, QJsonObject::fromVariantMap(properties));
    };
    s.telemetryShowNoticeIfNeeded = [] { Telemetry::shared().showNoticeIfNeeded(); };

    s.startUpdateChecks = [](std::function<void(bool)> onAvailable) {
        UpdateChecker::shared().startUpdateChecks(std::move(onAvailable));
    };
    s.stopUpdateChecks = [] { UpdateChecker::shared().stopUpdateChecks(); };
    s.checkForUpdatesManually = [] { UpdateChecker::shared().check(true); };
    s.updateAvailable = [] { return UpdateChecker::shared().outcome().kind == UpdateChecker::Outcome::Available; };
    s.makeSettingsView = [&platform]() -> QWidget* { return new SettingsView(platform, UpdateChecker::shared()); };
    s.resetPresenceContext = [] { PasswordAuth::lock(); };

    s.makeOnboardingView = [&platform](std::function<void(bool)> onFinish) -> QWidget* {
        return new OnboardingView(platform, std::move(onFinish));
    };
    s.makeHelpView = [&platform]() -> QWidget* { return new HelpView(platform); };
    s.makeLaunchPopoverView = [](int arrowX, bool arrowBelow, std::function<void()> onOpenSettings,
                                  std::function<void()> onDismiss) -> QWidget* {
        return new LaunchPopoverView(arrowX, arrowBelow, std::move(onOpenSettings), std::move(onDismiss));
    };
    // The tray icon's frame comes from the tray (KelvaroApp installs it).

    s.makeUpdateNoticeView = [](std::function<void()> onClose) -> QWidget* {
        return new UpdateNoticeView(UpdateChecker::shared(), std::move(onClose));
    };
    return s;
}
