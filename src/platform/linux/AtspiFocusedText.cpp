// The focused text field through AT-SPI. The focused top-level window is read
// from the window manager (_NET_ACTIVE_WINDOW, else the X input focus); its
// process's accessible application is then searched, on the accessibility
// thread, for the element with the FOCUSED state. Writing uses that element's
// EditableText interface: SetTextContents, or InsertText at the caret when
// the element refuses a whole new content; reading back uses its Text
// interface (character count and caret, which a password field reports too).
//
// Two browser habits shape this. Chromium lists its windows on the bus but
// builds their contents only once someone asks for a window's attributes, as
// screen readers do: a window whose first child is missing is asked, and the
// walk repeated while the tree appears. Firefox answers SetTextContents and
// InsertText on a web page's field with success and leaves the field as it
// was, which is why the caller checks what the element shows.
//
// Every call made for a delivery has a short limit of its own: a password
// that waits for an application that does not answer is worse than one that
// is pasted.

#include "platform/FocusedText.h"
#include "platform/Log.h"
#include "platform/MainThread.h"
#include "platform/linux/AtspiLibrary.h"
#include "platform/linux/AtspiMenuAccessibility.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <QElapsedTimer>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
constexpr int maxVisited = 4000;
constexpr int maxDepth = 40;
constexpr int maxChildren = 500;
constexpr int deliveryCallTimeoutMs = 250;
constexpr int treeBuildWaitMs = 450; // how long a woken application may take to show its focused element
constexpr int treeBuildPollMs = 40;

// Gives the calls made while it lives the short limit of a delivery, and the
// thread's usual limit back afterwards (all on the accessibility thread).
class ShortCalls {
public:
    ShortCalls() { atspi().set_timeout(deliveryCallTimeoutMs, deliveryCallTimeoutMs * 2); }
    ~ShortCalls() { atspi().set_timeout(AtspiThread::callTimeoutMs, AtspiThread::callTimeoutMs * 2); }
    ShortCalls(const ShortCalls&) = delete;
    ShortCalls& operator=(const ShortCalls&) = delete;
};

template <typename T> using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t* qtConnection()
{
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>())
            return x11->connection();
    }
    return nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    XcbReply<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, uint16_t(strlen(name)), name), nullptr), &std::free);
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::optional<quint32> cardinalProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    if (property == XCB_ATOM_NONE)
        return std::nullopt;
    XcbReply<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1), nullptr), &std::free);
    if (!r || xcb_get_property_value_length(r.get()) < 4)
        return std::nullopt;
    return *static_cast<const quint32*>(xcb_get_property_value(r.get()));
}

bool has(AtspiAccessible* node, AtspiStateType state)
{
    AtspiStateSet* set = atspi().accessible_get_state_set(node);
    if (!set)
        return false;
    const bool result = atspi().state_set_contains(set, state);
    atspi().unref(set);
    return result;
}

bool isTextRole(AtspiRole role)
{
    return role == ATSPI_ROLE_ENTRY || role == ATSPI_ROLE_TEXT || role == ATSPI_ROLE_PASSWORD_TEXT
        || role == ATSPI_ROLE_COMBO_BOX;
}

// The FOCUSED element under `node`, depth first; at the top only the windows
// that are active (or, with `anyWindow`, every window that is showing).
AtspiAccessible* findFocused(AtspiAccessible* node, int depth, int& visited, bool anyWindow = false)
{
    if (!node || depth > maxDepth || ++visited > maxVisited)
        return nullptr;
    // Some toolkits mark the window focused as well as the field in it: the
    // deepest focused element is the one being typed into.
    const bool focusedHere = depth > 0 && has(node, ATSPI_STATE_FOCUSED);
    GError* error = nullptr;
    const int count = atspi().accessible_get_child_count(node, &error);
    if (error) {
        g_error_free(error);
        return focusedHere ? static_cast<AtspiAccessible*>(atspi().ref(node)) : nullptr;
    }
    QList<AtspiAccessible*> children;
    for (int i = 0; i < std::min(count, maxChildren); ++i) {
        AtspiAccessible* child = atspi().accessible_get_child_at_index(node, i, &error);
        if (error) {
            g_clear_error(&error);
            continue;
        }
        if (!child)
            continue;
        // At the top, only the window that is active; below it, what is showing.
        const bool keep = depth == 0 && !anyWindow ? has(child, ATSPI_STATE_ACTIVE) : has(child, ATSPI_STATE_SHOWING);
        if (keep)
            children.append(child);
        else
            atspi().unref(child);
    }
    AtspiAccessible* found = nullptr;
    for (AtspiAccessible* child : children) {
        if (!found)
            found = findFocused(child, depth + 1, visited);
        atspi().unref(child);
    }
    if (!found && focusedHere)
        found = static_cast<AtspiAccessible*>(atspi().ref(node));
    return found;
}

// A text role, or editable text.
bool takesText(AtspiAccessible* element)
{
    GError* error = nullptr;
    const AtspiRole role = atspi().accessible_get_role(element, &error);
    g_clear_error(&error);
    AtspiEditableText* editable = atspi().accessible_get_editable_text_iface(element);
    const bool result = isTextRole(role) || (editable && has(element, ATSPI_STATE_EDITABLE));
    if (editable)
        atspi().unref(editable);
    return result;
}

// Asks for the attributes of each window of `app` whose contents are missing
// (it reports children but hands out none): that is what makes Chromium build
// them. True when some window was asked.
bool wakeWindows(AtspiAccessible* app)
{
    GError* error = nullptr;
    const int count = atspi().accessible_get_child_count(app, &error);
    if (error) {
        g_error_free(error);
        return false;
    }
    bool woke = false;
    for (int i = 0; i < std::min(count, maxChildren); ++i) {
        AtspiAccessible* window = atspi().accessible_get_child_at_index(app, i, &error);
        if (error || !window) {
            g_clear_error(&error);
            continue;
        }
        const int inside = atspi().accessible_get_child_count(window, &error);
        AtspiAccessible* first
            = !error && inside > 0 ? atspi().accessible_get_child_at_index(window, 0, &error) : nullptr;
        if (!error && inside > 0 && !first) {
            if (GHashTable* attributes = atspi().accessible_get_attributes(window, &error))
                g_hash_table_unref(attributes);
            woke = true;
        }
        g_clear_error(&error);
        if (first)
            atspi().unref(first);
        atspi().unref(window);
    }
    return woke;
}

AtspiAccessible* focusedIn(AtspiAccessible* app, bool anyApplication)
{
    int visited = 0;
    AtspiAccessible* found = findFocused(app, 0, visited);
    // Toolkits that do not mark their active window: any showing window.
    if (!found && !anyApplication) {
        visited = 0;
        found = findFocused(app, 0, visited, true);
    }
    return found;
}

struct FocusedElement {
    AtspiAccessible* element = nullptr; // a reference of the caller's
    QString application;
};

FocusedElement focusedElementOf(qint64 pid)
{
    AtspiAccessible* desktop = atspi().get_desktop(0);
    if (!desktop)
        return {};
    GError* error = nullptr;
    const int count = atspi().accessible_get_child_count(desktop, &error);
    FocusedElement found;
    for (int i = 0; !error && i < count && !found.element; ++i) {
        AtspiAccessible* app = atspi().accessible_get_child_at_index(desktop, i, &error);
        if (error || !app)
            continue;
        GError* pidError = nullptr;
        const guint appPid = atspi().accessible_get_process_id(app, &pidError);
        if (!pidError && (pid <= 0 || qint64(appPid) == pid)) {
            found.element = focusedIn(app, pid <= 0);
            if (!found.element && pid > 0 && wakeWindows(app)) {
                // The window's own parts come first, the page's field later.
                QElapsedTimer waited;
                waited.start();
                while ((!found.element || !takesText(found.element)) && waited.elapsed() < treeBuildWaitMs) {
                    g_usleep(treeBuildPollMs * 1000);
                    if (AtspiAccessible* again = focusedIn(app, false)) {
                        if (found.element)
                            atspi().unref(found.element);
                        found.element = again;
                    }
                }
            }
            if (found.element) {
                gchar* name = atspi().accessible_get_name(app, &pidError);
                found.application = QString::fromUtf8(name ? name : "");
                g_free(name);
            }
        }
        g_clear_error(&pidError);
        atspi().unref(app);
    }
    g_clear_error(&error);
    atspi().unref(desktop);
    return found;
}

class AtspiFocusedText final : public FocusedText {
public:
    void capture(const QObject* context, std::function<void(FocusCapture)> done) override
    {
        auto answer = MainThread::guarded<FocusCapture>(context, std::move(done));
        FocusCapture base;
        base.window = focusedWindow();
        std::optional<quint32> pid;
        if (base.window) {
            if (xcb_connection_t* c = qtConnection())
                pid = cardinalProperty(c, *base.window, atom(c, "_NET_WM_PID"), XCB_ATOM_CARDINAL);
        }
        if (!AtspiThread::ready()) {
            Log::write(
                QStringLiteral("Kelvaro: the accessibility bus is not available; a password can only be copied"));
            MainThread::post([answer, base] { answer(base); });
            return;
        }
        AtspiThread::post([answer, base, pid] {
            const ShortCalls limit;
            FocusCapture result = base;
            // Without a process id the window's owner is unknown: ask every application.
            const FocusedElement focused = focusedElementOf(pid ? qint64(*pid) : 0);
            AtspiAccessible* element = focused.element;
            if (element) {
                result.application = focused.application;
                result.acceptsText = takesText(element);
                result.element = std::shared_ptr<void>(element,
                    [](void* p) { AtspiThread::post([p] { atspi().unref(static_cast<AtspiAccessible*>(p)); }); });
            }
            MainThread::post([answer, result] { answer(result); });
        });
    }

    void setText(const FocusCapture& target, std::shared_ptr<const SecretText> text, const QObject* context,
        std::function<void(bool)> done) override
    {
        auto answer = MainThread::guarded<bool>(context, std::move(done));
        if (!target.element || !AtspiThread::ready()) {
            MainThread::post([answer] { answer(false); });
            return;
        }
        AtspiThread::post([answer, element = target.element, text] {
            const ShortCalls limit;
            auto* node = static_cast<AtspiAccessible*>(element.get());
            bool ok = false;
            AtspiEditableText* editable = atspi().accessible_get_editable_text_iface(node);
            if (editable) {
                // The secret's own NUL-terminated buffer goes to the call: no
                // copy here. The library marshals it into a D-Bus message of
                // its own, which it frees without wiping.
                const char* secret = text->c_str();
                GError* error = nullptr;
                ok = atspi().editable_text_set_text_contents(editable, secret, &error) && !error;
                g_clear_error(&error);
                if (!ok) {
                    // Some text roles take no whole new content: type it at the caret.
                    gint caret = 0;
                    if (AtspiText* t = atspi().accessible_get_text_iface(node)) {
                        caret = atspi().text_get_caret_offset(t, &error);
                        g_clear_error(&error);
                        atspi().unref(t);
                    }
                    const glong length = g_utf8_strlen(secret, text->size());
                    ok = atspi().editable_text_insert_text(editable, std::max(caret, 0), secret, gint(length), &error)
                        && !error;
                    g_clear_error(&error);
                }
                atspi().unref(editable);
                SecretText::wipeStack(); // what marshalling the text left on this stack
            }
            MainThread::post([answer, ok] { answer(ok); });
        });
    }

    void readText(
        const FocusCapture& target, const QObject* context, std::function<void(std::optional<TextState>)> done) override
    {
        auto answer = MainThread::guarded<std::optional<TextState>>(context, std::move(done));
        if (!target.element || !AtspiThread::ready()) {
            MainThread::post([answer] { answer(std::nullopt); });
            return;
        }
        AtspiThread::post([answer, element = target.element] {
            const ShortCalls limit;
            std::optional<TextState> state;
            if (AtspiText* text = atspi().accessible_get_text_iface(static_cast<AtspiAccessible*>(element.get()))) {
                GError* error = nullptr;
                const int characters = atspi().text_get_character_count(text, &error);
                if (!error) {
                    const int caret = atspi().text_get_caret_offset(text, &error);
                    state = TextState { characters, error ? -1 : caret };
                }
                g_clear_error(&error);
                atspi().unref(text);
            }
            MainThread::post([answer, state] { answer(state); });
        });
    }

    std::optional<quint32> focusedWindow() const override
    {
        xcb_connection_t* c = qtConnection();
        if (!c)
            return std::nullopt;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        if (const auto active = cardinalProperty(c, root, atom(c, "_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW);
            active && *active != 0)
            return active;
        XcbReply<xcb_get_input_focus_reply_t> focus(
            xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr), &std::free);
        if (!focus || focus->focus == XCB_NONE || focus->focus == XCB_INPUT_FOCUS_POINTER_ROOT)
            return std::nullopt;
        return focus->focus;
    }
};
}

std::shared_ptr<FocusedText> makeAtspiFocusedText() { return std::make_shared<AtspiFocusedText>(); }
