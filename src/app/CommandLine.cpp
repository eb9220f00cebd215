#include "app/CommandLine.h"

#include "services/BuildConfig.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <xcb/xcb.h>

namespace {
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

QString help(const QStringList& arguments)
{
    QString text = QCoreApplication::translate("Kelvaro", "Usage: %1 [--help | --version]").arg(programName(arguments))
        + QLatin1Char('\n');
    text += QCoreApplication::translate("Kelvaro", "Every app you have open, in a ring around your pointer.")
        + QStringLiteral("\n\n");
    text += QStringLiteral("  --help     ") + QCoreApplication::translate("Kelvaro", "Show this help and exit.")
        + QLatin1Char('\n');
    text += QStringLiteral("  --version  ") + QCoreApplication::translate("Kelvaro", "Show the version and exit.")
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
            return QCoreApplication::translate(
                "Kelvaro", "Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).");
        return QCoreApplication::translate("Kelvaro", "Kelvaro needs an X11 session: DISPLAY is not set.");
    }
    if (!environment.displayOpens(display))
        return QCoreApplication::translate("Kelvaro", "Kelvaro needs an X11 session: the display %1 cannot be opened.")
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
    };
}

std::optional<Answer> answer(const QStringList& arguments, const Environment& environment)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h"))
            return Answer { 0, help(arguments), {} };
        if (a == QLatin1String("--version") || a == QLatin1String("-v"))
            return Answer { 0, QStringLiteral("Kelvaro %1\n").arg(BuildConfig::version()), {} };
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
