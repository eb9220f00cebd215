#pragma once
// The application's light or dark appearance.

#include <memory>

class QPalette;

// Light, dark, or following the desktop. Stored as "system", "light", "dark".
enum class AppearanceMode { system, light, dark };

class Appearance {
public:
    virtual ~Appearance() = default;

    // Light, dark, or follow the desktop (system).
    virtual void apply(AppearanceMode mode) = 0;
    // Whether the application currently looks dark (after the last apply).
    virtual bool isDark() const = 0;
};

// The colours of the dark appearance (what apply(dark) installs).
QPalette darkPalette();
