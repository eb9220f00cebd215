#pragma once
// One animated number a widget draws: a row sliding into place, a fade, a
// key cap's press, a chevron's turn. It plays on the rings' engine, so it
// keeps the rings' clock and curves, repaints its widget on every frame that
// moves it, and asks for no frame once it rests: a window whose motion has
// come to rest costs nothing while idle. Under Reduce Motion, or while its
// widget is hidden, a change jumps.

#include "ringkit/RingAnimation.h"

#include <QObject>
#include <QPointer>

class QWidget;

class WidgetMotion : public QObject {
    Q_OBJECT
public:
    // `owner` (may be null) is repainted on each frame that moves the value.
    explicit WidgetMotion(QWidget* owner, double initial = 0.0, double restTolerance = RestTolerance::unit);
    ~WidgetMotion() override;

    double value() const { return m_value.value(); }
    double target() const { return m_value.target(); }
    bool isAnimating() const { return m_value.isAnimating(); }

    // Heads for `target` along `animation`, from the value and speed it has
    // now. `still`: the person asked for reduced motion; the value jumps.
    void animateTo(double target, const RingAnimation& animation, bool still = false);
    // Jumps to `value`, stopping any motion.
    void setValue(double value);

Q_SIGNALS:
    // On every frame that moves the value, and once when it jumps or rests.
    void changed(double value);

private:
    void follow();
    void settle();
    void watchForRest();

    AnimatedValue m_value;
    QPointer<QWidget> m_owner;
    QMetaObject::Connection m_frames;
    quint64 m_restCheck = 0; // the scheduler's check for a rest no frame shows
};
