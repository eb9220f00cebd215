#pragma once
// Small pieces shared by the editor sheets: the secondary text colour, plain
// text labels, the section caption, the icon preview of a ring item, the
// icon of an installed application and a button that follows the pointer.

#include <QAbstractButton>
#include <QIcon>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <optional>

class QFrame;
class QMessageBox;
class QPainter;

class Workspace;

namespace EditorChrome {
// The window text at reduced strength.
QColor secondaryColour(const QPalette& palette);
// A label that never interprets its text as markup.
QLabel* plainLabel(const QString& text, QWidget* parent);
// The same in the secondary colour, optionally in the caption size.
QLabel* secondaryLabel(const QString& text, QWidget* parent, bool caption = false);
// A section caption: 11 px, semibold, upper-case, secondary colour.
QLabel* sectionTitle(const QString& text, QWidget* parent);
QFrame* divider(QWidget* parent);
// How a key combination is written beside a suggestion: medium weight, in a
// rounded face when one is installed, with digits of one width so "F1" and
// "F11" line up in a column.
QFont combinationFont(const QFont& base);
// The icon of the installed application with this bundle identifier.
std::optional<QIcon> appIcon(Workspace& workspace, const QString& bundleIdentifier);
// A record's icon: its custom picture fitted into `rect` (the "photo" symbol
// while the picture cannot be read), or the symbol of that name in `colour`.
void paintIcon(QPainter& painter, const QRectF& rect, const QString& icon, const QColor& colour);
QPixmap iconPixmap(const QString& icon, int side, const QColor& colour, qreal devicePixelRatio = 1.0);
// Gives a message box the symbol of the pages' own set instead of the style's
// stock icon: a warning triangle, or the information circle.
void setAlertSymbol(QMessageBox* box, bool warning);
}

// A button that keeps track of the pointer over it, for painting its hover
// state: it repaints as the pointer comes and goes.
class HoverButton : public QAbstractButton {
    Q_OBJECT
public:
    using QAbstractButton::QAbstractButton;
    bool isHovering() const { return m_hovering; }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_hovering = false;
};

// A ring item's icon: a custom icon picture fitted into the square, or the
// symbol of that name. Draws the "photo" symbol while a custom picture is
// missing or unreadable.
class IconPreview : public QWidget {
    Q_OBJECT
public:
    IconPreview(const QString& icon, int side, QWidget* parent = nullptr);
    void setIcon(const QString& icon);
    QString icon() const { return m_icon; }
    bool showsPicture() const { return !m_picture.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_icon;
    QImage m_picture;
    int m_side;
};
