#include "platform/MenuAccessibility.h"

#include <mutex>

std::shared_ptr<MenuAccessibility> makeAtspiMenuAccessibility(); // platform/linux

namespace {
std::mutex g_mutex;
std::shared_ptr<MenuAccessibility> g_backend;
}

std::shared_ptr<MenuAccessibility> MenuAccessibility::shared()
{
    std::lock_guard lock(g_mutex);
    if (!g_backend)
        g_backend = makeAtspiMenuAccessibility();
    return g_backend;
}

void MenuAccessibility::setShared(std::shared_ptr<MenuAccessibility> backend)
{
    std::lock_guard lock(g_mutex);
    g_backend = std::move(backend);
}
