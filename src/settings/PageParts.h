#pragma once
// Small building blocks the settings pages and their sheets share: labels
// that never interpret markup, the hairline between sections, a page that
// scrolls vertically, a sheet's Cancel / confirm footer, and the parts of a
// page's list section (the row of buttons above the list, the list itself or
// its empty state, and the name dialog).

#include <QAbstractButton>
#include <QDialog>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QScrollArea>
#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QString;
class QToolButton;
class QVBoxLayout;
class SecondaryLabel;
class WidgetMotion;

// A label that shows `text` as plain text (names, titles and messages may
// come from other applications), in the secondary style when asked.
QLabel* plainLabel(const QString& text, QWidget* parent, bool secondary = false);
// The same in the secondary style.
SecondaryLabel* plainSecondaryLabel(const QString& text, QWidget* parent);
QFrame* horizontalDivider(QWidget* parent);
// The bold, centred title line at the top of a sheet, 16 points clear of
// the sheet's edge above and of its divider below.
QLabel* sheetHeader(QWidget* parent);
// A card of a sheet: a rounded rectangle (corner radius 10) in the fields'
// background colour, outlined in the separator colour.
QFrame* sheetCard(QWidget* parent = nullptr);

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

// Throws away the widget in `content` (the list section as it was last built)
// and puts a new, parentless one there; returns its column, without margins.
QVBoxLayout* replaceContent(QWidget*& content, int spacing);

// A borderless tool button showing the symbol `symbol`, with `label` as its
// tooltip and accessible name.
QToolButton* symbolToolButton(const QString& symbol, const QString& label, const QString& objectName, QWidget* parent);

// A list of rows of a fixed height that scrolls vertically. Add the rows to
// `rows` (their parent is `list`) and close it with a stretch.
struct ScrollingList {
    QScrollArea* scroll = nullptr;
    QWidget* list = nullptr;
    QVBoxLayout* rows = nullptr;
};
ScrollingList scrollingList(int height, QWidget* parent);

// What a list shows in its place while it is empty: a medium-weight title over
// a secondary note, both centred in the list's height, and under them the
// button `button` makes (with the box as its parent), when given.
QWidget* emptyListState(int height, const QString& title, const QString& note, bool wrapNote, QWidget* parent,
    const std::function<QPushButton*(QWidget*)>& button = {});

// The dialog askForName shows: a field for the name under the title, and
// "Rename", which keeps the dialog open with a note while the name is empty.
class NameDialog : public QDialog {
    Q_OBJECT
public:
    NameDialog(const QString& title, const QString& current, QWidget* parent = nullptr);
    // The name typed, without surrounding spaces.
    QString name() const;
    QLineEdit* field() const { return m_field; }
    QLabel* problem() const { return m_problem; }
    void accept() override;

private:
    QLineEdit* m_field = nullptr;
    QLabel* m_problem = nullptr;
};

// Asks for a new name in a window-modal dialog over `owner`, titled `title`,
// starting from `current`; `apply` gets the name (never empty) when the dialog
// is accepted. No global hotkey fires while the dialog is up.
void askForName(QWidget* owner, const QString& objectName, const QString& title, const QString& current,
    std::function<void(const QString&)> apply);

// A list that drops down from a page's picker button: a styled popup panel at
// least `minimumWidth` wide (and as wide as `button`, when there is one). The
// caller fills the column: a heading (addPopupHeading), then the rows.
struct PopupList {
    QFrame* frame = nullptr;
    QVBoxLayout* column = nullptr;
};
PopupList popupList(
    QWidget* owner, const QString& objectName, const QString& accessibleName, int minimumWidth, const QWidget* button);
// Sets `heading` in bold with the popup's margins and adds it to `column`.
void addPopupHeading(QVBoxLayout* column, QLabel* heading);

// Shows `popup` just under `button` (when there is one), which shows itself
// open for as long as the popup lasts.
template <class Button> void dropDownUnder(QWidget* popup, Button* button, QObject* context)
{
    if (button) {
        button->setOpen(true);
        QPointer<Button> guard = button;
        QObject::connect(popup, &QObject::destroyed, context, [guard] {
            if (guard)
                guard->setOpen(false);
        });
        popup->move(button->mapToGlobal(QPoint(0, button->height() + 2)));
    }
    popup->show();
}

// The pop-up button above a page's list that picks what the list shows: a
// rounded field with the pop-up chevron, drawn open while its list is up.
// Each kind draws its own icon and text between the padding and the chevron.
class PopupPickerButton : public QAbstractButton {
    Q_OBJECT
public:
    PopupPickerButton(const QString& objectName, int height, QWidget* parent);
    void setOpen(bool open);
    bool isOpen() const { return m_open; }
    // The chevron's turn: 0 pointing down (closed) to 1 pointing up (open).
    double chevronTurn() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Draws the icon into `iconRect` and the text from `textLeft` to `right`
    // across the field `field`.
    virtual void paintContent(
        QPainter& p, const QRectF& field, const QRectF& iconRect, double textLeft, double right, const QColor& accent)
        = 0;

private:
    int m_height;
    bool m_open = false;
    WidgetMotion* m_turn = nullptr;
};
