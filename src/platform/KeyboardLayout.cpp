#include "platform/KeyboardLayout.h"

#include <QCoreApplication>

namespace {
std::atomic<std::uint64_t> g_generation { 1 };
}

std::uint64_t KeyboardLayout::generation() { return g_generation.load(); }

void KeyboardLayout::platformReplaced()
{
    ++g_generation;
    Q_EMIT changes().changed();
}

KeyboardLayoutChanges& KeyboardLayout::changes()
{
    // Never destroyed: backends may announce changes while statics go.
    static KeyboardLayoutChanges* const changes = [] {
        auto* object = new KeyboardLayoutChanges;
        if (QCoreApplication* app = QCoreApplication::instance())
            object->moveToThread(app->thread());
        return object;
    }();
    return *changes;
}

void KeyboardLayout::notifyChanged()
{
    ++g_generation;
    Q_EMIT layoutChanged();
    Q_EMIT changes().changed();
}
