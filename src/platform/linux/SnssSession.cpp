#include "platform/linux/SnssSession.h"

#include <QtEndian>
#include <algorithm>
#include <map>
#include <set>

namespace {

constexpr qint32 kMaxStringBytes = 4 * 1024 * 1024;
// What one log may make: a browser never comes near these, and they bound the
// work a hostile log can ask for.
constexpr std::size_t kMaxTabs = 20000;
constexpr std::size_t kMaxNavigationsPerTab = 500;

struct Navigation {
    QString url;
    QString title;
};

struct TabState {
    qint32 window = -1;
    bool hasWindow = false;
    qint32 visualIndex = -1;
    qint32 selectedIndex = -1;
    std::map<qint32, Navigation> navigations; // by navigation index
};

// Sequential reader of little-endian fields with bounds checks.
class Reader {
public:
    Reader(const char* data, qsizetype size)
        : m_data(data)
        , m_size(size)
    {
    }
    bool int32(qint32& out)
    {
        if (m_size - m_pos < 4)
            return false;
        out = qFromLittleEndian<qint32>(m_data + m_pos);
        m_pos += 4;
        return true;
    }
    bool skip(qsizetype n)
    {
        if (n < 0 || m_size - m_pos < n)
            return false;
        m_pos += n;
        return true;
    }
    const char* here() const { return m_data + m_pos; }
    qsizetype remaining() const { return m_size - m_pos; }

    // A pickled 8-bit string: length, bytes, padding to a multiple of four.
    bool string8(QString& out)
    {
        qint32 len = 0;
        if (!int32(len) || len < 0 || len > kMaxStringBytes || remaining() < len)
            return false;
        out = QString::fromUtf8(here(), len);
        return skip(len) && skip(std::min<qsizetype>(padding(len), remaining()));
    }
    // A pickled UTF-16 string: length in code units, the units, padding.
    bool string16(QString& out)
    {
        qint32 len = 0;
        if (!int32(len) || len < 0 || len > kMaxStringBytes / 2 || remaining() < qsizetype(len) * 2)
            return false;
        out.resize(len);
        for (qint32 i = 0; i < len; ++i)
            out[i] = QChar(qFromLittleEndian<quint16>(here() + 2 * i));
        const qsizetype bytes = qsizetype(len) * 2;
        return skip(bytes) && skip(std::min<qsizetype>(padding(bytes), remaining()));
    }

private:
    static qsizetype padding(qsizetype n) { return (4 - n % 4) % 4; }
    const char* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

void removeRange(TabState& tab, qint32 from, qint32 count)
{
    // Drops navigations [from, from + count) and closes the gap. Indexes are
    // never negative; the end is computed wide, as from + count may not fit.
    if (count <= 0 || from < 0)
        return;
    const qint64 end = qint64(from) + count;
    std::map<qint32, Navigation> kept;
    for (auto& [index, nav] : tab.navigations) {
        if (index < from)
            kept.emplace(index, std::move(nav));
        else if (index >= end)
            kept.emplace(qint32(index - qint64(count)), std::move(nav));
    }
    tab.navigations = std::move(kept);
    if (tab.selectedIndex >= end)
        tab.selectedIndex = qint32(tab.selectedIndex - qint64(count));
    else if (tab.selectedIndex >= from)
        tab.selectedIndex = std::max(0, from - 1);
}

} // namespace

std::optional<QList<SnssWindow>> SnssSession::read(const QByteArray& data, QString* error)
{
    auto fail = [error](const QString& why) -> std::optional<QList<SnssWindow>> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (data.size() < 8 || !data.startsWith("SNSS"))
        return fail(QStringLiteral("not a session log"));
    const qint32 version = qFromLittleEndian<qint32>(data.constData() + 4);
    // 1: plain; 3: plain with an initial-state marker. 2 and 4 are encrypted.
    if (version != 1 && version != 3)
        return fail(QStringLiteral("unsupported session log version %1").arg(version));

    std::map<qint32, TabState> tabs;
    std::map<qint32, std::set<qint32>> windows; // window id -> ids of its tabs
    // The tab of `id`, made when the log first names it (within the cap).
    auto tabOf = [&tabs](qint32 id) -> TabState* {
        auto it = tabs.find(id);
        if (it != tabs.end())
            return &it->second;
        if (tabs.size() >= kMaxTabs)
            return nullptr;
        return &tabs[id];
    };
    auto detach = [&windows](qint32 tabId, const TabState& tab) {
        if (!tab.hasWindow)
            return;
        auto w = windows.find(tab.window);
        if (w != windows.end())
            w->second.erase(tabId);
    };

    qsizetype pos = 8;
    while (data.size() - pos >= 2) {
        const quint16 size = qFromLittleEndian<quint16>(data.constData() + pos);
        pos += 2;
        if (size == 0 || data.size() - pos < size)
            break; // an unfinished write at the end of the log
        const quint8 id = quint8(data.at(pos));
        Reader payload(data.constData() + pos + 1, size - 1);
        pos += size;

        qint32 a = 0, b = 0, c = 0;
        switch (id) {
        case SetTabWindow:
            if (payload.int32(a) && payload.int32(b)) {
                if (TabState* tab = tabOf(b)) {
                    detach(b, *tab);
                    tab->window = a;
                    tab->hasWindow = true;
                    windows[a].insert(b);
                }
            }
            break;
        case SetTabIndexInWindow:
            if (payload.int32(a) && payload.int32(b)) {
                if (TabState* tab = tabOf(a))
                    tab->visualIndex = b;
            }
            break;
        case TabNavigationPathPrunedFromBack:
            if (payload.int32(a) && payload.int32(b)) {
                auto it = tabs.find(a);
                if (it != tabs.end()) {
                    auto& navs = it->second.navigations;
                    navs.erase(navs.lower_bound(b), navs.end());
                }
            }
            break;
        case TabNavigationPathPrunedFromFront:
            if (payload.int32(a) && payload.int32(b)) {
                auto it = tabs.find(a);
                if (it != tabs.end())
                    removeRange(it->second, 0, b);
            }
            break;
        case TabNavigationPathPruned:
            if (payload.int32(a) && payload.int32(b) && payload.int32(c)) {
                auto it = tabs.find(a);
                if (it != tabs.end())
                    removeRange(it->second, b, c);
            }
            break;
        case UpdateTabNavigation: {
            qint32 pickleSize = 0;
            Navigation nav;
            if (payload.int32(pickleSize) && payload.int32(a) && payload.int32(b) && b >= 0 && payload.string8(nav.url)
                && payload.string16(nav.title)) {
                TabState* tab = tabOf(a);
                if (tab && (tab->navigations.size() < kMaxNavigationsPerTab || tab->navigations.count(b)))
                    tab->navigations[b] = std::move(nav);
            }
            break;
        }
        case SetSelectedNavigationIndex:
            if (payload.int32(a) && payload.int32(b)) {
                if (TabState* tab = tabOf(a))
                    tab->selectedIndex = b;
            }
            break;
        case TabClosed:
            if (payload.int32(a)) {
                if (auto it = tabs.find(a); it != tabs.end()) {
                    detach(a, it->second);
                    tabs.erase(it);
                }
            }
            break;
        case WindowClosed:
            if (payload.int32(a)) {
                if (auto w = windows.find(a); w != windows.end()) {
                    for (qint32 tabId : w->second)
                        tabs.erase(tabId);
                    windows.erase(w);
                }
            }
            break;
        default:
            break; // bounds, types, groups, markers…: nothing the tab list needs
        }
    }

    QList<SnssWindow> result;
    for (const auto& [windowId, tabIds] : windows) {
        struct Entry {
            qint32 visualIndex;
            qint32 tabId;
            SnssTab tab;
        };
        std::vector<Entry> entries;
        for (qint32 tabId : tabIds) {
            auto found = tabs.find(tabId);
            if (found == tabs.end() || found->second.navigations.empty())
                continue;
            const TabState& tab = found->second;
            // The current navigation; a missing or stale selection falls back
            // to the closest navigation before it, else the last one.
            auto nav = tab.navigations.upper_bound(tab.selectedIndex);
            if (tab.selectedIndex < 0 || nav == tab.navigations.begin())
                nav = std::prev(tab.navigations.end());
            else
                nav = std::prev(nav);
            entries.push_back({ tab.visualIndex, tabId, { nav->second.title, nav->second.url } });
        }
        if (entries.empty())
            continue;
        std::stable_sort(entries.begin(), entries.end(), [](const Entry& l, const Entry& r) {
            if (l.visualIndex != r.visualIndex)
                return l.visualIndex < r.visualIndex;
            return l.tabId < r.tabId;
        });
        SnssWindow window;
        window.id = windowId;
        for (auto& e : entries)
            window.tabs.append(std::move(e.tab));
        result.append(std::move(window));
    }
    return result;
}
