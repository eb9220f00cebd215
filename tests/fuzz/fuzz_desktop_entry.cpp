// Desktop entries: any bytes give either no entry or an application entry
// whose keys came from its [Desktop Entry] group, and whose Exec line splits
// into arguments without crashing. Any bytes taken as a program's path give
// either no autostart entry or one that reads back as that program alone.
#include "FuzzSupport.h"
#include "platform/ApplicationIdentity.h"
#include "platform/linux/XdgLoginItem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    const QByteArray text = Fuzz::bytes(data, size);
    const ApplicationIdentity::Groups groups = ApplicationIdentity::groups(text);
    FUZZ_CHECK(groups.value(QStringLiteral("Desktop Entry")) == ApplicationIdentity::mainGroup(text));

    const QString program = QString::fromUtf8(text);
    if (const auto written = XdgLoginItem::entryText(program)) {
        const auto entry = ApplicationIdentity::parseEntry(written->toUtf8(), QStringLiteral("/fuzz/k.desktop"), {});
        FUZZ_CHECK(entry.has_value());
        QStringList expected { program };
        if (program.contains(QLatin1Char('%')))
            expected.prepend(QStringLiteral("env"));
        FUZZ_CHECK(ApplicationIdentity::execArguments(*entry) == expected);
        FUZZ_CHECK(!entry->has(QStringLiteral("Hidden")));
    }
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
    (void)ApplicationIdentity::listedInMenus(*entry, { QStringLiteral("GNOME") });
    return 0;
}
