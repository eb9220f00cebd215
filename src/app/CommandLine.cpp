#include "app/CommandLine.h"

#include "core/AppLanguage.h"
#include "core/Translations.h"
#include "platform/linux/FileDefaultsStore.h"
#include "services/BuildConfig.h"
#include "settings/LanguagePicker.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cstdio>
#include <xcb/xcb.h>

namespace {
// The options Qt itself takes (Kelvaro passes them on), with the ones that
// are followed by a value.
const QSet<QString>& qtValueOptions()
{
    static const QSet<QString> names { QStringLiteral("platform"), QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"), QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"),
        QStringLiteral("qwindowicon"), QStringLiteral("qwindowtitle"), QStringLiteral("display"),
        QStringLiteral("geometry"), QStringLiteral("title"), QStringLiteral("name"), QStringLiteral("session"),
        QStringLiteral("style"), QStringLiteral("stylesheet"), QStringLiteral("qmljsdebugger") };
    return names;
}

const QSet<QString>& qtFlagOptions()
{
    static const QSet<QString> names { QStringLiteral("reverse"), QStringLiteral("nograb"), QStringLiteral("dograb"),
        QStringLiteral("sync"), QStringLiteral("widgetcount"), QStringLiteral("testability") };
    return names;
}

// The first argument that is neither Kelvaro's nor Qt's option (a lone word
// is no option and is left to Qt as before).
std::optional<QString> unknownOption(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (!a.startsWith(QLatin1Char('-')) || a == QLatin1String("-"))
            continue;
        if (a == LanguagePicker::relaunchArgument())
            continue; // a copy started by the language change, replacing this one
        QString name = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
        const bool hasValue = name.contains(QLatin1Char('='));
        name = name.section(QLatin1Char('='), 0, 0);
        if (qtValueOptions().contains(name)) {
            if (!hasValue)
                ++i; // its value
            continue;
        }
        if (!hasValue && qtFlagOptions().contains(name))
            continue;
        return a;
    }
    return std::nullopt;
}

// The interface language chosen in the settings file, if any, read without
// the store (which would tidy the folder) and without an application object.
std::optional<QString> storedLanguageCode()
{
    QFile file(FileDefaultsStore::defaultPath());
    if (!file.open(QIODevice::ReadOnly) || file.size() > FileDefaultsStore::maxFileSize)
        return std::nullopt;
    FileDefaultsStore::Contents contents;
    if (!FileDefaultsStore::decode(file.readAll(), contents, nullptr))
        return std::nullopt;
    const QVariant raw = contents.values.value(QStringLiteral("appLanguage"));
    if (raw.typeId() != QMetaType::QString)
        return std::nullopt;
    const auto language = fromRawValue<AppLanguage>(raw.toString());
    return language ? localeIdentifier(*language) : std::nullopt;
}

// Nothing is installed before the application object exists: each text is
// asked of the interface language's translations directly.
QString localized(const char* english, const CommandLine::Environment& environment)
{
    if (!environment.languageCode)
        return QString::fromUtf8(english);
    return Translations::translate(english, environment.languageCode());
}

// The value of a Qt option given as "-name value", "--name value" or "-name=value".
std::optional<QString> qtOption(const QStringList& arguments, const QString& name)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString a = arguments.at(i);
        if (a.startsWith(QLatin1String("--")))
            a.remove(0, 1);
        if (a == QLatin1Char('-') + name && i + 1 < arguments.size())
            return arguments.at(i + 1);
        if (a.startsWith(QLatin1Char('-') + name + QLatin1Char('=')))
            return a.mid(name.size() + 2);
    }
    return std::nullopt;
}

QString programName(const QStringList& arguments)
{
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? QStringLiteral("kelvaro") : name;
}

QString help(const QStringList& arguments, const CommandLine::Environment& env)
{
    QString text
        = localized(QT_TRANSLATE_NOOP("Kelvaro", "Usage: %1 [--help | --version]"), env).arg(programName(arguments))
        + QLatin1Char('\n');
    text += localized(QT_TRANSLATE_NOOP("Kelvaro", "Every app you have open, in a ring around your pointer."), env)
        + QStringLiteral("\n\n");
    text += QStringLiteral("  --help     ") + localized(QT_TRANSLATE_NOOP("Kelvaro", "Show this help and exit."), env)
        + QLatin1Char('\n');
    text += QStringLiteral("  --version  ") + localized(QT_TRANSLATE_NOOP("Kelvaro", "Show the version and exit."), env)
        + QLatin1Char('\n');
    return text;
}

std::optional<QString> missingSession(const QStringList& arguments, const CommandLine::Environment& environment)
{
    // Another platform plugin chosen on purpose (the tests' offscreen one)
    // needs no X server. A Wayland session's QT_QPA_PLATFORM=wayland is
    // meant for other programs: Kelvaro runs on X11 there too.
    const QString platform = qtOption(arguments, QStringLiteral("platform"))
                                 .value_or(environment.variable("QT_QPA_PLATFORM"))
                                 .section(QLatin1Char(':'), 0, 0);
    if (!platform.isEmpty() && platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland")))
        return std::nullopt;
    const QString display = qtOption(arguments, QStringLiteral("display")).value_or(environment.variable("DISPLAY"));
    if (display.isEmpty()) {
        if (!environment.variable("WAYLAND_DISPLAY").isEmpty())
            return localized(
                QT_TRANSLATE_NOOP("Kelvaro",
                    "Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set)."),
                environment);
        return localized(
            QT_TRANSLATE_NOOP("Kelvaro", "Kelvaro needs an X11 session: DISPLAY is not set."), environment);
    }
    if (!environment.displayOpens(display))
        return localized(
            QT_TRANSLATE_NOOP("Kelvaro", "Kelvaro needs an X11 session: the display %1 cannot be opened."), environment)
            .arg(display);
    return std::nullopt;
}
}

namespace CommandLine {

Environment systemEnvironment()
{
    return {
        [](const char* name) { return qEnvironmentVariable(name); },
        [](const QString& display) {
            xcb_connection_t* c = xcb_connect(display.toLocal8Bit().constData(), nullptr);
            const bool opens = xcb_connection_has_error(c) == 0;
            xcb_disconnect(c);
            return opens;
        },
        [] { return storedLanguageCode().value_or(Translations::systemLanguageCode()); },
    };
}

std::optional<Answer> answer(const QStringList& arguments, const Environment& environment)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            return Answer { 0, help(arguments, environment), {} };
        if (a == QLatin1String("--version") || a == QLatin1String("-v"))
            return Answer { 0, QStringLiteral("Kelvaro %1\n").arg(BuildConfig::version()), {} };
    }
    if (const auto option = unknownOption(arguments)) {
        const QString line = localized(QT_TRANSLATE_NOOP("Kelvaro", "%1: unknown option: %2"), environment)
                                 .arg(programName(arguments), *option);
        return Answer { 2, {}, line + QLatin1Char('\n') + help(arguments, environment) };
    }
    if (const auto reason = missingSession(arguments, environment))
        return Answer { 1, {}, *reason + QLatin1Char('\n') };
    return std::nullopt;
}

int print(const Answer& answer)
{
    if (!answer.output.isEmpty()) {
        std::fputs(answer.output.toLocal8Bit().constData(), stdout);
        std::fflush(stdout);
    }
    if (!answer.error.isEmpty())
        std::fputs(answer.error.toLocal8Bit().constData(), stderr);
    return answer.exitCode;
}

}
