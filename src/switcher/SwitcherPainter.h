#pragma once
// Draws frames of the switcher ring from its layout: the band, the wedges
// with their icons, the window fan and the centre icon, blurred as a whole
// while the ring opens, and from one layer while it rests.

#include <QHash>
#include <QImage>
#include <QSize>
#include <functional>

#include "ringkit/CenterAppIcon.h"
#include "ringkit/RingEffects.h"
#include "ringkit/RingGlass.h"
#include "ringkit/WindowArcCard.h"
#include "switcher/SwitcherLayout.h"

class QPainter;

class SwitcherPainter {
public:
    explicit SwitcherPainter(const SwitcherLayout& layout)
        : m_layout(layout)
    {
    }

    // Draws the ring as it looks now on a `size` widget, its top-left at the
    // painter's origin; `devicePixelRatio` when the painter has no device.
    void paintRing(QPainter& p, QSize size, double devicePixelRatio) const;
    // Wedge `i`'s shape in a look (0 plain ... 1 selected, in 32nds) at a
    // resolution (device pixels per point), from its cache; `box` receives
    // where it goes on the stage.
    const QImage& wedgeLook(int i, double quantized, double deviceScale, const RingPalette& palette, QRectF& box) const;

    // While set, frames are drawn as a ring in motion (prerendering its poses).
    void setPaintsMoving(bool moving) { m_paintsMoving = moving; }
    // The settled ring's layer is drawn again for the next list.
    void clearRestLayer() { m_restLayer.clear(); }
    // While set, every frame is drawn whole, as a reference for the
    // shortcuts the motion takes (frames left out, pieces kept from the
    // frame before): they must give the same pixels.
    void setFullDrawing(bool full) { m_fullDrawing = full; }
    // Frees what only a moving ring draws with (the blur layer, the band's
    // image at its last radii): kept from frame to frame, not between
    // showings. The resting looks stay, for the next showing's first frame.
    void releaseMotionBuffers() const
    {
        m_blurLayer.release();
        m_layout.band.releaseCache();
    }

private:
    // `turn` turns the painter for the ring's spin; `bandTurns` false leaves
    // the band out of it.
    void paintStage(QPainter& p, const RingPalette& palette, double deviceScale,
        const std::function<void(QPainter&)>& turn, bool bandTurns) const;
    void paintWedges(QPainter& p, const RingPalette& palette, double deviceScale) const;
    void paintFan(QPainter& p, const SwitcherLayout::Fan& fan, double opacity, const RingPalette& palette) const;
    void paintCenter(QPainter& p) const;
    // Nothing of the ring can be seen: all of it has faded out.
    bool showsNothing() const;

    const SwitcherLayout& m_layout;
    mutable RingLayerCache m_restLayer;
    mutable bool m_paintedAtRest = false; // the last frame painted showed the ring at rest
    bool m_paintsMoving = false;
    bool m_fullDrawing = false;
    mutable QHash<quint64, RingLayerCache> m_wedgeLayers; // resting looks of the wedges, by shape and look
    mutable RingBlurLayer m_blurLayer; // while the ring opens blurred
    mutable WindowArcCardCache m_cards;
    // The centre icons of a cross-fade, each blurred once.
    mutable CenterIconPainter m_centrePainter;
};
