#pragma once
// An application's windows: listing them for the switcher's arc (merging the
// window elements with the window list), the front window of a process, and
// raising one window across Spaces.

#include <QHash>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

#include "platform/WindowElements.h"
#include "switcher/AppWindow.h"

// One entry of the window list, with the defaults of missing values filled in.
struct CGWindowInfo {
    quint32 id = 0;
    std::optional<QString> name;
    QRectF bounds;
    int layer = 0;
    double alpha = 1.0;
    bool isOnscreen = false;
};

class AppWindows {
public:
    // The listable windows of the first running application with that bundle
    // identifier, element windows first; empty when none runs.
    static QList<AppWindow> windows(const QString& bundleIdentifier, const QString& appName);
    // The window number of the process's main or focused window, else of its
    // most prominent window-list window.
    static std::optional<quint32> frontWindowID(qint32 pid);
    // Brings the window and its application to the front, retrying the focus
    // up to 12 times 0.12 s apart. A new raise ends the retries of the previous one.
    static void raise(const AppWindow& window);

    // ---- Building blocks (also used by SpaceFocus and the tests) ----
    static QList<WindowElement> axWindows(qint32 pid);
    // Entries of the process, front to back, one per window number.
    static QList<CGWindowInfo> cgWindows(qint32 pid);
    static std::optional<quint32> cgWindowID(const WindowElement& element);
    static std::optional<bool> boolValue(const WindowElement& element, const QString& name);
    static std::optional<QString> string(const WindowElement& element, const QString& name);
    static std::optional<QSizeF> cgSize(const WindowElement& element);
    static bool isFullscreen(const WindowElement& element);
    static bool isListableAXWindow(const WindowElement& element);
    static bool isListableCGWindow(const CGWindowInfo& info);
    static bool looksFullscreen(const QRectF& rect);
    static bool nearlyEqual(const QSizeF& a, const QSizeF& b);
    static QString displayTitle(const std::optional<QString>& axTitle, const std::optional<QString>& cgName,
                                const std::optional<QRectF>& bounds, int index);
    static QString stableID(const QString& bundle, std::optional<quint32> cgID, const QString& title, int index);

    // Raising, step by step.
    static void focusAX(const WindowElement& element, qint32 applicationPID);
    static bool isFocused(const AppWindow& window, qint32 pid);
    static std::optional<WindowElement> resolveAXWindow(qint32 pid, std::optional<quint32> cgWindowID,
                                                        const QString& title);

    static constexpr int focusAttempts = 12;
    static constexpr double focusRetryInterval = 0.12;

private:
    static void retryAXFocus(const AppWindow& window, qint32 pid, int attemptsLeft);
};
