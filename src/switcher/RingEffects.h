#pragma once
// Depth turns and blur used by the ring drawings.

#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QTransform>
#include <QVector3D>
#include <functional>

class QPainter;

struct RingEffects {
    // A turn in depth of a flat view, seen in perspective, as a 2D projective
    // transform of the view's plane. The view is `frame` large and centred on
    // `anchor`; it turns by `angle` radians about `axis` (x right, y down, z
    // towards the viewer; a positive turn about +x sends the top edge away)
    // through the point (anchor, anchorZ); the projection's eye sits at
    // max(frame) / perspective in front of the anchor.
    static QTransform rotation3D(QPointF anchor, QSizeF frame, double angle, QVector3D axis, double anchorZ,
                                 double perspective);

    // An approximately Gaussian blur of standard deviation `radius` (in the
    // image's points) by three box passes, run on a downscaled copy when the
    // radius is large: cheap enough to blur a whole ring every frame.
    static QImage blurred(const QImage& image, double radius);
    // In place, at full resolution (small images such as shadows).
    static void boxBlur(QImage& image, double sigmaPixels);
    // Device pixels per point at which a layer about to be blurred by
    // `radius` points loses nothing visible: a wide blur needs few pixels.
    static double blurLayerScale(double radius, double devicePixelRatio);
};

// One drawn layer kept between frames: redrawn only when its key or its
// resolution changes. Painting a ring's paths costs far more than copying an
// image of them, so everything that does not move is drawn from a layer.
class RingLayerCache {
public:
    // The layer of `size` points at `deviceScale` pixels per point for `key`;
    // `draw` paints it (in points, origin at the top left) when it is missing.
    const QImage& layer(quint64 key, QSizeF size, double deviceScale, const std::function<void(QPainter&)>& draw);
    bool isValid() const { return m_valid; }
    void clear() { m_valid = false; m_image = QImage(); }

private:
    quint64 m_key = 0;
    QSizeF m_size;
    double m_scale = 0.0;
    bool m_valid = false;
    QImage m_image;
};
