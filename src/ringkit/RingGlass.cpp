#include "ringkit/RingGlass.h"

#include "ringkit/RingAnimation.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <vector>

RingPalette RingPalette::current(bool dark)
{
    RingPalette p;
    p.dark = dark;
    p.reduceTransparency = AnimationEngine::shared().reduceTransparency();
    if (qGuiApp) {
        const QColor highlight = QGuiApplication::palette().color(QPalette::Highlight);
        if (highlight.isValid() && highlight.alpha() > 0)
            p.accent = highlight;
    }
    return p;
}

QColor RingPalette::windowBackground() const { return RingGlass::windowBackgroundColor(dark); }

QColor RingPalette::primaryText() const
{
    return dark ? QColor::fromRgbF(1, 1, 1, 0.92f) : QColor::fromRgbF(0, 0, 0, 0.85f);
}

QColor RingPalette::secondaryText() const
{
    return dark ? QColor::fromRgbF(1, 1, 1, 0.55f) : QColor::fromRgbF(0, 0, 0, 0.5f);
}

QColor RingGlass::windowBackgroundColor(bool dark)
{
    return dark ? QColor(0x32, 0x32, 0x32) : QColor(0xEC, 0xEC, 0xEC);
}

RingGlass::Look RingGlass::transparencyPreference(bool reduceTransparency, bool dark)
{
    if (reduceTransparency) {
        QColor c = windowBackgroundColor(dark);
        c.setAlphaF(0.92f);
        return { State::inactive, c };
    }
    return { State::active, QColor(Qt::transparent) };
}

QColor RingGlass::materialColour(Material material, bool dark, bool emphasized)
{
    QColor c;
    switch (material) {
    case Material::popover:
        c = dark ? QColor(0x2C, 0x2C, 0x2E) : QColor(0xF6, 0xF6, 0xF6);
        c.setAlphaF(emphasized ? 0.80f : 0.74f);
        break;
    case Material::underWindowBackground:
        c = dark ? QColor(0x28, 0x28, 0x2A) : QColor(0xE4, 0xE4, 0xE6);
        // Dark glass is denser: over a white desktop white labels must still
        // stand out at 4.5:1.
        c.setAlphaF(dark ? (emphasized ? 0.80f : 0.74f) : (emphasized ? 0.72f : 0.66f));
        break;
    }
    return c;
}

RingGlass::RingGlass(const QPainterPath& s, Material m, bool e, double scrim, BlendingMode b)
    : shape(s)
    , material(m)
    , blendingMode(b)
    , emphasized(e)
    , scrimOpacity(scrim)
{
}

void RingGlass::paint(QPainter& painter, const RingPalette& palette) const
{
    const Look look = transparencyPreference(palette.reduceTransparency, palette.dark);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(
        look.state == State::inactive ? look.layerBackground : materialColour(material, palette.dark, emphasized));
    painter.drawPath(shape);
    if (scrimOpacity > 0.0) {
        QColor scrim = windowBackgroundColor(palette.dark);
        scrim.setAlphaF(float(std::min(scrimOpacity, 1.0)));
        painter.setBrush(scrim);
        painter.drawPath(shape);
    }
    painter.restore();
}

QColor RingGlass::fillColour(const RingPalette& palette) const
{
    const Look look = transparencyPreference(palette.reduceTransparency, palette.dark);
    const QColor glass
        = look.state == State::inactive ? look.layerBackground : materialColour(material, palette.dark, emphasized);
    if (!(scrimOpacity > 0.0))
        return glass;
    QColor scrim = windowBackgroundColor(palette.dark);
    scrim.setAlphaF(float(std::min(scrimOpacity, 1.0)));
    return RingGlass::over(scrim, glass);
}

QColor RingGlass::over(const QColor& top, const QColor& bottom)
{
    // Source-over in premultiplied terms, returned unpremultiplied.
    const double ta = top.alphaF(), ba = bottom.alphaF();
    const double a = ta + ba * (1.0 - ta);
    if (a <= 0.0)
        return QColor(Qt::transparent);
    const auto channel
        = [&](double t, double b) { return float(std::clamp((t * ta + b * ba * (1.0 - ta)) / a, 0.0, 1.0)); };
    return QColor::fromRgbF(channel(top.redF(), bottom.redF()), channel(top.greenF(), bottom.greenF()),
        channel(top.blueF(), bottom.blueF()), float(a));
}

void RingGlass::paintBandGlass(QPainter& painter, const QPainterPath& bandShape, const RingPalette& palette)
{
    RingGlass(bandShape, Material::underWindowBackground, false, 0.0, BlendingMode::withinWindow)
        .paint(painter, palette);
}

bool RingGlass::requestBlurBehind(QWindow* window, const QRegion& region)
{
    if (!window || !qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return false;
    // Only a window manager that knows the hint has created its atom.
    static const char name[] = "_KDE_NET_WM_BLUR_BEHIND_REGION";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof(name) - 1, name), nullptr);
    if (!atom || atom->atom == XCB_ATOM_NONE) {
        free(atom);
        return false;
    }
    const qreal dpr = window->devicePixelRatio();
    std::vector<uint32_t> rects;
    for (const QRect& r : region) {
        rects.push_back(uint32_t(qRound(r.x() * dpr)));
        rects.push_back(uint32_t(qRound(r.y() * dpr)));
        rects.push_back(uint32_t(qRound(r.width() * dpr)));
        rects.push_back(uint32_t(qRound(r.height() * dpr)));
    }
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), atom->atom, XCB_ATOM_CARDINAL, 32,
        uint32_t(rects.size()), rects.data());
    xcb_flush(c);
    free(atom);
    return true;
}
