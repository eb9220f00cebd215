#pragma once
#include "platform/Scheduler.h"
#include "platform/SecretStore.h"

#include <QMap>
#include <QPointer>

// A keyring in memory for tests. Answers come on the next turn of the
// scheduler, as the real store's come later from its worker. `refuseStores`
// stands for a locked or full keyring.
class MemorySecretStore final : public SecretStore {
public:
    void store(const QString& account, const QString& label, std::shared_ptr<const SecretText> secret,
        const QObject* context, std::function<void(bool)> done) override
    {
        ++storeCalls;
        const bool ok = !refuseStores;
        if (ok) {
            items[account] = QByteArray(secret->bytes().constData(), secret->bytes().size());
            labels[account] = label;
        }
        answer(context, [done, ok] { done(ok); });
    }
    void lookup(const QString& account, const QObject* context,
        std::function<void(std::shared_ptr<const SecretText>)> done) override
    {
        ++lookupCalls;
        std::shared_ptr<const SecretText> secret;
        if (items.contains(account))
            secret = SecretText::fromUtf8(items.value(account));
        answer(context, [done, secret] { done(secret); });
    }
    void remove(const QString& account, const QObject* context, std::function<void(bool)> done) override
    {
        removed.append(account);
        items.remove(account);
        labels.remove(account);
        answer(context, [done] {
            if (done)
                done(true);
        });
    }

    QMap<QString, QByteArray> items; // account -> secret
    QMap<QString, QString> labels;
    QStringList removed; // every account a removal named, in order
    bool refuseStores = false;
    int storeCalls = 0;
    int lookupCalls = 0;

private:
    static void answer(const QObject* context, const std::function<void()>& task)
    {
        Scheduler::shared().post([alive = QPointer<const QObject>(context), hasContext = context != nullptr, task] {
            if (!hasContext || alive)
                task();
        });
    }
};
