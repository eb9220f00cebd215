#include "platform/BrowserScripting.h"

#include <mutex>

std::shared_ptr<BrowserScripting> makeSessionFileBrowserScripting(); // platform/linux

namespace {
std::mutex g_mutex;
std::shared_ptr<BrowserScripting> g_backend;
}

std::shared_ptr<BrowserScripting> BrowserScripting::shared()
{
    std::lock_guard lock(g_mutex);
    if (!g_backend)
        g_backend = makeSessionFileBrowserScripting();
    return g_backend;
}

void BrowserScripting::setShared(std::shared_ptr<BrowserScripting> backend)
{
    std::lock_guard lock(g_mutex);
    g_backend = std::move(backend);
}
