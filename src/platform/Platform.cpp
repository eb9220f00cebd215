#include "platform/Platform.h"

#include "platform/KeyboardLayout.h"

#include <QtGlobal>

namespace {
Platform* g_installed = nullptr;
}

void Platform::missing(const char* name)
{
    qFatal("Kelvaro: the platform was built without a %s port, and something asked for it.", name);
}

Platform& Platform::installed()
{
    if (!g_installed)
        qFatal("Kelvaro: a desktop port was asked for before the platform was installed.");
    return *g_installed;
}

void Platform::install(Platform* platform)
{
    if (platform == g_installed)
        return;
    g_installed = platform;
    if (platform)
        KeyboardLayout::platformReplaced();
}

bool Platform::isInstalled() { return g_installed != nullptr; }
