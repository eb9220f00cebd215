#pragma once
// The defaults database: one typed key-value store for the user's settings
// and the other persisted state. Values keep their type exactly:
//   bool, qint64 (integer), quint64 (unsigned), double, QString (string),
//   QByteArray (data), QVariantList (array), QVariantMap (dictionary).
// A change is visible to every reader in this process at once; the file
// store writes it to disk behind the caller's back (`flush` waits for that).

#include <QVariant>
#include <QString>
#include <QStringList>
#include <QList>
#include <QObject>
#include <map>
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

    // Sets each key to its value (nothing removes it) as one change: all are
    // made, or none. False, with nothing changed and nothing reported, when
    // the store cannot hold them all (the caller says what became of it).
    using Changes = std::map<QString, std::optional<QVariant>>;
    virtual bool setValues(const Changes& changes);

    // Returns once every change made so far is on disk, or could not be saved.
    virtual void flush() { }

    // Something the person should know about their stored settings.
    struct Problem {
        enum class Kind {
            keptAside, // the file could not be read, was kept as `keptAs` and settings started empty
            partlyKeptAside, // parts could not be read; the file as it was is kept as `keptAs`
            notSaved, // changes could not be written to `path`
            writtenBack, // the file became unreadable after it was read: it is kept as `keptAs` and the settings in
                         // memory were written in its place
            refused, // a change was not made: it would have made `path` larger than can be read back (`reason` says
                     // which)
        };
        Kind kind = Kind::keptAside;
        QString path;
        QString keptAs;
        QString reason;
    };
    // The problems met so far, oldest first (each also reported through `problem`).
    QList<Problem> problems() const { return m_problems; }

    // The platform's lenient Boolean reading: true for a Boolean true, a
    // non-zero number, or a string "yes"/"true"/"1" (any case, leading spaces
    // and signs ignored as the number parser does); false otherwise and when missing.
    bool boolValue(const QString& key) const;
    static bool lenientBool(const QVariant& v);

Q_SIGNALS:
    void changed(const QString& key);
    void problem(const DefaultsStore::Problem& problem);

protected:
    // Records `p` and emits `problem`; main thread only.
    void reportProblem(const Problem& p)
    {
        m_problems.append(p);
        Q_EMIT problem(p);
    }

private:
    QList<Problem> m_problems;
};
