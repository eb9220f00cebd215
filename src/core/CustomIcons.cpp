#include "core/CustomIcons.h"

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

bool CustomIcons::isCustomIconName(const QString& icon)
{
    return icon.startsWith(prefix);
}

bool CustomIcons::isSafeName(const QString& icon)
{
    static const QRegularExpression form(QRegularExpression::anchoredPattern(QStringLiteral("custom_icon_[A-Za-z0-9._-]+")));
    return form.match(icon).hasMatch() && !icon.contains(QStringLiteral(".."));
}

std::optional<QString> CustomIcons::filePath(const QString& icon)
{
    if (!isSafeName(icon))
        return std::nullopt;
    return folderPath() + QLatin1Char('/') + icon;
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
