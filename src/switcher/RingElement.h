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
    static void registerView(const QString& className, QAccessible::Role role,
                             std::function<Texts(QWidget*)> texts);

    // `english` in the system's language (not the interface language chosen
    // in the settings), from the translations of `area` ("switcher" looks in
    // switcher_<code>.qm); the English text when there is none.
    static QString systemLocalized(const QString& english, const QString& area);

    RingElement() = delete;
};
