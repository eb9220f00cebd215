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
}

void RingAnnounce::announce(QObject* source, const QString& message)
{
    if (message.isEmpty())
        return;
    last() = message;
    ++counter();
    if (!source || !QAccessible::isActive())
        return;
    QAccessibleEvent description(source, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
    QAccessibleEvent alert(source, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

QString RingAnnounce::lastMessage() { return last(); }
int RingAnnounce::count() { return counter(); }
