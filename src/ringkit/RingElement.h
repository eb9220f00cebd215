#pragma once
// What the ring views share as widgets: the result of a hit test, the one
// accessibility element a whole ring is (label, value and hint, no
// children), and texts in the system's own language.

#include <QAccessible>
#include <QString>
#include <functional>

class QWidget;

// What a point of a ring hits (topmost first: cards above wedges).
struct RingHit {
    enum class Kind { none, wedge, card };
    Kind kind = Kind::none;
    int index = -1;
    bool operator==(const RingHit&) const = default;
};

class RingElement {
public:
    struct Texts {
        std::function<QString()> label;
        std::function<QString()> value; // also the element's description
        std::function<QString()> hint;
    };
    // Makes every widget of the class `className` (its QObject class name)
    // one accessibility element with `role` and the texts `texts` gives for
    // it. The first registration installs the factory.
    static void registerView(const QString& className, QAccessible::Role role, std::function<Texts(QWidget*)> texts);
    // The same for a ring view class with static accessibilityLabel() and
    // accessibilityHint() and the member `value` for the spoken value. A
    // class already registered is left as it is.
    template <class View> static void registerView(QAccessible::Role role, QString (View::*value)() const)
    {
        const QString name = QString::fromLatin1(View::staticMetaObject.className());
        if (isRegistered(name))
            return;
        registerView(name, role, [value](QWidget* w) {
            const auto* view = static_cast<const View*>(w);
            return Texts { &View::accessibilityLabel, [view, value] { return (view->*value)(); },
                &View::accessibilityHint };
        });
    }
    static bool isRegistered(const QString& className);

    // `english` (context "Kelvaro") in the system's language, not the
    // interface language chosen in the settings; the English text when there
    // is none. Write the literal as QT_TRANSLATE_NOOP("Kelvaro", "…") so it
    // is extracted for the translators.
    static QString systemLocalized(const char* english);

    RingElement() = delete;
};
