#pragma once
// Displays and the pointer in global screen coordinates with the origin at the
// bottom-left of the primary display and y growing upwards (the core's
// convention). Qt's coordinates (origin top-left, y down) are converted with
// toQt / fromQt at the Qt boundary only.

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <memory>
#include <optional>

struct ScreenInfo {
    QString name;
    QRectF frame; // whole display, y-up global coordinates
    QRectF visibleFrame; // without panels/docks where known, else == frame
    double scale = 1.0; // device pixels per point
};

class Screens {
public:
    virtual ~Screens() = default;

    // Every display; the primary (main) display first.
    virtual QList<ScreenInfo> screens() const = 0;
    // The main display, or nothing when there is no display at all.
    virtual std::optional<ScreenInfo> mainScreen() const = 0;
    // The pointer location, y-up global coordinates.
    virtual QPointF pointer() const = 0;
    // Height of the primary display in Qt's coordinate space: the bottom edge
    // (Qt y + height) of the primary display; the flip axis of the conversion.
    virtual double flipHeight() const = 0;

    QPointF toQt(QPointF p) const { return { p.x(), flipHeight() - p.y() }; }
    QPointF fromQt(QPointF p) const { return { p.x(), flipHeight() - p.y() }; }
    QRectF toQt(const QRectF& r) const { return { r.x(), flipHeight() - r.y() - r.height(), r.width(), r.height() }; }
    QRectF fromQt(const QRectF& r) const { return { r.x(), flipHeight() - r.y() - r.height(), r.width(), r.height() }; }

    // The display whose frame contains p (left/bottom edges inside, right/top
    // edges outside), first in list order; nothing when none does.
    std::optional<ScreenInfo> screenContaining(QPointF p) const;
};
