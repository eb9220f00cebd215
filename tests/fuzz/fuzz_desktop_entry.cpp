// Desktop entries: any bytes give either no entry or an application entry
// whose keys came from its [Desktop Entry] group, and whose Exec line splits
// into arguments without crashing.
#include "FuzzSupport.h"
#include "platform/ApplicationIdentity.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    const QByteArray text = Fuzz::bytes(data, size);
    const auto entry
        = ApplicationIdentity::parseEntry(text, QStringLiteral("/fuzz/app.desktop"), QStringLiteral("app"));
    if (!entry)
        return 0;
    FUZZ_CHECK(entry->value(QStringLiteral("Type")) == QLatin1String("Application"));
    FUZZ_CHECK(entry->keys == ApplicationIdentity::mainGroup(text));
    for (auto it = entry->keys.cbegin(); it != entry->keys.cend(); ++it)
        FUZZ_CHECK(!it.key().isEmpty() && !it.key().contains(QLatin1Char('=')));
    const QStringList args = ApplicationIdentity::execArguments(*entry);
    FUZZ_CHECK(args.size() <= entry->value(QStringLiteral("Exec")).size() + 2); // %i adds two
    (void)entry->localizedName();
    (void)ApplicationIdentity::bundleIdentifier(*entry);
    return 0;
}
