#include "platform/linux/X11CompositorWatch.h"

#include "platform/linux/X11PanelHints.h"

#include <QCoreApplication>

#include <cstdlib>
#include <utility>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

X11CompositorWatch::X11CompositorWatch(std::function<void(bool)> changed)
    : m_changed(std::move(changed))
{
}

X11CompositorWatch::~X11CompositorWatch()
{
    if (m_installed && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool X11CompositorWatch::running()
{
    xcb_connection_t* c = X11PanelHints::qtConnection();
    if (!c)
        return true;
    if (c == m_connection)
        return m_running;
    // On Qt's connection, which has agreed an XFixes version.
    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(c, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present)
        return X11PanelHints::compositorRunning();
    const X11PanelHints::CompositorSelection watched = X11PanelHints::compositorSelection(c);
    if (watched.root == XCB_WINDOW_NONE || watched.selection == XCB_ATOM_NONE)
        return X11PanelHints::compositorRunning();
    if (!m_installed) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        m_installed = true;
    }
    // The notices first, then the owner: a change in between arrives as a notice.
    xcb_xfixes_select_selection_input(c, watched.root, watched.selection,
        XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY
            | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    xcb_get_selection_owner_reply_t* reply
        = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, watched.selection), nullptr);
    m_running = reply && reply->owner != XCB_WINDOW_NONE;
    std::free(reply);
    m_connection = c;
    m_selection = watched.selection;
    m_firstEvent = xfixes->first_event;
    return m_running;
}

bool X11CompositorWatch::nativeEventFilter(const QByteArray& type, void* message, qintptr*)
{
    if (!m_connection || type != QByteArrayLiteral("xcb_generic_event_t"))
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != m_firstEvent + XCB_XFIXES_SELECTION_NOTIFY)
        return false;
    const auto* notice = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event);
    if (notice->selection != m_selection)
        return false;
    const bool running
        = notice->subtype == XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER && notice->owner != XCB_WINDOW_NONE;
    if (std::exchange(m_running, running) != running && m_changed)
        m_changed(running);
    return false; // Qt follows the same selection
}
