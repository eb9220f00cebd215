#include "platform/SecretStore.h"

std::shared_ptr<SecretStore> makeSecretServiceStore(); // platform/linux/SecretServiceStore.cpp

namespace {
std::shared_ptr<SecretStore>& sharedStore()
{
    static std::shared_ptr<SecretStore> s;
    return s;
}
}

SecretStore& SecretStore::shared()
{
    auto& s = sharedStore();
    if (!s)
        s = makeSecretServiceStore();
    return *s;
}

void SecretStore::setShared(std::shared_ptr<SecretStore> store) { sharedStore() = std::move(store); }
