#pragma once

// The application icon at the centre of a ring, leaning towards the pointer
// like a tile hinged at its centre, with two soft shadows that slide with the
// tilt. CenterAppIconView computes the tilt and draws; TiltingCenterAppIcon
// follows the pointer and eases the turn (0.15 s ease-out, not scaled by the
// animation-speed setting).

#include "ringkit/RingAnimation.h"

#include <QIcon>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <cmath>
#include <optional>

class QPainter;
class Screens;

class CenterAppIconView {
public:
    // Pointer distance (at ring scale 1) at which the tilt reaches full length.
    static constexpr double tiltReach = 190.0;
    // Within this distance of the centre the tilt fades to nothing (not scaled).
    static constexpr double restRadius = 60.0;
    static constexpr double frameSide = 120.0;
    static constexpr double iconSide = 48.0;

    QIcon icon;
    bool isInteractive = true;
    QPointF ringCenter; // global screen coordinates, y upward; (0, 0) = middle of the pointer's screen
    std::optional<QPointF> pointer; // same coordinates
    double maxTiltAngle = 22.0; // degrees

    struct Tilt {
        double x = 0.0; // -1...1
        double y = 0.0; // -1...1 (y upward)
        bool operator==(const Tilt&) const = default;
    };
    // `screens` are display frames in global y-up coordinates (left and bottom
    // edges inside, right and top edges outside), in the system's order.
    Tilt tilt(bool enable3DEffects, bool reduceMotion, double ringScale, const QList<QRectF>& screens) const;
    // The same, with the current settings, Reduce Motion and `screens`.
    Tilt currentTilt(const Screens& screens) const;

    double rotationX(const Tilt& t) const { return t.y * maxTiltAngle; } // degrees
    double rotationY(const Tilt& t) const { return t.x * maxTiltAngle; } // degrees

    // Shadow offsets (points, y down) for given rotations in degrees.
    static QPointF broadShadowOffset(double rotationX, double rotationY)
    {
        return { rotationY * 0.55, rotationX * 0.55 + 5.0 };
    }
    static QPointF closeShadowOffset(double rotationX, double rotationY)
    {
        return { rotationY * 0.22, rotationX * 0.22 + 2.0 };
    }

    // Draws `icon` with its shadows in the 120 x 120 frame centred on `centre`.
    static void paint(QPainter& painter, QPointF centre, const QIcon& icon, double rotationX, double rotationY);
    // The same drawing as an image at `deviceScale` (cached for the last few poses).
    static QImage render(const QIcon& icon, double rotationX, double rotationY, double deviceScale);
};

// The centre icon as the rings draw it every frame: a rounded 48-point tile
// grown by 1.05, turned in depth, over a broad and a close shadow. The tile
// and the shadows it casts lying flat are made once per icon and resolution
// (blurring afresh for every turn costs more than a whole frame at
// device-pixel ratio 2); only the turn and the shadows' slide follow the
// pose. The images of the last two icons are kept, so a cross-fade between
// two icons draws both from their images.
class CenterIconPainter {
public:
    void paint(QPainter& painter, QPointF centre, const QIcon& icon, double rotationX, double rotationY);
    // The flat tile: `icon` fitted into 48 x 48 points, clipped to a rounded
    // square of radius 10, grown by 1.05, at `scale` pixels per point.
    static QImage flatTile(const QIcon& icon, double scale);
    // How far from the centre, across or down, the tile and its shadows
    // reach at a tilt of up to `maxTiltAngle` degrees (points).
    static double reach(double maxTiltAngle)
    {
        return CenterAppIconView::iconSide * 1.05 / 2.0 + shadowPadding + 0.55 * maxTiltAngle + 5.0 + 1.0;
    }
    // The same square turned by `spin` radians with its ring: half the side
    // of the upright square that holds it (points).
    static double turnedReach(double maxTiltAngle, double spin)
    {
        return reach(maxTiltAngle) * (std::abs(std::cos(spin)) + std::abs(std::sin(spin)));
    }

private:
    struct Images {
        qint64 iconKey = 0;
        double scale = 0.0;
        quint64 lastUse = 0;
        QImage icon, broadShadow, closeShadow;
    };
    static constexpr double shadowPadding = 30.0; // points around the tile in the shadow images
    Images m_images[2];
    quint64 m_uses = 0;
};

// The centre icon as the rings use it: follows the shared pointer and animates
// the turn towards it. The pointer's screen is found among `screens`, those of
// the ring that makes the icon (they must outlive it).
class TiltingCenterAppIcon : public QObject {
    Q_OBJECT
public:
    explicit TiltingCenterAppIcon(const Screens& screens, QObject* parent = nullptr);

    void setIcon(const QIcon& icon);
    void setRingCenter(QPointF centre);
    // Each pointer move (global, y upward); nothing = no pointer.
    void setPointer(std::optional<QPointF> pointer);

    const CenterAppIconView& view() const { return m_view; }
    double rotationX() const { return m_rotationX.value(); }
    double rotationY() const { return m_rotationY.value(); }
    bool isAnimating() const { return m_rotationX.isAnimating() || m_rotationY.isAnimating(); }

    void paint(QPainter& painter, QPointF centre) const;

Q_SIGNALS:
    // The tilt target changed: repaint the icon (and follow AnimationEngine::frame while animating).
    void tiltChanged();

private:
    void retarget();

    const Screens& m_screens;
    CenterAppIconView m_view;
    mutable CenterIconPainter m_painter;
    AnimatedValue m_rotationX;
    AnimatedValue m_rotationY;
};
