#pragma once
// Key caps: drawn keyboard keys that show a key combination. A strip is a row
// of caps, optionally on a dark well; a cap can be held (dark), pressed for
// attention (blue), waiting for input (an empty slot with a running dot grid
// that glows red) or dimmed. A cap sinks with a quick spring, its glow eases
// in and out, and caps arrive growing from 0.85 as they fade in and leave
// fading out; all of it jumps under Reduce Motion. The only clocks are the
// dot grid's while a slot glows and the ring engine's while a cap moves.
//
// With attention presses and captions on, a modifier cap that has a caption
// is labelled like a keyboard's own key: its symbol in the top right corner,
// its name in the bottom left.

#include "ringkit/RingAnimation.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

struct KeyStripItem {
    QString id; // the same key across updates
    QString glyph; // the legend ("Ctrl", "A", or empty for a slot)
    std::optional<QString> caption; // small printed name, already translated
    bool isPressed = false;
    bool isDimmed = false;
    bool showsDotGrid = false;
    bool glows = false;

    bool operator==(const KeyStripItem&) const = default;

    // The printed name of a key symbol ("⇧" -> "shift"), or nothing.
    static std::optional<QString> printedName(const QString& glyph);
    // The printed name of a modifier key, by its symbol or by its name in the
    // interface language ("Ctrl" -> "ctrl"); otherwise as printedName.
    static std::optional<QString> modifierCaption(const QString& token);
    // Whether the legend is a modifier key (drawn in the modifier ink).
    static bool isModifierGlyph(const QString& glyph);
};

namespace KeyCapStyle {
QColor ink();
QColor heldTop();
QColor heldBottom();
QColor heldSide();
QColor pressedTop();
QColor pressedBottom();
QColor well();
QColor faceTop();
QColor faceBottom();
QColor side();
}

// The size of one cap of key height `height`.
struct KeyCapMetrics {
    double depth;
    double cornerRadius;
    double compactWidth;
    static KeyCapMetrics of(double height, bool captionedModifier);
};

class WidgetMotion;

class KeyStrip : public QWidget {
    Q_OBJECT
public:
    explicit KeyStrip(QWidget* parent = nullptr);

    void setItems(const QList<KeyStripItem>& items);
    // The same, with the caps that go down or come up moving on `press`
    // instead of the usual quick spring (a demo that acts out a key press
    // times its modifiers and its key differently).
    void setItems(const QList<KeyStripItem>& items, const RingAnimation& press);
    const QList<KeyStripItem>& items() const { return m_items; }
    void setStripHeight(double height);
    void setShowsCaptions(bool on);
    void setFillsWidth(bool on);
    void setShowsWell(bool on);
    void setAttentionPress(bool on);
    // How caps arrive and leave (the owner's animation); a spring by default.
    void setEntryAnimation(const RingAnimation& animation) { m_entry = animation; }
    // Makes the caps clickable and reachable with the keyboard: `onTap` gets
    // the index of the cap.
    void setOnTap(std::function<void(int)> onTap);
    bool taps() const { return bool(m_onTap); }
    // Taps cap `index` as a click does (what a screen reader's action runs).
    void tap(int index);
    // The cap a keyboard user is on, and moving there with the focus.
    int focusIndex() const { return m_focusIndex; }
    void focusCap(int index);

    // The caps' rectangles in widget coordinates, as laid out now.
    QList<QRectF> capRects() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Where cap `id` is on its way, each from 0 to 1: sunk, glowing, present
    // (a cap that left is absent; one leaving still fades).
    struct CapPose {
        double press = 0;
        double glow = 0;
        double presence = 0;
    };
    CapPose pose(const QString& id) const;
    // Whether the attention legend (symbol top right, name bottom left) labels `item`.
    bool usesAttentionLegend(const KeyStripItem& item) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // With taps: Left and Right move between the caps, Space or Return taps.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    double keyHeight() const;
    bool expands(const KeyStripItem& item) const;
    double legendWidth(const KeyStripItem& item, double kh) const;
    void paintCap(QPainter& p, const KeyStripItem& item, QRectF rect, const CapPose& pose) const;
    void paintLegend(QPainter& p, const KeyStripItem& item, QRectF top, double kh, const QColor& legend,
        const QColor& caption, bool lightInk) const;
    struct CapMotion {
        WidgetMotion* press = nullptr;
        WidgetMotion* glow = nullptr;
        WidgetMotion* presence = nullptr;
    };
    struct Leaving {
        KeyStripItem item;
        QRectF rect;
    };
    void follow(const QList<KeyStripItem>& before, const QList<QRectF>& beforeRects, const RingAnimation& press);
    CapMotion motionFor(const KeyStripItem& item, bool arriving);
    void forgetLeft();
    void paintDots(QPainter& p, QRectF area, bool lit, bool lightInk) const;
    void syncClock();

    QList<KeyStripItem> m_items;
    double m_height = 46;
    bool m_showsCaptions = true;
    bool m_fillsWidth = false;
    bool m_showsWell = false;
    bool m_attentionPress = false;
    std::function<void(int)> m_onTap;
    int m_focusIndex = 0; // the cap a keyboard user is on
    int m_clock = 0; // timer id while a slot glows
    int m_phase = -1;
    RingAnimation m_entry = RingAnimation::spring(0.2, 0.85);
    QHash<QString, CapMotion> m_motions; // by cap id, for the caps shown and those leaving
    QList<Leaving> m_leaving;

    void timerEvent(QTimerEvent* event) override;
};
