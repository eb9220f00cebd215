#include "ringkit/RingText.h"

#include "ringkit/RingEffects.h"

#include <QCache>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace {
// Everything a rendered stack depends on, compared field by field (a key
// built as text costs more than a frame's worth of label drawing).
struct StackKey {
    struct LineKey {
        QString text;
        QFont font;
        QRgb colour = 0;
        int maxLines = 1;
        int elide = 0;
        bool breakLongWords = false;
        bool operator==(const LineKey&) const = default;
    };
    double scale = 0.0, width = 0.0, spacing = 0.0;
    qint64 icon = 0;
    QSizeF iconSize;
    QRgb shadow = 0;
    double shadowRadius = 0.0;
    QPointF shadowOffset;
    std::vector<LineKey> lines;
    bool operator==(const StackKey&) const = default;
};

size_t qHash(const StackKey& k, size_t seed = 0)
{
    seed = qHashMulti(seed, k.scale, k.width, k.icon, k.shadow);
    for (const auto& l : k.lines)
        seed = qHashMulti(seed, l.text, l.font.pixelSize(), l.colour);
    return seed;
}

QCache<StackKey, QImage>& cache()
{
    static QCache<StackKey, QImage> c(48 * 1024 * 1024); // cost: bytes
    return c;
}

StackKey keyOf(const RingText::Stack& s, double scale)
{
    StackKey k { scale, s.width, s.spacing, s.icon.isNull() ? 0 : s.icon.cacheKey(), s.iconSize, s.shadow.rgba(),
        s.shadowRadius, s.shadowOffset, {} };
    k.lines.reserve(s.lines.size());
    for (const auto& l : s.lines)
        k.lines.push_back({ l.text, l.font, l.colour.rgba(), l.maxLines, int(l.elide), l.breakLongWords });
    return k;
}

struct LaidLine {
    QString text;
    double width;
};

// Lines of `text` broken only at spaces; a word too long for a line (a path,
// an address) fills the line and goes on on the next.
std::vector<std::pair<int, int>> breakAtSpaces(const QString& text, const QFontMetricsF& fm, double width)
{
    const auto fits = [&](int from, int to) { return fm.horizontalAdvance(text.mid(from, to - from)) <= width; };
    std::vector<std::pair<int, int>> ranges;
    int lineStart = 0, lineEnd = 0, i = 0;
    while (i < text.size()) {
        int wordEnd = int(text.indexOf(QLatin1Char(' '), i));
        if (wordEnd < 0)
            wordEnd = int(text.size());
        if (fits(lineStart, wordEnd)) {
            lineEnd = wordEnd;
            i = wordEnd + 1;
            continue;
        }
        if (lineEnd > lineStart && fits(i, wordEnd)) {
            ranges.emplace_back(lineStart, lineEnd - lineStart);
            lineStart = lineEnd = i;
            continue;
        }
        // Too long for a line: as much of it as the line still holds.
        int lo = i, hi = wordEnd; // fits(lineStart, lo), !fits(lineStart, hi)
        while (hi - lo > 1) {
            const int mid = (lo + hi) / 2;
            (fits(lineStart, mid) ? lo : hi) = mid;
        }
        if (lo > i && lo < wordEnd && text.at(lo - 1).isHighSurrogate())
            --lo;
        if (lo == i && lineEnd > lineStart) {
            ranges.emplace_back(lineStart, lineEnd - lineStart);
            lineStart = lineEnd = i;
            continue;
        }
        lo = std::max(lo, i + 1);
        ranges.emplace_back(lineStart, lo - lineStart);
        lineStart = lineEnd = i = lo;
    }
    if (lineEnd > lineStart)
        ranges.emplace_back(lineStart, lineEnd - lineStart);
    return ranges;
}

// Word-wraps `line` to `width`, keeping at most maxLines and eliding the last.
std::vector<LaidLine> layoutLine(const RingText::Line& line, double width)
{
    std::vector<LaidLine> out;
    if (line.text.isEmpty())
        return out;
    const QFontMetricsF fm(line.font);
    const QString source = line.breakLongWords ? line.text.simplified() : line.text;
    std::vector<std::pair<int, int>> ranges;
    if (line.breakLongWords) {
        ranges = breakAtSpaces(source, fm, width);
    } else {
        QTextLayout layout(source, line.font);
        QTextOption option(Qt::AlignHCenter);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (;;) {
            QTextLine tl = layout.createLine();
            if (!tl.isValid())
                break;
            tl.setLineWidth(width);
            ranges.emplace_back(tl.textStart(), tl.textLength());
        }
        layout.endLayout();
    }
    const int keep = std::min<int>(int(ranges.size()), std::max(1, line.maxLines));
    for (int i = 0; i < keep; ++i) {
        QString text = source.mid(ranges[size_t(i)].first, ranges[size_t(i)].second).trimmed();
        if (i == keep - 1 && keep < int(ranges.size()))
            text = source.mid(ranges[size_t(i)].first).simplified();
        text = fm.elidedText(text, line.elide, width);
        out.push_back({ text, fm.horizontalAdvance(text) });
    }
    return out;
}
}

QFont RingText::systemFont(double pixelSize, QFont::Weight weight)
{
    QFont f = qGuiApp ? QGuiApplication::font() : QFont();
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setWeight(weight);
    return f;
}

QImage RingText::render(const Stack& stack, double deviceScale)
{
    const double scale = std::clamp(deviceScale, 0.25, 8.0);
    const StackKey key = keyOf(stack, scale);
    if (const QImage* hit = cache().object(key))
        return *hit;

    // Measure.
    struct Block {
        const Line* line;
        std::vector<LaidLine> laid;
        double lineHeight;
    };
    std::vector<Block> blocks;
    double height = 0.0;
    int parts = 0;
    if (!stack.icon.isNull() && stack.iconSize.height() > 0) {
        height += stack.iconSize.height();
        ++parts;
    }
    for (const Line& l : stack.lines) {
        Block b { &l, layoutLine(l, stack.width), QFontMetricsF(l.font).height() };
        if (b.laid.empty())
            continue;
        height += b.lineHeight * double(b.laid.size());
        ++parts;
        blocks.push_back(std::move(b));
    }
    height += stack.spacing * double(std::max(0, parts - 1));
    const double margin = stack.shadow.isValid() ? std::ceil(stack.shadowRadius * 2.0
                              + std::max(std::abs(stack.shadowOffset.x()), std::abs(stack.shadowOffset.y())))
                                                 : 1.0;
    const double w = stack.width + 2.0 * margin, h = std::max(1.0, height) + 2.0 * margin;

    QImage img = RingEffects::paintedAtScale(QSizeF(w, h), scale, [&](QPainter& p) {
        p.setRenderHint(QPainter::TextAntialiasing, true);
        double y = margin;
        if (!stack.icon.isNull() && stack.iconSize.height() > 0) {
            const QRectF r(margin + (stack.width - stack.iconSize.width()) / 2.0, y, stack.iconSize.width(),
                stack.iconSize.height());
            stack.icon.paint(&p, r.toAlignedRect());
            y += stack.iconSize.height() + stack.spacing;
        }
        for (const Block& b : blocks) {
            p.setFont(b.line->font);
            p.setPen(b.line->colour);
            const double ascent = QFontMetricsF(b.line->font).ascent();
            for (const LaidLine& l : b.laid) {
                p.drawText(QPointF(margin + (stack.width - l.width) / 2.0, y + ascent), l.text);
                y += b.lineHeight;
            }
            y += stack.spacing;
        }
    });
    if (stack.shadow.isValid() && stack.shadow.alpha() > 0) {
        // Shadow: the alpha of the content, tinted, blurred and offset, under it.
        QImage shadow(img.size(), QImage::Format_ARGB32_Premultiplied);
        shadow.fill(Qt::transparent);
        {
            QPainter sp(&shadow);
            QImage raw = img; // in device pixels, like the shadow
            raw.setDevicePixelRatio(1.0);
            sp.drawImage(QPointF(stack.shadowOffset.x() * scale, stack.shadowOffset.y() * scale), raw);
            sp.setCompositionMode(QPainter::CompositionMode_SourceIn);
            sp.fillRect(shadow.rect(), stack.shadow);
        }
        RingEffects::boxBlur(shadow, stack.shadowRadius * scale / 2.0);
        QImage content = img; // pixel for pixel over the shadow
        content.setDevicePixelRatio(1.0);
        QPainter p(&shadow);
        p.drawImage(QPointF(0, 0), content);
        p.end();
        shadow.setDevicePixelRatio(scale);
        img = shadow;
    }
    cache().insert(key, new QImage(img), int(std::min<qsizetype>(img.sizeInBytes(), 1 << 24)));
    return img;
}

void RingText::draw(QPainter& painter, QPointF centre, const Stack& stack, double scale)
{
    const QTransform& t = painter.worldTransform();
    const double dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const double det = std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
    const double deviceScale = std::max(0.5, std::ceil(det * dpr * scale * 2.0) / 2.0);
    const QImage img = render(stack, deviceScale);
    const double w = double(img.width()) / deviceScale, h = double(img.height()) / deviceScale;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.translate(centre);
    painter.scale(scale, scale);
    // A label is drawn turned or scaled with its wedge: in bands, off Qt's
    // thread pool.
    RingEffects::drawImageInBands(painter, QRectF(-w / 2.0, -h / 2.0, w, h), img);
    painter.restore();
}

RingText::Stack RingText::cardStack(const CardLabel& label, const RingPalette& palette)
{
    Stack s;
    s.width = label.width;
    s.spacing = 2.0;
    if (!label.icon.isNull()) {
        s.icon = label.icon;
        s.iconSize = QSizeF(13, 13);
    }
    s.lines.push_back({ label.title, systemFont(11, QFont::Medium), palette.primaryText(), 2, Qt::ElideRight, true });
    if (!label.hint.isEmpty())
        s.lines.push_back({ label.hint, systemFont(9, QFont::Normal), palette.secondaryText(), 1, Qt::ElideRight });
    return s;
}

void RingText::drawCardLabel(
    QPainter& painter, QPointF centre, const CardLabel& label, double scale, const RingPalette& palette)
{
    draw(painter, centre, cardStack(label, palette), scale);
}

void RingText::clearCache() { cache().clear(); }
