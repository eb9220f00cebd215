#pragma once
// The desktop's display preferences that the rings honour: Reduce Motion,
// Reduce Transparency, and the display's frame rate for animation ticks.
// Where the desktop cannot show translucent windows at all (no compositing
// manager), Reduce Transparency is reported as on.

#include <QObject>
#include <memory>

class DisplayPreferences : public QObject {
    Q_OBJECT
public:
    ~DisplayPreferences() override = default;

    // Animations should be replaced by short cross-fades.
    virtual bool reduceMotion() const = 0;
    // Glass should be drawn nearly opaque (also when nothing can composite it).
    virtual bool reduceTransparency() const = 0;
    // Refresh rate of the main display in frames per second.
    virtual double frameRate() const = 0;

Q_SIGNALS:
    // One of the values above may have changed.
    void changed();
};
