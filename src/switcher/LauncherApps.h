#pragma once
// Bundle identifiers to installed applications. An application's "URL" is
// the file of its desktop entry.

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <optional>

#include "ringkit/RunningApp.h"

class Platform;

namespace LauncherApps {
// The application's information: every key of its desktop entry, plus
// "CFBundleIdentifier", "CFBundleName" (its Name) and "CFBundleDisplayName"
// (its Name in the system's language, when the entry has one for it).
std::optional<QVariantMap> infoDictionary(const QString& url);
// "CFBundleDisplayName", else "CFBundleName", else the file name without its
// extension; `fallback` when the chosen name is empty.
QString displayName(const QString& url, const QString& fallback);
// The installed application with that identifier, as a ring entry; an
// application without a desktop entry only while it runs.
std::optional<RunningApp> resolve(const Platform& platform, const QString& bundleIdentifier);
// resolve() of each identifier, keeping the installed ones in the given order.
QList<RunningApp> resolved(const Platform& platform, const QStringList& bundleIdentifiers);
// The bundle identifier of the application whose desktop entry is `url`.
std::optional<QString> bundleIdentifier(const QString& url);

// Lets the user pick an installed application (core/AppPicker.h): as a sheet
// on the open titled window when there is one, otherwise as a modal dialog
// with the global hotkeys off while it runs. The completion runs once, on the
// main thread, with the chosen application's bundle identifier, or nothing
// when the user cancelled.
void presentAppPicker(const Platform& platform, const QString& title, const QString& message,
    std::function<void(std::optional<QString>)> completion);
// The launcher groups' picker, with its own title and message.
void chooseApp(const Platform& platform, std::function<void(std::optional<QString>)> completion);
}
