#pragma once
// The latest pointer location of a ring (screen coordinates, y upward),
// shared by the ring's model and its tilting centre icon.

#include <QObject>
#include <QPointF>

class RingPointer : public QObject {
    Q_OBJECT
    Q_PROPERTY(QPointF location READ location WRITE setLocation NOTIFY locationChanged)
public:
    using QObject::QObject;

    QPointF location() const { return m_location; }
    void setLocation(QPointF location)
    {
        if (location == m_location)
            return;
        m_location = location;
        Q_EMIT locationChanged();
    }

Q_SIGNALS:
    void locationChanged();

private:
    QPointF m_location { 0, 0 };
};
