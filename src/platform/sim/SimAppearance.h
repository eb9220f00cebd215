#pragma once
#include "platform/Appearance.h"

#include <QList>

// Appearance for tests: records what was applied; "system" follows systemDark.
class SimAppearance final : public Appearance {
public:
    void apply(AppearanceMode mode) override
    {
        applied.append(mode);
        dark = mode == AppearanceMode::dark || (mode == AppearanceMode::system && systemDark);
    }
    bool isDark() const override { return dark; }
    QString iconThemeName() const override { return iconTheme; }

    QList<AppearanceMode> applied;
    bool systemDark = false;
    bool dark = false;
    QString iconTheme = QStringLiteral("hicolor");
};
