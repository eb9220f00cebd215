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
        }
        return true;
    }

    std::optional<QString> registerItem() override
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

std::shared_ptr<LoginItem> makeDefaultLoginItem() { return std::make_shared<XdgAutostartItem>(); }
