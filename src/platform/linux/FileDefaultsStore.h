#pragma once
// The defaults database on disk: one JSON file of type-tagged values,
// rewritten atomically on every change under a lock file, so that a change is
// on disk when the setter returns and two processes never lose each other's keys.

#include "platform/DefaultsStore.h"

#include <QMap>
#include <QString>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

class FileDefaultsStore final : public DefaultsStore {
    Q_OBJECT
public:
    // Reads `path`; an unreadable file is renamed aside (kept) and the store starts empty.
    explicit FileDefaultsStore(QString path);

    std::optional<QVariant> value(const QString& key) const override;
    void setValue(const QString& key, const QVariant& value) override;
    void remove(const QString& key) override;
    QStringList keys() const override;

    QString path() const { return m_path; }

    // $XDG_CONFIG_HOME/kelvaro/defaults.json (~/.config when unset).
    static QString defaultPath();

    // Values as stored in the file; exposed for tests.
    static nlohmann::json encodeValue(const QVariant& value, bool* ok);
    static std::optional<QVariant> decodeValue(const nlohmann::json& tagged);

private:
    struct Contents {
        QMap<QString, QVariant> values;
        std::map<std::string, nlohmann::json> opaque; // entries this build cannot read, kept as they are
    };
    enum class ReadResult { ok, missing, unreadable, inaccessible };

    ReadResult readFile(Contents& into, QString* reason) const;
    void setAside(const QString& reason);
    bool writeFile(const Contents& contents);
    void change(const QString& key, const std::optional<QVariant>& value);

    QString m_path;
    Contents m_contents;
};
