// Menu bars of other applications through AT-SPI. Every libatspi call runs
// on one worker thread with a private GLib main context, so no call blocks
// the main thread and the main loop never dispatches the library's D-Bus
// traffic; each D-Bus request is bounded by the library's call timeout.

#include "platform/linux/AtspiLibrary.h"
#include "platform/linux/AtspiMenuAccessibility.h"

#include "platform/Log.h"
#include "platform/MenuAccessibility.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusVariant>
#include <QHash>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>

namespace {

using AtspiThread::callTimeoutMs;
constexpr int maxChildren = 5000;

// ---- Key bindings --------------------------------------------------------------

// Virtual key codes of named keys.
std::optional<int> namedKey(const QString& name)
{
    static const QHash<QString, int> keys {
        { QStringLiteral("return"), 36 },
        { QStringLiteral("enter"), 76 },
        { QStringLiteral("kp_enter"), 76 },
        { QStringLiteral("tab"), 48 },
        { QStringLiteral("space"), 49 },
        { QStringLiteral("backspace"), 51 },
        { QStringLiteral("delete"), 117 },
        { QStringLiteral("del"), 117 },
        { QStringLiteral("escape"), 53 },
        { QStringLiteral("esc"), 53 },
        { QStringLiteral("home"), 115 },
        { QStringLiteral("end"), 119 },
        { QStringLiteral("pgup"), 116 },
        { QStringLiteral("page_up"), 116 },
        { QStringLiteral("pageup"), 116 },
        { QStringLiteral("prior"), 116 },
        { QStringLiteral("pgdown"), 121 },
        { QStringLiteral("page_down"), 121 },
        { QStringLiteral("pagedown"), 121 },
        { QStringLiteral("next"), 121 },
        { QStringLiteral("left"), 123 },
        { QStringLiteral("right"), 124 },
        { QStringLiteral("down"), 125 },
        { QStringLiteral("up"), 126 },
        { QStringLiteral("f1"), 122 },
        { QStringLiteral("f2"), 120 },
        { QStringLiteral("f3"), 99 },
        { QStringLiteral("f4"), 118 },
        { QStringLiteral("f5"), 96 },
        { QStringLiteral("f6"), 97 },
        { QStringLiteral("f7"), 98 },
        { QStringLiteral("f8"), 100 },
        { QStringLiteral("f9"), 101 },
        { QStringLiteral("f10"), 109 },
        { QStringLiteral("f11"), 103 },
        { QStringLiteral("f12"), 111 },
        { QStringLiteral("f13"), 105 },
        { QStringLiteral("f14"), 107 },
        { QStringLiteral("f15"), 113 },
        { QStringLiteral("f16"), 106 },
        { QStringLiteral("f17"), 64 },
        { QStringLiteral("f18"), 79 },
        { QStringLiteral("f19"), 80 },
        { QStringLiteral("f20"), 90 },
    };
    const auto it = keys.constFind(name.toLower());
    if (it == keys.constEnd())
        return std::nullopt;
    return *it;
}

// Character names GTK uses for punctuation keys.
QString keysymCharacter(const QString& name)
{
    static const QHash<QString, QString> names {
        { QStringLiteral("plus"), QStringLiteral("+") },
        { QStringLiteral("minus"), QStringLiteral("-") },
        { QStringLiteral("equal"), QStringLiteral("=") },
        { QStringLiteral("comma"), QStringLiteral(",") },
        { QStringLiteral("period"), QStringLiteral(".") },
        { QStringLiteral("slash"), QStringLiteral("/") },
        { QStringLiteral("backslash"), QStringLiteral("\\") },
        { QStringLiteral("semicolon"), QStringLiteral(";") },
        { QStringLiteral("apostrophe"), QStringLiteral("'") },
        { QStringLiteral("grave"), QStringLiteral("`") },
        { QStringLiteral("bracketleft"), QStringLiteral("[") },
        { QStringLiteral("bracketright"), QStringLiteral("]") },
        { QStringLiteral("question"), QStringLiteral("?") },
    };
    return names.value(name.toLower(), name);
}

std::optional<MenuKeyBinding> fromParts(bool ctrl, bool alt, bool super, bool shift, const QString& key)
{
    if (key.isEmpty())
        return std::nullopt;
    MenuKeyBinding b;
    b.modifiers = (shift ? 1 : 0) | (alt ? 2 : 0) | (super ? 4 : 0) | (ctrl ? 0 : 8);
    if (const auto code = namedKey(key)) {
        b.virtualKey = *code;
    } else {
        const QString ch = keysymCharacter(key);
        if (ch.size() != 1 && !(ch.size() == 2 && ch.at(0).isHighSurrogate()))
            return std::nullopt;
        b.character = ch.toUpper();
    }
    return b;
}

// "<Control><Shift>a"
std::optional<MenuKeyBinding> parseGtk(const QString& text)
{
    bool ctrl = false, alt = false, super = false, shift = false;
    qsizetype pos = 0;
    while (pos < text.size() && text.at(pos) == QLatin1Char('<')) {
        const qsizetype close = text.indexOf(QLatin1Char('>'), pos);
        if (close < 0)
            return std::nullopt;
        const QString mod = text.mid(pos + 1, close - pos - 1).toLower();
        if (mod == QStringLiteral("control") || mod == QStringLiteral("ctrl") || mod == QStringLiteral("primary")
            || mod == QStringLiteral("ctl"))
            ctrl = true;
        else if (mod == QStringLiteral("alt") || mod == QStringLiteral("mod1"))
            alt = true;
        else if (mod == QStringLiteral("super") || mod == QStringLiteral("meta") || mod == QStringLiteral("mod4"))
            super = true;
        else if (mod == QStringLiteral("shift"))
            shift = true;
        else
            return std::nullopt;
        pos = close + 1;
    }
    return fromParts(ctrl, alt, super, shift, text.mid(pos));
}

// "Ctrl+Shift+A", "Ctrl++", "Meta+F5"
std::optional<MenuKeyBinding> parseQt(const QString& text)
{
    if (text.contains(QLatin1Char(',')) && text.size() > 1 && !text.endsWith(QLatin1Char(',')))
        return std::nullopt; // a multi-key sequence has no single combination
    bool ctrl = false, alt = false, super = false, shift = false;
    QString rest = text;
    for (;;) {
        const qsizetype plus = rest.indexOf(QLatin1Char('+'));
        if (plus <= 0 || plus == rest.size() - 1)
            break;
        const QString mod = rest.left(plus).toLower();
        if (mod == QStringLiteral("ctrl") || mod == QStringLiteral("control"))
            ctrl = true;
        else if (mod == QStringLiteral("alt"))
            alt = true;
        else if (mod == QStringLiteral("meta") || mod == QStringLiteral("super"))
            super = true;
        else if (mod == QStringLiteral("shift"))
            shift = true;
        else
            return std::nullopt;
        rest = rest.mid(plus + 1);
    }
    return fromParts(ctrl, alt, super, shift, rest);
}

// ---- The worker ------------------------------------------------------------------

class AtspiWorker {
public:
    static AtspiWorker& instance()
    {
        // Lives for the whole process: elements may be released at any time.
        static AtspiWorker* worker = new AtspiWorker;
        return *worker;
    }

    template <typename F> auto run(F f) -> decltype(f())
    {
        if (std::this_thread::get_id() == m_thread.get_id())
            return f();
        std::packaged_task<decltype(f())()> task(std::move(f));
        auto future = task.get_future();
        post([&task] { task(); });
        return future.get();
    }

    void post(std::function<void()> task)
    {
        {
            std::lock_guard lock(m_mutex);
            m_queue.push_back(std::move(task));
        }
        m_wake.notify_one();
    }

    bool ready() const { return m_ready; }

private:
    AtspiWorker()
    {
        std::promise<void> started;
        auto done = started.get_future();
        m_thread = std::thread([this, &started] {
            // Loaded here, on first use: a missing library is logged where it is loaded.
            const bool loaded = AtspiLibrary::load() != nullptr;
            m_ready = loaded && atspi().init() <= 1; // 1: already initialised
            if (m_ready) {
                m_context = g_main_context_new();
                atspi().set_main_context(m_context);
                atspi().set_timeout(callTimeoutMs, callTimeoutMs * 2);
            } else if (loaded) {
                Log::write(QStringLiteral("Kelvaro: the accessibility bus is not available; menus cannot be read"));
            }
            started.set_value();
            loop();
        });
        m_thread.detach();
        done.wait();
    }

    void loop()
    {
        for (;;) {
            std::function<void()> task;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return !m_queue.empty(); });
                task = std::move(m_queue.front());
                m_queue.pop_front();
            }
            if (m_context) {
                while (g_main_context_iteration(m_context, FALSE)) { }
                // The connections to applications live on GLib's default
                // context; when Qt's main loop does not run that context (the
                // application sets QT_NO_GLIB), they are dispatched here, on
                // the only thread that uses them.
                if (m_ownsDefaultContext) {
                    while (g_main_context_iteration(nullptr, FALSE)) { }
                }
            }
            task();
        }
    }

    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_queue;
    GMainContext* m_context = nullptr;
    bool m_ready = false;
    const bool m_ownsDefaultContext = qEnvironmentVariableIsSet("QT_NO_GLIB");
};

// Takes and logs a GError; true when there was one.
bool failed(GError*& error)
{
    if (!error)
        return false;
    g_error_free(error);
    error = nullptr;
    return true;
}

// ---- Elements --------------------------------------------------------------------

enum class Parent { other, menuBar, menuItem };

class AtspiElement final : public AXElement {
public:
    AtspiElement(AtspiAccessible* accessible, Parent parent, bool isApplication)
        : m_accessible(accessible)
        , m_parent(parent)
        , m_isApplication(isApplication)
    {
    }
    ~AtspiElement() override
    {
        AtspiAccessible* accessible = m_accessible;
        AtspiWorker::instance().post([accessible] { atspi().unref(accessible); });
    }

    std::optional<QVariant> value(const QString& attribute) const override
    {
        return AtspiWorker::instance().run([&]() -> std::optional<QVariant> {
            if (attribute == QStringLiteral("AXRole"))
                return QVariant(roleName());
            if (attribute == QStringLiteral("AXTitle")) {
                if (m_parent == Parent::menuItem && role() == ATSPI_ROLE_MENU)
                    return QVariant(QString()); // a popup's title repeats its item's
                GError* error = nullptr;
                gchar* name = atspi().accessible_get_name(m_accessible, &error);
                if (failed(error) || !name)
                    return std::nullopt;
                const QString text = QString::fromUtf8(name);
                g_free(name);
                return QVariant(text);
            }
            const auto binding = keyBinding();
            if (!binding)
                return std::nullopt;
            if (attribute == QStringLiteral("AXMenuItemCmdModifiers"))
                return QVariant(binding->modifiers);
            if (attribute == QStringLiteral("AXMenuItemCmdChar") && !binding->character.isEmpty())
                return QVariant(binding->character);
            if (attribute == QStringLiteral("AXMenuItemCmdVirtualKey") && binding->virtualKey)
                return QVariant(*binding->virtualKey);
            return std::nullopt;
        });
    }

    std::optional<QList<AXElementPtr>> elements(const QString& attribute) const override
    {
        if (attribute != QStringLiteral("AXChildren"))
            return std::nullopt;
        return AtspiWorker::instance().run([&]() -> std::optional<QList<AXElementPtr>> {
            GError* error = nullptr;
            const int count = atspi().accessible_get_child_count(m_accessible, &error);
            if (failed(error) || count < 0)
                return std::nullopt;
            // A Qt menu item holds its popup menu as a child; GTK's menu is the item itself.
            const AtspiRole own = role();
            const bool isItem
                = own == ATSPI_ROLE_MENU_ITEM || own == ATSPI_ROLE_CHECK_MENU_ITEM || own == ATSPI_ROLE_RADIO_MENU_ITEM;
            const Parent childParent = own == ATSPI_ROLE_MENU_BAR ? Parent::menuBar
                : isItem                                          ? Parent::menuItem
                                                                  : Parent::other;
            QList<AXElementPtr> list;
            for (int i = 0; i < std::min(count, maxChildren); ++i) {
                AtspiAccessible* child = atspi().accessible_get_child_at_index(m_accessible, i, &error);
                if (failed(error) || !child)
                    continue;
                list.append(std::make_shared<AtspiElement>(child, childParent, false));
            }
            return list;
        });
    }

    AXElementPtr element(const QString& attribute) const override
    {
        if (attribute != QStringLiteral("AXMenuBar") || !m_isApplication)
            return nullptr;
        return AtspiWorker::instance().run([&]() -> AXElementPtr {
            // Breadth first through the application's windows, a few levels down.
            QList<std::pair<AtspiAccessible*, int>> queue { { static_cast<AtspiAccessible*>(atspi().ref(m_accessible)),
                0 } };
            AXElementPtr found;
            int visited = 0;
            while (!queue.isEmpty()) {
                auto [node, depth] = queue.takeFirst();
                GError* error = nullptr;
                if (!found && depth > 0 && atspi().accessible_get_role(node, &error) == ATSPI_ROLE_MENU_BAR
                    && !failed(error)) {
                    found = std::make_shared<AtspiElement>(
                        static_cast<AtspiAccessible*>(atspi().ref(node)), Parent::other, false);
                }
                failed(error);
                if (!found && depth < 5 && ++visited < 500) {
                    const int count = atspi().accessible_get_child_count(node, &error);
                    if (!failed(error)) {
                        for (int i = 0; i < std::min(count, 200); ++i) {
                            AtspiAccessible* child = atspi().accessible_get_child_at_index(node, i, &error);
                            if (failed(error) || !child)
                                continue;
                            queue.append({ child, depth + 1 });
                        }
                    }
                }
                atspi().unref(node);
            }
            return found;
        });
    }

private:
    AtspiRole role() const
    {
        if (!m_role) {
            GError* error = nullptr;
            const AtspiRole r = atspi().accessible_get_role(m_accessible, &error);
            m_role = failed(error) ? ATSPI_ROLE_INVALID : r;
        }
        return *m_role;
    }

    QString roleName() const
    {
        switch (role()) {
        case ATSPI_ROLE_MENU_BAR:
            return QStringLiteral("AXMenuBar");
        case ATSPI_ROLE_MENU:
            return m_parent == Parent::menuBar ? QStringLiteral("AXMenuBarItem") : QStringLiteral("AXMenu");
        case ATSPI_ROLE_MENU_ITEM:
        case ATSPI_ROLE_CHECK_MENU_ITEM:
        case ATSPI_ROLE_RADIO_MENU_ITEM:
            return m_parent == Parent::menuBar ? QStringLiteral("AXMenuBarItem") : QStringLiteral("AXMenuItem");
        case ATSPI_ROLE_SEPARATOR:
            return QStringLiteral("AXSeparator");
        case ATSPI_ROLE_INVALID:
            return QString();
        default:
            return QStringLiteral("AXUnknown");
        }
    }

    const std::optional<MenuKeyBinding>& keyBinding() const
    {
        if (m_bindingRead)
            return m_binding;
        m_bindingRead = true;
        AtspiAction* action = atspi().accessible_get_action_iface(m_accessible);
        if (!action)
            return m_binding;
        GError* error = nullptr;
        const int count = atspi().action_get_n_actions(action, &error);
        if (!failed(error)) {
            for (int i = 0; i < std::min(count, 16) && !m_binding; ++i) {
                gchar* text = atspi().action_get_key_binding(action, i, &error);
                if (failed(error) || !text)
                    continue;
                m_binding = AtspiKeyBinding::parse(QString::fromUtf8(text));
                g_free(text);
            }
        }
        atspi().unref(action);
        return m_binding;
    }

    AtspiAccessible* m_accessible;
    Parent m_parent;
    bool m_isApplication;
    mutable std::optional<AtspiRole> m_role;
    mutable bool m_bindingRead = false;
    mutable std::optional<MenuKeyBinding> m_binding;
};

class AtspiMenuAccessibility final : public MenuAccessibility {
public:
    bool isProcessTrusted() override
    {
        // The desktop's accessibility switch: with it off, toolkits do not
        // present their widgets on the accessibility bus.
        QDBusInterface status(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QDBusConnection::sessionBus());
        if (!status.isValid())
            return false;
        status.setTimeout(callTimeoutMs);
        const QDBusReply<QDBusVariant> reply
            = status.call(QStringLiteral("Get"), QStringLiteral("org.a11y.Status"), QStringLiteral("IsEnabled"));
        if (!reply.isValid())
            return false;
        return reply.value().variant().toBool() && AtspiWorker::instance().ready();
    }

    AXElementPtr applicationElement(qint64 pid) override
    {
        if (!AtspiWorker::instance().ready())
            return nullptr;
        return AtspiWorker::instance().run([pid]() -> AXElementPtr {
            AtspiAccessible* desktop = atspi().get_desktop(0);
            if (!desktop)
                return nullptr;
            atspi().accessible_clear_cache(desktop);
            GError* error = nullptr;
            const int count = atspi().accessible_get_child_count(desktop, &error);
            AXElementPtr found;
            if (!failed(error)) {
                for (int i = 0; i < std::min(count, maxChildren) && !found; ++i) {
                    AtspiAccessible* app = atspi().accessible_get_child_at_index(desktop, i, &error);
                    if (failed(error) || !app)
                        continue;
                    const guint appPid = atspi().accessible_get_process_id(app, &error);
                    if (!failed(error) && qint64(appPid) == pid)
                        found = std::make_shared<AtspiElement>(app, Parent::other, true);
                    else
                        atspi().unref(app);
                }
            }
            atspi().unref(desktop);
            return found;
        });
    }
};

} // namespace

std::optional<MenuKeyBinding> AtspiKeyBinding::parse(const QString& binding)
{
    const QStringList fields = binding.split(QLatin1Char(';'));
    if (fields.size() == 3
        && (fields.at(2).isEmpty() || fields.at(2).startsWith(QLatin1Char('<')) || fields.at(0).isEmpty()
            || fields.at(1).contains(QLatin1Char(':'))))
        return fields.at(2).isEmpty() ? std::nullopt : parseGtk(fields.at(2).trimmed());
    // Qt: the mnemonic (if any) first, then the shortcut. A lone mnemonic
    // ("Alt+F" for "&File") opens the menu and is no key equivalent.
    const QString last = fields.last().trimmed();
    if (last.isEmpty())
        return std::nullopt;
    if (last.startsWith(QLatin1Char('<')))
        return parseGtk(last);
    if (fields.size() == 1 && last.size() == 5 && last.startsWith(QStringLiteral("Alt+")))
        return std::nullopt;
    return parseQt(last);
}

std::shared_ptr<MenuAccessibility> makeAtspiMenuAccessibility() { return std::make_shared<AtspiMenuAccessibility>(); }

void AtspiThread::post(std::function<void()> task) { AtspiWorker::instance().post(std::move(task)); }

bool AtspiThread::ready() { return AtspiWorker::instance().ready(); }
