// Start at login through an XDG autostart entry:
// $XDG_CONFIG_HOME/autostart/kelvaro.desktop.

#include "platform/linux/XdgLoginItem.h"

#include "platform/LoginItem.h"

#include "platform/ApplicationIdentity.h"
#include "platform/Log.h"
#include "platform/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <climits>
#include <unistd.h>

#include "BuildInfo.h"

namespace {
QString autostartPath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart/kelvaro.desktop");
}

// The path for a log line, control characters shown as \xNN.
QString printable(const QString& path)
{
    QString out;
    for (QChar c : path) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

// The Exec value that starts `program`, as written in the file.
std::optional<QString> execValue(const QString& program, QString* refusal)
{
    QString quoted;
    for (QChar c : program) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            *refusal = QStringLiteral("the program's path %1 holds a line break, which a desktop entry cannot start")
                           .arg(printable(program));
            return std::nullopt;
        }
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7f) {
            *refusal
                = QStringLiteral("the program's path %1 holds a control character, which a desktop entry cannot start")
                      .arg(printable(program));
            return std::nullopt;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    // The quoted argument, then escaped as a string value, then its percent
    // signs doubled.
    QString value = QStringLiteral("\"");
    for (QChar c : quoted) {
        if (c == QLatin1Char('\\'))
            value += QLatin1String("\\\\");
        else if (c == QLatin1Char('\t'))
            value += QLatin1String("\\t");
        else if (c == QLatin1Char('%'))
            value += QLatin1String("%%");
        else
            value += c;
    }
    value += QLatin1Char('"');
    if (program.contains(QLatin1Char('%')))
        value.prepend(QLatin1String("env "));
    return value;
}

QString runningProgram()
{
    char target[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", target, sizeof target);
    if (n > 0)
        return QFile::decodeName(QByteArray(target, int(n)));
    return QCoreApplication::applicationFilePath();
}

std::optional<QString> writeEntry()
{
    const QString path = autostartPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("could not create %1").arg(QFileInfo(path).absolutePath());
    QString program = XdgLoginItem::program(runningProgram());
    if (program.isEmpty())
        program = QStringLiteral("kelvaro");
    QString refusal;
    const auto entry = XdgLoginItem::entryText(program, &refusal);
    if (!entry)
        return refusal;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return file.errorString();
    file.write(entry->toUtf8());
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

class XdgAutostartItem final : public LoginItem {
public:
    bool isEnabled() const override
    {
        const QString path = autostartPath();
        const SafeFile::Result file = SafeFile::read(path, ApplicationIdentity::maxEntryBytes);
        if (!file.ok()) {
            if (file.status != SafeFile::Status::missing)
                Log::write(QStringLiteral("Kelvaro: autostart entry %1 not read: %2").arg(path, file.reason));
            return false;
        }
        // Either key turns the entry off: Hidden=true is the XDG way,
        // X-GNOME-Autostart-enabled=false what GNOME's settings write.
        const QMap<QString, QString> keys = ApplicationIdentity::mainGroup(file.bytes);
        if (keys.value(QStringLiteral("Hidden")) == QLatin1String("true")
            || keys.value(QStringLiteral("X-GNOME-Autostart-enabled")) == QLatin1String("false"))
            return false;
        const QString exec = keys.value(QStringLiteral("Exec"));
        // The program the entry names is gone (a newer package put it
        // elsewhere): the next login would start nothing, so it names this one.
        const QString named = XdgLoginItem::execProgram(exec);
        if (!named.isEmpty() && !QFileInfo::exists(named)) {
            if (const auto error = writeEntry())
                Log::write(QStringLiteral("Kelvaro: autostart entry %1 starts %2, which is gone, and could not be "
                                          "updated: %3")
                               .arg(path, named, *error));
            else
                Log::write(
                    QStringLiteral("Kelvaro: autostart entry %1 started %2, which is gone; updated").arg(path, named));
        }
        return true;
    }

    std::optional<QString> registerItem() override { return writeEntry(); }

    std::optional<QString> unregisterItem() override
    {
        QFile file(autostartPath());
        if (!file.exists())
            return std::nullopt;
        if (!file.remove())
            return file.errorString();
        return std::nullopt;
    }
};
}

QString XdgLoginItem::program(const QString& running)
{
    static const QLatin1String replaced(" (deleted)");
    QString path = running;
    if (path.endsWith(replaced))
        path.chop(replaced.size());
    if (!path.isEmpty() && QFileInfo(path).isExecutable())
        return path;
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("kelvaro"));
    return onPath.isEmpty() ? path : onPath;
}

std::optional<QString> XdgLoginItem::entryText(const QString& program, QString* refusal)
{
    QString reason;
    const auto exec = execValue(program, &reason);
    if (!exec) {
        if (refusal)
            *refusal = reason;
        return std::nullopt;
    }
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Kelvaro\n"
                          "Exec=%1\n"
                          "Icon=" KELVARO_APP_ID "\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(*exec);
}

QString XdgLoginItem::execProgram(const QString& exec)
{
    bool closed = true;
    const QStringList args = ApplicationIdentity::splitExec(exec, &closed);
    if (!closed)
        return {};
    qsizetype i = 0;
    if (!args.isEmpty() && QFileInfo(args.first()).fileName() == QLatin1String("env")) {
        ++i;
        while (i < args.size() && args[i].contains(QLatin1Char('=')) && !args[i].startsWith(QLatin1Char('/')))
            ++i;
    }
    QString program = args.value(i);
    program.replace(QLatin1String("%%"), QLatin1String("%"));
    return program.startsWith(QLatin1Char('/')) ? program : QString();
}

std::shared_ptr<LoginItem> makeDefaultLoginItem() { return std::make_shared<XdgAutostartItem>(); }
