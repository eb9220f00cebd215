#pragma once
// The launch notice: a small panel that says Kelvaro is running, hanging
// from the tray icon with an arrow pointing at it (below the icon on a top
// panel, above it on a bottom panel), on the screen that holds the icon; in
// the top-right corner of the primary screen when the tray reports no icon
// position. It shows the switcher hotkey being pressed, a checkbox for
// showing the notice at every launch and a "Settings…" button.
//
// Coordinates are Qt's global ones: origin at the top-left of the virtual
// desktop, y downwards.

#include <QList>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <functional>
#include <optional>

namespace LaunchPopover {
constexpr int arrowHeight = 11;
constexpr int arrowWidth = 22;
constexpr int corner = 14;
constexpr QSize size { 400, 220 };

struct ScreenArea {
    QRect geometry; // the whole screen
    QRect available; // without panels
};
struct Placement {
    QPoint origin;
    int arrowX = 0; // the arrow tip's x within the notice
    bool arrowBelow = false; // the notice sits above the icon (a bottom panel)
    bool operator==(const Placement&) const = default;
};

// Where a notice of `size` goes for the icon frame `item`; `screens` holds
// the primary screen first. Centered on the icon and kept 8 points inside the
// screen's available area, 2 points clear of the icon; without an icon 12
// points in from the right and 8 below the top of the primary screen's
// available area.
Placement place(QSize size, std::optional<QRect> item, const QList<ScreenArea>& screens);
// The screens as Qt sees them now, primary first.
QList<ScreenArea> currentScreens();
// The icon's frame as the tray reports it, or nothing when the tray gave no
// usable geometry (empty, or on no screen).
std::optional<QRect> usableIconFrame(QRect reported, const QList<ScreenArea>& screens);

// The outline of the panel with its arrow (tip clamped away from the corners).
QPainterPath outline(QRectF rect, double arrowX, bool arrowBelow);
}

class QBoxLayout;
class QCheckBox;
class QPushButton;

class LaunchPopoverView : public QWidget {
    Q_OBJECT
public:
    LaunchPopoverView(int arrowX, bool arrowBelow, std::function<void()> onOpenSettings,
        std::function<void()> onDismiss, QWidget* parent = nullptr);

    int arrowX() const { return m_arrowX; }
    QCheckBox* showAtLaunch() const { return m_check; }
    QPushButton* settingsButton() const { return m_settings; }
    QString hintText() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void rebuildMessage();
    int m_arrowX;
    bool m_arrowBelow;
    std::function<void()> m_onOpenSettings;
    std::function<void()> m_onDismiss;
    QWidget* m_message = nullptr;
    QCheckBox* m_check = nullptr;
    QPushButton* m_settings = nullptr;
    QBoxLayout* m_footer = nullptr;
};
