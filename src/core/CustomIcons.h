#pragma once
// Imported icons and site icons: PNG files in $XDG_DATA_HOME/Kelvaro/CustomIcons
// whose whole file name is the icon name stored in a record. Any icon text
// that begins with "custom_icon_" names such a file; any other icon text is
// a symbol name.

#include "platform/SafeFile.h"

#include <QString>
#include <QUuid>
#include <optional>

class CustomIcons {
public:
    static const QString prefix; // "custom_icon_"
    static const QString faviconPrefix; // "custom_icon_favicon_"

    // $XDG_DATA_HOME/Kelvaro/CustomIcons (not created here).
    static QString folderPath();

    // Whether an icon text names a custom icon file (by its prefix).
    static bool isCustomIconName(const QString& icon);
    // Whether a stored icon name may be opened as a file in the folder:
    // "custom_icon_" followed by letters, digits, ".", "_" or "-" only (so
    // never a path), without "..".
    static bool isSafeName(const QString& icon);
    // The file of a safe custom icon name; nothing for any other text.
    static std::optional<QString> filePath(const QString& icon);

    // No icon of ours comes near this; a larger file is not one.
    static constexpr qint64 maxFileBytes = 8 * 1024 * 1024;
    // The bytes of a custom icon's file: a regular file of at most `maxBytes`,
    // never through a symbolic link, read without blocking. Anything else
    // (an unsafe name too) is refused with a reason and, unless the file is
    // simply missing, a log line naming it.
    static SafeFile::Result readFile(const QString& icon, qint64 maxBytes = maxFileBytes);

    // "custom_icon_" + the id's upper-case UUID text + ".png" (52 characters).
    static QString importedIconName(const QUuid& id = QUuid::createUuid());
    // "custom_icon_favicon_" + the host with every "." as "_" + ".png".
    static QString faviconName(const QString& host);

    CustomIcons() = delete;
};
