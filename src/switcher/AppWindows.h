#pragma once
// An application's windows: listing them for the switcher's arc, the front
// window of an application, and raising one window across desktops.

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <limits>
#include <optional>

#include "platform/Windows.h"
#include "switcher/AppWindow.h"

class Platform;
class Screens;

class AppWindows {
public:
    // The listable windows of the first running application with that bundle
    // identifier, front to back, at most `limit` of them (the frontmost);
    // empty when none runs.
    static QList<AppWindow> windows(const Platform& platform, const QString& bundleIdentifier, const QString& appName,
        qsizetype limit = std::numeric_limits<qsizetype>::max());
    // The application's main window (its frontmost ordinary window that is not
    // minimised), else its focused window, else its most prominent one.
    static std::optional<quint32> frontWindowID(const Platform& platform, qint32 app);
    // Switches to the window's desktop, restores and raises it, and checks up
    // to 12 times 0.12 s apart that it got the focus, raising it again while it
    // has not. A new raise ends the retries of the previous one.
    static void raise(const Platform& platform, const AppWindow& window);

    // ---- The rules (also used by the tests) ----
    // Ordinary windows that are not minimised, full screen, titled, or at
    // least 240 x 160.
    static bool isListable(const WindowInfo& window);
    static bool looksFullscreen(const Screens& screens, const QRectF& rect);
    static bool nearlyEqual(const QSizeF& a, const QSizeF& b);
    // The trimmed title, else "Full Screen" for a full-screen window, else
    // "Window <index + 1>".
    static QString displayTitle(const Screens& screens, const WindowInfo& window, int index);
    static QString stableID(const QString& bundle, quint32 window);

    static constexpr int focusAttempts = 12;
    static constexpr double focusRetryInterval = 0.12;

private:
    static void retryFocus(const Platform& platform, const AppWindow& window, int attemptsLeft);
};
