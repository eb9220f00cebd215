#include "platform/KeyboardLayout.h"

#include <QCoreApplication>

#include <mutex>
#include <utility>

std::shared_ptr<KeyboardLayout> makeDefaultKeyboardLayout(); // platform/linux/XkbKeyboardLayout.cpp

namespace {
std::atomic<std::uint64_t> g_generation { 1 };
std::mutex g_sharedLock;
std::shared_ptr<KeyboardLayout>& sharedLayout()
{
    static std::shared_ptr<KeyboardLayout> s;
    return s;
}
}

std::uint64_t KeyboardLayout::generation() { return g_generation.load(); }

KeyboardLayout& KeyboardLayout::shared()
{
    std::lock_guard lock(g_sharedLock);
    auto& s = sharedLayout();
    if (!s) {
        s = makeDefaultKeyboardLayout();
        ++g_generation;
    }
    return *s;
}

void KeyboardLayout::setShared(std::shared_ptr<KeyboardLayout> layout)
{
    std::shared_ptr<KeyboardLayout> previous;
    {
        std::lock_guard lock(g_sharedLock);
        previous = std::exchange(sharedLayout(), std::move(layout));
        ++g_generation;
    }
    previous.reset(); // the old backend goes outside the lock
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
