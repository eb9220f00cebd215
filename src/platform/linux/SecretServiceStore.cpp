// Secrets in the Secret Service through libsecret: one item per password in
// the default collection, schema "com.morvanix.kelvaro.Password" with the
// attributes service = "com.morvanix.kelvaro.passwords" and account = the
// password's id. Look-ups and removals also find an item that a user or a
// script stored without the schema,
//   secret-tool store --label=… service com.morvanix.kelvaro.passwords account <UUID>
// but a look-up prefers ours. A store replaces our item of the account in one
// step; such a foreign item (which the store does not replace) is deleted only
// after the new secret is safely stored. Every call runs on one worker thread (a call may wait on
// D-Bus or an unlock prompt); answers come back on the main thread.

#include "platform/Log.h"
#include "platform/MainThread.h"
#include "platform/SecretStore.h"
#include "platform/linux/OptionalLibrary.h"
#include "platform/linux/WorkerQueue.h"

#include <libsecret/secret.h>

#include <cstring>

namespace {
constexpr const char* schemaName = "com.morvanix.kelvaro.Password";

SecretSchema makeSchema(SecretSchemaFlags flags)
{
    SecretSchema s {};
    s.name = schemaName;
    s.flags = flags;
    s.attributes[0] = { "service", SECRET_SCHEMA_ATTRIBUTE_STRING };
    s.attributes[1] = { "account", SECRET_SCHEMA_ATTRIBUTE_STRING };
    s.attributes[2] = { nullptr, SecretSchemaAttributeType(0) };
    return s;
}

// Ours only: matches the schema name too.
const SecretSchema* ownSchema()
{
    static const SecretSchema s = makeSchema(SECRET_SCHEMA_NONE);
    return &s;
}

// Any item with our service and account attributes.
const SecretSchema* schema()
{
    static const SecretSchema s = makeSchema(SECRET_SCHEMA_DONT_MATCH_NAME);
    return &s;
}

constexpr const char* serviceName = "com.morvanix.kelvaro.passwords";

struct Secrets {
    decltype(&secret_password_store_sync) store = nullptr;
    decltype(&secret_password_lookup_binary_sync) lookup = nullptr;
    decltype(&secret_value_get) valueBytes = nullptr;
    decltype(&secret_value_unref) valueUnref = nullptr;
    decltype(&secret_password_clear_sync) clear = nullptr;
    decltype(&secret_service_search_sync) search = nullptr;
    decltype(&secret_item_get_schema_name) schemaName = nullptr;
    decltype(&secret_item_delete_sync) deleteItem = nullptr;
    decltype(&g_object_unref) unref = nullptr;
};

// Loaded with the first call, on the worker thread: with it come GIO and
// what GIO needs, which nothing else in the program uses.
const Secrets* secrets()
{
    return OptionalLibrary::once<Secrets>(
        "libsecret-1.so.0", "passwords cannot be kept in the keyring", [](OptionalLibrary& lib, Secrets& a) {
            return lib.bind(a.store, "secret_password_store_sync")
                && lib.bind(a.lookup, "secret_password_lookup_binary_sync")
                && lib.bind(a.valueBytes, "secret_value_get") && lib.bind(a.valueUnref, "secret_value_unref")
                && lib.bind(a.clear, "secret_password_clear_sync") && lib.bind(a.search, "secret_service_search_sync")
                && lib.bind(a.schemaName, "secret_item_get_schema_name")
                && lib.bind(a.deleteItem, "secret_item_delete_sync") && lib.bind(a.unref, "g_object_unref");
        });
}

QString errorText(GError* error) { return error ? QString::fromUtf8(error->message) : QStringLiteral("unknown error"); }

// Deletes the items of `account` stored without our schema (by a script or an
// older version), so the one just stored is the only one.
void dropForeignItems(const Secrets* lib, const QByteArray& account)
{
    GError* error = nullptr;
    GHashTable* attributes = g_hash_table_new(g_str_hash, g_str_equal);
    g_hash_table_insert(attributes, const_cast<char*>("service"), const_cast<char*>(serviceName));
    g_hash_table_insert(attributes, const_cast<char*>("account"), const_cast<char*>(account.constData()));
    GList* items = lib->search(nullptr, nullptr, attributes, SECRET_SEARCH_ALL, nullptr, &error);
    g_hash_table_unref(attributes);
    for (GList* l = items; l; l = l->next) {
        auto* item = static_cast<SecretItem*>(l->data);
        gchar* name = lib->schemaName(item);
        if (!name || std::strcmp(name, schemaName) != 0) {
            GError* deleteError = nullptr;
            lib->deleteItem(item, nullptr, &deleteError);
            g_clear_error(&deleteError);
        }
        g_free(name);
    }
    g_list_free_full(items, lib->unref);
    g_clear_error(&error);
}

class SecretServiceStore final : public SecretStore {
public:
    void store(const QString& account, const QString& label, std::shared_ptr<const SecretText> secret,
        const QObject* context, std::function<void(bool)> done) override
    {
        auto answer = MainThread::guarded<bool>(context, std::move(done));
        m_worker.post([account = account.toUtf8(), label = label.toUtf8(), secret, answer] {
            const Secrets* lib = secrets();
            if (!lib) {
                MainThread::post([answer] { answer(false); });
                return;
            }
            GError* error = nullptr;
            // The secret's own NUL-terminated buffer: the library copies it
            // into its secure memory, and no copy is made here.
            const gboolean ok = lib->store(schema(), SECRET_COLLECTION_DEFAULT, label.constData(), secret->c_str(),
                nullptr, &error, "service", serviceName, "account", account.constData(), nullptr);
            // Encrypting it for the keyring left blocks of it on this stack.
            SecretText::wipeStack();
            if (ok)
                dropForeignItems(lib, account);
            if (!ok)
                Log::write(QStringLiteral("Kelvaro: the keyring did not store a password (%1)").arg(errorText(error)));
            g_clear_error(&error);
            MainThread::post([answer, ok] { answer(ok); });
        });
    }

    void lookup(const QString& account, const QObject* context,
        std::function<void(std::shared_ptr<const SecretText>)> done) override
    {
        auto answer = MainThread::guarded<std::shared_ptr<const SecretText>>(context, std::move(done));
        m_worker.post([account = account.toUtf8(), answer] {
            const Secrets* lib = secrets();
            if (!lib) {
                MainThread::post([answer] { answer(nullptr); });
                return;
            }
            GError* error = nullptr;
            // The value as the library holds it, in its own locked memory
            // that it wipes on release: the text form would be one more copy.
            SecretValue* found = lib->lookup(
                ownSchema(), nullptr, &error, "service", serviceName, "account", account.constData(), nullptr);
            if (!found && !error)
                found = lib->lookup(
                    schema(), nullptr, &error, "service", serviceName, "account", account.constData(), nullptr);
            std::shared_ptr<const SecretText> secret;
            if (found) {
                gsize length = 0;
                const gchar* bytes = lib->valueBytes(found, &length);
                // Text that is not UTF-8 is no password we can type. Checked in
                // place: a decoded copy would stay behind in freed memory.
                if (g_utf8_validate(bytes, gssize(length), nullptr))
                    secret = std::make_shared<const SecretText>(bytes, qsizetype(length));
                else
                    Log::write(
                        QStringLiteral("Kelvaro: a saved password in the keyring is not UTF-8 text; not releasing it"));
                lib->valueUnref(found); // wipes the library's copy
            } else if (error) {
                Log::write(QStringLiteral("Kelvaro: the keyring could not be read (%1)").arg(errorText(error)));
            }
            g_clear_error(&error);
            // Decrypting the reply left blocks of the secret in the frames
            // of the calls above, on this thread's stack.
            SecretText::wipeStack();
            MainThread::post([answer, secret] { answer(secret); });
        });
    }

    void remove(const QString& account, const QObject* context, std::function<void(bool)> done) override
    {
        auto answer = MainThread::guarded<bool>(context, std::move(done));
        m_worker.post([account = account.toUtf8(), answer] {
            const Secrets* lib = secrets();
            if (!lib) {
                MainThread::post([answer] { answer(false); });
                return;
            }
            GError* error = nullptr;
            lib->clear(schema(), nullptr, &error, "service", serviceName, "account", account.constData(), nullptr);
            const bool ok = error == nullptr;
            if (!ok)
                Log::write(QStringLiteral("Kelvaro: the keyring did not delete a password (%1)").arg(errorText(error)));
            g_clear_error(&error);
            MainThread::post([answer, ok] { answer(ok); });
        });
    }

private:
    WorkerQueue m_worker;
};
}

std::shared_ptr<SecretStore> makeSecretServiceStore() { return std::make_shared<SecretServiceStore>(); }
