// A stored list read element by element: every element either decodes or is
// skipped, and an unreadable value is kept under a backup key unchanged.
#include "FuzzSupport.h"
#include "core/LauncherGroup.h"
#include "core/StoredListRecovery.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    MemoryDefaultsStore store;
    const QByteArray stored = Fuzz::bytes(data, size);
    store.setValue(QStringLiteral("groups"), stored);
    const auto loaded = StoredListRecovery::loadArray<LauncherGroup>(QStringLiteral("groups"), store,
        QStringLiteral("launcher group"),
        [](const nlohmann::json& element, QString* error) { return LauncherGroup::fromJsonValue(element, error); });
    FUZZ_CHECK(!loaded.unreadable || loaded.items.isEmpty());
    FUZZ_CHECK(!loaded.leftInPlace); // memory always has room for the copy
    if (loaded.unreadable || loaded.skipped > 0) {
        FUZZ_CHECK(!loaded.backupKey.isEmpty());
        FUZZ_CHECK(store.value(loaded.backupKey) == QVariant(stored));
    }
    return 0;
}
