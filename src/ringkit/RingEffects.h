#pragma once
// Depth turns and blur used by the ring drawings.

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>
#include <QVector3D>
#include <algorithm>
#include <cmath>
#include <functional>

class QPainter;

struct RingEffects {
    // A turn in depth of a flat view, seen in perspective, as a 2D projective
    // transform of the view's plane. The view is `frame` large and centred on
    // `anchor`; it turns by `angle` radians about `axis` (x right, y down, z
    // towards the viewer; a positive turn about +x sends the top edge away)
    // through the point (anchor, anchorZ); the projection's eye sits at
    // max(frame) / perspective in front of the anchor.
    static QTransform rotation3D(
        QPointF anchor, QSizeF frame, double angle, QVector3D axis, double anchorZ, double perspective);

    // An approximately Gaussian blur of standard deviation `radius` (in the
    // image's points) by three box passes, run on a downscaled copy when the
    // radius is large: cheap enough to blur a whole ring every frame.
    static QImage blurred(const QImage& image, double radius);
    // In place, at full resolution (small images such as shadows).
    static void boxBlur(QImage& image, double sigmaPixels);
    // How many pixels beyond what it holds boxBlur spreads an image: the
    // sum of its passes' radii. Past it the blur adds exactly nothing.
    static int boxBlurReach(double sigmaPixels);
    // Device pixels per point at which a layer about to be blurred by
    // `radius` points loses nothing visible: a wide blur needs few pixels.
    static double blurLayerScale(double radius, double devicePixelRatio);
    // `source` (premultiplied ARGB32) enlarged or reduced into all of
    // `target` (same format, already sized) by bilinear filtering, sampled
    // where the raster engine samples a scaled image. Separable: each source
    // row is widened once, and the rows between two of them are plain blends,
    // several times cheaper than a transformed draw of the same image.
    static void resampleBilinear(const QImage& source, QImage& target);

    // painter.drawImage(target, image), for an image drawn turned or
    // scaled: in bands of at most `bandRows` device rows. Qt's raster engine
    // hands every draw taller than about a hundred rows to its thread pool
    // in pieces and waits for them; for the middle-sized images a moving
    // ring draws by the dozen, waking those threads costs more than the
    // drawing (and far more on a busy machine). A clipped painter draws at once.
    // An image that lands pixel for pixel on the device is copied unfiltered.
    static void drawImageInBands(QPainter& painter, const QRectF& target, const QImage& image, int bandRows = 64);
    // The same for an image that holds nothing outside the ring from
    // `inner` to `outer` about `centre` (all in the painter's coordinates):
    // each band is clipped to the ring, so a turned or scaled piece of it is
    // resampled only where it can hold something, not over its whole
    // square and hole. The ring is widened here by the filter's spread and
    // the antialiasing at either edge: two pixels of the image.
    static void drawImageInRing(
        QPainter& painter, const QRectF& target, const QImage& image, QPointF centre, double inner, double outer);
    // `image`, whose pixels are 1 / `pixelsPerPoint` points, centred on
    // `centre`. Where the painter neither turns nor scales and the image has
    // the device's resolution, it is moved by under half a pixel onto whole
    // device pixels and copied.
    static void drawImageCentered(QPainter& painter, QPointF centre, const QImage& image, double pixelsPerPoint);
    // `image` in premultiplied ARGB and, when wider than `width` pixels,
    // smoothly reduced to that width, its size in points kept. Reductions
    // are kept by image and width: a ring asks for the same few icons at
    // the same few widths every showing, and at two widths in turn within
    // one (drawn small in the blurred layer, then sharp).
    static QImage reducedToWidth(const QImage& image, int width);
    // `image` with a clear pixel all round (the image itself when it has
    // one): drawn turned or scaled, its filtering then softens its outline
    // and the painter needs no antialiasing, one span a row.
    static QImage withClearEdge(const QImage& image);
    // True when every pixel on the image's outer edge is fully transparent.
    static bool hasClearEdge(const QImage& image);
    // A clear image `points` in size at `scale` device pixels per point (its
    // pixel ratio), painted by `draw` in points, antialiased, with smooth
    // image transforms.
    static QImage paintedAtScale(QSizeF points, double scale, const std::function<void(QPainter&)>& draw);
    // The disc of `radius` about `centre`, as strips `strip` pixels high on
    // a grid laid from `centre`: concentric discs share their strips, so
    // their union has no more rectangles than the larger. Repainting and
    // sending a round ring's disc, not its square, leaves out a sixth of
    // the pixels the display server copies and blends every frame.
    static QRegion discRegion(QPoint centre, double radius, int strip = 16);
    // The same for the ring between two circles: strips that leave out what
    // lies inside the inner circle all along their rows.
    static QRegion ringRegion(QPoint centre, double inner, double outer, int strip = 16);
    // `rect` grown outwards to whole pixels at `pixelsPerPoint`.
    static QRectF outwardToPixels(const QRectF& rect, double pixelsPerPoint);
    // True when `image` drawn into `target` covers whole device pixels at
    // its own size: no turn, no scaling, no fraction of a pixel.
    static bool landsOnPixels(const QPainter& painter, const QRectF& target, const QImage& image);
    // The same for any drawing within `target` (world coordinates): `paint`
    // runs once per band of `bandRows` device rows, clipped to it. An
    // antialiased path has several spans a row (each edge's partly covered
    // pixels): a few rows a band keep it off the pool.
    // The most rectangles one row of the device's clip has (1 without one):
    // a frame that repaints only where something moved is clipped to many,
    // and each is a span of its own for every row a band draws.
    static int clipRectsPerRow(const QPainter& painter);
    static void paintInBands(QPainter& painter, const QRectF& target, const std::function<void()>& paint, int bandRows);
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
    // Whether layer() would return the image it holds without drawing.
    bool holds(quint64 key, QSizeF size, double deviceScale) const;
    void clear()
    {
        m_valid = false;
        m_image = QImage();
    }

private:
    quint64 m_key = 0;
    QSizeF m_size;
    double m_scale = 0.0;
    bool m_valid = false;
    QImage m_image;
};

// The whole ring drawn blurred while it opens or closes: painted into a
// layer at the resolution the blur leaves (at most half a pixel per point,
// in quarter steps, so the layers cached for one resolution serve the next
// frames too), softened with a box blur and drawn back enlarged. Only the
// part of the stage that holds something (plus the blur's spread) is
// painted, blurred and drawn. The layer's memory is kept between frames.
class RingBlurLayer {
public:
    // A blur of a point or less is left out: it cannot be seen on a moving ring.
    static constexpr double threshold = 1.0;
    static bool isWanted(double blurPoints) { return blurPoints > threshold; }
    // Device pixels per point of the layer for a blur at a device scale.
    static double layerScale(double blurPoints, double deviceScale);
    // How far beyond its content the blurred layer can draw (points): the
    // box passes' reach, a layer pixel for content ending inside a pixel
    // and one for the enlargement's filter, and a pixel for its placement.
    static double spread(double blurPoints, double deviceScale);

    // Draws `paint` (in stage points; the second argument is the layer's
    // pixels per point) blurred by `blurPoints` into `painter`, whose
    // coordinates are stage points. `content` bounds what `paint` draws.
    void draw(QPainter& painter, const QRectF& content, double blurPoints, double deviceScale,
        const std::function<void(QPainter&, double)>& paint);
    // Frees the memory kept between frames (a showing's next frame takes it
    // again): about a megabyte that would otherwise sit idle between showings.
    void release();

private:
    // The layer and its enlargement, each a view on memory kept between frames.
    QImage m_image;
    QImage m_enlarged;
    QImage m_imageStore;
    QImage m_enlargedStore;
};

// A blurred copy of one image, kept while the image and the blur (in steps
// of half a point, whole points from four points on) stay the same: an
// opening ring asks for a slightly wider or narrower blur every frame, and
// most frames land on the step before.
class RingBlurCache {
public:
    // The blur actually applied for `radius` points.
    static double quantized(double radius)
    {
        return radius < 4.0 ? std::max(0.0, std::round(radius * 2.0) / 2.0) : std::round(radius);
    }
    // `image` blurred by quantized(`radius`) points (a point being a pixel
    // of the image over its pixel ratio); with `pad`, on a canvas grown by
    // three times the blur on every side, so it spreads beyond the edge and
    // fades out before the canvas's own edge, which stays clear. With
    // `maxWidth`, an image wider than that many pixels is first reduced to
    // it (its size in points stays). A blur under half a point returns the
    // image itself.
    const QImage& blurred(const QImage& image, double radius, bool pad, int maxWidth = 0);
    void clear();

private:
    qint64 m_source = 0;
    double m_radius = -1.0;
    bool m_padded = false;
    int m_maxWidth = 0;
    QImage m_image;
    QImage m_sourceImage;
};
