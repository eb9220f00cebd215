#pragma once
// The defaults database: one typed key-value store for the user's settings
// and the other persisted state. Values keep their type exactly:
//   bool, qint64 (integer), quint64 (unsigned), double, QString (string),
//   QByteArray (data), QVariantList (array), QVariantMap (dictionary).
// Every write is durable when the call returns.

#include <QVariant>
#include <QString>
#include <QStringList>
#include <QObject>
#include <memory>
#include <optional>

class DefaultsStore : public QObject {
    Q_OBJECT
public:
    ~DefaultsStore() override = default;

    virtual std::optional<QVariant> value(const QString& key) const = 0;
    virtual void setValue(const QString& key, const QVariant& value) = 0;
    virtual void remove(const QString& key) = 0;
    virtual QStringList keys() const = 0;

    bool contains(const QString& key) const { return value(key).has_value(); }

    // The platform's lenient Boolean reading: true for a Boolean true, a
    // non-zero number, or a string "yes"/"true"/"1" (any case, leading spaces
    // and signs ignored as the number parser does); false otherwise and when missing.
    bool boolValue(const QString& key) const;
    static bool lenientBool(const QVariant& v);

    // The process-wide store (the file store unless a test installed another).
    static DefaultsStore& shared();
    static void setShared(std::shared_ptr<DefaultsStore> store);

Q_SIGNALS:
    void changed(const QString& key);
};
