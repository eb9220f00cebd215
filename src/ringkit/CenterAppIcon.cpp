#include "ringkit/CenterAppIcon.h"

#include "core/AppSettings.h"
#include "ringkit/RingAnimation.h"
#include "platform/Screens.h"
#include "ringkit/RingEffects.h"

#include <QCache>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
bool screenContains(const QRectF& f, QPointF p)
{
    return p.x() >= f.left() && p.x() < f.left() + f.width() && p.y() >= f.top() && p.y() < f.top() + f.height();
}

constexpr double kDegToRad = std::numbers::pi / 180.0;
}

CenterAppIconView::Tilt CenterAppIconView::tilt(
    bool enable3DEffects, bool reduceMotion, double ringScale, const QList<QRectF>& screens) const
{
    if (!(isInteractive && enable3DEffects && !reduceMotion) || !pointer)
        return {};
    const QPointF p = *pointer;
    const QRectF* screen = nullptr;
    for (const QRectF& f : screens) {
        if (screenContains(f, p)) {
            screen = &f;
            break;
        }
    }
    if (!screen)
        return {};
    const QPointF centre = ringCenter == QPointF(0, 0) ? screen->center() : ringCenter;
    const double dx = p.x() - centre.x(), dy = p.y() - centre.y();
    const double distance = std::hypot(dx, dy);
    const double strength = std::min(distance / restRadius, 1.0);
    const double reach = tiltReach * ringScale;
    double vx = dx / reach, vy = dy / reach;
    const double len = std::hypot(vx, vy);
    if (len > 1.0) {
        vx /= len;
        vy /= len;
    }
    const Tilt t { strength * vx, strength * vy };
    if (!std::isfinite(t.x) || !std::isfinite(t.y))
        return {};
    return t;
}

CenterAppIconView::Tilt CenterAppIconView::currentTilt(const Screens& screens) const
{
    QList<QRectF> frames;
    for (const ScreenInfo& s : screens.screens())
        frames << s.frame;
    const AppSettings& settings = AppSettings::shared();
    return tilt(settings.enable3DEffects(), AnimationEngine::shared().reduceMotion(), settings.ringScale(), frames);
}

QImage CenterAppIconView::render(const QIcon& icon, double rotationX, double rotationY, double deviceScale)
{
    static QCache<QString, QImage> cache(8 * 1024 * 1024);
    const double scale = std::clamp(deviceScale, 0.25, 8.0);
    const QString key = QString::number(icon.cacheKey()) + u'|' + QString::number(rotationX, 'f', 2) + u'|'
        + QString::number(rotationY, 'f', 2) + u'|' + QString::number(scale);
    if (const QImage* hit = cache.object(key))
        return *hit;

    // Room for the 120-point frame and the broad shadow (radius 26) around it.
    const double side = frameSide + 2.0 * 40.0;
    const int px = int(std::ceil(side * scale));
    QImage icon48 = CenterIconPainter::flatTile(icon, scale);
    icon48.setDevicePixelRatio(scale);

    // Everything below in device pixels; the result carries the scale.
    QImage content(px, px, QImage::Format_ARGB32_Premultiplied);
    content.fill(Qt::transparent);
    const QPointF mid(side / 2.0, side / 2.0);
    {
        QPainter p(&content);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.scale(scale, scale);
        // The two turns in depth (x, then y) about the icon's centre, perspective 1 over its 48-point frame.
        const QTransform turnX = RingEffects::rotation3D(
            mid, QSizeF(iconSide, iconSide), rotationX * kDegToRad, QVector3D(1, 0, 0), 0.0, 1.0);
        const QTransform turnY = RingEffects::rotation3D(
            mid, QSizeF(iconSide, iconSide), rotationY * kDegToRad, QVector3D(0, 1, 0), 0.0, 1.0);
        p.setTransform(turnX * turnY, true);
        const double s = iconSide * 1.05;
        p.drawImage(QRectF(mid.x() - s / 2.0, mid.y() - s / 2.0, s, s), icon48);
    }

    QImage out(px, px, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    {
        QPainter p(&out);
        const auto shadow = [&](double opacity, double radius, QPointF offset) {
            QImage s(content.size(), QImage::Format_ARGB32_Premultiplied);
            s.fill(Qt::transparent);
            {
                QPainter sp(&s);
                sp.drawImage(QPointF(offset.x() * scale, offset.y() * scale), content);
                sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
                sp.fillRect(s.rect(), QColor::fromRgbF(0, 0, 0, float(opacity)));
            }
            RingEffects::boxBlur(s, radius * scale / 2.0);
            p.drawImage(QPointF(0, 0), s);
        };
        shadow(0.2, 26.0, broadShadowOffset(rotationX, rotationY));
        shadow(0.13, 7.0, closeShadowOffset(rotationX, rotationY));
        p.drawImage(QPointF(0, 0), content);
    }
    out.setDevicePixelRatio(scale);
    cache.insert(key, new QImage(out), int(out.sizeInBytes()));
    return out;
}

void CenterAppIconView::paint(QPainter& painter, QPointF centre, const QIcon& icon, double rotationX, double rotationY)
{
    const QTransform& t = painter.worldTransform();
    const double dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const double det = std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
    const double scale = std::max(0.5, std::ceil(det * dpr * 2.0) / 2.0);
    const QImage img = render(icon, rotationX, rotationY, scale);
    const double half = double(img.width()) / scale / 2.0;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QPointF(centre.x() - half, centre.y() - half), img);
    painter.restore();
}

// ---- TiltingCenterAppIcon ------------------------------------------------------------

TiltingCenterAppIcon::TiltingCenterAppIcon(const Screens& screens, QObject* parent)
    : QObject(parent)
    , m_screens(screens)
    , m_rotationX(0.0, RestTolerance::degrees)
    , m_rotationY(0.0, RestTolerance::degrees)
{
    m_view.maxTiltAngle = 22.0;
    m_view.isInteractive = true;
}

void TiltingCenterAppIcon::setIcon(const QIcon& icon)
{
    m_view.icon = icon;
    Q_EMIT tiltChanged();
}

void TiltingCenterAppIcon::setRingCenter(QPointF centre)
{
    m_view.ringCenter = centre;
    retarget();
}

void TiltingCenterAppIcon::setPointer(std::optional<QPointF> pointer)
{
    m_view.pointer = pointer;
    retarget();
}

void TiltingCenterAppIcon::retarget()
{
    const CenterAppIconView::Tilt t = m_view.currentTilt(m_screens);
    const RingAnimation ease = RingAnimation::easeOut(0.15);
    const double x = m_view.rotationX(t), y = m_view.rotationY(t);
    if (x == m_rotationX.target() && y == m_rotationY.target())
        return;
    m_rotationX.animateTo(x, ease);
    m_rotationY.animateTo(y, ease);
    Q_EMIT tiltChanged();
}

void TiltingCenterAppIcon::paint(QPainter& painter, QPointF centre) const
{
    m_painter.paint(painter, centre, m_view.icon, rotationX(), rotationY());
}

// ---- CenterIconPainter ---------------------------------------------------------------

QImage CenterIconPainter::flatTile(const QIcon& icon, double scale)
{
    const double side = CenterAppIconView::iconSide;
    // A clear pixel all round: the tile is drawn tilted, and its filtering
    // then softens its outline, with no antialiasing needed.
    const int px = int(std::ceil(side * 1.05 * scale)) + 2;
    QImage tile(px, px, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    if (icon.isNull())
        return tile;
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.translate(1.0, 1.0);
    p.scale(scale * 1.05, scale * 1.05);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(0, 0, side, side), 10, 10);
    p.setClipPath(clip);
    icon.paint(&p, QRect(0, 0, int(side), int(side)));
    return tile;
}

void CenterIconPainter::paint(QPainter& p, QPointF c, const QIcon& icon, double rotationX, double rotationY)
{
    if (icon.isNull())
        return;
    const QTransform& t = p.worldTransform();
    const double dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const double scale = std::clamp(std::ceil(std::sqrt(std::abs(t.determinant())) * dpr * 2.0) / 2.0, 0.5, 8.0);
    const double side = CenterAppIconView::iconSide;

    Images* images = nullptr;
    for (Images& candidate : m_images) {
        if (candidate.iconKey == icon.cacheKey() && candidate.scale == scale)
            images = &candidate;
    }
    if (!images) {
        // The entry used longest ago makes way.
        images = m_images[0].lastUse <= m_images[1].lastUse ? &m_images[0] : &m_images[1];
        images->iconKey = icon.cacheKey();
        images->scale = scale;
        images->icon = flatTile(icon, scale);
        const auto shadow = [&](double opacity, double radius) {
            const int pad = int(std::ceil(shadowPadding * scale));
            QImage s(
                images->icon.width() + 2 * pad, images->icon.height() + 2 * pad, QImage::Format_ARGB32_Premultiplied);
            s.fill(Qt::transparent);
            {
                QPainter sp(&s);
                sp.drawImage(QPoint(pad, pad), images->icon);
                sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
                sp.fillRect(s.rect(), QColor::fromRgbF(0, 0, 0, float(opacity)));
            }
            RingEffects::boxBlur(s, radius * scale / 2.0);
            return s;
        };
        images->broadShadow = shadow(0.2, 26.0);
        images->closeShadow = shadow(0.13, 7.0);
    }
    images->lastUse = ++m_uses;

    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // Each image at the size it was made for (its pixels are 1 / scale
    // points): copied, not resampled, while the painter neither turns nor scales.
    RingEffects::drawImageCentered(
        p, c + CenterAppIconView::broadShadowOffset(rotationX, rotationY), images->broadShadow, scale);
    RingEffects::drawImageCentered(
        p, c + CenterAppIconView::closeShadowOffset(rotationX, rotationY), images->closeShadow, scale);
    if (rotationX != 0.0 || rotationY != 0.0) {
        const QTransform turnX
            = RingEffects::rotation3D(c, QSizeF(side, side), rotationX * kDegToRad, QVector3D(1, 0, 0), 0.0, 1.0);
        const QTransform turnY
            = RingEffects::rotation3D(c, QSizeF(side, side), rotationY * kDegToRad, QVector3D(0, 1, 0), 0.0, 1.0);
        p.setTransform(turnX * turnY, true);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    RingEffects::drawImageCentered(p, c, images->icon, scale);
    p.restore();
}
