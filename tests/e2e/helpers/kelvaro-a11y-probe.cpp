// kelvaro-a11y-probe: reads another process's accessible elements the way a
// screen reader does, over the real accessibility bus.
//
// Usage: kelvaro-a11y-probe <pid> [--name NAME]... [--listen SECONDS]
//        kelvaro-a11y-probe <pid> --press NAME | --focus NAME
//   --press runs the first action of the first showing element named NAME
//   (a button's click), --focus gives it the keyboard focus; both print
//   {"kind": "done", "found": 0 or 1} and exit 1 when nothing was found or done.
//   Finds the application of process <pid> and prints, one JSON object per
//   line, every element in its tree whose name is one of the NAMEs (all named
//   elements and the focused one when none is given):
//     {"kind": "element", "role", "name", "description", "states": [...],
//      "interfaces": [...], "value": <current value or null>,
//      "valueText": <text of the value or null>,
//      "text": <the text it shows (a field's content), or null>,
//      "keyBinding": <key binding of the first action, "" when none, or null>}
//   then {"kind": "done", "found": <count>}.
//   With --listen, afterwards listens for object:property-change,
//   object:text-changed, object:state-changed and object:value-changed events
//   from that process for SECONDS seconds: prints {"kind": "listening"} once
//   registered, then one line per event
//     {"kind": "event", "type", "detail1", "detail2", "data", "dataKind",
//      "sourceName", "sourceRole", "sourceDescription", "sourceKeyBinding", "ms"}
//   and {"kind": "end", "events": <count>} at the end (or once stdin closes). "data" is the event's
//   payload (a string, a number or the name of the accessible it carries,
//   told by "dataKind"), "sourceDescription" the source's description read
//   back when the event arrives (as a screen reader would), "sourceKeyBinding"
//   the source's key binding read the same way for focus changes (as
//   "keyBinding" above; null for other events). Menus
//   that pop up are no part of the tree: their items are met through these
//   events, as they gain the focus.
//   Exits 3 when the application is not on the bus, 4 when the bus is missing.

#include <atspi/atspi.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

guint g_pid = 0;
int g_events = 0;
QElapsedTimer g_clock;

void say(const QJsonObject& object)
{
    std::printf("%s\n", QJsonDocument(object).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

QString takeString(gchar* text)
{
    if (!text)
        return QString();
    const QString out = QString::fromUtf8(text);
    g_free(text);
    return out;
}

QString nameOf(AtspiAccessible* a)
{
    GError* error = nullptr;
    QString name = takeString(atspi_accessible_get_name(a, &error));
    if (error)
        g_error_free(error);
    return name;
}

QString roleOf(AtspiAccessible* a)
{
    GError* error = nullptr;
    QString role = takeString(atspi_accessible_get_role_name(a, &error));
    if (error)
        g_error_free(error);
    return role;
}

// What a screen reader announces as an element's shortcut (a menu item's
// accelerator): the key binding of its first action, "" for none, null when
// it has no action.
QJsonValue keyBindingOf(AtspiAccessible* a)
{
    AtspiAction* action = atspi_accessible_get_action_iface(a);
    if (!action)
        return QJsonValue::Null;
    QJsonValue out = QJsonValue::Null;
    GError* error = nullptr;
    if (atspi_action_get_n_actions(action, &error) > 0 && !error) {
        gchar* text = atspi_action_get_key_binding(action, 0, &error);
        if (!error)
            out = takeString(text);
    }
    if (error)
        g_error_free(error);
    g_object_unref(action);
    return out;
}

QJsonArray statesOf(AtspiAccessible* a)
{
    QJsonArray out;
    AtspiStateSet* set = atspi_accessible_get_state_set(a);
    if (!set)
        return out;
    GArray* states = atspi_state_set_get_states(set);
    GEnumClass* names = static_cast<GEnumClass*>(g_type_class_ref(ATSPI_TYPE_STATE_TYPE));
    for (guint i = 0; states && i < states->len; ++i) {
        const GEnumValue* v = g_enum_get_value(names, g_array_index(states, AtspiStateType, i));
        if (v)
            out.append(QString::fromUtf8(v->value_nick));
    }
    g_type_class_unref(names);
    if (states)
        g_array_free(states, TRUE);
    g_object_unref(set);
    return out;
}

QJsonObject describe(AtspiAccessible* a)
{
    GError* error = nullptr;
    QJsonObject out;
    out.insert(QStringLiteral("kind"), QStringLiteral("element"));
    out.insert(QStringLiteral("role"), roleOf(a));
    out.insert(QStringLiteral("name"), nameOf(a));
    out.insert(QStringLiteral("description"), takeString(atspi_accessible_get_description(a, &error)));
    if (error) {
        g_error_free(error);
        error = nullptr;
    }
    out.insert(QStringLiteral("states"), statesOf(a));
    QJsonArray interfaces;
    if (GArray* list = atspi_accessible_get_interfaces(a)) {
        for (guint i = 0; i < list->len; ++i) {
            gchar* s = g_array_index(list, gchar*, i);
            interfaces.append(QString::fromUtf8(s));
            g_free(s);
        }
        g_array_free(list, TRUE);
    }
    out.insert(QStringLiteral("interfaces"), interfaces);
    QJsonValue value = QJsonValue::Null;
    QJsonValue valueText = QJsonValue::Null;
    if (AtspiValue* v = atspi_accessible_get_value_iface(a)) {
        const double current = atspi_value_get_current_value(v, &error);
        if (error) {
            g_error_free(error);
            error = nullptr;
        } else {
            value = current;
        }
        gchar* text = atspi_value_get_text(v, &error);
        if (error) {
            g_error_free(error);
            error = nullptr;
        } else if (text) {
            valueText = takeString(text);
        }
        g_object_unref(v);
    }
    out.insert(QStringLiteral("value"), value);
    out.insert(QStringLiteral("valueText"), valueText);
    QJsonValue text = QJsonValue::Null;
    if (AtspiText* t = atspi_accessible_get_text_iface(a)) {
        const gint count = atspi_text_get_character_count(t, &error);
        if (!error) {
            gchar* s = atspi_text_get_text(t, 0, count, &error);
            if (!error)
                text = takeString(s);
        }
        if (error) {
            g_error_free(error);
            error = nullptr;
        }
        g_object_unref(t);
    }
    out.insert(QStringLiteral("text"), text);
    out.insert(QStringLiteral("keyBinding"), keyBindingOf(a));
    return out;
}

bool hasFocus(AtspiAccessible* a)
{
    AtspiStateSet* set = atspi_accessible_get_state_set(a);
    const bool focused = set && atspi_state_set_contains(set, ATSPI_STATE_FOCUSED);
    if (set)
        g_object_unref(set);
    return focused;
}

// Depth-first over the tree; the rings' panels are a few levels down.
int walk(AtspiAccessible* a, const QStringList& names, int depth)
{
    if (depth > 40)
        return 0;
    int found = 0;
    const QString name = nameOf(a);
    if (names.isEmpty() ? !name.isEmpty() || hasFocus(a) : names.contains(name)) {
        say(describe(a));
        ++found;
    }
    GError* error = nullptr;
    const gint n = atspi_accessible_get_child_count(a, &error);
    if (error) {
        g_error_free(error);
        return found;
    }
    for (gint i = 0; i < n && i < 500; ++i) {
        AtspiAccessible* child = atspi_accessible_get_child_at_index(a, i, &error);
        if (error) {
            g_error_free(error);
            error = nullptr;
            continue;
        }
        if (child) {
            found += walk(child, names, depth + 1);
            g_object_unref(child);
        }
    }
    return found;
}

AtspiAccessible* applicationOf(guint pid)
{
    AtspiAccessible* desktop = atspi_get_desktop(0);
    if (!desktop)
        return nullptr;
    AtspiAccessible* result = nullptr;
    GError* error = nullptr;
    const gint n = atspi_accessible_get_child_count(desktop, &error);
    for (gint i = 0; !error && i < n && !result; ++i) {
        AtspiAccessible* app = atspi_accessible_get_child_at_index(desktop, i, &error);
        if (error || !app)
            break;
        const guint appPid = atspi_accessible_get_process_id(app, &error);
        if (error) {
            g_error_free(error);
            error = nullptr;
        } else if (appPid == pid) {
            result = app;
            continue;
        }
        g_object_unref(app);
    }
    if (error)
        g_error_free(error);
    g_object_unref(desktop);
    return result;
}

// The event's payload and what it is: "string", "number", "object" (then the
// name of the accessible it carries) or "none".
std::pair<QJsonValue, QString> payload(const AtspiEvent* event)
{
    const GValue* v = &event->any_data;
    if (!G_IS_VALUE(v))
        return { QJsonValue::Null, QStringLiteral("none") };
    if (G_VALUE_HOLDS_STRING(v)) {
        const gchar* s = g_value_get_string(v);
        return { s ? QJsonValue(QString::fromUtf8(s)) : QJsonValue::Null, QStringLiteral("string") };
    }
    if (G_VALUE_HOLDS_INT(v))
        return { g_value_get_int(v), QStringLiteral("number") };
    if (G_VALUE_HOLDS_DOUBLE(v))
        return { g_value_get_double(v), QStringLiteral("number") };
    if (G_VALUE_HOLDS(v, ATSPI_TYPE_ACCESSIBLE)) {
        auto* a = static_cast<AtspiAccessible*>(g_value_get_object(v));
        return { a ? QJsonValue(nameOf(a)) : QJsonValue::Null, QStringLiteral("object") };
    }
    return { QJsonValue::Null, QStringLiteral("none") };
}

void onEvent(AtspiEvent* event, void*)
{
    if (!event->source)
        return;
    GError* error = nullptr;
    const guint pid = atspi_accessible_get_process_id(event->source, &error);
    if (error) {
        g_error_free(error);
        g_boxed_free(atspi_event_get_type(), event);
        return;
    }
    if (pid == g_pid) {
        ++g_events;
        const auto [data, dataKind] = payload(event);
        // What a screen reader reads back on hearing of the change.
        QString sourceDescription = takeString(atspi_accessible_get_description(event->source, &error));
        if (error) {
            g_error_free(error);
            error = nullptr;
        }
        // Read only where a screen reader would announce it: as the focus moves.
        const QJsonValue keyBinding = g_str_has_prefix(event->type, "object:state-changed:focused")
            ? keyBindingOf(event->source)
            : QJsonValue::Null;
        say(QJsonObject {
            { QStringLiteral("kind"), QStringLiteral("event") },
            { QStringLiteral("type"), QString::fromUtf8(event->type) },
            { QStringLiteral("detail1"), event->detail1 },
            { QStringLiteral("detail2"), event->detail2 },
            { QStringLiteral("data"), data },
            { QStringLiteral("dataKind"), dataKind },
            { QStringLiteral("sourceDescription"), sourceDescription },
            { QStringLiteral("sourceName"), nameOf(event->source) },
            { QStringLiteral("sourceRole"), roleOf(event->source) },
            { QStringLiteral("sourceKeyBinding"), keyBinding },
            { QStringLiteral("ms"), double(g_clock.elapsed()) },
        });
    }
    g_boxed_free(atspi_event_get_type(), event);
}

gboolean stopLoop(gpointer loop)
{
    g_main_loop_quit(static_cast<GMainLoop*>(loop));
    return G_SOURCE_REMOVE;
}

// The caller ends the listening early by closing the probe's stdin.
gboolean onInput(GIOChannel* channel, GIOCondition condition, gpointer loop)
{
    gchar buffer[256];
    gsize got = 0;
    const GIOStatus status = (condition & G_IO_IN)
        ? g_io_channel_read_chars(channel, buffer, sizeof buffer, &got, nullptr)
        : G_IO_STATUS_EOF;
    if (status == G_IO_STATUS_EOF || status == G_IO_STATUS_ERROR) {
        g_main_loop_quit(static_cast<GMainLoop*>(loop));
        return G_SOURCE_REMOVE;
    }
    return G_SOURCE_CONTINUE;
}

}

// The first element named `name` that is showing on screen, depth first.
AtspiAccessible* findShowing(AtspiAccessible* a, const QString& name, int depth)
{
    if (depth > 40)
        return nullptr;
    if (nameOf(a) == name) {
        AtspiStateSet* states = atspi_accessible_get_state_set(a);
        const bool showing = states && atspi_state_set_contains(states, ATSPI_STATE_SHOWING);
        if (states)
            g_object_unref(states);
        if (showing)
            return static_cast<AtspiAccessible*>(g_object_ref(a));
    }
    GError* error = nullptr;
    const gint n = atspi_accessible_get_child_count(a, &error);
    if (error) {
        g_error_free(error);
        return nullptr;
    }
    for (gint i = 0; i < n && i < 500; ++i) {
        AtspiAccessible* child = atspi_accessible_get_child_at_index(a, i, &error);
        if (error) {
            g_error_free(error);
            error = nullptr;
            continue;
        }
        if (!child)
            continue;
        AtspiAccessible* hit = findShowing(child, name, depth + 1);
        g_object_unref(child);
        if (hit)
            return hit;
    }
    return nullptr;
}

bool actOn(AtspiAccessible* a, bool press)
{
    GError* error = nullptr;
    bool done = false;
    if (press) {
        AtspiAction* action = atspi_accessible_get_action_iface(a);
        if (action) {
            done = atspi_action_do_action(action, 0, &error);
            g_object_unref(action);
        }
    } else {
        AtspiComponent* component = atspi_accessible_get_component_iface(a);
        if (component) {
            done = atspi_component_grab_focus(component, &error);
            g_object_unref(component);
        }
    }
    if (error) {
        std::fprintf(stderr, "kelvaro-a11y-probe: %s\n", error->message);
        g_error_free(error);
    }
    return done;
}

int main(int argc, char** argv)
{
    QStringList names;
    double listenSeconds = 0;
    QString target;
    bool press = false;
    bool ok = argc >= 2;
    if (ok)
        g_pid = guint(std::strtoul(argv[1], nullptr, 10));
    for (int i = 2; ok && i < argc; ++i) {
        if (!std::strcmp(argv[i], "--name") && i + 1 < argc)
            names.append(QString::fromUtf8(argv[++i]));
        else if ((!std::strcmp(argv[i], "--press") || !std::strcmp(argv[i], "--focus")) && i + 1 < argc) {
            press = !std::strcmp(argv[i], "--press");
            target = QString::fromUtf8(argv[++i]);
        } else if (!std::strcmp(argv[i], "--listen") && i + 1 < argc)
            listenSeconds = std::atof(argv[++i]);
        else
            ok = false;
    }
    if (!ok || g_pid == 0) {
        std::fprintf(stderr, "usage: kelvaro-a11y-probe <pid> [--name NAME]... [--listen SECONDS]\n");
        return 2;
    }
    if (atspi_init() > 1) {
        std::fprintf(stderr, "kelvaro-a11y-probe: no accessibility bus\n");
        return 4;
    }
    g_clock.start();
    AtspiAccessible* app = applicationOf(g_pid);
    if (!app) {
        say(QJsonObject { { QStringLiteral("kind"), QStringLiteral("done") }, { QStringLiteral("found"), 0 },
            { QStringLiteral("application"), false } });
        return 3;
    }
    if (!target.isEmpty()) {
        AtspiAccessible* hit = findShowing(app, target, 0);
        const bool done = hit && actOn(hit, press);
        if (hit)
            g_object_unref(hit);
        g_object_unref(app);
        say(QJsonObject { { QStringLiteral("kind"), QStringLiteral("done") }, { QStringLiteral("found"), done ? 1 : 0 },
            { QStringLiteral("application"), true } });
        return done ? 0 : 1;
    }
    const int found = walk(app, names, 0);
    g_object_unref(app);
    say(QJsonObject { { QStringLiteral("kind"), QStringLiteral("done") }, { QStringLiteral("found"), found },
        { QStringLiteral("application"), true } });
    if (listenSeconds <= 0)
        return 0;

    AtspiEventListener* listener = atspi_event_listener_new(onEvent, nullptr, nullptr);
    const char* types[]
        = { "object:property-change", "object:text-changed", "object:state-changed", "object:value-changed" };
    for (const char* type : types) {
        GError* error = nullptr;
        if (!atspi_event_listener_register(listener, type, &error)) {
            std::fprintf(stderr, "kelvaro-a11y-probe: cannot listen for %s: %s\n", type, error ? error->message : "?");
            if (error)
                g_error_free(error);
        }
    }
    say(QJsonObject { { QStringLiteral("kind"), QStringLiteral("listening") } });
    GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
    g_timeout_add(guint(listenSeconds * 1000), stopLoop, loop);
    GIOChannel* input = g_io_channel_unix_new(0);
    g_io_channel_set_encoding(input, nullptr, nullptr);
    g_io_add_watch(input, GIOCondition(G_IO_IN | G_IO_HUP | G_IO_ERR), onInput, loop);
    g_main_loop_run(loop);
    g_main_loop_unref(loop);
    g_io_channel_unref(input);
    for (const char* type : types)
        atspi_event_listener_deregister(listener, type, nullptr);
    g_object_unref(listener);
    say(QJsonObject { { QStringLiteral("kind"), QStringLiteral("end") }, { QStringLiteral("events"), g_events } });
    return 0;
}
