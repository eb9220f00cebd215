#include "ring/MenuShortcutScanner.h"

#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"
#include "platform/Workspace.h"

#include <QCollator>
#include <QCoreApplication>
#include <QSet>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <mutex>

namespace {

std::mutex g_runnerMutex;
MenuShortcutScanner::Runner g_runner;

bool onMainThread()
{
    return !QCoreApplication::instance() || QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Runs `task` on the main thread: at once when already there, else queued.
void onMain(std::function<void()> task)
{
    if (onMainThread())
        task();
    else
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(task), Qt::QueuedConnection);
}

// Runs `task` on the main thread and waits for it.
template <typename F> auto onMainBlocking(F task) -> decltype(task())
{
    if (onMainThread())
        return task();
    decltype(task()) result {};
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { result = task(); }, Qt::BlockingQueuedConnection);
    return result;
}

void runInBackground(std::function<void()> task)
{
    MenuShortcutScanner::Runner runner;
    {
        std::lock_guard lock(g_runnerMutex);
        runner = g_runner;
    }
    if (runner)
        runner(std::move(task));
    else
        QThreadPool::globalInstance()->start(std::move(task));
}

// Hands the result to the completion on a later turn of the main loop.
void deliver(const MenuShortcutScanner::Completion& completion, const MenuShortcutScanner::ScanResult& result)
{
    onMain([completion, result] { Scheduler::shared().post([completion, result] { completion(result); }); });
}

QList<AXElementPtr> children(const AXElement& element)
{
    return element.elements(QStringLiteral("AXChildren")).value_or(QList<AXElementPtr> {});
}

std::optional<QString> string(const AXElement& element, const QString& attribute)
{
    const auto v = element.value(attribute);
    if (!v || v->typeId() != QMetaType::QString)
        return std::nullopt;
    return v->toString();
}

std::optional<qint64> integer(const AXElement& element, const QString& attribute)
{
    const auto v = element.value(attribute);
    if (!v)
        return std::nullopt;
    switch (v->typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
        return v->toLongLong();
    case QMetaType::Double:
    case QMetaType::Float:
        return std::isfinite(v->toDouble()) ? std::optional<qint64>(qint64(v->toDouble())) : std::nullopt;
    default:
        return std::nullopt;
    }
}

struct Walk {
    QList<ShortcutPreset> presets;
    int visited = 0;
    bool truncated = false;
};

void collect(const AXElement& element, const QStringList& menuPath, Walk& walk, int depth)
{
    if (depth >= MenuShortcutScanner::maxDepth) {
        walk.truncated = true;
        return;
    }
    for (const AXElementPtr& child : children(element)) {
        if (!child)
            continue;
        if (++walk.visited > MenuShortcutScanner::maxElements) {
            walk.truncated = true;
            return;
        }
        const QString role = string(*child, QStringLiteral("AXRole")).value_or(QString());
        if (role == QStringLiteral("AXMenuBarItem") || role == QStringLiteral("AXMenu")) {
            const QString title
                = MenuShortcutScanner::cleanedTitle(string(*child, QStringLiteral("AXTitle"))).value_or(QString());
            if (title == QStringLiteral("Apple"))
                continue;
            collect(*child, title.isEmpty() ? menuPath : menuPath + QStringList { title }, walk, depth + 1);
        } else if (role == QStringLiteral("AXMenuItem")) {
            if (auto p = MenuShortcutScanner::preset(*child, menuPath))
                walk.presets.append(*p);
            if (children(*child).isEmpty())
                continue;
            const auto title = MenuShortcutScanner::cleanedTitle(string(*child, QStringLiteral("AXTitle")));
            collect(*child, title ? menuPath + QStringList { *title } : menuPath, walk, depth + 1);
        } else {
            collect(*child, menuPath, walk, depth + 1);
        }
        if (walk.visited > MenuShortcutScanner::maxElements)
            return;
    }
}

} // namespace

bool MenuShortcutScanner::ScanResult::operator==(const ScanResult& other) const
{
    if (kind != other.kind)
        return false;
    if (kind != Kind::success)
        return true;
    if (presets.size() != other.presets.size())
        return false;
    for (qsizetype i = 0; i < presets.size(); ++i) {
        if (presets[i].id != other.presets[i].id)
            return false;
    }
    return true;
}

void MenuShortcutScanner::setBackgroundRunner(Runner runner)
{
    std::lock_guard lock(g_runnerMutex);
    g_runner = std::move(runner);
}

std::optional<QString> MenuShortcutScanner::cleanedTitle(const std::optional<QString>& title)
{
    if (!title)
        return std::nullopt;
    QString text = title->trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab >= 0) {
        text = text.left(tab);
        // Trim spaces only (not line breaks) from the part before the tab.
        auto isSpace = [](QChar c) {
            return c.isSpace() && c != QLatin1Char('\n') && c != QLatin1Char('\r') && c != QChar(0x2028)
                && c != QChar(0x2029) && c != QChar(0x0B) && c != QChar(0x0C) && c != QChar(0x85);
        };
        qsizetype begin = 0, end = text.size();
        while (begin < end && isSpace(text.at(begin)))
            ++begin;
        while (end > begin && isSpace(text.at(end - 1)))
            --end;
        text = text.mid(begin, end - begin);
    }
    return text;
}

QString MenuShortcutScanner::iconName(const QString& title)
{
    static const std::pair<const char*, const char*> rules[] = {
        { "new", "plus" },
        { "open", "folder" },
        { "save", "square.and.arrow.down" },
        { "close", "xmark" },
        { "quit", "xmark" },
        { "copy", "doc.on.doc" },
        { "paste", "doc.on.clipboard" },
        { "cut", "scissors" },
        { "undo", "arrow.uturn.backward" },
        { "redo", "arrow.uturn.forward" },
        { "find", "magnifyingglass" },
        { "search", "magnifyingglass" },
        { "print", "printer" },
        { "tab", "rectangle.on.rectangle" },
        { "window", "macwindow" },
        { "reload", "arrow.clockwise" },
        { "refresh", "arrow.clockwise" },
    };
    const QString lower = title.toLower();
    for (const auto& [word, symbol] : rules) {
        if (lower.contains(QLatin1String(word)))
            return QString::fromLatin1(symbol);
    }
    return QStringLiteral("command");
}

std::optional<Hotkey> MenuShortcutScanner::hotkey(const AXElement& item)
{
    std::uint64_t flags = Modifier::Ctrl;
    if (const auto bits = integer(item, QStringLiteral("AXMenuItemCmdModifiers"))) {
        flags = 0;
        if (*bits & 1)
            flags |= Modifier::Shift;
        if (*bits & 2)
            flags |= Modifier::Alt;
        if (*bits & 4)
            flags |= Modifier::Super;
        if (!(*bits & 8))
            flags |= Modifier::Ctrl;
    }
    std::optional<std::uint16_t> code;
    // Codes beyond the 16-bit key code range are no key of ours: read the character instead.
    if (const auto virtualKey = integer(item, QStringLiteral("AXMenuItemCmdVirtualKey"));
        virtualKey && *virtualKey >= 1 && *virtualKey <= 0xFFFF)
        code = std::uint16_t(*virtualKey);
    if (!code) {
        const auto text = string(item, QStringLiteral("AXMenuItemCmdChar"));
        if (!text)
            return std::nullopt;
        const QString trimmed = text->trimmed();
        if (trimmed.isEmpty())
            return std::nullopt;
        code = Hotkey::keyCodeForLabel(trimmed);
        if (!code)
            return std::nullopt;
    }
    return Hotkey(*code, flags);
}

std::optional<ShortcutPreset> MenuShortcutScanner::preset(const AXElement& item, const QStringList& menuPath)
{
    const auto title = cleanedTitle(string(item, QStringLiteral("AXTitle")));
    if (!title || *title == QStringLiteral("-"))
        return std::nullopt;
    const auto key = hotkey(item);
    if (!key)
        return std::nullopt;
    ShortcutPreset p;
    p.name = *title;
    p.icon = iconName(*title);
    p.hotkey = *key;
    p.nameIsLocalizationKey = false;
    p.isFromMenu = true;
    p.id = QStringLiteral("menu.") + menuPath.join(QLatin1Char('/')) + QLatin1Char('.') + *title + QLatin1Char('.')
        + p.combinationText();
    return p;
}

QList<ShortcutPreset> MenuShortcutScanner::deduplicated(const QList<ShortcutPreset>& presets)
{
    QSet<QString> seen;
    QList<ShortcutPreset> kept;
    for (const auto& p : presets) {
        const QString combination = p.combinationText();
        if (seen.contains(combination))
            continue;
        seen.insert(combination);
        kept.append(p);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(kept.begin(), kept.end(), [&](const ShortcutPreset& l, const ShortcutPreset& r) {
        const bool lc = l.hotkey.rawModifiers & Modifier::Ctrl;
        const bool rc = r.hotkey.rawModifiers & Modifier::Ctrl;
        if (lc != rc)
            return lc;
        return collator.compare(l.name, r.name) < 0;
    });
    return kept;
}

MenuShortcutScanner::ScanResult MenuShortcutScanner::scan(const Platform& platform, const QString& bundleIdentifier)
{
    // Held for the whole walk, off the main thread; a platform without the
    // port stops at the first line, naming it.
    platform.menuAccessibility();
    const std::shared_ptr<MenuAccessibility> accessibility = platform.ports().menuAccessibility;
    if (!accessibility->isProcessTrusted())
        return ScanResult::needsAccessibility();

    const std::optional<qint32> pid = onMainBlocking([&]() -> std::optional<qint32> {
        for (const RunningApplication& app : platform.workspace().runningApplications()) {
            // The accessibility bus knows processes, not the window ports' keys.
            if (app.bundleIdentifier == bundleIdentifier)
                return app.processID > 0 ? app.processID : app.pid;
        }
        return std::nullopt;
    });
    if (!pid)
        return ScanResult::appNotRunning();

    const AXElementPtr application = accessibility->applicationElement(*pid);
    const AXElementPtr menuBar = application ? application->element(QStringLiteral("AXMenuBar")) : nullptr;
    if (!menuBar)
        return ScanResult::failed();

    Walk walk;
    collect(*menuBar, {}, walk, 0);
    if (walk.truncated)
        Log::write(QStringLiteral(
            "Kelvaro: the menus of %1 are deeper than %2 levels or larger than %3 elements; the rest was not read")
                       .arg(bundleIdentifier)
                       .arg(maxDepth)
                       .arg(maxElements));
    QList<ShortcutPreset> presets = deduplicated(walk.presets);
    if (presets.isEmpty())
        return ScanResult::failed();
    if (presets.size() > maxPresets)
        presets.resize(maxPresets);
    return ScanResult::success(presets);
}

void MenuShortcutScanner::openAndScan(const Platform& platform, const QString& bundleIdentifier, Completion completion)
{
    const ScanResult first = scan(platform, bundleIdentifier);
    if (first.kind == ScanResult::Kind::success) {
        deliver(completion, first);
        return;
    }
    if (first.kind == ScanResult::Kind::needsAccessibility || !platform.menuAccessibility().isProcessTrusted()) {
        deliver(completion, ScanResult::needsAccessibility());
        return;
    }
    const bool launched = onMainBlocking([&]() -> bool {
        const auto url = platform.workspace().urlForApplication(bundleIdentifier);
        if (!url) {
            Log::write(QStringLiteral("Kelvaro: no installed application for %1").arg(bundleIdentifier));
            return false;
        }
        return platform.workspace().openApplication(*url);
    });
    if (!launched) {
        deliver(completion, ScanResult::failed());
        return;
    }
    pollForMenus(platform, bundleIdentifier, pollAttempts, std::move(completion));
}

void MenuShortcutScanner::pollForMenus(
    const Platform& platform, const QString& bundleIdentifier, int attemptsLeft, Completion completion)
{
    const ScanResult result = scan(platform, bundleIdentifier);
    const bool retry = result.kind == ScanResult::Kind::appNotRunning || result.kind == ScanResult::Kind::failed;
    if (result.kind == ScanResult::Kind::success || !retry || attemptsLeft < 1) {
        deliver(completion, result);
        return;
    }
    onMain([&platform, bundleIdentifier, attemptsLeft, completion = std::move(completion)] {
        Scheduler::shared().postAfter(pollInterval, [&platform, bundleIdentifier, attemptsLeft, completion] {
            runInBackground([&platform, bundleIdentifier, attemptsLeft, completion] {
                pollForMenus(platform, bundleIdentifier, attemptsLeft - 1, completion);
            });
        });
    });
}
