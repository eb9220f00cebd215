#include "ring/BrowserTabs.h"

#include "platform/BrowserScripting.h"
#include "platform/MainThread.h"
#include "platform/Workspace.h"

#include <QCoreApplication>
#include <QThread>

#include <future>

QString Browser::titleProperty() const
{
    return family == Family::safari ? QStringLiteral("name") : QStringLiteral("title");
}

namespace {
// The workspace belongs to the main thread; captures run on background threads.
QList<RunningApplication> runningApplications()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        return Workspace::shared().runningApplications();
    // Waited for through a future, whose hand-over ThreadSanitizer follows
    // (not so Qt's blocking queued call); none comes if the application
    // quits first.
    auto answer = std::make_shared<std::promise<QList<RunningApplication>>>();
    std::future<QList<RunningApplication>> list = answer->get_future();
    MainThread::post([answer] { answer->set_value(Workspace::shared().runningApplications()); });
    try {
        return list.get();
    } catch (const std::future_error&) {
        return {};
    }
}
}

bool Browser::isRunning() const
{
    for (const RunningApplication& app : runningApplications()) {
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

QList<Browser> Browser::running()
{
    QList<Browser> result;
    for (const Browser& b : all()) {
        if (b.isRunning())
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
        if (message)
            return *message;
        return QCoreApplication::translate("Kelvaro", "Could not read %1's tabs.").arg(browserName);
    case Kind::noneRunning:
        return QCoreApplication::translate("Kelvaro", "No supported browser is running.");
    }
    return QString();
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

BrowserTabs::CaptureResult BrowserTabs::capture(const Browser& browser)
{
    CaptureResult result;
    if (!browser.isRunning())
        return result;

    const auto outcome = BrowserScripting::shared()->run(browser.id, captureScript(browser));
    if (!outcome.compiled) {
        result.error = CaptureError::couldNotRead(browser.name);
        return result;
    }
    if (outcome.executionFailed) {
        if (outcome.errorNumber
            && (*outcome.errorNumber == BrowserScripting::automationRefused
                || *outcome.errorNumber == BrowserScripting::processNotAvailable))
            result.error = CaptureError::permissionDenied(browser.name);
        else if (outcome.errorMessage)
            result.error = CaptureError::failed(*outcome.errorMessage);
        else
            result.error = CaptureError::couldNotRead(browser.name);
        return result;
    }

    // A result that is not two lists means "no tabs".
    if (outcome.result.typeId() != QMetaType::QVariantList)
        return result;
    const QVariantList pair = outcome.result.toList();
    if (pair.size() != 2 || pair.at(0).typeId() != QMetaType::QVariantList
        || pair.at(1).typeId() != QMetaType::QVariantList)
        return result;
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
    return result;
}

BrowserTabs::CaptureResult BrowserTabs::captureAll()
{
    CaptureResult result;
    const QList<Browser> browsers = Browser::running();
    if (browsers.isEmpty()) {
        result.error = CaptureError::noneRunning();
        return result;
    }
    QList<CaptureError> errors;
    for (const Browser& browser : browsers) {
        auto one = capture(browser);
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
