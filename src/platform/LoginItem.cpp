#include "platform/LoginItem.h"

std::shared_ptr<LoginItem> makeDefaultLoginItem(); // platform/linux/XdgLoginItem.cpp

namespace {
std::shared_ptr<LoginItem>& sharedItem()
{
    static std::shared_ptr<LoginItem> s;
    return s;
}
}

LoginItem& LoginItem::shared()
{
    auto& s = sharedItem();
    if (!s)
        s = makeDefaultLoginItem();
    return *s;
}

void LoginItem::setShared(std::shared_ptr<LoginItem> item) { sharedItem() = std::move(item); }
