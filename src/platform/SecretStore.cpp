#include "platform/SecretStore.h"

#include "platform/Platform.h"

SecretStore& SecretStore::shared() { return Platform::installed().secretStore(); }
