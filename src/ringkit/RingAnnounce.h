#pragma once
// The one spoken announcement of every ring: a changed selection is told to
// assistive technology at once, whether or not the ring has the focus (it
// never has). The ring's accessible element reports the text as its new
// value and description; screen readers that follow either speak it. An
// empty text is not announced.
//
// Qt has no announcement request of its own here, hence the value change.
// Each ring view decides when its value changed; the first value of a
// showing is not announced, and the value emptied by a hide is no change the
// user sees.

#include <QString>
#include <functional>

class QAccessibleEvent;
class QObject;

class RingAnnounce {
public:
    static void announce(QObject* element, const QString& message);

    // For checks: the last text announced and how many were announced, and
    // every event posted for an announcement whether or not assistive
    // technology listens (null removes the observer).
    static QString lastMessage();
    static int count();
    static void setEventObserver(std::function<void(QAccessibleEvent*)> observer);

    RingAnnounce() = delete;
};
