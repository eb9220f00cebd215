#pragma once
#include "platform/Screens.h"

// Screens for tests: a configurable list (main display first) and pointer,
// all in y-up global coordinates.
class SimScreens final : public Screens {
public:
    QList<ScreenInfo> screens() const override { return list; }
    std::optional<ScreenInfo> mainScreen() const override
    {
        if (list.isEmpty())
            return std::nullopt;
        return list.first();
    }
    QPointF pointer() const override { return pointerLocation; }
    double flipHeight() const override { return list.isEmpty() ? 0.0 : list.first().frame.bottom(); }

    void addScreen(const QRectF& frame, const QString& name = QString())
    {
        list.append(ScreenInfo { name, frame, frame, 1.0 });
    }

    QList<ScreenInfo> list;
    QPointF pointerLocation;
};
