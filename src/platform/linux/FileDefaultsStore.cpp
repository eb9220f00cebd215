// Temporary: replaced by the file-backed store.
#include "platform/sim/MemoryDefaultsStore.h"
std::shared_ptr<DefaultsStore> makeDefaultFileStore() { return std::make_shared<MemoryDefaultsStore>(); }
