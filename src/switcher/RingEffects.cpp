#include "switcher/RingEffects.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

QTransform RingEffects::rotation3D(QPointF anchor, QSizeF frame, double angle, QVector3D axis, double anchorZ,
                                   double perspective)
{
    const double len = axis.length();
    if (len <= 0.0 || !std::isfinite(angle))
        return {};
    const double ux = axis.x() / len, uy = axis.y() / len, uz = axis.z() / len;
    const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
    // Rodrigues' rotation matrix.
    const double m[3][3] = {
        { t * ux * ux + c, t * ux * uy - s * uz, t * ux * uz + s * uy },
        { t * ux * uy + s * uz, t * uy * uy + c, t * uy * uz - s * ux },
        { t * ux * uz - s * uy, t * uy * uz + s * ux, t * uz * uz + c },
    };
    const double side = std::max(frame.width(), frame.height());
    const double eye = perspective > 0.0 && side > 0.0 ? side / perspective : 0.0;

    const double hw = std::max(frame.width(), 1.0) / 2.0, hh = std::max(frame.height(), 1.0) / 2.0;
    const std::array<QPointF, 4> corners = { QPointF(-hw, -hh), QPointF(hw, -hh), QPointF(hw, hh), QPointF(-hw, hh) };
    QPolygonF from, to;
    for (const QPointF& q : corners) {
        const double x = q.x(), y = q.y(), z = -anchorZ;
        double X = m[0][0] * x + m[0][1] * y + m[0][2] * z;
        double Y = m[1][0] * x + m[1][1] * y + m[1][2] * z;
        const double Z = m[2][0] * x + m[2][1] * y + m[2][2] * z + anchorZ;
        if (eye > 0.0) {
            const double k = eye / std::max(eye - Z, eye * 0.05);
            X *= k;
            Y *= k;
        }
        from << anchor + q;
        to << anchor + QPointF(X, Y);
    }
    QTransform result;
    if (!QTransform::quadToQuad(from, to, result))
        return {};
    return result;
}

namespace {
// One horizontal box pass of radius r over premultiplied ARGB rows (src -> dst).
void boxPassH(const quint32* src, quint32* dst, int w, int h, int stride, int r)
{
    const int win = 2 * r + 1;
    for (int y = 0; y < h; ++y) {
        const quint32* in = src + y * stride;
        quint32* out = dst + y * stride;
        int sa = 0, sr = 0, sg = 0, sb = 0;
        const auto add = [&](quint32 p, int sign) {
            sa += sign * int(p >> 24);
            sr += sign * int((p >> 16) & 0xff);
            sg += sign * int((p >> 8) & 0xff);
            sb += sign * int(p & 0xff);
        };
        for (int i = -r; i <= r; ++i)
            add(in[std::clamp(i, 0, w - 1)], 1);
        for (int x = 0; x < w; ++x) {
            out[x] = (quint32(sa / win) << 24) | (quint32(sr / win) << 16) | (quint32(sg / win) << 8) | quint32(sb / win);
            add(in[std::min(x + r + 1, w - 1)], 1);
            add(in[std::max(x - r, 0)], -1);
        }
    }
}

void transpose(const quint32* src, quint32* dst, int w, int h)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            dst[x * h + y] = src[y * w + x];
}

// Box radii of three passes approximating a Gaussian of `sigma`.
std::array<int, 3> boxRadii(double sigma)
{
    const double ideal = std::sqrt(12.0 * sigma * sigma / 3.0 + 1.0);
    int wl = int(std::floor(ideal));
    if (wl % 2 == 0)
        --wl;
    const int wu = wl + 2;
    const double mIdeal = (12.0 * sigma * sigma - 3.0 * wl * wl - 12.0 * wl - 9.0) / (-4.0 * wl - 4.0);
    const int m = int(std::round(mIdeal));
    std::array<int, 3> r {};
    for (int i = 0; i < 3; ++i)
        r[i] = ((i < m ? wl : wu) - 1) / 2;
    return r;
}
}

void RingEffects::boxBlur(QImage& image, double sigma)
{
    if (!(sigma >= 0.5) || image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width(), h = image.height();
    std::vector<quint32> a(size_t(w) * size_t(h)), b(a.size());
    for (int y = 0; y < h; ++y)
        std::copy_n(reinterpret_cast<const quint32*>(image.constScanLine(y)), w, a.data() + size_t(y) * size_t(w));
    const auto radii = boxRadii(sigma);
    for (int r : radii) { // horizontal passes
        if (r > 0) {
            boxPassH(a.data(), b.data(), w, h, w, r);
            std::swap(a, b);
        }
    }
    transpose(a.data(), b.data(), w, h);
    std::swap(a, b);
    for (int r : radii) { // vertical passes, on the transposed image
        if (r > 0) {
            boxPassH(a.data(), b.data(), h, w, h, r);
            std::swap(a, b);
        }
    }
    transpose(a.data(), b.data(), h, w);
    for (int y = 0; y < h; ++y)
        std::copy_n(b.data() + size_t(y) * size_t(w), w, reinterpret_cast<quint32*>(image.scanLine(y)));
}

QImage RingEffects::blurred(const QImage& image, double radius)
{
    if (image.isNull() || !(radius > 0.0))
        return image;
    const double dpr = image.devicePixelRatio();
    const double sigmaPx = radius * dpr;
    if (sigmaPx < 0.5)
        return image;
    // A wide blur loses nothing at a quarter of the resolution (or less).
    const int factor = std::clamp(int(sigmaPx / 2.5), 1, 8);
    QImage work = factor > 1 ? image.scaled(std::max(1, image.width() / factor), std::max(1, image.height() / factor),
                                            Qt::IgnoreAspectRatio, Qt::FastTransformation)
                             : image.copy();
    work.setDevicePixelRatio(1.0);
    boxBlur(work, sigmaPx / double(factor));
    if (factor > 1)
        work = work.scaled(image.width(), image.height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    work.setDevicePixelRatio(dpr);
    return work;
}

double RingEffects::blurLayerScale(double radius, double devicePixelRatio)
{
    const double dpr = devicePixelRatio > 0.0 ? devicePixelRatio : 1.0;
    const double sigmaPx = std::max(0.0, radius) * dpr;
    return dpr / std::clamp(sigmaPx / 2.5, 1.0, 8.0);
}

const QImage& RingLayerCache::layer(quint64 key, QSizeF size, double deviceScale, const std::function<void(QPainter&)>& draw)
{
    const double scale = std::clamp(deviceScale, 0.05, 8.0);
    if (m_valid && key == m_key && size == m_size && scale == m_scale)
        return m_image;
    QImage img(std::max(1, int(std::ceil(size.width() * scale))), std::max(1, int(std::ceil(size.height() * scale))),
               QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(scale);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        if (draw)
            draw(p);
    }
    m_image = std::move(img);
    m_key = key;
    m_size = size;
    m_scale = scale;
    m_valid = true;
    return m_image;
}
