#include "ring/BrowserTabs.h"

#include "platform/BrowserScripting.h"
#include "platform/Platform.h"

#include <QCoreApplication>

QString Browser::titleProperty() const
{
    return family == Family::safari ? QStringLiteral("name") : QStringLiteral("title");
}

bool Browser::isRunning(const QList<RunningApplication>& running) const
{
    for (const RunningApplication& app : running) {
        if (!app.bundleIdentifier.isEmpty() && app.bundleIdentifier == id)
            return true;
    }
    return false;
}

const QList<Browser>& Browser::all()
{
    static const QList<Browser> browsers {
        { QStringLiteral("com.apple.Safari"), QStringLiteral("Safari"), Family::safari },
        { QStringLiteral("com.google.Chrome"), QStringLiteral("Chrome"), Family::chromium },
        { QStringLiteral("com.brave.Browser"), QStringLiteral("Brave"), Family::chromium },
        { QStringLiteral("com.microsoft.edgemac"), QStringLiteral("Edge"), Family::chromium },
        { QStringLiteral("com.vivaldi.Vivaldi"), QStringLiteral("Vivaldi"), Family::chromium },
        { QStringLiteral("com.operasoftware.Opera"), QStringLiteral("Opera"), Family::chromium },
        { QStringLiteral("org.chromium.Chromium"), QStringLiteral("Chromium"), Family::chromium },
        { QStringLiteral("com.apple.SafariTechnologyPreview"), QStringLiteral("Safari Technology Preview"),
            Family::safari },
        { QStringLiteral("org.mozilla.firefox"), QStringLiteral("Firefox"), Family::gecko },
    };
    return browsers;
}

QList<Browser> Browser::running(const QList<RunningApplication>& running)
{
    QList<Browser> result;
    for (const Browser& b : all()) {
        if (b.isRunning(running))
            result.append(b);
    }
    return result;
}

// ---- Tab JSON ---------------------------------------------------------------

nlohmann::ordered_json BrowserTabs::Tab::toJson() const
{
    nlohmann::ordered_json j;
    j["title"] = title.toStdString();
    j["url"] = url.toStdString();
    if (iconFile)
        j["iconFile"] = iconFile->toStdString();
    if (browser)
        j["browser"] = browser->toStdString();
    return j;
}

std::optional<BrowserTabs::Tab> BrowserTabs::Tab::fromJson(const nlohmann::json& json)
{
    if (!json.is_object())
        return std::nullopt;
    auto required = [&](const char* key) -> std::optional<QString> {
        const auto it = json.find(key);
        if (it == json.end() || !it->is_string())
            return std::nullopt;
        return QString::fromStdString(it->get<std::string>());
    };
    // Optional keys: absent or null is none; another type is an error.
    bool bad = false;
    auto optional = [&](const char* key) -> std::optional<QString> {
        const auto it = json.find(key);
        if (it == json.end() || it->is_null())
            return std::nullopt;
        if (!it->is_string()) {
            bad = true;
            return std::nullopt;
        }
        return QString::fromStdString(it->get<std::string>());
    };
    const auto title = required("title");
    const auto url = required("url");
    if (!title || !url)
        return std::nullopt;
    Tab tab { *title, *url, optional("iconFile"), optional("browser") };
    if (bad)
        return std::nullopt;
    return tab;
}

// ---- Errors -----------------------------------------------------------------

QString BrowserTabs::CaptureError::errorDescription() const
{
    switch (kind) {
    case Kind::permissionDenied:
        if (message)
            return QCoreApplication::translate(
                "Kelvaro", "Kelvaro cannot read the open tabs of %1: your user may not read %2.")
                .arg(browserName, *message);
        if (browserName == QLatin1String("Firefox"))
            return QCoreApplication::translate("Kelvaro",
                "Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in "
                "~/.mozilla/firefox.")
                .arg(browserName);
        return QCoreApplication::translate("Kelvaro",
            "Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in "
            "~/.config and its Sessions folder.")
            .arg(browserName);
    case Kind::failed:
        if (message && !browserName.isEmpty())
            return QCoreApplication::translate("Kelvaro", "%1 is running, but its session could not be read: %2")
                .arg(browserName, *message);
        if (message)
            return *message;
        return QCoreApplication::translate("Kelvaro", "Could not read %1's tabs.").arg(browserName);
    case Kind::noneRunning:
        return QCoreApplication::translate("Kelvaro", "No supported browser is running.");
    }
    return QString();
}

QString BrowserTabs::Reading::description() const
{
    if (error)
        return error->errorDescription();
    if (!problems.isEmpty())
        return QCoreApplication::translate("Kelvaro", "%1 is running, but its session could not be read: %2")
            .arg(browserName, problems.join(QLatin1Char(' ')));
    if (tabs > 0)
        return QString();
    if (!sessionFound)
        return QCoreApplication::translate(
            "Kelvaro", "%1 is running, but Kelvaro found no session file in its profile folders.")
            .arg(browserName);
    return QCoreApplication::translate("Kelvaro", "%1 is running, but its session has no open web pages.")
        .arg(browserName);
}

BrowserTabs::Sources BrowserTabs::Sources::of(const Platform& platform)
{
    platform.browserScripting(); // a missing backend is a programming error, here rather than on the worker
    return { platform.ports().browserScripting, platform.workspace().runningApplications() };
}

// ---- Capture ----------------------------------------------------------------

QString BrowserTabs::captureScript(const Browser& browser)
{
    const QStringList lines {
        QStringLiteral("tell application id \"%1\"").arg(browser.id),
        QStringLiteral("    set titleList to {}"),
        QStringLiteral("    set urlList to {}"),
        QStringLiteral("    repeat with w in windows"),
        QStringLiteral("        try"),
        QStringLiteral("            repeat with t in tabs of w"),
        QStringLiteral("                set end of titleList to %1 of t").arg(browser.titleProperty()),
        QStringLiteral("                set end of urlList to URL of t"),
        QStringLiteral("            end repeat"),
        QStringLiteral("        end try"),
        QStringLiteral("    end repeat"),
        QStringLiteral("    return {titleList, urlList}"),
        QStringLiteral("end tell"),
    };
    return lines.join(QLatin1Char('\n'));
}

BrowserTabs::CaptureResult BrowserTabs::capture(const Browser& browser, const Sources& sources)
{
    CaptureResult result;
    if (!browser.isRunning(sources.running) || !sources.scripting)
        return result;

    const auto outcome = sources.scripting->run(browser.id, captureScript(browser));
    auto failed = [&](const CaptureError& error) {
        result.error = error;
        result.readings.append({ browser.name, 0, false, {}, error });
        return result;
    };
    if (!outcome.compiled)
        return failed(CaptureError::couldNotRead(browser.name));
    if (outcome.executionFailed) {
        if (outcome.errorNumber
            && (*outcome.errorNumber == BrowserScripting::automationRefused
                || *outcome.errorNumber == BrowserScripting::processNotAvailable))
            return failed(CaptureError { CaptureError::Kind::permissionDenied, browser.name,
                outcome.errorNumber == BrowserScripting::automationRefused ? outcome.errorMessage : std::nullopt });
        if (outcome.errorMessage)
            return failed(CaptureError { CaptureError::Kind::failed, browser.name, *outcome.errorMessage });
        return failed(CaptureError::couldNotRead(browser.name));
    }

    auto read = [&] {
        // A backend that does not say what it read (a browser answering itself) read its session.
        result.readings.append({ browser.name, int(result.tabs.size()), !outcome.read || !outcome.read->isEmpty(),
            outcome.problems, std::nullopt });
        return result;
    };
    // A result that is not two lists means "no tabs".
    if (outcome.result.typeId() != QMetaType::QVariantList)
        return read();
    const QVariantList pair = outcome.result.toList();
    if (pair.size() != 2 || pair.at(0).typeId() != QMetaType::QVariantList
        || pair.at(1).typeId() != QMetaType::QVariantList)
        return read();
    const QVariantList titles = pair.at(0).toList();
    const QVariantList urls = pair.at(1).toList();

    auto stringAt = [](const QVariantList& list, qsizetype i) -> std::optional<QString> {
        if (i >= list.size() || list.at(i).typeId() != QMetaType::QString)
            return std::nullopt;
        return list.at(i).toString();
    };
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const auto title = stringAt(titles, i);
        if (!title)
            continue;
        const auto url = stringAt(urls, i);
        if (!url)
            continue;
        if (!url->startsWith(QLatin1String("https://")) && !url->startsWith(QLatin1String("http://")))
            continue;
        result.tabs.append({ title->isEmpty() ? *url : *title, *url, std::nullopt, browser.name });
    }
    return read();
}

BrowserTabs::CaptureResult BrowserTabs::captureAll(const Sources& sources)
{
    CaptureResult result;
    const QList<Browser> browsers = Browser::running(sources.running);
    if (browsers.isEmpty()) {
        result.error = CaptureError::noneRunning();
        return result;
    }
    QList<CaptureError> errors;
    for (const Browser& browser : browsers) {
        auto one = capture(browser, sources);
        result.readings.append(one.readings);
        if (one.error)
            errors.append(*one.error);
        else
            result.tabs.append(one.tabs);
    }
    if (result.tabs.isEmpty() && !errors.isEmpty())
        result.error = errors.first();
    result.tabs = bounded(result.tabs, &result.leftOut);
    return result;
}

QList<BrowserTabs::Tab> BrowserTabs::bounded(const QList<Tab>& tabs, LeftOut* leftOut)
{
    QList<Tab> kept;
    for (const Tab& tab : tabs) {
        if (tab.url.size() > maxAddressLength) {
            ++leftOut->longAddress;
            continue;
        }
        if (kept.size() >= maxTabs) {
            ++leftOut->beyondLimit;
            continue;
        }
        kept.append(tab);
        QString& title = kept.last().title;
        if (title.size() > maxTitleLength) {
            qsizetype cut = maxTitleLength - 1;
            if (title.at(cut - 1).isHighSurrogate())
                --cut; // never half a character
            title = title.left(cut) + QChar(0x2026);
        }
    }
    return kept;
}
