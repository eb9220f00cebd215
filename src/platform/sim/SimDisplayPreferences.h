#pragma once
#include "platform/DisplayPreferences.h"

// Display preferences set by the test.
class SimDisplayPreferences final : public DisplayPreferences {
public:
    bool reduceMotion() const override { return m_reduceMotion; }
    bool reduceTransparency() const override { return m_reduceTransparency; }
    double frameRate() const override { return m_frameRate; }

    void setReduceMotion(bool on)
    {
        m_reduceMotion = on;
        Q_EMIT changed();
    }
    void setReduceTransparency(bool on)
    {
        m_reduceTransparency = on;
        Q_EMIT changed();
    }
    void setFrameRate(double fps)
    {
        m_frameRate = fps;
        Q_EMIT changed();
    }

private:
    bool m_reduceMotion = false;
    bool m_reduceTransparency = false;
    double m_frameRate = 60.0;
};
