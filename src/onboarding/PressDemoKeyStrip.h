#pragma once
// A hotkey drawn as key caps that acts out being pressed, over and over:
// the modifiers go down, the main key is tapped, the modifiers come up.
// Runs only while shown; with reduced motion it holds the modifiers down and
// the main key up, and does not move. The caps sink and rise on springs of
// their own (0.14 s for the modifiers, 0.12 s for the key). Modifier caps are
// labelled like a keyboard's: the key's name top right, its printed name
// bottom left.

#include "core/Hotkey.h"
#include "editors/KeyStrip.h"
#include "ringkit/RingAnimation.h"

#include <QWidget>
#include <cstdint>

class PressDemoKeyStrip : public QWidget {
    Q_OBJECT
public:
    PressDemoKeyStrip(Hotkey hotkey, double height, bool showsWell, QWidget* parent = nullptr);
    ~PressDemoKeyStrip() override;

    bool modifiersPressed() const { return m_modifiersPressed; }
    bool keyPressed() const { return m_keyPressed; }
    bool isRunning() const { return m_running; }
    // The caps for the state shown now.
    QList<KeyStripItem> items() const;
    KeyStrip* strip() const { return m_strip; }

    // One cycle: modifiers down, key down 0.65 s later, up 0.42 s later,
    // modifiers up 0.38 s later, then a 0.75 s pause; the first cycle starts
    // after a 0.55 s lead-in.
    static constexpr double leadIn = 0.55;
    static constexpr double modifiersDownFor = 0.65;
    static constexpr double keyDownFor = 0.42;
    static constexpr double keyUpFor = 0.38;
    static constexpr double pause = 0.75;
    static RingAnimation modifierSpring() { return RingAnimation::spring(0.14, 0.85); }
    static RingAnimation keySpring() { return RingAnimation::spring(0.12, 0.85); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void start();
    void stop();
    void step(std::uint64_t generation, int phase);
    void sync();
    void sync(const RingAnimation& spring);

    Hotkey m_hotkey;
    KeyStrip* m_strip = nullptr;
    bool m_modifiersPressed = false;
    bool m_keyPressed = false;
    bool m_running = false;
    std::uint64_t m_generation = 0; // a step of an earlier run does nothing
};
