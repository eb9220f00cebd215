#pragma once
// Reads the key equivalents of another application's menu bar through the
// accessibility layer and offers them as suggested shortcuts.

#include "platform/MenuAccessibility.h"
#include "ring/ShortcutPreset.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

class Platform;

class MenuShortcutScanner {
public:
    MenuShortcutScanner() = delete;

    static constexpr int maxPresets = 80;
    // Bounds of the walk of another application's tree.
    static constexpr int maxDepth = 16;
    static constexpr int maxElements = 5000;
    // Polling after a launch.
    static constexpr int pollAttempts = 20;
    static constexpr double pollInterval = 0.25;

    struct ScanResult {
        enum class Kind { success, appNotRunning, needsAccessibility, failed };
        Kind kind = Kind::failed;
        QList<ShortcutPreset> presets; // success only

        static ScanResult success(QList<ShortcutPreset> presets) { return { Kind::success, std::move(presets) }; }
        static ScanResult appNotRunning() { return { Kind::appNotRunning, {} }; }
        static ScanResult needsAccessibility() { return { Kind::needsAccessibility, {} }; }
        static ScanResult failed() { return { Kind::failed, {} }; }

        // Same case; for success, the same preset ids in the same order.
        bool operator==(const ScanResult& other) const;
    };
    using Completion = std::function<void(const ScanResult&)>;

    // Blocks the calling thread for the whole walk: keep it off the main thread.
    static ScanResult scan(const Platform& platform, const QString& bundleIdentifier);

    // Scans at once; when the application is not running (or its menus are
    // not readable yet) launches it in the background and scans again every
    // 0.25 s, at most 20 more times. The completion runs exactly once, on
    // the main thread.
    static void openAndScan(const Platform& platform, const QString& bundleIdentifier, Completion completion);

    // Where the delayed scans of openAndScan run (default: the global
    // thread pool). Tests run them inline.
    using Runner = std::function<void(std::function<void()>)>;
    static void setBackgroundRunner(Runner runner);

    // Building blocks, public for the editors and for tests.
    static std::optional<QString> cleanedTitle(const std::optional<QString>& title);
    static QString iconName(const QString& title);
    static std::optional<Hotkey> hotkey(const AXElement& item);
    static std::optional<ShortcutPreset> preset(const AXElement& item, const QStringList& menuPath);
    static QList<ShortcutPreset> deduplicated(const QList<ShortcutPreset>& presets);

private:
    static void pollForMenus(
        const Platform& platform, const QString& bundleIdentifier, int attemptsLeft, Completion completion);
};
