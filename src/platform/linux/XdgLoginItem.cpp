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

// One Exec argument, quoted by the desktop-entry rules and then escaped as a string value.
QString execArgument(const QString& arg)
{
    QString quoted;
    for (QChar c : arg) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    quoted.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    quoted.replace(QLatin1String("%"), QLatin1String("%%"));
    return quoted;
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return file.errorString();
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Kelvaro\n"
                                         "Exec=%1\n"
                                         "Icon=" KELVARO_APP_ID "\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(execArgument(program));
    file.write(entry.toUtf8());
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
        bool inMainGroup = false;
        QString exec;
        for (const QByteArray& raw : file.bytes.split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith(QLatin1Char('['))) {
                inMainGroup = line == QLatin1String("[Desktop Entry]");
                continue;
            }
            if (!inMainGroup)
                continue;
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq < 0)
                continue;
            // Either key turns the entry off: Hidden=true is the XDG way,
            // X-GNOME-Autostart-enabled=false what GNOME's settings write.
            const QString key = line.left(eq).trimmed();
            const QString value = line.mid(eq + 1).trimmed();
            if ((key == QLatin1String("Hidden") && value == QLatin1String("true"))
                || (key == QLatin1String("X-GNOME-Autostart-enabled") && value == QLatin1String("false")))
                return false;
            if (key == QLatin1String("Exec"))
                exec = value;
        }
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

QString XdgLoginItem::execProgram(const QString& exec)
{
    // The value as a string: \\ and the other escapes of the desktop-entry format.
    QString value;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (c != QLatin1Char('\\') || i + 1 == exec.size()) {
            value += c;
            continue;
        }
        const QChar next = exec.at(++i);
        if (next == QLatin1Char('s'))
            value += QLatin1Char(' ');
        else if (next == QLatin1Char('n'))
            value += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            value += QLatin1Char('\t');
        else if (next == QLatin1Char('r'))
            value += QLatin1Char('\r');
        else if (next == QLatin1Char('\\'))
            value += QLatin1Char('\\');
        else
            value += QLatin1Char('\\') + next;
    }
    // Its first argument, quoted or not.
    QString program;
    if (value.startsWith(QLatin1Char('"'))) {
        bool closed = false;
        for (qsizetype i = 1; i < value.size() && !closed; ++i) {
            const QChar c = value.at(i);
            if (c == QLatin1Char('\\') && i + 1 < value.size())
                program += value.at(++i);
            else if (c == QLatin1Char('"'))
                closed = true;
            else
                program += c;
        }
        if (!closed)
            return {};
    } else {
        program = value.section(QLatin1Char(' '), 0, 0);
    }
    program.replace(QLatin1String("%%"), QLatin1String("%"));
    return program.startsWith(QLatin1Char('/')) ? program : QString();
}

std::shared_ptr<LoginItem> makeDefaultLoginItem() { return std::make_shared<XdgAutostartItem>(); }
