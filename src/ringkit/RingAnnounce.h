#pragma once
// The one spoken announcement of the rings: a changed selection is told to
// assistive technologies at once, whether or not the ring has the focus (it
// never has). An empty text is not announced.
//
// Qt has no announcement request of its own here, so the text becomes the
// source object's accessible description and an alert event is posted for
// it; screen readers that follow alerts speak it.

#include <QString>

class QObject;

class RingAnnounce {
public:
    static void announce(QObject* source, const QString& message);

    // For checks: the last text announced and how many were announced.
    static QString lastMessage();
    static int count();

    RingAnnounce() = delete;
};
