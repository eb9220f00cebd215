#include "ringkit/RingAnnounce.h"

#include <QAccessible>
#include <QObject>

namespace {
QString& last()
{
    static QString text;
    return text;
}
int& counter()
{
    static int n = 0;
    return n;
}
std::function<void(QAccessibleEvent*)>& observer()
{
    static std::function<void(QAccessibleEvent*)> o;
    return o;
}
void post(QAccessibleEvent* event)
{
    if (observer())
        observer()(event);
    QAccessible::updateAccessibility(event);
}
}

void RingAnnounce::announce(QObject* element, const QString& message)
{
    if (message.isEmpty() || !element)
        return;
    last() = message;
    ++counter();
    QAccessibleValueChangeEvent value(element, message);
    post(&value);
    QAccessibleEvent description(element, QAccessible::DescriptionChanged);
    post(&description);
}

QString RingAnnounce::lastMessage() { return last(); }
int RingAnnounce::count() { return counter(); }
void RingAnnounce::setEventObserver(std::function<void(QAccessibleEvent*)> o) { observer() = std::move(o); }
