#pragma once
// Small shared views of the settings pages: a ring item's icon (a symbol or
// an imported image from the custom-icons folder), an application's icon from
// the icon theme, the buttons of the window's tab strip and the dotted
// backdrop of the ring preview.

#include "core/AppShortcut.h"
#include "editors/EditorChrome.h"
#include "ringkit/WidgetMotion.h"

#include <QAbstractButton>
#include <functional>
#include <QIcon>
#include <QWidget>
#include <optional>

class QPainter;
class Workspace;

namespace AppIcons {
// The icon of the installed application with this bundle identifier (its
// desktop entry's icon from the icon theme); nothing when it is not installed.
std::optional<QIcon> appIcon(Workspace& workspace, const QString& bundleIdentifier);
}

// An image from the custom-icons folder, or the "photo" placeholder when the
// file is missing or not an image. Loads when the name changes, not on every paint.
class CustomIconView : public QWidget {
    Q_OBJECT
public:
    CustomIconView(const QString& iconName, double side, QWidget* parent = nullptr);
    void setIconName(const QString& iconName);
    bool hasImage() const { return !m_image.isNull(); }
    int loadCount() const { return m_loads; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void load();
    QString m_name;
    double m_side;
    QImage m_image;
    int m_loads = 0;
};

// A shortcut's icon: its custom image or its symbol at 0.72 of the side.
class ShortcutIconView : public QWidget {
    Q_OBJECT
public:
    ShortcutIconView(const AppShortcut& shortcut, double side, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AppShortcut m_shortcut;
    double m_side;
    CustomIconView* m_custom = nullptr;
};

// One button of the tab strip: symbol above title, accent tint when selected,
// a faint tint under the pointer, a dotted ring when the keyboard focuses it.
class TabButton : public HoverButton {
    Q_OBJECT
public:
    TabButton(QString symbol, QWidget* parent = nullptr);
    // The chosen tab's fill: the accent at this opacity.
    static constexpr double selectedTint = 0.14;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // How the title is set at `width`: its font, and whether it takes two lines.
    struct Title {
        QFont font;
        bool wraps = false;
    };
    Title title(int width) const;
    // How much of the chosen tab's tint shows: 0 to 1, moving after a change.
    double selection() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString m_symbol;
    bool m_keyboardFocus = false;
    WidgetMotion* m_selection = nullptr;
};

namespace DottedPattern {
// Dots of `dotSize` every `spacing` points from the top-left corner,
// including the right and bottom edges when they fall on a multiple.
void paint(QPainter& painter, QSizeF size, double dotSize, double spacing, bool dark);
// The dot centres, for checks.
QList<QPointF> centres(QSizeF size, double spacing);
}

// A second line of text: the window text at reduced strength, following the
// palette when the appearance changes.
#include <QLabel>
class SecondaryLabel : public QLabel {
    Q_OBJECT
public:
    explicit SecondaryLabel(const QString& text = QString(), QWidget* parent = nullptr);
    static QColor colour(const QPalette& palette);

protected:
    void changeEvent(QEvent* event) override;

private:
    void follow();
    bool m_following = false;
};

// A round glyph button of a list row (move, edit, delete).
class RowActionButton : public HoverButton {
    Q_OBJECT
public:
    // The glyph's colour: the text colour, the secondary text colour (the
    // remove crosses of the list rows) or red (a shortcut's delete button).
    enum class Ink { Primary, Secondary, Destructive };
    RowActionButton(QString symbol, const QString& help, bool isDestructive, QWidget* parent = nullptr);
    RowActionButton(QString symbol, const QString& help, Ink ink, QWidget* parent = nullptr);
    QSize sizeHint() const override { return { 26, 26 }; }
    Ink ink() const { return m_ink; }
    // The colour the glyph is drawn in, as the button stands.
    QColor glyphColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_symbol;
    Ink m_ink;
};

// One row of a shortcut list: icon, name, subtitle and its buttons. The move
// and edit buttons are there only when their actions are given.
class ShortcutRowView : public QWidget {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> onDelete;
        std::function<void()> onMoveUp; // empty: no button
        std::function<void()> onMoveDown; // empty: no button
        std::function<void()> onEdit; // empty: no button
        bool canMoveUp = false;
        bool canMoveDown = false;
    };
    ShortcutRowView(const AppShortcut& shortcut, const Actions& actions, QWidget* parent = nullptr);
    // The key combination, else the link, else the text snippet, else "No action".
    static QString subtitle(const AppShortcut& shortcut);
    QList<RowActionButton*> buttons() const { return m_buttons; }

private:
    QList<RowActionButton*> m_buttons;
};

// One row of the pop-up lists of the settings pages: icon, title, detail and
// a checkmark that keeps its place.
class IconMenuRow : public HoverButton {
    Q_OBJECT
public:
    IconMenuRow(const QString& title, std::optional<QString> detail, std::optional<QIcon> appIcon,
        std::optional<QString> systemImage, bool isSelected, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    // How much of the pointer's tint shows: 0 to 1, easing after a change.
    double highlight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void followPointer();
    WidgetMotion* m_highlight = nullptr;
    std::optional<QString> m_detail;
    std::optional<QIcon> m_appIcon;
    std::optional<QString> m_systemImage;
    bool m_selected;
};

// The metrics and chevron badge of the settings pages' pop-up buttons.
namespace SettingsDropdownChrome {
constexpr double chevronSize = 26;
constexpr double horizontalPadding = 10;
constexpr double trailingReserve = chevronSize + 10;
// Draws the badge with its right edge `horizontalPadding` inside `button`.
// `openness` turns the chevron from pointing down (0) to up (1).
void paintChevron(QPainter& painter, const QRectF& button, double openness, const QColor& accent);
}
