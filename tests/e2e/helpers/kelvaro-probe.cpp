// kelvaro-probe: asks the real X11 backend what the switcher would see, and
// prints JSON on stdout. For the end-to-end tests.
//
//   kelvaro-probe apps                       the switcher's ring: [{name, bundleIdentifier,
//                                            isActive, icon: {width, height, rgb}}] plus every
//                                            running application under "running"
//   kelvaro-probe windows <bundleId>         [{id, title, window}] (window: X id, decimal)
//   kelvaro-probe front <bundleId>           {"window": <X id or null>}
//   kelvaro-probe raise <bundleId> <title>   raises that window, waits for the focus
//                                            retries to end: {"window": <X id>, "title",
//                                            "desktop"} (title and desktop read back)
//   kelvaro-probe activate <bundleId>        {"result": true|false}
//   kelvaro-probe launch <bundleId>          activate-or-launch: {"result": true|false}
//
// Exit status 2 for bad usage, 3 when the named application or window is not there.

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <cstdio>

#include "switcher/LauncherApps.h"
#include "platform/Windows.h"
#include "platform/Workspace.h"
#include "core/Hotkey.h"
#include "platform/Platform.h"
#include "platform/linux/LinuxPlatform.h"
#include "switcher/AppActivator.h"
#include "switcher/AppWindows.h"
#include "switcher/CircularSwitcherViewModel.h"

namespace {

void print(const QJsonValue& value)
{
    const QByteArray out = value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                                           : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QJsonObject iconJson(const QImage& image)
{
    QJsonObject o;
    o.insert(QStringLiteral("width"), image.width());
    o.insert(QStringLiteral("height"), image.height());
    o.insert(QStringLiteral("rgb"),
        image.isNull() ? QString() : image.pixelColor(image.width() / 2, image.height() / 2).name());
    return o;
}

QJsonArray windowsJson(const QList<AppWindow>& windows)
{
    QJsonArray out;
    for (const AppWindow& w : windows) {
        QJsonObject o;
        o.insert(QStringLiteral("id"), w.id);
        o.insert(QStringLiteral("title"), w.title);
        o.insert(QStringLiteral("window"), qint64(w.windowID));
        out << o;
    }
    return out;
}

QString policyName(RunningApplication::ActivationPolicy p)
{
    switch (p) {
    case RunningApplication::ActivationPolicy::Regular:
        return QStringLiteral("regular");
    case RunningApplication::ActivationPolicy::Accessory:
        return QStringLiteral("accessory");
    case RunningApplication::ActivationPolicy::Prohibited:
        return QStringLiteral("prohibited");
    }
    return {};
}

QString appName(const Platform& platform, const QString& bundleIdentifier)
{
    for (const auto& app : platform.workspace().runningApplications()) {
        if (app.bundleIdentifier == bundleIdentifier)
            return app.localizedName;
    }
    if (const auto installed = LauncherApps::resolve(platform, bundleIdentifier))
        return installed->name;
    return bundleIdentifier;
}

} // namespace

int main(int argc, char** argv)
{
    // The probe needs no window of its own, and what it launches must not inherit that choice.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    int qtArgc = 3;
    char platformFlag[] = "-platform";
    char platformName[] = "offscreen";
    char* qtArgv[] = { argv[0], platformFlag, platformName, nullptr };
    QApplication app(qtArgc, qtArgv);
    Platform platform;
    Platform::install(&platform);
    LinuxPlatform::build(platform);
    Hotkey::useLayout(&platform.keyboardLayout()); // key names and typed keys follow the session's layout
    const QString command = args.value(0);

    if (command == QLatin1String("apps")) {
        CircularSwitcherViewModel model(platform);
        model.loadRunningApps();
        QJsonArray ring;
        for (const RunningApp& r : model.runningApps()) {
            QJsonObject o;
            o.insert(QStringLiteral("name"), r.name);
            o.insert(QStringLiteral("bundleIdentifier"), r.bundleIdentifier);
            o.insert(QStringLiteral("isActive"), r.isActive);
            o.insert(QStringLiteral("icon"), iconJson(r.icon));
            ring << o;
        }
        QJsonArray running;
        for (const RunningApplication& r : platform.workspace().runningApplications()) {
            QJsonObject o;
            o.insert(QStringLiteral("pid"), r.pid);
            o.insert(QStringLiteral("bundleIdentifier"), r.bundleIdentifier);
            o.insert(QStringLiteral("name"), r.localizedName);
            o.insert(QStringLiteral("policy"), policyName(r.activationPolicy));
            o.insert(QStringLiteral("bundleURL"), r.bundleURL);
            running << o;
        }
        QJsonObject out;
        out.insert(QStringLiteral("ring"), ring);
        out.insert(QStringLiteral("selectedIndex"), model.selectedIndex());
        out.insert(QStringLiteral("running"), running);
        print(out);
        return 0;
    }
    if (command == QLatin1String("windows") && args.size() == 2) {
        print(windowsJson(AppWindows::windows(platform, args[1], appName(platform, args[1]))));
        return 0;
    }
    if (command == QLatin1String("front") && args.size() == 2) {
        for (const auto& r : platform.workspace().runningApplications()) {
            if (r.bundleIdentifier == args[1]) {
                const auto id = AppWindows::frontWindowID(platform, r.pid);
                print(QJsonObject { { QStringLiteral("window"), id ? QJsonValue(qint64(*id)) : QJsonValue() } });
                return 0;
            }
        }
        return 3;
    }
    if (command == QLatin1String("raise") && args.size() == 3) {
        for (const AppWindow& w : AppWindows::windows(platform, args[1], appName(platform, args[1]))) {
            if (w.title != args[2])
                continue;
            AppWindows::raise(platform, w);
            // Let the focus retries run their course (at most 12 x 0.12 s).
            QTimer::singleShot(int(AppWindows::focusAttempts * AppWindows::focusRetryInterval * 1000) + 200, &app,
                &QCoreApplication::quit);
            app.exec();
            // Read back through the window port, as the switcher would see the window now.
            Windows& windows = platform.windows();
            const auto title = windows.windowTitle(w.windowID);
            const auto desktop = windows.desktopOf(w.windowID);
            print(QJsonObject { { QStringLiteral("window"), qint64(w.windowID) },
                { QStringLiteral("title"), title ? QJsonValue(*title) : QJsonValue() },
                { QStringLiteral("desktop"), desktop ? QJsonValue(qint64(*desktop)) : QJsonValue() } });
            return 0;
        }
        std::fprintf(stderr, "kelvaro-probe: no window titled %s\n", qPrintable(args[2]));
        return 3;
    }
    if ((command == QLatin1String("activate") || command == QLatin1String("launch")) && args.size() == 2) {
        const bool result = command == QLatin1String("activate")
            ? AppActivator::activate(platform, args[1], appName(platform, args[1]))
            : AppActivator::activateProcess(platform, args[1], appName(platform, args[1]));
        print(QJsonObject { { QStringLiteral("result"), result } });
        return 0;
    }
    std::fprintf(stderr,
        "usage: kelvaro-probe apps | windows <bundleId> | front <bundleId> | "
        "raise <bundleId> <title> | activate <bundleId> | launch <bundleId>\n");
    return 2;
}
