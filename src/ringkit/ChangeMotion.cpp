#include "ringkit/ChangeMotion.h"

#include "ringkit/WidgetMotion.h"

#include <QGraphicsEffect>
#include <algorithm>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace {
// Draws its widget at an opacity and a vertical offset; both follow one
// motion running from 0 (where the change starts) to 1 (at rest).
class ChangeEffect : public QGraphicsEffect {
public:
    ChangeEffect(double fromOpacity, double fromDy)
        : m_fromOpacity(fromOpacity)
        , m_fromDy(fromDy)
    {
    }

    void setProgress(double progress)
    {
        m_progress = progress;
        updateBoundingRect();
        update();
    }
    double opacity() const { return m_fromOpacity + (1.0 - m_fromOpacity) * m_progress; }
    double dy() const { return m_fromDy * (1.0 - m_progress); }

    QRectF boundingRectFor(const QRectF& rect) const override { return rect.united(rect.translated(0, dy())); }

protected:
    void draw(QPainter* painter) override
    {
        // A spring may overshoot: the widget is never more than opaque.
        const double alpha = std::clamp(opacity(), 0.0, 1.0);
        QPoint offset;
        const QPixmap pixmap = sourcePixmap(Qt::LogicalCoordinates, &offset, QGraphicsEffect::NoPad);
        if (pixmap.isNull())
            return;
        painter->save();
        painter->setOpacity(painter->opacity() * alpha);
        painter->drawPixmap(QPointF(offset) + QPointF(0, dy()), pixmap);
        painter->restore();
    }

private:
    double m_fromOpacity;
    double m_fromDy;
    double m_progress = 0.0;
};

WidgetMotion* play(QWidget* widget, double fromOpacity, double fromDy, const RingAnimation& animation, bool still)
{
    // Nobody sees a hidden widget change: it takes its place at once.
    if (!widget || still || !widget->isVisible())
        return nullptr;
    // A motion left from an earlier change stops first; its effect goes with it.
    if (auto* earlier = widget->findChild<WidgetMotion*>(QStringLiteral("change-motion"), Qt::FindDirectChildrenOnly)) {
        widget->setGraphicsEffect(nullptr);
        delete earlier;
    }
    auto* effect = new ChangeEffect(fromOpacity, fromDy);
    widget->setGraphicsEffect(effect);
    auto* motion = new WidgetMotion(nullptr, 0.0);
    motion->setParent(widget);
    motion->setObjectName(QStringLiteral("change-motion"));
    const QPointer<QGraphicsEffect> guard(effect);
    QObject::connect(motion, &WidgetMotion::changed, widget, [motion, widget, guard](double progress) {
        if (!guard)
            return;
        if (!motion->isAnimating()) {
            // At rest the widget is drawn plainly again.
            widget->setGraphicsEffect(nullptr);
            motion->deleteLater();
            return;
        }
        static_cast<ChangeEffect*>(guard.data())->setProgress(progress);
    });
    motion->animateTo(1.0, animation);
    return motion;
}
}

namespace ChangeMotion {

WidgetMotion* fadeIn(QWidget* widget, const RingAnimation& animation, bool still)
{
    return play(widget, 0.0, 0.0, animation, still);
}

WidgetMotion* slideFrom(QWidget* widget, double dy, const RingAnimation& animation, bool still)
{
    if (dy == 0.0)
        return nullptr;
    return play(widget, 1.0, dy, animation, still);
}

} // namespace ChangeMotion
