// kelvaro-scan-probe: scans another application's menu bar through the real
// accessibility backend and prints what the menu scanner makes of it.
//
// Usage: kelvaro-scan-probe <pid> [bundle-id]
//   Scans the process <pid>, which the probe's workspace reports as running
//   under [bundle-id] (default "org.kelvaro.ScanTarget"). Prints one JSON
//   object: {"result": "success"|"appNotRunning"|"needsAccessibility"|"failed",
//   "presets": [{"id", "name", "icon", "keyCode", "modifiers", "combination"}…],
//   "ms": <duration of the scan>}.

#include "platform/Workspace.h"
#include "core/Hotkey.h"
#include "platform/Platform.h"
#include "platform/linux/LinuxPlatform.h"
#include "ring/MenuShortcutScanner.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {

// A workspace that knows one running application.
class OneAppWorkspace final : public Workspace {
public:
    OneAppWorkspace(qint32 pid, QString bundle)
    {
        m_app.pid = pid;
        m_app.bundleIdentifier = std::move(bundle);
    }
    QList<RunningApplication> runningApplications() const override { return { m_app }; }
    std::optional<qint32> frontmostApplicationPID() const override { return std::nullopt; }
    std::optional<QString> urlForApplication(const QString&) const override { return std::nullopt; }
    bool openApplication(const QString&) override { return false; }
    QIcon iconForFile(const QString&) const override { return {}; }
    bool openURL(const QUrl&) override { return false; }
    void beep() override { }

private:
    RunningApplication m_app;
};

QString kindName(MenuShortcutScanner::ScanResult::Kind kind)
{
    switch (kind) {
    case MenuShortcutScanner::ScanResult::Kind::success:
        return QStringLiteral("success");
    case MenuShortcutScanner::ScanResult::Kind::appNotRunning:
        return QStringLiteral("appNotRunning");
    case MenuShortcutScanner::ScanResult::Kind::needsAccessibility:
        return QStringLiteral("needsAccessibility");
    case MenuShortcutScanner::ScanResult::Kind::failed:
        return QStringLiteral("failed");
    }
    return QString();
}

}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = false;
    const qint32 pid = args.value(1).toInt(&ok);
    if (!ok) {
        std::fprintf(stderr, "usage: kelvaro-scan-probe <pid> [bundle-id]\n");
        return 2;
    }
    const QString bundle = args.value(2, QStringLiteral("org.kelvaro.ScanTarget"));
    Platform platform;
    Platform::install(&platform);
    platform.ports().workspace = std::make_shared<OneAppWorkspace>(pid, bundle);
    LinuxPlatform::build(platform);
    Hotkey::useLayout(&platform.keyboardLayout()); // key names and typed keys follow the session's layout

    QElapsedTimer clock;
    clock.start();
    const auto result = MenuShortcutScanner::scan(platform, bundle);
    const qint64 ms = clock.elapsed();

    QJsonArray presets;
    for (const auto& p : result.presets) {
        presets.append(QJsonObject {
            { QStringLiteral("id"), p.id },
            { QStringLiteral("name"), p.name },
            { QStringLiteral("icon"), p.icon },
            { QStringLiteral("keyCode"), int(p.hotkey.keyCode) },
            { QStringLiteral("modifiers"), qint64(p.hotkey.rawModifiers) },
            { QStringLiteral("combination"), p.combinationText() },
        });
    }
    const QJsonObject out {
        { QStringLiteral("result"), kindName(result.kind) },
        { QStringLiteral("presets"), presets },
        { QStringLiteral("ms"), ms },
    };
    std::printf("%s\n", QJsonDocument(out).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
    return 0;
}
