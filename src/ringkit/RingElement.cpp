#include "ringkit/RingElement.h"

#include <QAccessibleWidget>
#include <QDirIterator>
#include <QHash>
#include <QLocale>
#include <QTranslator>
#include <QWidget>
#include <memory>

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
    registrations().insert(className, Registration {role, std::move(texts)});
}

bool RingElement::isRegistered(const QString& className) { return registrations().contains(className); }

QString RingElement::systemLocalized(const QString& english, const QString& area)
{
    static const QStringList codes {QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("et"),
                                    QStringLiteral("fi"), QStringLiteral("fr"), QStringLiteral("it"), QStringLiteral("ja"),
                                    QStringLiteral("ka"), QStringLiteral("ko"), QStringLiteral("nb"), QStringLiteral("nl"),
                                    QStringLiteral("pl"), QStringLiteral("sk"), QStringLiteral("sl"), QStringLiteral("sq"),
                                    QStringLiteral("sv")};
    static QHash<QString, std::shared_ptr<QTranslator>> loaded;
    // The first of the system's languages that has translations; Norwegian
    // in any of its forms reads Bokmål.
    QString code = QStringLiteral("en");
    for (const QString& ui : QLocale::system().uiLanguages()) {
        QString c = ui.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (c == QLatin1String("no") || c == QLatin1String("nn"))
            c = QStringLiteral("nb");
        if (codes.contains(c)) {
            code = c;
            break;
        }
    }
    const QString key = area + u'_' + code;
    auto it = loaded.find(key);
    if (it == loaded.end()) {
        std::shared_ptr<QTranslator> translator;
        QDirIterator found(QStringLiteral(":/i18n"), {key + QStringLiteral(".qm")}, QDir::Files, QDirIterator::Subdirectories);
        if (found.hasNext()) {
            auto t = std::make_shared<QTranslator>();
            if (t->load(found.next()))
                translator = t;
        }
        it = loaded.insert(key, translator);
    }
    if (*it) {
        const QString text = (*it)->translate("Kelvaro", english.toUtf8().constData());
        if (!text.isEmpty())
            return text;
    }
    return english;
}
