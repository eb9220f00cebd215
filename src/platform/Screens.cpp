#include "platform/Screens.h"

std::shared_ptr<Screens> makeDefaultScreens(); // platform/linux/QtScreens.cpp

namespace {
std::shared_ptr<Screens>& sharedScreens()
{
    static std::shared_ptr<Screens> s;
    return s;
}
}

std::optional<ScreenInfo> Screens::screenContaining(QPointF p) const
{
    for (const ScreenInfo& s : screens()) {
        const QRectF& f = s.frame;
        if (p.x() >= f.left() && p.x() < f.right() && p.y() >= f.top() && p.y() < f.bottom())
            return s;
    }
    return std::nullopt;
}

Screens& Screens::shared()
{
    auto& s = sharedScreens();
    if (!s)
        s = makeDefaultScreens();
    return *s;
}

void Screens::setShared(std::shared_ptr<Screens> screens) { sharedScreens() = std::move(screens); }
