#pragma once
// The drawn pieces of the first-run wizard's pages: a tilted, coloured chip
// with a symbol, a heading drawn as a raised key cap, a banner (a drawing or
// an image, with a symbol badge when there is neither) and a round tinted
// symbol badge. Each draws from its members alone; symbols come from the
// icon font's mapping table.

#include <QColor>
#include <QLinearGradient>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

class QPainter;
class WidgetMotion;
struct RingAnimation;

enum class ChipTheme { blue, pink, lemon, mint };

namespace ChipThemes {
QColor accent(ChipTheme theme);
QColor glow(ChipTheme theme);
QList<QColor> fill(ChipTheme theme); // three colours, lightest first
}

class ChipIcon : public QWidget {
    Q_OBJECT
public:
    ChipIcon(QString symbol, ChipTheme theme, double size, double tilt, QWidget* parent = nullptr);
    QString symbol() const { return m_symbol; }
    ChipTheme theme() const { return m_theme; }
    // The tilt it comes to rest at, and the one drawn now.
    double tilt() const { return m_tilt; }
    double drawnTilt() const;
    // Turns from `from` to its own tilt along `animation` (`still`: at once).
    void turnFrom(double from, const RingAnimation& animation, bool still);
    WidgetMotion* tiltMotion() const { return m_turn; }
    static void paint(QPainter& p, QPointF centre, const QString& symbol, ChipTheme theme, double size, double tilt);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_symbol;
    ChipTheme m_theme;
    double m_size;
    double m_tilt;
    WidgetMotion* m_turn = nullptr; // made on the first turn
};

// A heading on a key cap: the text (already translated), wrapped and centred.
// The widget is the key's face and side, with the key's shadow below it.
class KeyCapTitle : public QWidget {
    Q_OBJECT
public:
    // How far the shadow reaches below the key's face.
    static constexpr int shadowReach = 10;
    KeyCapTitle(QString text, double depth, double corner, double maxWidth, QWidget* parent = nullptr);
    QString text() const { return m_text; }
    double depth() const { return m_depth; }
    double corner() const { return m_corner; }
    // The part of the widget below the key's side that only its shadow takes.
    int shadowBelowSide() const;
    void setText(const QString& text);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF textRect(double width) const;
    QFont titleFont() const;
    QString m_text;
    double m_depth;
    double m_corner;
    double m_maxWidth;
};

class GlyphBadge : public QWidget {
    Q_OBJECT
public:
    GlyphBadge(QString symbol, QColor tint, double size, QString customImage = {}, QWidget* parent = nullptr);
    QString symbol() const { return m_symbol; }
    static void paint(
        QPainter& p, QRectF square, const QString& symbol, const QColor& tint, const QString& customImage);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_symbol;
    QColor m_tint;
    double m_size;
    QString m_customImage;
};

// A banner: the drawing registered under `imageName`, else the image
// ":/<imageName>.png", else a 96-point badge of `fallbackSymbol`.
class BannerArtwork : public QWidget {
    Q_OBJECT
public:
    BannerArtwork(QString imageName, QString fallbackSymbol, double width, double height, QWidget* parent = nullptr);
    // What it shows: the drawing, the image or the badge.
    enum class Content { drawing, image, badge };
    Content content() const { return m_content; }

    using Drawing = std::function<void(QPainter&, QRectF, bool dark)>;
    static void registerDrawing(const QString& imageName, Drawing drawing);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_imageName;
    QString m_fallbackSymbol;
    double m_width;
    double m_height;
    Content m_content = Content::badge;
    QImage m_image;
    Drawing m_drawing;
};

// The drawing of the desktop's panel with Kelvaro's tray icon and its menu.
void paintTrayDrawing(QPainter& p, QRectF area, bool dark);
