#include "ring/CapturedTabStore.h"

#include "core/AppShortcut.h"
#include "core/CustomIcons.h"
#include "core/StoredListRecovery.h"
#include "platform/DefaultsStore.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTimeZone>

const QString CapturedTabStore::sessionsKey = QStringLiteral("capturedTabSessions");
const QString CapturedTabStore::activeSessionKey = QStringLiteral("capturedTabsActiveSession");
const QString CapturedTabStore::legacyTabsKey = QStringLiteral("capturedChromeTabs");

namespace {

const QDateTime& referenceDate()
{
    static const QDateTime date(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    return date;
}

// A stored tab's icon name must name a file inside the icon folder.
BrowserTabs::Tab sanitized(BrowserTabs::Tab tab)
{
    if (tab.iconFile && !(CustomIcons::isSafeName(*tab.iconFile) && tab.iconFile->endsWith(QLatin1String(".png")))) {
        Log::write(QStringLiteral("Kelvaro: ignoring stored tab icon name '%1'").arg(*tab.iconFile));
        tab.iconFile.reset();
    }
    return tab;
}

QString uuidText(const QUuid& id) { return AppShortcut::uuidText(id); }

// The length of `json` as stored, with the comma that separates it from the next.
qsizetype textSize(const nlohmann::ordered_json& json)
{
    return qsizetype(json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace).size()) + 1;
}

} // namespace

// ---- CapturedSession ----------------------------------------------------------

QDateTime CapturedSession::capturedDate() const
{
    return referenceDate().addMSecs(qint64(std::llround(capturedAt * 1000.0)));
}

double CapturedSession::referenceSeconds(const QDateTime& date)
{
    return double(referenceDate().msecsTo(date)) / 1000.0;
}

nlohmann::ordered_json CapturedSession::toJson() const
{
    nlohmann::ordered_json j;
    j["id"] = uuidText(id).toStdString();
    j["name"] = name.toStdString();
    j["capturedAt"] = capturedAt;
    auto list = nlohmann::ordered_json::array();
    for (const auto& tab : tabs)
        list.push_back(tab.toJson());
    j["tabs"] = std::move(list);
    return j;
}

std::optional<CapturedSession> CapturedSession::fromJson(const nlohmann::json& json)
{
    if (!json.is_object())
        return std::nullopt;
    const auto id = json.find("id");
    const auto name = json.find("name");
    const auto at = json.find("capturedAt");
    const auto tabs = json.find("tabs");
    if (id == json.end() || !id->is_string() || name == json.end() || !name->is_string() || at == json.end()
        || !at->is_number() || tabs == json.end() || !tabs->is_array())
        return std::nullopt;
    const auto uuid = AppShortcut::uuidFromText(QString::fromStdString(id->get<std::string>()));
    if (!uuid)
        return std::nullopt;
    CapturedSession session;
    session.id = *uuid;
    session.name = QString::fromStdString(name->get<std::string>());
    session.capturedAt = at->get<double>();
    if (!std::isfinite(session.capturedAt))
        return std::nullopt;
    for (const auto& element : *tabs) {
        auto tab = BrowserTabs::Tab::fromJson(element);
        if (!tab)
            return std::nullopt;
        session.tabs.append(sanitized(*tab));
    }
    return session;
}

// ---- The store ----------------------------------------------------------------

CapturedTabStore::CapturedTabStore(DefaultsStore& defaults, Scheduler& scheduler)
    : m_defaults(defaults)
    , m_scheduler(scheduler)
{
}

CapturedTabStore::CapturedTabStore(const Platform& platform)
    : CapturedTabStore(platform.defaults(), platform.scheduler())
{
}

QList<CapturedSession> CapturedTabStore::migrateLegacyTabs() const
{
    const auto legacy = m_defaults.value(legacyTabsKey);
    if (!legacy || legacy->typeId() != QMetaType::QByteArray)
        return {};
    const QByteArray data = legacy->toByteArray();
    const auto json = nlohmann::json::parse(data.constData(), data.constData() + data.size(), nullptr, false);
    if (json.is_discarded() || !json.is_array() || json.empty())
        return {};
    QList<BrowserTabs::Tab> tabs;
    for (const auto& element : json) {
        auto tab = BrowserTabs::Tab::fromJson(element);
        if (!tab)
            return {}; // the legacy list decodes as a whole or not at all
        tabs.append(sanitized(*tab));
    }

    CapturedSession session;
    session.id = QUuid::createUuid();
    session.name = QCoreApplication::translate("Kelvaro", "Saved earlier");
    session.capturedAt = CapturedSession::referenceSeconds(m_scheduler.wallClock());
    session.tabs = tabs;
    QList<CapturedSession> list { session };
    setSessions(list);
    setActiveID(session.id);
    m_defaults.remove(legacyTabsKey);
    return list;
}

QList<CapturedSession> CapturedTabStore::sessions() const
{
    bool leftInPlace = false;
    return load(&leftInPlace);
}

QList<CapturedSession> CapturedTabStore::load(bool* leftInPlace) const
{
    // Every session that decodes is kept; anything unreadable is kept aside
    // under a backup key before a later write can replace it.
    const auto loaded = StoredListRecovery::loadArray<CapturedSession>(
        sessionsKey, m_defaults, QStringLiteral("tab session"), [](const nlohmann::json& json, QString* error) {
            auto session = CapturedSession::fromJson(json);
            if (!session && error)
                *error = QStringLiteral("missing or malformed field");
            return session;
        });
    *leftInPlace = loaded.leftInPlace;
    // Sessions that could not be kept aside are never written over by the legacy list.
    if (!loaded.items.isEmpty() || loaded.leftInPlace
        || (!loaded.unreadable && loaded.skipped == 0 && m_defaults.contains(sessionsKey)))
        return loaded.items;
    return migrateLegacyTabs();
}

bool CapturedTabStore::setSessions(const QList<CapturedSession>& list) const
{
    auto json = nlohmann::ordered_json::array();
    for (const auto& session : list)
        json.push_back(session.toJson());
    std::string text;
    try {
        text = json.dump();
    } catch (const nlohmann::json::exception& e) {
        Log::write(QStringLiteral("Kelvaro: could not encode tab sessions: %1").arg(QString::fromUtf8(e.what())));
        return false;
    }
    const QByteArray data = QByteArray::fromStdString(text);
    m_defaults.setValue(sessionsKey, data);
    const auto stored = m_defaults.value(sessionsKey);
    return stored && stored->typeId() == QMetaType::QByteArray && stored->toByteArray() == data;
}

std::optional<QUuid> CapturedTabStore::activeID() const
{
    const auto stored = m_defaults.value(activeSessionKey);
    if (!stored || stored->typeId() != QMetaType::QString)
        return std::nullopt;
    return AppShortcut::uuidFromText(stored->toString());
}

void CapturedTabStore::setActiveID(const std::optional<QUuid>& id) const
{
    if (id)
        m_defaults.setValue(activeSessionKey, uuidText(*id));
    else
        m_defaults.remove(activeSessionKey);
}

std::optional<CapturedSession> CapturedTabStore::active() const
{
    const QList<CapturedSession> list = sessions();
    if (list.isEmpty())
        return std::nullopt;
    if (const auto id = activeID()) {
        for (const auto& session : list) {
            if (session.id == *id)
                return session;
        }
    }
    return list.last();
}

CapturedSession CapturedTabStore::add(const QList<BrowserTabs::Tab>& tabs, Added* report) const
{
    Added added;
    const QDateTime now = m_scheduler.wallClock();
    CapturedSession session;
    session.id = QUuid::createUuid();
    session.name = QLocale().toString(now.toLocalTime(), QStringLiteral("d MMM, HH:mm"));
    session.capturedAt = CapturedSession::referenceSeconds(now);
    session.tabs = BrowserTabs::bounded(tabs, &added.leftOut);
    QList<CapturedSession> list = load(&added.leftInPlace);
    if (added.leftInPlace) {
        Log::write(QStringLiteral("Kelvaro: the capture was not stored: the stored tab sessions could not all be "
                                  "read nor kept aside, and are left as they are"));
        if (report)
            *report = added;
        return session;
    }
    list.append(session);

    // A capture larger than half of what all may take keeps its first tabs.
    // When it still does not fit beside the saved ones, it is refused: a
    // saved capture goes only when the user deletes it.
    qsizetype total = 0;
    for (const CapturedSession& s : list)
        total += textSize(s.toJson());
    qsizetype own = textSize(session.toJson());
    QList<BrowserTabs::Tab>& kept = list.last().tabs;
    while (own > maxStoredBytes / 2 && !kept.isEmpty()) {
        const qsizetype tab = textSize(kept.takeLast().toJson());
        own -= tab;
        total -= tab;
        ++added.leftOut.tooLarge;
    }
    session = list.last();
    if (total > maxStoredBytes) {
        added.full = true;
        Log::write(QStringLiteral("Kelvaro: capture of %1 tabs not kept: the %2 saved captures leave no room for it")
                       .arg(session.tabs.size())
                       .arg(list.size() - 1));
    } else {
        added.stored = setSessions(list);
        if (added.stored)
            setActiveID(session.id);
    }
    if (report)
        *report = added;
    return session;
}

bool CapturedTabStore::update(const CapturedSession& session) const
{
    bool leftInPlace = false;
    QList<CapturedSession> list = load(&leftInPlace);
    if (leftInPlace)
        return false;
    for (auto& existing : list) {
        if (existing.id == session.id) {
            existing = session;
            setSessions(list);
            return true;
        }
    }
    return true;
}

bool CapturedTabStore::remove(const QUuid& id) const
{
    bool leftInPlace = false;
    QList<CapturedSession> list = load(&leftInPlace);
    if (leftInPlace)
        return false;
    list.removeIf([&](const CapturedSession& s) { return s.id == id; });
    setSessions(list);
    const auto current = activeID();
    if (!current || *current != id)
        return true;
    setActiveID(list.isEmpty() ? std::nullopt : std::optional<QUuid>(list.last().id));
    return true;
}

QList<AppShortcut> CapturedTabStore::ringItems() const
{
    QList<AppShortcut> items;
    const auto session = active();
    if (!session)
        return items;
    for (const auto& tab : session->tabs) {
        items.append(AppShortcut::tabItem(tab.title, tab.iconFile.value_or(QStringLiteral("safari")), tab.url));
    }
    return items;
}
