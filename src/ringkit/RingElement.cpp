#include "ringkit/RingElement.h"

#include "core/Translations.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

namespace {
struct Registration {
    QAccessible::Role role;
    std::function<RingElement::Texts(QWidget*)> texts;
};

QHash<QString, Registration>& registrations()
{
    static QHash<QString, Registration> all;
    return all;
}

class RingAccessible final : public QAccessibleWidget {
public:
    RingAccessible(QWidget* widget, QAccessible::Role role, RingElement::Texts texts)
        : QAccessibleWidget(widget, role)
        , m_texts(std::move(texts))
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto read = [](const std::function<QString()>& f) { return f ? f() : QString(); };
        switch (t) {
        case QAccessible::Name:
            return read(m_texts.label);
        case QAccessible::Value:
        case QAccessible::Description:
            return read(m_texts.value);
        case QAccessible::Help:
            return read(m_texts.hint);
        default:
            return QAccessibleWidget::text(t);
        }
    }
    // One element: wedges and cards are not separate children.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

private:
    RingElement::Texts m_texts;
};

QAccessibleInterface* ringFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const auto it = registrations().constFind(className);
    if (it == registrations().constEnd())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    return new RingAccessible(widget, it->role, it->texts(widget));
}
}

void RingElement::registerView(const QString& className, QAccessible::Role role, std::function<Texts(QWidget*)> texts)
{
    static const bool installed = [] {
        QAccessible::installFactory(ringFactory);
        return true;
    }();
    (void)installed;
    registrations().insert(className, Registration { role, std::move(texts) });
}

bool RingElement::isRegistered(const QString& className) { return registrations().contains(className); }

QString RingElement::systemLocalized(const char* english)
{
    return Translations::translate(english, Translations::systemLanguageCode());
}
