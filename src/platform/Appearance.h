#pragma once
// The application's light or dark appearance, and the desktop's icon theme.

#include <QString>

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
    // The name of the icon theme the desktop's own menus and panels use
    // (e.g. "breeze"); empty when nothing names one.
    virtual QString iconThemeName() const = 0;
};

// The colours of the dark appearance (what apply(dark) installs).
QPalette darkPalette();
