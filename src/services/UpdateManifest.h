#pragma once
// One record of the update feed: the newest build offered for download.

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

struct UpdateManifest {
    qint64 build = 0; // "build": the only value compared
    QString version; // "version": shown to the user
    QString url; // "url": the download page (absolute https)
    std::optional<QString> notes; // "notes": release notes, plain text
    std::optional<QString> minimumSystemVersion; // "minimumSystemVersion": dotted numbers

    bool operator==(const UpdateManifest&) const = default;

    // Decodes one feed body. Fails (nullopt, with a reason in `error`) for a
    // body that is not a JSON object, a missing or null required key, a value
    // of the wrong JSON type (e.g. "build" as a string or a fraction), or a
    // "url" that is not an absolute https address with a host. Unknown keys
    // are ignored; the optional keys may be absent or null.
    static std::optional<UpdateManifest> decode(const QByteArray& body, QString* error = nullptr);
    // The same keys back; the optional ones only when present.
    QByteArray encode() const;

    // Whether `url` is an address "Download" may open: absolute https with a host.
    static bool isAcceptableDownloadUrl(const QString& url);
};
