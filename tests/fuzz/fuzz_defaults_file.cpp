// The defaults file: decoding arbitrary bytes never crashes, and what decodes
// is written and read back to the same text.
#include "FuzzSupport.h"
#include "platform/linux/FileDefaultsStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    FileDefaultsStore::Contents contents;
    QString reason;
    if (!FileDefaultsStore::decode(Fuzz::bytes(data, size), contents, &reason))
        return 0;
    const std::string once = FileDefaultsStore::encode(contents);
    FileDefaultsStore::Contents again;
    FUZZ_CHECK(FileDefaultsStore::decode(QByteArray::fromStdString(once), again, &reason));
    FUZZ_CHECK(again.values.size() == contents.values.size());
    FUZZ_CHECK(again.opaque.size() == contents.opaque.size());
    FUZZ_CHECK(FileDefaultsStore::encode(again) == once);
    return 0;
}
