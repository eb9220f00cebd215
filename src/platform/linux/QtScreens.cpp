// Displays and pointer from Qt, converted to y-up global coordinates.

#include "platform/Screens.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace {
class QtScreens final : public Screens {
public:
    QList<ScreenInfo> screens() const override
    {
        QList<ScreenInfo> list;
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            return list;
        QScreen* primary = QGuiApplication::primaryScreen();
        if (primary)
            list.append(info(primary));
        for (QScreen* s : QGuiApplication::screens())
            if (s != primary)
                list.append(info(s));
        return list;
    }

    std::optional<ScreenInfo> mainScreen() const override
    {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            return std::nullopt;
        if (QScreen* primary = QGuiApplication::primaryScreen())
            return info(primary);
        return std::nullopt;
    }

    QPointF pointer() const override { return fromQt(QPointF(QCursor::pos())); }

    double flipHeight() const override
    {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            return 0;
        QScreen* primary = QGuiApplication::primaryScreen();
        if (!primary)
            return 0;
        const QRect g = primary->geometry();
        return double(g.y()) + double(g.height());
    }

private:
    ScreenInfo info(QScreen* s) const
    {
        return ScreenInfo { s->name(), fromQt(QRectF(s->geometry())), fromQt(QRectF(s->availableGeometry())),
            s->devicePixelRatio() };
    }
};
}

std::shared_ptr<Screens> makeDefaultScreens() { return std::make_shared<QtScreens>(); }
