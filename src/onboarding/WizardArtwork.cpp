#include "onboarding/WizardArtwork.h"

#include "core/SymbolIcons.h"
#include "editors/KeyStrip.h"
#include "ringkit/RingAnimation.h"
#include "ringkit/WidgetMotion.h"

#include <QFile>
#include <QHash>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace {
QColor rgb(double r, double g, double b, double a = 1.0)
{
    return QColor::fromRgbF(float(r), float(g), float(b), float(a));
}
QColor withAlpha(QColor c, double a)
{
    c.setAlphaF(float(std::clamp(a, 0.0, 1.0)));
    return c;
}
bool isDark(const QWidget* w) { return w->palette().color(QPalette::Window).lightness() < 128; }

// A soft shadow: concentric translucent circles fading outwards.
void softCircleShadow(QPainter& p, QPointF centre, double radius, const QColor& colour, double blur, QPointF offset)
{
    QRadialGradient g(centre + offset, radius + blur);
    const double inner = radius / (radius + blur);
    g.setColorAt(0, colour);
    g.setColorAt(inner, colour);
    g.setColorAt(1, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre + offset, radius + blur, radius + blur);
}

QHash<QString, BannerArtwork::Drawing>& drawings()
{
    static QHash<QString, BannerArtwork::Drawing> table { { QStringLiteral("OnboardingMenuBar"), &paintTrayDrawing } };
    return table;
}
}

// ---- Chip themes ---------------------------------------------------------------------------------

QColor ChipThemes::accent(ChipTheme t)
{
    switch (t) {
    case ChipTheme::blue:
        return rgb(0.227, 0.525, 1.0);
    case ChipTheme::pink:
        return rgb(1.0, 0.0, 0.431);
    case ChipTheme::lemon:
        return rgb(0.102, 0.133, 0.031);
    case ChipTheme::mint:
        break;
    }
    return rgb(0.024, 0.365, 0.247);
}

QColor ChipThemes::glow(ChipTheme t)
{
    switch (t) {
    case ChipTheme::blue:
        return rgb(0.227, 0.525, 1.0, 0.22);
    case ChipTheme::pink:
        return rgb(1.0, 0.0, 0.431, 0.2);
    case ChipTheme::lemon:
        return rgb(0.706, 0.627, 0.078, 0.3);
    case ChipTheme::mint:
        break;
    }
    return rgb(0.024, 0.6, 0.4, 0.24);
}

QList<QColor> ChipThemes::fill(ChipTheme t)
{
    switch (t) {
    case ChipTheme::blue:
        return { rgb(0.941, 0.965, 1.0), rgb(0.773, 0.863, 1.0), rgb(0.494, 0.69, 1.0) };
    case ChipTheme::pink:
        return { rgb(1.0, 0.824, 0.988), rgb(1.0, 0.604, 0.91), rgb(1.0, 0.42, 0.769) };
    case ChipTheme::lemon:
        return { rgb(0.996, 1.0, 0.769), rgb(0.988, 1.0, 0.294), rgb(0.91, 0.925, 0.18) };
    case ChipTheme::mint:
        break;
    }
    return { rgb(0.878, 1.0, 0.941), rgb(0.612, 0.945, 0.804), rgb(0.353, 0.867, 0.667) };
}

// ---- Chip ----------------------------------------------------------------------------------------------

ChipIcon::ChipIcon(QString symbol, ChipTheme theme, double size, double tilt, QWidget* parent)
    : QWidget(parent)
    , m_symbol(std::move(symbol))
    , m_theme(theme)
    , m_size(size)
    , m_tilt(tilt)
{
    // Room for the shadows below and around the chip.
    setFixedSize(int(std::ceil(size + 40)), int(std::ceil(size + 34)));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ChipIcon::paint(QPainter& p, QPointF c, const QString& symbol, ChipTheme theme, double size, double tilt)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(c);
    p.rotate(tilt);
    const double r = size / 2;
    softCircleShadow(p, {}, r, ChipThemes::glow(theme), 16, { 0, 10 });
    softCircleShadow(p, {}, r, rgb(0.06, 0.09, 0.15, 0.12), 7, { 0, 4 });
    const QList<QColor> fill = ChipThemes::fill(theme);
    QLinearGradient g(-r, -r, r, r);
    g.setColorAt(0, fill[0]);
    g.setColorAt(0.48, fill[1]);
    g.setColorAt(1, fill[2]);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(), r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3.5));
    p.drawEllipse(QPointF(), r - 1.75, r - 1.75);
    const double glyph = size * 0.42;
    SymbolIcons::paint(
        p, QRectF(-glyph / 2 - 4, -glyph / 2 - 4, glyph + 8, glyph + 8), symbol, ChipThemes::accent(theme));
    p.restore();
}

double ChipIcon::drawnTilt() const { return m_turn ? m_turn->value() : m_tilt; }

void ChipIcon::turnFrom(double from, const RingAnimation& animation, bool still)
{
    if (!m_turn) {
        // Not tied to the chip's visibility: the chip turns as its page,
        // built hidden, comes in.
        m_turn = new WidgetMotion(nullptr, from, RestTolerance::degrees);
        m_turn->setParent(this);
        connect(m_turn, &WidgetMotion::changed, this, [this] { update(); });
    }
    m_turn->setValue(from);
    m_turn->animateTo(m_tilt, animation, still);
}

void ChipIcon::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, QPointF(width() / 2.0, 8 + m_size / 2), m_symbol, m_theme, m_size, drawnTilt());
}

// ---- Key-cap heading -----------------------------------------------------------------------------

KeyCapTitle::KeyCapTitle(QString text, double depth, double corner, double maxWidth, QWidget* parent)
    : QWidget(parent)
    , m_text(std::move(text))
    , m_depth(depth)
    , m_corner(corner)
    , m_maxWidth(maxWidth)
{
    setAccessibleName(m_text);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void KeyCapTitle::setText(const QString& text)
{
    m_text = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

QFont KeyCapTitle::titleFont() const
{
    QFont f = font();
    f.setPixelSize(17);
    f.setWeight(QFont::DemiBold);
    return f;
}

QRectF KeyCapTitle::textRect(double width) const
{
    const QFontMetricsF fm(titleFont());
    return fm.boundingRect(QRectF(0, 0, width, 1000), Qt::AlignHCenter | Qt::TextWordWrap, m_text);
}

QSize KeyCapTitle::sizeHint() const
{
    const QRectF t = textRect(m_maxWidth - 32);
    // Face padding, the key's side and its shadow, which starts just under
    // the face's top edge and spreads sideways by 6 at most.
    return QSize(
        int(std::ceil(t.width() + 32 + 16)), int(std::ceil(t.height() + 16 + std::max<double>(m_depth, shadowReach))));
}

int KeyCapTitle::shadowBelowSide() const { return std::max(0, int(std::ceil(shadowReach - m_depth))); }

void KeyCapTitle::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF t = textRect(m_maxWidth - 32);
    const QRectF face((width() - (t.width() + 32)) / 2.0, 0, t.width() + 32, t.height() + 16);
    QPainterPath shape;
    shape.addRoundedRect(face, m_corner, m_corner);
    // Shadow, then the side showing `depth` below the face.
    for (int i = 3; i >= 1; --i) {
        QPainterPath s;
        s.addRoundedRect(face.translated(0, 4).adjusted(-i * 2, -i, i * 2, i * 2), m_corner + i * 2, m_corner + i * 2);
        p.fillPath(s, QColor(0, 0, 0, 10));
    }
    p.fillPath(shape.translated(0, m_depth), KeyCapStyle::side());
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0, KeyCapStyle::faceTop());
    g.setColorAt(1, KeyCapStyle::faceBottom());
    p.fillPath(shape, g);
    QLinearGradient rim(face.topLeft(), face.bottomLeft());
    rim.setColorAt(0, QColor::fromRgbF(1, 1, 1, 0.95f));
    rim.setColorAt(1, QColor::fromRgbF(0, 0, 0, 0.14f));
    p.setPen(QPen(QBrush(rim), 1));
    QPainterPath rimPath;
    rimPath.addRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), m_corner, m_corner);
    p.drawPath(rimPath);
    p.setFont(titleFont());
    p.setPen(rgb(0.122, 0.122, 0.141));
    p.drawText(face.adjusted(16, 8, -16, -8), Qt::AlignCenter | Qt::TextWordWrap, m_text);
}

// ---- Badge ------------------------------------------------------------------------------------------------

GlyphBadge::GlyphBadge(QString symbol, QColor tint, double size, QString customImage, QWidget* parent)
    : QWidget(parent)
    , m_symbol(std::move(symbol))
    , m_tint(tint)
    , m_size(size)
    , m_customImage(std::move(customImage))
{
    setFixedSize(int(std::ceil(size)), int(std::ceil(size)));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GlyphBadge::paint(QPainter& p, QRectF sq, const QString& symbol, const QColor& tint, const QString& customImage)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c = sq.center();
    const double r = sq.width() / 2;
    QRadialGradient g(c, r);
    g.setColorAt(0, withAlpha(tint, 0.22));
    g.setColorAt(1, withAlpha(tint, 0.06));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(tint, 0.18), 1));
    p.drawEllipse(c, r - 0.5, r - 0.5);
    const QString path = QStringLiteral(":/%1.png").arg(customImage);
    if (!customImage.isEmpty() && QFile::exists(path)) {
        const double side = sq.width() * 0.62;
        const QImage image(path);
        QImage tinted(image.size(), QImage::Format_ARGB32_Premultiplied);
        tinted.fill(tint);
        QPainter tp(&tinted);
        tp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        tp.drawImage(0, 0, image);
        tp.end();
        const QSizeF fitted = QSizeF(image.size()).scaled(side, side, Qt::KeepAspectRatio);
        p.drawImage(
            QRectF(c.x() - fitted.width() / 2, c.y() - fitted.height() / 2, fitted.width(), fitted.height()), tinted);
    } else {
        const double glyph = sq.width() * 0.42;
        SymbolIcons::paint(p, QRectF(c.x() - glyph / 2 - 3, c.y() - glyph / 2 - 3, glyph + 6, glyph + 6), symbol, tint);
    }
    p.restore();
}

void GlyphBadge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint(p, QRectF(0, 0, m_size, m_size), m_symbol, m_tint, m_customImage);
}

// ---- Banner -------------------------------------------------------------------------------------------

BannerArtwork::BannerArtwork(QString imageName, QString fallbackSymbol, double width, double height, QWidget* parent)
    : QWidget(parent)
    , m_imageName(std::move(imageName))
    , m_fallbackSymbol(std::move(fallbackSymbol))
    , m_width(width)
    , m_height(height)
{
    if (const auto it = drawings().constFind(m_imageName); it != drawings().constEnd()) {
        m_drawing = *it;
        m_content = Content::drawing;
    } else if (m_image.load(QStringLiteral(":/%1.png").arg(m_imageName))) {
        m_content = Content::image;
    }
    setFixedSize(m_content == Content::badge ? 96 : int(width), int(height));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BannerArtwork::registerDrawing(const QString& imageName, Drawing drawing)
{
    if (drawing)
        drawings().emplace(imageName, std::move(drawing));
    else
        drawings().remove(imageName);
}

void BannerArtwork::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    switch (m_content) {
    case Content::drawing:
        m_drawing(p, QRectF(0, 0, m_width, m_height), isDark(this));
        break;
    case Content::image: {
        const QSizeF fitted = QSizeF(m_image.size()).scaled(m_width, m_height, Qt::KeepAspectRatio);
        p.drawImage(
            QRectF((m_width - fitted.width()) / 2, (m_height - fitted.height()) / 2, fitted.width(), fitted.height()),
            m_image);
        break;
    }
    case Content::badge:
        GlyphBadge::paint(
            p, QRectF(0, (m_height - 96) / 2, 96, 96), m_fallbackSymbol, palette().color(QPalette::Highlight), {});
        break;
    }
}

void paintTrayDrawing(QPainter& p, QRectF area, bool dark)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // A desktop seen from its top-right corner: wallpaper, a panel along the
    // top with the tray's icons, Kelvaro's icon ringed, and its menu open.
    const QRectF screen = area.adjusted(6, 6, -6, -6);
    QPainterPath frame;
    frame.addRoundedRect(screen, 14, 14);
    QLinearGradient wall(screen.topLeft(), screen.bottomRight());
    wall.setColorAt(0, dark ? rgb(0.17, 0.2, 0.32) : rgb(0.76, 0.84, 1.0));
    wall.setColorAt(1, dark ? rgb(0.28, 0.16, 0.3) : rgb(0.98, 0.8, 0.9));
    p.fillPath(frame, wall);
    p.setClipPath(frame);
    const QRectF panel(screen.left(), screen.top(), screen.width(), 30);
    p.fillRect(panel, dark ? rgb(0.1, 0.1, 0.12, 0.92) : rgb(0.98, 0.98, 1.0, 0.9));
    const QColor ink = dark ? rgb(0.85, 0.86, 0.9) : rgb(0.25, 0.26, 0.3);
    // Other programs' tray icons, then the clock.
    const char* others[] = { "wifi", "speaker.wave.2", "battery.100" };
    double x = panel.right() - 160;
    for (const char* s : others) {
        SymbolIcons::paint(p, QRectF(x, panel.top() + 7, 16, 16), QString::fromLatin1(s), withAlpha(ink, 0.7));
        x += 26;
    }
    QFont clock = p.font();
    clock.setPixelSize(12);
    clock.setWeight(QFont::DemiBold);
    p.setFont(clock);
    p.setPen(ink);
    p.drawText(QRectF(panel.right() - 78, panel.top(), 64, panel.height()), Qt::AlignVCenter | Qt::AlignRight,
        QStringLiteral("9:41"));
    // Kelvaro's icon, highlighted.
    const QRectF icon(panel.right() - 196, panel.top() + 3, 24, 24);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(KeyCapStyle::ink(), dark ? 0.45 : 0.22));
    p.drawRoundedRect(icon.adjusted(-3, 0, 3, 0), 6, 6);
    const QIcon trayIcon(QStringLiteral(":/MenuBarIcon.svg"));
    if (!trayIcon.availableSizes().isEmpty() || QFile::exists(QStringLiteral(":/MenuBarIcon.svg")))
        trayIcon.paint(&p, icon.adjusted(3, 3, -3, -3).toRect());
    else
        SymbolIcons::paint(p, icon.adjusted(3, 3, -3, -3), QStringLiteral("circle"), ink);
    // Its menu.
    const QRectF menu(icon.center().x() - 24, panel.bottom() + 6, 190, 118);
    p.setClipping(false);
    for (int i = 3; i >= 1; --i)
        p.fillRect(menu.adjusted(-i, -i + 3, i, i + 3), QColor(0, 0, 0, 12));
    p.setClipPath(frame);
    QPainterPath menuShape;
    menuShape.addRoundedRect(menu, 8, 8);
    p.fillPath(menuShape, dark ? rgb(0.16, 0.16, 0.19) : rgb(1, 1, 1));
    const char* rows[] = { "rectangle.2.swap", "bolt.circle", nullptr, "gearshape", "questionmark.circle" };
    double y = menu.top() + 10;
    for (const char* s : rows) {
        if (!s) {
            p.fillRect(QRectF(menu.left() + 10, y + 3, menu.width() - 20, 1), withAlpha(ink, 0.15));
            y += 8;
            continue;
        }
        const bool highlighted = QString::fromLatin1(s) == QLatin1String("gearshape");
        if (highlighted) {
            p.setPen(Qt::NoPen);
            p.setBrush(KeyCapStyle::ink());
            p.drawRoundedRect(QRectF(menu.left() + 5, y - 3, menu.width() - 10, 24), 5, 5);
        }
        const QColor rowInk = highlighted ? QColor(Qt::white) : ink;
        SymbolIcons::paint(p, QRectF(menu.left() + 12, y, 16, 16), QString::fromLatin1(s), rowInk);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(rowInk, highlighted ? 0.9 : 0.35));
        p.drawRoundedRect(QRectF(menu.left() + 36, y + 5, highlighted ? 70 : 96, 6), 3, 3);
        y += 26;
    }
    p.restore();
}
