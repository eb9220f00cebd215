#pragma once
// Glass of the rings. With a compositing manager the glass is a translucent
// tinted fill of the material's colour; under Reduce Transparency (or when
// nothing can composite translucent windows) it becomes the opaque window
// background at alpha 0.92. A tinted scrim of the window background is laid
// over it. Where the window manager can blur what lies behind a window
// (KWin's blur-behind hint), requestBlurBehind asks for it.

#include <QColor>
#include <QPainterPath>
#include <QRegion>

class QPainter;
class QWindow;

// Colours and preferences one frame of a ring is drawn with.
struct RingPalette {
    bool dark = false;
    bool reduceTransparency = false;
    QColor accent = QColor(0, 122, 255);

    // The desktop's preferences and accent colour now, in the light or dark
    // shade of whoever draws (its own appearance port, or its widget's palette).
    static RingPalette current(bool dark);

    QColor windowBackground() const;
    QColor primaryText() const;
    QColor secondaryText() const;
    bool operator==(const RingPalette&) const = default;
};

class RingGlass {
public:
    enum class Material { popover = 6, underWindowBackground = 21 };
    enum class BlendingMode { behindWindow = 0, withinWindow = 1 };
    enum class State { active = 1, inactive = 2 };

    // What the transparency preference makes of a piece of glass.
    struct Look {
        State state;
        QColor layerBackground; // clear when active
    };
    static Look transparencyPreference(bool reduceTransparency, bool dark);
    static QColor windowBackgroundColor(bool dark);
    // The translucent colour standing in for a material's live blur.
    static QColor materialColour(Material material, bool dark, bool emphasized);

    QPainterPath shape;
    Material material = Material::underWindowBackground;
    BlendingMode blendingMode = BlendingMode::behindWindow;
    bool emphasized = false;
    double scrimOpacity = 0.0;

    RingGlass(const QPainterPath& shape, Material material, bool emphasized, double scrimOpacity,
        BlendingMode blendingMode = BlendingMode::behindWindow);

    // The glass (material or opaque fill) and then the scrim, both inside `shape`.
    void paint(QPainter& painter, const RingPalette& palette) const;
    // `top` laid over `bottom` (source over).
    static QColor over(const QColor& top, const QColor& bottom);
    // The one colour `paint` leaves inside the shape (the scrim laid over the glass).
    QColor fillColour(const RingPalette& palette) const;

    // The band's backdrop: under-window material, within-window blending, a
    // disc of the band canvas cut to `bandShape`, no scrim.
    static void paintBandGlass(QPainter& painter, const QPainterPath& bandShape, const RingPalette& palette);

    // Asks the window manager to blur what lies behind `region` (window
    // coordinates) of `window`. False when the desktop offers no such hint.
    static bool requestBlurBehind(QWindow* window, const QRegion& region);
};
