#include "editors/SymbolLibrary.h"

#include "core/CustomIcons.h"
#include "platform/ImageCheck.h"
#include "platform/Log.h"
#include "platform/SafeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
#include <QSaveFile>

namespace {
// Decoding a picture of at most 1024 x 1024 needs 4 MiB; leave room for the
// decoder's own buffers, refuse anything that would need more.
constexpr int allocationLimitMiB = 16;

bool startsWithSignature(const QByteArray& bytes)
{
    static const QByteArray signature = QByteArray::fromHex("89504e470d0a1a0a");
    return bytes.startsWith(signature);
}

bool endsWithImageEnd(const QByteArray& bytes)
{
    // Every complete PNG ends with the IEND chunk: length 0, type, CRC.
    static const QByteArray end = QByteArray::fromHex("0000000049454e44ae426082");
    return bytes.endsWith(end);
}

ImageCheck::Limits checkLimits()
{
    return { SymbolLibrary::maxFileBytes, SymbolLibrary::maxPixelSide,
        qint64(SymbolLibrary::maxPixelSide) * SymbolLibrary::maxPixelSide };
}

}

QImage SymbolLibrary::decodePicture(const QByteArray& bytes, std::optional<ImportError>* error, QString* reason)
{
    auto fail = [&](SymbolLibrary::ImportError e) {
        if (error)
            *error = e;
        return QImage();
    };
    if (!startsWithSignature(bytes) || !endsWithImageEnd(bytes)) {
        if (reason)
            *reason = QStringLiteral("no PNG signature or no IEND chunk at its end");
        return fail(SymbolLibrary::ImportError::unreadable);
    }
    // Its structure and promised size, before the decoder sees a byte.
    const ImageCheck::Verdict verdict = ImageCheck::inspect(bytes, checkLimits());
    if (!verdict.ok()) {
        if (reason)
            *reason = verdict.reason;
        return fail(verdict.problem == ImageCheck::Problem::tooManyPixels ? SymbolLibrary::ImportError::tooManyPixels
                : verdict.problem == ImageCheck::Problem::tooLarge        ? SymbolLibrary::ImportError::tooLarge
                                                                          : SymbolLibrary::ImportError::unreadable);
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // Only the PNG decoder: left to itself the reader falls back to whichever
    // decoder recognises the content, and such a decoder may read a picture of
    // another size than the one its header announced.
    QImageReader reader(&buffer, "png");
    reader.setDecideFormatFromContent(false);
    reader.setAutoDetectImageFormat(false);
    reader.setAllocationLimit(allocationLimitMiB);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return fail(SymbolLibrary::ImportError::unreadable);
    if (size.width() > SymbolLibrary::maxPixelSide || size.height() > SymbolLibrary::maxPixelSide)
        return fail(SymbolLibrary::ImportError::tooManyPixels);
    QImage image = reader.read();
    if (image.isNull())
        return fail(SymbolLibrary::ImportError::unreadable);
    // The header is only a promise; hold the decoded picture to the limit too.
    if (image.width() > SymbolLibrary::maxPixelSide || image.height() > SymbolLibrary::maxPixelSide)
        return fail(SymbolLibrary::ImportError::tooManyPixels);
    return image;
}

const QStringList& SymbolLibrary::all()
{
    static const QStringList symbols = QString::fromLatin1(
        "command option control shift capslock escape return delete.left delete.right space keyboard "
        "keyboard.chevron.compact.down arrow.up arrow.down arrow.left arrow.right arrow.up.left arrow.up.right "
        "arrow.down.left arrow.down.right arrow.clockwise arrow.counterclockwise arrow.uturn.left arrow.uturn.right "
        "arrow.triangle.2.circlepath arrow.up.arrow.down chevron.left chevron.right doc doc.text doc.on.doc "
        "doc.on.clipboard doc.badge.plus folder folder.badge.plus tray tray.full trash archivebox pencil "
        "pencil.circle square.and.pencil highlighter scissors textformat bold italic underline text.alignleft "
        "text.aligncenter list.bullet list.number checklist magnifyingglass text.magnifyingglass macwindow "
        "sidebar.left sidebar.right rectangle.split.2x1 rectangle.split.3x1 square.grid.2x2 square.grid.3x3 "
        "menubar.rectangle arrow.up.left.and.arrow.down.right arrow.down.right.and.arrow.up.left "
        "plus.magnifyingglass minus.magnifyingglass eye eye.slash terminal "
        "chevron.left.forwardslash.chevron.right curlybraces hammer wrench.and.screwdriver ladybug cpu "
        "memorychip externaldrive internaldrive server.rack network link globe safari envelope paperplane "
        "bubble.left bubble.left.and.bubble.right phone video at bell bell.slash play pause stop forward "
        "backward forward.end backward.end speaker.wave.2 speaker.slash music.note camera photo "
        "photo.on.rectangle film mic mic.slash waveform gear gearshape slider.horizontal.3 switch.2 power lock "
        "lock.open key shield wifi battery.100 bolt clock calendar timer alarm moon sun.max star star.fill heart "
        "flag bookmark tag pin paperclip checkmark checkmark.circle xmark xmark.circle plus minus "
        "questionmark.circle exclamationmark.triangle info.circle ellipsis.circle circle square app sparkles "
        "wand.and.stars person person.2 person.crop.circle house building.2 cart creditcard bag gift map "
        "location airplane car")
                                           .split(QLatin1Char(' '));
    return symbols;
}

QStringList SymbolLibrary::search(const QString& query)
{
    QString q = query;
    // Blanks other than line breaks are trimmed at both ends.
    auto blank = [](QChar c) { return c.isSpace() && c != QLatin1Char('\n') && c != QLatin1Char('\r'); };
    while (!q.isEmpty() && blank(q.front()))
        q.remove(0, 1);
    while (!q.isEmpty() && blank(q.back()))
        q.chop(1);
    q = q.toLower();
    if (q.isEmpty())
        return all();
    QStringList out;
    for (const QString& name : all()) {
        QString words = name;
        words.replace(QLatin1Char('.'), QLatin1Char(' '));
        if (words.contains(q))
            out << name;
    }
    return out;
}

QString SymbolLibrary::message(ImportError error, const QString& detail)
{
    switch (error) {
    case ImportError::notAFile:
        return QCoreApplication::translate("Kelvaro", "Pick a PNG file. Folders, links and devices cannot be used.");
    case ImportError::tooLarge:
        return QCoreApplication::translate("Kelvaro", "Pick a PNG smaller than 1 MB.");
    case ImportError::tooManyPixels:
        return QCoreApplication::translate("Kelvaro", "Pick a PNG of at most 1024 × 1024 pixels.");
    case ImportError::unreadable:
        return QCoreApplication::translate("Kelvaro", "That file could not be read as a PNG.");
    case ImportError::notSaved:
        return QCoreApplication::translate("Kelvaro", "The icon could not be saved: %1").arg(detail);
    }
    return {};
}

SymbolLibrary::ImportResult SymbolLibrary::importCustomIcon(const QString& path)
{
    auto fail = [&path](ImportError error, const QString& detail = QString()) {
        static const char* const reasons[] = { "not a regular file", "larger than 1 MiB",
            "larger than 1024 x 1024 pixels", "not a complete PNG", "could not be written" };
        Log::write(QStringLiteral("Kelvaro: custom icon not imported from '%1': %2%3")
                       .arg(path, QLatin1String(reasons[int(error)]),
                           detail.isEmpty() ? QString() : QStringLiteral(" (") + detail + QLatin1Char(')')));
        return ImportResult { std::nullopt, error, message(error, detail) };
    };
    // The file itself, never what a link points to; opened without blocking
    // (a FIFO or device is no picture) and read no further than the limit.
    const SafeFile::Result file = SafeFile::read(path, maxFileBytes, SafeFile::Links::refuse);
    switch (file.status) {
    case SafeFile::Status::ok:
        break;
    case SafeFile::Status::missing:
    case SafeFile::Status::notRegular:
        return fail(ImportError::notAFile, file.reason);
    case SafeFile::Status::tooLarge:
        return fail(ImportError::tooLarge);
    case SafeFile::Status::unreadable:
        return fail(ImportError::unreadable, file.reason);
    }
    const QByteArray& bytes = file.bytes;
    std::optional<ImportError> decodeError;
    QString reason;
    if (decodePicture(bytes, &decodeError, &reason).isNull())
        return fail(decodeError.value_or(ImportError::unreadable), reason);

    const QString folder = CustomIcons::folderPath();
    if (!QDir().mkpath(folder))
        return fail(ImportError::notSaved, folder);
    const QString name = CustomIcons::importedIconName();
    QSaveFile out(QDir(folder).filePath(name));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return fail(ImportError::notSaved, out.errorString());
    return ImportResult { name, std::nullopt, QString() };
}

QImage SymbolLibrary::loadCustomIcon(const QString& iconName)
{
    // Site icons of the tab capture share the folder; they are small too.
    const SafeFile::Result file = CustomIcons::readFile(iconName, maxFileBytes);
    if (!file.ok())
        return {};
    const QByteArray& bytes = file.bytes;
    // Imports are PNG; site icons are whatever the site sent. A picture of a
    // format checked here must hold up before its decoder sees it.
    if (const ImageCheck::Verdict verdict = ImageCheck::inspect(bytes, checkLimits()); !verdict.ok()) {
        Log::write(QStringLiteral("Kelvaro: custom icon %1 not shown: %2").arg(iconName, verdict.reason));
        return {};
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(allocationLimitMiB);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > maxPixelSide || size.height() > maxPixelSide))
        return {};
    QImage image = reader.read();
    if (image.width() > maxPixelSide || image.height() > maxPixelSide)
        return {};
    return image;
}
