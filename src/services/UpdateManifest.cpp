#include "services/UpdateManifest.h"

#include <QUrl>
#include <limits>
#include <nlohmann/json.hpp>

namespace {
using nlohmann::json;

bool fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return false;
}

bool readString(const json& obj, const char* key, bool required, std::optional<QString>& out, QString* error)
{
    auto it = obj.find(key);
    if (it == obj.end() || it->is_null()) {
        if (required)
            return fail(error, QStringLiteral("missing \"%1\"").arg(QLatin1String(key)));
        out.reset();
        return true;
    }
    if (!it->is_string())
        return fail(error, QStringLiteral("\"%1\" is not a string").arg(QLatin1String(key)));
    out = QString::fromStdString(it->get<std::string>());
    return true;
}
}

bool UpdateManifest::isAcceptableDownloadUrl(const QString& url)
{
    const QUrl u(url, QUrl::StrictMode);
    // No user name or password in the link: it would be shown, and a feed has no business sending them.
    return u.isValid() && !u.isRelative() && u.scheme() == QLatin1String("https") && !u.host().isEmpty()
        && !u.authority(QUrl::FullyEncoded).contains(QLatin1Char('@'));
}

std::optional<UpdateManifest> UpdateManifest::decode(const QByteArray& body, QString* error)
{
    json doc = json::parse(body.constBegin(), body.constEnd(), nullptr, /*allow_exceptions=*/false);
    if (doc.is_discarded()) {
        fail(error, QStringLiteral("the body is not JSON"));
        return std::nullopt;
    }
    if (!doc.is_object()) {
        fail(error, QStringLiteral("the body is not a JSON object"));
        return std::nullopt;
    }

    UpdateManifest m;
    auto build = doc.find("build");
    if (build == doc.end() || build->is_null()) {
        fail(error, QStringLiteral("missing \"build\""));
        return std::nullopt;
    }
    if (build->is_number_unsigned()) {
        const auto v = build->get<std::uint64_t>();
        if (v > static_cast<std::uint64_t>(std::numeric_limits<qint64>::max())) {
            fail(error, QStringLiteral("\"build\" does not fit a 64-bit integer"));
            return std::nullopt;
        }
        m.build = static_cast<qint64>(v);
    } else if (build->is_number_integer()) {
        m.build = build->get<std::int64_t>();
    } else {
        fail(error, QStringLiteral("\"build\" is not an integer"));
        return std::nullopt;
    }

    std::optional<QString> version, url;
    if (!readString(doc, "version", true, version, error) || !readString(doc, "url", true, url, error)
        || !readString(doc, "notes", false, m.notes, error)
        || !readString(doc, "minimumSystemVersion", false, m.minimumSystemVersion, error))
        return std::nullopt;
    m.version = *version;
    m.url = *url;
    if (!isAcceptableDownloadUrl(m.url)) {
        fail(error, QStringLiteral("\"url\" is not an absolute https address"));
        return std::nullopt;
    }
    return m;
}

QByteArray UpdateManifest::encode() const
{
    json doc = json::object();
    doc["build"] = build;
    doc["version"] = version.toStdString();
    doc["url"] = url.toStdString();
    if (notes)
        doc["notes"] = notes->toStdString();
    if (minimumSystemVersion)
        doc["minimumSystemVersion"] = minimumSystemVersion->toStdString();
    return QByteArray::fromStdString(doc.dump());
}
