#include "platform/Screens.h"

std::optional<ScreenInfo> Screens::screenContaining(QPointF p) const
{
    for (const ScreenInfo& s : screens()) {
        const QRectF& f = s.frame;
        if (p.x() >= f.left() && p.x() < f.right() && p.y() >= f.top() && p.y() < f.bottom())
            return s;
    }
    return std::nullopt;
}
