// The shared instances of the workspace and window ports. Unless a test
// installs its own, both are answered by one X11 desktop backend.
#include "platform/Windows.h"
#include "platform/Workspace.h"

std::shared_ptr<void> makeX11Desktop(Workspace** workspace, Windows** windows); // platform/linux/X11Desktop.cpp

namespace {
struct Ports {
    std::shared_ptr<Workspace> workspace;
    std::shared_ptr<Windows> windows;
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
    static Windows* v = nullptr;
    if (!backend)
        backend = makeX11Desktop(&w, &v);
    auto& p = ports();
    auto alias = [](auto* raw) { return std::shared_ptr<std::remove_pointer_t<decltype(raw)>>(backend, raw); };
    if (!p.workspace)
        p.workspace = alias(w);
    if (!p.windows)
        p.windows = alias(v);
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

Windows& Windows::shared()
{
    if (!ports().windows)
        ensureReal();
    return *ports().windows;
}
void Windows::setShared(std::shared_ptr<Windows> windows) { ports().windows = std::move(windows); }
