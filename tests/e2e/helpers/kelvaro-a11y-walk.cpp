// kelvaro-a11y-walk: what a screen reader meets when it tabs through another
// process's windows, read over the real accessibility bus.
//
// Usage: kelvaro-a11y-walk <pid>
//          prints one JSON object per line for every showing, focusable
//          element: {"kind": "control", "role", "name", "actions": [...],
//          "interfaces": [...], "states": [...], "path": "<ancestor names>"},
//          then {"kind": "done", "found": <count>}.
//        kelvaro-a11y-walk <pid> --set-text NAME TEXT
//          replaces the text of the first showing field named NAME through
//          its editable-text interface, as dictation or a braille display
//          does, and prints {"kind": "done", "found": 0 or 1}.
//   Exits 3 when the application is not on the bus, 4 when the bus is missing,
//   1 when --set-text found nothing to fill.

#include <atspi/atspi.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

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

void drop(GError*& error)
{
    if (error)
        g_error_free(error);
    error = nullptr;
}

QString nameOf(AtspiAccessible* a)
{
    GError* error = nullptr;
    QString name = takeString(atspi_accessible_get_name(a, &error));
    drop(error);
    return name;
}

QStringList statesOf(AtspiAccessible* a)
{
    QStringList out;
    AtspiStateSet* set = atspi_accessible_get_state_set(a);
    if (!set)
        return out;
    GArray* states = atspi_state_set_get_states(set);
    auto* names = static_cast<GEnumClass*>(g_type_class_ref(ATSPI_TYPE_STATE_TYPE));
    for (guint i = 0; states && i < states->len; ++i) {
        if (const GEnumValue* v = g_enum_get_value(names, g_array_index(states, AtspiStateType, i)))
            out.append(QString::fromUtf8(v->value_nick));
    }
    g_type_class_unref(names);
    if (states)
        g_array_free(states, TRUE);
    g_object_unref(set);
    return out;
}

QJsonArray actionsOf(AtspiAccessible* a)
{
    QJsonArray out;
    AtspiAction* action = atspi_accessible_get_action_iface(a);
    if (!action)
        return out;
    GError* error = nullptr;
    const gint n = atspi_action_get_n_actions(action, &error);
    drop(error);
    for (gint i = 0; i < n; ++i) {
        out.append(takeString(atspi_action_get_action_name(action, i, &error)));
        drop(error);
    }
    g_object_unref(action);
    return out;
}

QJsonArray interfacesOf(AtspiAccessible* a)
{
    QJsonArray out;
    if (GArray* list = atspi_accessible_get_interfaces(a)) {
        for (guint i = 0; i < list->len; ++i) {
            gchar* s = g_array_index(list, gchar*, i);
            out.append(QString::fromUtf8(s));
            g_free(s);
        }
        g_array_free(list, TRUE);
    }
    return out;
}

template <typename Visit> void eachChild(AtspiAccessible* a, Visit visit)
{
    GError* error = nullptr;
    const gint n = atspi_accessible_get_child_count(a, &error);
    if (error) {
        drop(error);
        return;
    }
    for (gint i = 0; i < n && i < 500; ++i) {
        AtspiAccessible* child = atspi_accessible_get_child_at_index(a, i, &error);
        drop(error);
        if (!child)
            continue;
        const bool more = visit(child);
        g_object_unref(child);
        if (!more)
            return;
    }
}

int walk(AtspiAccessible* a, const QString& path, int depth)
{
    if (depth > 40)
        return 0;
    const QStringList states = statesOf(a);
    // Hidden pages stay in the tree; what is not showing is not met.
    if (depth > 1 && !states.contains(QStringLiteral("showing")))
        return 0;
    const QString name = nameOf(a);
    int found = 0;
    if (states.contains(QStringLiteral("focusable"))) {
        GError* error = nullptr;
        const QString role = takeString(atspi_accessible_get_role_name(a, &error));
        drop(error);
        say(QJsonObject {
            { QStringLiteral("kind"), QStringLiteral("control") },
            { QStringLiteral("role"), role },
            { QStringLiteral("name"), name },
            { QStringLiteral("actions"), actionsOf(a) },
            { QStringLiteral("interfaces"), interfacesOf(a) },
            { QStringLiteral("states"), QJsonArray::fromStringList(states) },
            { QStringLiteral("path"), path },
        });
        ++found;
    }
    const QString below = name.isEmpty() ? path : path + QStringLiteral(" › ") + name;
    eachChild(a, [&](AtspiAccessible* child) {
        found += walk(child, below, depth + 1);
        return true;
    });
    return found;
}

bool takesText(AtspiAccessible* a)
{
    AtspiEditableText* editable = atspi_accessible_get_editable_text_iface(a);
    if (editable)
        g_object_unref(editable);
    return editable != nullptr;
}

// The first showing field named `name`: labels and groups may share its name.
AtspiAccessible* findField(AtspiAccessible* a, const QString& name, int depth)
{
    if (depth > 40)
        return nullptr;
    if (nameOf(a) == name && statesOf(a).contains(QStringLiteral("showing")) && takesText(a))
        return static_cast<AtspiAccessible*>(g_object_ref(a));
    AtspiAccessible* hit = nullptr;
    eachChild(a, [&](AtspiAccessible* child) {
        hit = findField(child, name, depth + 1);
        return hit == nullptr;
    });
    return hit;
}

AtspiAccessible* applicationOf(guint pid)
{
    AtspiAccessible* desktop = atspi_get_desktop(0);
    if (!desktop)
        return nullptr;
    AtspiAccessible* result = nullptr;
    eachChild(desktop, [&](AtspiAccessible* app) {
        GError* error = nullptr;
        const guint appPid = atspi_accessible_get_process_id(app, &error);
        if (!error && appPid == pid)
            result = static_cast<AtspiAccessible*>(g_object_ref(app));
        drop(error);
        return result == nullptr;
    });
    g_object_unref(desktop);
    return result;
}

bool setText(AtspiAccessible* app, const QString& name, const QByteArray& text)
{
    AtspiAccessible* hit = findField(app, name, 0);
    if (!hit)
        return false;
    bool done = false;
    if (AtspiEditableText* editable = atspi_accessible_get_editable_text_iface(hit)) {
        GError* error = nullptr;
        done = atspi_editable_text_set_text_contents(editable, text.constData(), &error);
        if (error)
            std::fprintf(stderr, "kelvaro-a11y-walk: %s\n", error->message);
        drop(error);
        g_object_unref(editable);
    }
    g_object_unref(hit);
    return done;
}

}

int main(int argc, char** argv)
{
    const guint pid = argc >= 2 ? guint(std::strtoul(argv[1], nullptr, 10)) : 0;
    const bool fill = argc == 5 && !std::strcmp(argv[2], "--set-text");
    if (pid == 0 || (argc != 2 && !fill)) {
        std::fprintf(stderr, "usage: kelvaro-a11y-walk <pid> [--set-text NAME TEXT]\n");
        return 2;
    }
    if (atspi_init() > 1) {
        std::fprintf(stderr, "kelvaro-a11y-walk: no accessibility bus\n");
        return 4;
    }
    AtspiAccessible* app = applicationOf(pid);
    if (!app) {
        say(QJsonObject { { QStringLiteral("kind"), QStringLiteral("done") }, { QStringLiteral("found"), 0 } });
        return 3;
    }
    int found = 0;
    if (fill)
        found = setText(app, QString::fromUtf8(argv[3]), QByteArray(argv[4])) ? 1 : 0;
    else
        found = walk(app, QString(), 0);
    g_object_unref(app);
    say(QJsonObject { { QStringLiteral("kind"), QStringLiteral("done") }, { QStringLiteral("found"), found } });
    return fill && !found ? 1 : 0;
}
