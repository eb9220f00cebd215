#include "core/CustomIcons.h"

#include "platform/Log.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

const QString CustomIcons::prefix = QStringLiteral("custom_icon_");
const QString CustomIcons::faviconPrefix = QStringLiteral("custom_icon_favicon_");

QString CustomIcons::folderPath()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/Kelvaro/CustomIcons"));
}

bool CustomIcons::isCustomIconName(const QString& icon) { return icon.startsWith(prefix); }

bool CustomIcons::isSafeName(const QString& icon)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("custom_icon_[A-Za-z0-9._-]+")));
    return form.match(icon).hasMatch() && !icon.contains(QStringLiteral(".."));
}

std::optional<QString> CustomIcons::filePath(const QString& icon)
{
    if (!isSafeName(icon))
        return std::nullopt;
    return folderPath() + QLatin1Char('/') + icon;
}

SafeFile::Result CustomIcons::readFile(const QString& icon, qint64 maxBytes)
{
    const std::optional<QString> path = filePath(icon);
    if (!path) {
        SafeFile::Result refused;
        refused.status = SafeFile::Status::unreadable;
        refused.reason = QStringLiteral("is not a valid icon file name");
        return refused;
    }
    SafeFile::Result result = SafeFile::read(*path, maxBytes, SafeFile::Links::refuse);
    if (!result.ok() && result.status != SafeFile::Status::missing)
        Log::write(QStringLiteral("Kelvaro: custom icon file %1 not read: %2").arg(*path, result.reason));
    return result;
}

QString CustomIcons::importedIconName(const QUuid& id)
{
    return prefix + id.toString(QUuid::WithoutBraces).toUpper() + QStringLiteral(".png");
}

QString CustomIcons::faviconName(const QString& host)
{
    QString name = host;
    name.replace(QLatin1Char('.'), QLatin1Char('_'));
    return faviconPrefix + name + QStringLiteral(".png");
}
