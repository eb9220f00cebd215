#pragma once
// The symbols offered for ring items, and the import of a picture of the
// user's own as a custom icon (a PNG copied into the custom-icons folder under
// a new "custom_icon_<UUID>.png" name).

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

class SymbolLibrary {
public:
    SymbolLibrary() = delete;

    // The 164 symbols of the icon picker, in the order the picker shows them.
    static const QStringList& all();
    // The symbols whose name, with every "." read as a blank, contains the
    // query (trimmed of blanks, any letter case); every symbol for an empty query.
    static QStringList search(const QString& query);

    // Limits of an imported picture.
    static constexpr qint64 maxFileBytes = 1024 * 1024;
    static constexpr int maxPixelSide = 1024;

    enum class ImportError {
        notAFile, // missing, or a folder, link, device or pipe
        tooLarge, // more than maxFileBytes
        tooManyPixels, // wider or taller than maxPixelSide
        unreadable, // not a complete PNG picture
        notSaved, // the folder or the copy could not be written
    };
    struct ImportResult {
        std::optional<QString> iconName; // set on success
        std::optional<ImportError> error;
        QString message; // the failure in the interface language; empty on success
    };

    // Checks the file at `path` and copies it into the custom-icons folder.
    // Only a regular file of at most 1 MiB holding a PNG picture of at most
    // 1024 x 1024 pixels is taken; the copy is written atomically, so a
    // failed import leaves nothing behind. Main thread (the decoder check is quick).
    static ImportResult importCustomIcon(const QString& path);
    static QString message(ImportError error, const QString& detail = QString());
    // The picture in `bytes` when they are a whole PNG within the pixel
    // limit, decoded with a bounded allocation; a null image (and the
    // reason in *error, in words for the log in *reason) otherwise. The
    // structure is checked (ImageCheck) before the decoder sees the bytes.
    static QImage decodePicture(
        const QByteArray& bytes, std::optional<ImportError>* error = nullptr, QString* reason = nullptr);

    // A stored custom icon's picture, decoded with the same limits (a null
    // image when the file is missing, too large or not a picture).
    static QImage loadCustomIcon(const QString& iconName);
};
