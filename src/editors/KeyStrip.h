#pragma once
// Key caps: drawn keyboard keys that show a key combination. A strip is a row
// of caps, optionally on a dark well; a cap can be held (dark), pressed for
// attention (blue), waiting for input (an empty slot with a running dot grid
// that glows red) or dimmed. Pure drawing: the only state is the dot grid's
// clock while a slot glows.

#include <QColor>
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

class KeyStrip : public QWidget {
    Q_OBJECT
public:
    explicit KeyStrip(QWidget* parent = nullptr);

    void setItems(const QList<KeyStripItem>& items);
    const QList<KeyStripItem>& items() const { return m_items; }
    void setStripHeight(double height);
    void setShowsCaptions(bool on);
    void setFillsWidth(bool on);
    void setShowsWell(bool on);
    void setAttentionPress(bool on);
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
    void paintCap(QPainter& p, const KeyStripItem& item, QRectF rect) const;
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

    void timerEvent(QTimerEvent* event) override;
};
