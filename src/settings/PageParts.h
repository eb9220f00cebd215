#pragma once
// Small building blocks the settings pages and their sheets share: labels
// that never interpret markup, the hairline between sections, a page that
// scrolls vertically, and a sheet's Cancel / confirm footer.

#include <QMargins>

class QFrame;
class QLabel;
class QPushButton;
class QString;
class QVBoxLayout;
class QWidget;
class SecondaryLabel;

// A label that shows `text` as plain text (names, titles and messages may
// come from other applications).
QLabel* plainLabel(const QString& text, QWidget* parent);
// The same in the secondary style.
SecondaryLabel* plainSecondaryLabel(const QString& text, QWidget* parent);
QFrame* horizontalDivider(QWidget* parent);

// Fills `owner` with a frameless, vertically scrolling area and returns the
// column of its content, with the given margins and spacing.
QVBoxLayout* scrollingPage(QWidget* owner, const QMargins& margins, int spacing);

struct SheetFooter {
    QPushButton* cancel = nullptr;
    QPushButton* confirm = nullptr; // the default button; its title is the caller's
};
// Appends the footer row of a sheet to `column`: "Cancel" on the left, the
// default button on the right.
SheetFooter addSheetFooter(QVBoxLayout* column, QWidget* owner);
