#include "platform/KeyboardLayout.h"

#include <mutex>

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

std::uint64_t KeyboardLayout::generation()
{
    return g_generation.load();
}

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
    std::lock_guard lock(g_sharedLock);
    sharedLayout() = std::move(layout);
    ++g_generation;
}

void KeyboardLayout::notifyChanged()
{
    ++g_generation;
    Q_EMIT layoutChanged();
}
