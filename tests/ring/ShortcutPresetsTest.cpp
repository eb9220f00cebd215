#include "support/TestSupport.h"

#include "core/AppShortcut.h"
#include "platform/sim/SimKeyboardLayout.h"
#include "ring/ShortcutPresets.h"
#include "core/SymbolIcons.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

class ShortcutPresetsTest : public ::testing::Test {
protected:
    static QStringList ids(const QList<ShortcutPreset>& list)
    {
        QStringList out;
        for (const auto& p : list)
            out << p.id;
        return out;
    }
    TestSupport::SimEnvironment env;
};

TEST_F(ShortcutPresetsTest, CatalogShapeHolds)
{
    const auto lists = ShortcutPresets::allLists();
    EXPECT_EQ(lists.size(), 24);
    int total = 0;
    QSet<QString> allIds;
    int withoutModifier = 0, withThree = 0;
    static const QRegularExpression idForm(QStringLiteral("^[a-z]+\\.[a-z][A-Za-z]*$"));
    for (const auto& list : lists) {
        EXPECT_FALSE(list.isEmpty());
        const QString prefix = list.first().id.section(QLatin1Char('.'), 0, 0);
        for (const auto& p : list) {
            ++total;
            allIds.insert(p.id);
            EXPECT_TRUE(idForm.match(p.id).hasMatch()) << p.id.toStdString();
            EXPECT_EQ(p.id.section(QLatin1Char('.'), 0, 0), prefix);
            EXPECT_TRUE(p.nameIsLocalizationKey);
            EXPECT_FALSE(p.isFromMenu);
            EXPECT_FALSE(p.name.isEmpty());
            EXPECT_TRUE(SymbolIcons::contains(p.icon))
                << p.id.toStdString() << " draws no symbol: " << p.icon.toStdString();
            const auto bits = std::popcount(p.hotkey.rawModifiers);
            withoutModifier += bits == 0;
            withThree += bits == 3;
        }
    }
    EXPECT_EQ(total, 133);
    EXPECT_EQ(allIds.size(), 133);
    EXPECT_EQ(withoutModifier, 4); // the four Figma tools
    EXPECT_EQ(withThree, 1); // keynote.presenter
    EXPECT_EQ(ShortcutPresets::catalog().size(), 32);
}

TEST_F(ShortcutPresetsTest, LookupsShareListsAndFallBackToCommon)
{
    const auto chrome = ids(ShortcutPresets::suggestions(QStringLiteral("com.google.Chrome")));
    EXPECT_EQ(ids(ShortcutPresets::suggestions(QStringLiteral("company.thebrowser.Browser"))), chrome);
    EXPECT_EQ(ids(ShortcutPresets::suggestions(QStringLiteral("com.microsoft.edgemac"))), chrome);
    EXPECT_EQ(ShortcutPresets::suggestions(QStringLiteral("com.googlecode.iterm2")).first().id,
        QStringLiteral("terminal.newWindow"));
    // Linux applications by their own identifiers, with the keys they take here.
    EXPECT_EQ(ids(ShortcutPresets::suggestions(QStringLiteral("org.chromium.Chromium"))), chrome);
    EXPECT_EQ(ShortcutPresets::suggestions(QStringLiteral("org.gnome.Terminal")).first().hotkey.displayString(),
        QStringLiteral("Ctrl+Shift+N"));
    for (const auto& p : ShortcutPresets::suggestions(QStringLiteral("org.chromium.Chromium"))) {
        if (p.id == QLatin1String("chrome.devTools")) {
            EXPECT_EQ(p.hotkey.displayString(), QStringLiteral("Ctrl+Shift+I"));
        }
    }
    for (const auto& p : ShortcutPresets::suggestions(QStringLiteral("com.microsoft.VSCode"))) {
        if (p.id == QLatin1String("vscode.terminal")) {
            EXPECT_EQ(p.hotkey.displayString(), QStringLiteral("Ctrl+`"));
        }
    }
    EXPECT_EQ(ShortcutPresets::suggestions(QStringLiteral("com.apple.iWork.Keynote")).size(), 5);
    EXPECT_EQ(ShortcutPresets::suggestions(QStringLiteral("com.apple.Keynote")).size(), 8); // not in the catalog
    EXPECT_EQ(
        ids(ShortcutPresets::suggestions(QStringLiteral("com.google.chrome"))).first(), QStringLiteral("common.new"));
    EXPECT_EQ(ShortcutPresets::suggestions(QString()).size(), 8);
}

TEST_F(ShortcutPresetsTest, MissingSuggestionsCompareByCombinationText)
{
    const QString safari = QStringLiteral("com.apple.Safari");
    const QList<AppShortcut> saved {
        AppShortcut(QStringLiteral("Mine"), QStringLiteral("star"), QStringLiteral("⌘T"), safari),
        AppShortcut(QStringLiteral("Other name"), QStringLiteral("star"), QStringLiteral("⇧⌘T"), safari),
    };
    EXPECT_EQ(ids(ShortcutPresets::missingSuggestions(safari, saved)),
        (QStringList { QStringLiteral("safari.newWindow"), QStringLiteral("safari.closeTab"),
            QStringLiteral("safari.reload"), QStringLiteral("safari.find"), QStringLiteral("safari.reader"),
            QStringLiteral("safari.private") }));

    QList<AppShortcut> all;
    for (const auto& p : ShortcutPresets::suggestions(QStringLiteral("com.figma.Desktop")))
        all << p.makeShortcut(QStringLiteral("com.figma.Desktop"), QLocale(QLocale::English));
    EXPECT_TRUE(ShortcutPresets::missingSuggestions(QStringLiteral("com.figma.Desktop"), all).isEmpty());
}

TEST_F(ShortcutPresetsTest, MakeShortcutBuildsTheRingItem)
{
    const auto& figma = ShortcutPresets::suggestions(QStringLiteral("com.figma.Desktop"));
    const AppShortcut frame
        = figma.first().makeShortcut(QStringLiteral("com.figma.Desktop"), QLocale(QLocale::English));
    EXPECT_EQ(frame.shortcut, QStringLiteral("F"));
    EXPECT_EQ(frame.name, QStringLiteral("Frame Tool"));
    EXPECT_EQ(frame.icon, QStringLiteral("rectangle"));
    EXPECT_EQ(frame.bundleIdentifier, QStringLiteral("com.figma.Desktop"));
    EXPECT_FALSE(frame.textSnippet);
    EXPECT_FALSE(frame.url);
    EXPECT_NE(figma.first().makeShortcut(QString(), QLocale()).id, frame.id);

    const auto presenter = ShortcutPresets::suggestions(QStringLiteral("com.apple.iWork.Keynote"))[3];
    EXPECT_EQ(presenter.combinationText(), QStringLiteral("⌥⇧⌘P"));

    // Catalog names are translated; menu names are kept as found.
    const ShortcutPreset copy = ShortcutPresets::common()[5];
    EXPECT_EQ(copy.makeShortcut(QStringLiteral("x"), QLocale(QLocale::German)).name, QStringLiteral("Kopieren"));
    ShortcutPreset menu = copy;
    menu.nameIsLocalizationKey = false;
    menu.name = QStringLiteral("Copy");
    EXPECT_EQ(menu.makeShortcut(QStringLiteral("x"), QLocale(QLocale::German)).name, QStringLiteral("Copy"));
    ShortcutPreset fromMenu = menu;
    fromMenu.isFromMenu = true;
    EXPECT_NE(menu, fromMenu);
    EXPECT_NE(qHash(menu), qHash(fromMenu));
}

} // namespace
