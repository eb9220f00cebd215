#pragma once
// The build configuration compiled into the binary: version, build number,
// analytics key and host, and the update feed address. A packager sets them
// at configure time (CMake cache variables).
//
// Tests (and the test build's start-up) may replace any of them at run time
// through the setters below; nothing in the environment does.

#include <QString>
#include <optional>

struct BuildConfig {
    // "CFBundleShortVersionString": the human-readable version, e.g. "1.0.0".
    static QString version();
    // "CFBundleVersion": the build number as configured (normally decimal digits).
    static QString buildNumber();
    // A decimal integer with an optional leading sign and nothing else, as
    // build numbers and stored builds are read; nothing otherwise.
    static std::optional<qint64> parseInteger(const QString& text);
    // The analytics project key; empty means nothing is ever sent.
    static QString analyticsKey();
    // The analytics host as configured (may be empty: the caller's default applies).
    static QString analyticsHost();
    // The update feed address; empty means no feed is configured.
    static QString updateFeedUrl();

    // The running operating system's release as dotted numbers (the
    // VERSION_ID of os-release, e.g. "12"), or empty when it has none.
    static QString systemVersion();
    // The operating system's human-readable name and version.
    static QString systemDescription();

    // Test overrides; std::nullopt returns to the compiled-in value.
    static void setVersion(std::optional<QString> v);
    static void setBuildNumber(std::optional<QString> v);
    static void setAnalyticsKey(std::optional<QString> v);
    static void setAnalyticsHost(std::optional<QString> v);
    static void setUpdateFeedUrl(std::optional<QString> v);
    static void setSystemVersion(std::optional<QString> v);
    static void resetOverrides();
};
