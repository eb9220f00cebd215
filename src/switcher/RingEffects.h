#pragma once
// Depth turns and blur used by the ring drawings.

#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QTransform>
#include <QVector3D>

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
};
