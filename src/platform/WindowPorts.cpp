// The shared instances of the workspace, window-element, window-list and
// Spaces ports. Unless a test installs its own, all four are answered by one
// X11 desktop backend.
#include "platform/Spaces.h"
#include "platform/WindowElements.h"
#include "platform/WindowList.h"
#include "platform/Workspace.h"

std::shared_ptr<void> makeX11Desktop(Workspace** workspace, WindowElements** elements, WindowList** list,
                                     Spaces** spaces); // platform/linux/X11Desktop.cpp

namespace {
struct Ports {
    std::shared_ptr<Workspace> workspace;
    std::shared_ptr<WindowElements> elements;
    std::shared_ptr<WindowList> list;
    std::shared_ptr<Spaces> spaces;
};

Ports& ports()
{
    static Ports p;
    return p;
}

// Fills every port not yet installed from the one real backend.
void ensureReal()
{
    static std::shared_ptr<void> backend;
    static Workspace* w = nullptr;
    static WindowElements* e = nullptr;
    static WindowList* l = nullptr;
    static Spaces* s = nullptr;
    if (!backend)
        backend = makeX11Desktop(&w, &e, &l, &s);
    auto& p = ports();
    auto alias = [](auto* raw) { return std::shared_ptr<std::remove_pointer_t<decltype(raw)>>(backend, raw); };
    if (!p.workspace)
        p.workspace = alias(w);
    if (!p.elements)
        p.elements = alias(e);
    if (!p.list)
        p.list = alias(l);
    if (!p.spaces)
        p.spaces = alias(s);
}
}

std::optional<RunningApplication> Workspace::runningApplication(const QString& bundleIdentifier) const
{
    if (bundleIdentifier.isEmpty())
        return std::nullopt;
    for (const auto& app : runningApplications()) {
        if (app.bundleIdentifier == bundleIdentifier)
            return app;
    }
    return std::nullopt;
}

Workspace& Workspace::shared()
{
    if (!ports().workspace)
        ensureReal();
    return *ports().workspace;
}
void Workspace::setShared(std::shared_ptr<Workspace> workspace) { ports().workspace = std::move(workspace); }

WindowElements& WindowElements::shared()
{
    if (!ports().elements)
        ensureReal();
    return *ports().elements;
}
void WindowElements::setShared(std::shared_ptr<WindowElements> elements) { ports().elements = std::move(elements); }

WindowList& WindowList::shared()
{
    if (!ports().list)
        ensureReal();
    return *ports().list;
}
void WindowList::setShared(std::shared_ptr<WindowList> list) { ports().list = std::move(list); }

Spaces& Spaces::shared()
{
    if (!ports().spaces)
        ensureReal();
    return *ports().spaces;
}
void Spaces::setShared(std::shared_ptr<Spaces> spaces) { ports().spaces = std::move(spaces); }
