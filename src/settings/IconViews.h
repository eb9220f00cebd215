#pragma once
// Small shared views of the settings pages: a ring item's icon (a symbol or
// an imported image from the custom-icons folder), an application's icon from
// the icon theme, the buttons of the window's tab strip and the dotted
// backdrop of the ring preview.

#include "core/AppShortcut.h"

#include <QAbstractButton>
#include <QIcon>
#include <QWidget>
#include <optional>

class QPainter;

namespace AppIcons {
// The icon of the installed application with this bundle identifier (its
// desktop entry's icon from the icon theme); nothing when it is not installed.
std::optional<QIcon> appIcon(const QString& bundleIdentifier);
}

// An image from the custom-icons folder, or the "photo" placeholder when the
// file is missing or not an image. Loads when the name changes, not on every paint.
class CustomIconView : public QWidget {
    Q_OBJECT
public:
    CustomIconView(QString iconName, double side, QWidget* parent = nullptr);
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
// a faint tint under the pointer.
class TabButton : public QAbstractButton {
    Q_OBJECT
public:
    TabButton(QString symbol, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString m_symbol;
    bool m_hovering = false;
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
