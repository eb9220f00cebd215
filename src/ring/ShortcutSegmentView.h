#pragma once
// One wedge of a shortcut-like ring (an application's shortcut, a vault
// account or a saved tab) with its label, the page indicator shown in the
// ring's centre when there is more than one page, and the icons of ring
// items (symbol names or imported custom icon files).
//
// Angles are drawing angles in radians (0 at 3 o'clock, clockwise on screen);
// the wedge draws on a 380 x 380 frame centred on the ring centre.

#include "core/AppShortcut.h"
#include "ringkit/RingGlass.h"
#include "ringkit/RingShapes.h"
#include "ringkit/RingText.h"

#include <QIcon>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <optional>

class ShortcutRadialSegmentView : public RingWedgeGeometry<ShortcutRadialSegmentView> {
public:
    static constexpr double labelWidth = 104.0;

    AppShortcut shortcut { QString(), QString(), QString(), QString() };
    int totalShortcuts = 1;

    int wedgeCount() const { return totalShortcuts; }

    // The key combination; for a saved tab the site's host without "www.";
    // nothing when there is nothing to show.
    std::optional<QString> subtitle() const;

    // Where the label's centre sits: mid-radius on the wedge's centre line.
    QPointF labelCenter(QPointF centre) const { return midPoint(centre); }

    // The wedge's fill and edge; `selectedAmount` blends from the plain look
    // (0) to the selected one (1) while the selection animates.
    void paintWedge(QPainter& painter, QPointF centre, const RingPalette& palette, double selectedAmount) const;
    // The label: icon, name (2 lines) and subtitle. On the selected wedge
    // (the accent colour) white with a soft shadow; elsewhere in the
    // appearance's text colours, which stay legible on light and dark glass.
    RingText::Stack labelStack(const RingPalette& palette, bool selected) const;
};

// The icon of a ring item: a symbol name, or an imported PNG in the custom
// icons folder when the name begins with "custom_icon_". A custom icon that
// is missing, unreadable, oversized or not a safe file name shows the "photo"
// symbol instead. Images are cached per name; main thread only.
class RingItemIcons {
public:
    // A `side`-point square icon; symbols are drawn at `symbolSize` points in
    // `colour`, centred in the square.
    static QIcon icon(const QString& name, double side, double symbolSize, const QColor& colour);
    static void clearCache();
    // Files larger than this are not read.
    static constexpr qint64 maximumFileBytes = 8 * 1024 * 1024;
};

// The page indicator: dots for up to eight pages, else a count such as 3/12,
// on a small pill.
class RingPageDots {
public:
    int current = 0;
    int total = 1;
    bool isDark = false;

    bool showsCount() const { return total >= 9; }
    // "3/12" (localized).
    QString countText() const;
    // "Page 3 of 12" (localized).
    QString accessibilityLabel() const;
    // The pill's size in points.
    QSizeF size() const;

    QColor activeDot() const;
    QColor rim() const;
    QColor fillTop() const;
    QColor fillBottom() const;
    QColor highlightTop() const;
    QColor highlightBottom() const;
    QColor shadow() const;

    // Draws the pill centred on `centre`. `animatedCurrent` is the page the
    // dots are moving towards or from (current when at rest); it blends the
    // active dot's size and colour between neighbours.
    void paint(QPainter& painter, QPointF centre, double animatedCurrent, double opacity = 1.0) const;
};
