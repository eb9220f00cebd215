// Running a chosen item: the plain route's order, key-combination parsing,
// the tab route, and password items that never run here.

#include "app/ShortcutRunner.h"
#include "core/Hotkey.h"
#include "input/KeyTapSuspension.h"
#include "platform/KeyCodes.h"
#include "platform/SyntheticKeys.h"
#include "platform/sim/MemoryClipboard.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimKeyboardLayout.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
constexpr std::uint16_t kKeyK = 40;
constexpr std::uint16_t kKeyV = 9;
const QString kApp = QStringLiteral("org.example.editor");

// Records, at the moment keys are sent, what the clipboard and the
// workspace had seen by then.
class OrderedKeys final : public SyntheticKeys {
public:
    struct Seen {
        std::uint16_t keyCode;
        std::uint64_t modifiers;
        QString clipboard;
        qsizetype linksOpened;
        int suspensions; // how many suspensions of our grabs were open while posting
    };
    bool postKeyPress(std::uint16_t keyCode, std::uint64_t modifiers) override
    {
        seen.push_back({ keyCode, modifiers, clipboard->text(), desktop->openedURLs.size(), openSuspensions });
        return true;
    }
    SimDesktop* desktop = nullptr;
    Clipboard* clipboard = nullptr;
    std::vector<Seen> seen;
    int openSuspensions = 0;
};

class RunnerTest : public ::testing::Test {
protected:
    RunnerTest()
    {
        desktop = &env.sim().desktop();
        keys->desktop = desktop;
        keys->clipboard = clipboard.get();
        env.platform().ports().clipboard = clipboard;
        env.platform().ports().syntheticKeys = keys;
        Hotkey::invalidateLayoutCache();
    }
    ~RunnerTest() override { Hotkey::invalidateLayoutCache(); }

    TestSupport::SimEnvironment env;
    SimDesktop* desktop = nullptr;
    std::shared_ptr<MemoryClipboard> clipboard = std::make_shared<MemoryClipboard>();
    std::shared_ptr<OrderedKeys> keys = std::make_shared<OrderedKeys>();
};

TEST_F(RunnerTest, ModifierGlyphsParseAlikeWhereverTheyStand)
{
    const ShortcutRunner::ParsedShortcut shiftCtrlK { kKeyK, Modifier::Shift | Modifier::Ctrl };
    for (const char* text : { "⇧⌘K", "⌘⇧K", "⌘K⇧", "⇧⇧⌘K⌘" })
        EXPECT_EQ(ShortcutRunner::parseShortcut(QString::fromUtf8(text)), shiftCtrlK) << text;

    const auto all = ShortcutRunner::parseShortcut(QStringLiteral("⌃⌥⇧⌘K"));
    ASSERT_TRUE(all.has_value());
    EXPECT_EQ(all->modifiers, Modifier::Mask);
    EXPECT_EQ(ShortcutRunner::parseShortcut(QStringLiteral("K")), (ShortcutRunner::ParsedShortcut { kKeyK, 0 }));

    for (const char* text : { "⌘", "⌘⇧", "", "⌘KK" })
        EXPECT_FALSE(ShortcutRunner::parseShortcut(QString::fromUtf8(text)).has_value()) << text;
}

TEST_F(RunnerTest, PlainRouteRunsSnippetThenLinkThenKeys)
{
    AppShortcut item(QStringLiteral("paste a greeting"), QStringLiteral("star"), QStringLiteral("⌘V"), kApp,
        QStringLiteral("Hello there"), QStringLiteral("https://example.org/docs"));
    clipboard->simulateExternalCopy(QStringLiteral("older text"));
    const auto before = clipboard->changeCount();

    ShortcutRunner::executeShortcut(env.platform(), item);

    ASSERT_EQ(keys->seen.size(), 1u);
    EXPECT_EQ(keys->seen[0].keyCode, kKeyV);
    EXPECT_EQ(keys->seen[0].modifiers, Modifier::Ctrl);
    EXPECT_EQ(keys->seen[0].clipboard, QStringLiteral("Hello there")); // the snippet was in place first
    EXPECT_EQ(keys->seen[0].linksOpened, 1); // and the link already opened
    EXPECT_EQ(desktop->openedURLs, QList<QUrl> { QUrl(QStringLiteral("https://example.org/docs")) });
    EXPECT_EQ(clipboard->changeCount(), before + 1);
    EXPECT_FALSE(clipboard->isConcealed());
    EXPECT_TRUE(env.logLines().isEmpty());
}

TEST_F(RunnerTest, OurGrabsAreLiftedWhileKeysArePosted)
{
    // Ctrl+Shift+S from an item must reach the application even when it is
    // one of our own hotkeys: the grabs are off while posting, on again after.
    KeyTapSuspension::setProvider([this] {
        ++keys->openSuspensions;
        return [this] { --keys->openSuspensions; };
    });
    ShortcutRunner::executeShortcut(
        env.platform(), AppShortcut(QStringLiteral("save as"), QStringLiteral("star"), QStringLiteral("⇧⌘S"), kApp));
    KeyTapSuspension::setProvider({});
    ASSERT_EQ(keys->seen.size(), 1u);
    EXPECT_EQ(keys->seen[0].suspensions, 1);
    EXPECT_EQ(keys->openSuspensions, 0);
}

TEST_F(RunnerTest, AbsentOrEmptyPartsAreSkipped)
{
    clipboard->simulateExternalCopy(QStringLiteral("keep me"));
    ShortcutRunner::executeShortcut(env.platform(),
        AppShortcut(QStringLiteral("empty"), QStringLiteral("star"), QString(), kApp, QString(), QString()));
    EXPECT_EQ(clipboard->text(), QStringLiteral("keep me"));
    EXPECT_EQ(clipboard->changeCount(), 1u);
    EXPECT_TRUE(desktop->openedURLs.isEmpty());
    EXPECT_TRUE(keys->seen.empty());

    // A link that does not parse is skipped silently; the keys still go.
    ShortcutRunner::executeShortcut(env.platform(),
        AppShortcut(QStringLiteral("bad link"), QStringLiteral("star"), QStringLiteral("⌘K"), kApp, std::nullopt,
            QStringLiteral("http://exa mple.org/")));
    EXPECT_TRUE(desktop->openedURLs.isEmpty());
    EXPECT_EQ(keys->seen.size(), 1u);
    EXPECT_TRUE(env.logLines().isEmpty());
}

TEST_F(RunnerTest, ModifiersOnlyIsLoggedAfterTheOtherPartsRan)
{
    ShortcutRunner::executeShortcut(env.platform(),
        AppShortcut(QStringLiteral("broken"), QStringLiteral("star"), QStringLiteral("⌘"), kApp,
            QStringLiteral("snippet"), QStringLiteral("https://example.org")));
    EXPECT_EQ(env.logLines(), QStringList { QStringLiteral("Kelvaro: could not parse shortcut '⌘'") });
    EXPECT_TRUE(keys->seen.empty());
    EXPECT_EQ(clipboard->text(), QStringLiteral("snippet"));
    EXPECT_EQ(desktop->openedURLs.size(), 1);
}

TEST_F(RunnerTest, TabItemsOpenOnlyValidWebAddresses)
{
    auto tab = [](const QString& address) {
        AppShortcut item = AppShortcut::tabItem(QStringLiteral("tab"), QStringLiteral("globe"), address);
        item.textSnippet = QStringLiteral("not for the clipboard");
        item.url = QStringLiteral("https://not-opened.example");
        return item;
    };
    for (const QString& invalid :
        { QString(), QStringLiteral("not an address"), QStringLiteral("http://exa mple.org"), QStringLiteral("⌘K") })
        ShortcutRunner::executeShortcut(env.platform(), tab(invalid));
    EXPECT_TRUE(desktop->openedURLs.isEmpty());
    EXPECT_TRUE(env.logLines().isEmpty()); // unparsable addresses are skipped without a word

    ShortcutRunner::executeShortcut(env.platform(), tab(QStringLiteral("javascript:alert(1)")));
    ShortcutRunner::executeShortcut(env.platform(), tab(QStringLiteral("file:///etc/passwd")));
    EXPECT_TRUE(desktop->openedURLs.isEmpty());
    EXPECT_EQ(env.logLines().size(), 2);

    ShortcutRunner::executeShortcut(env.platform(), tab(QStringLiteral("https://example.org/page?q=1")));
    EXPECT_EQ(desktop->openedURLs, QList<QUrl> { QUrl(QStringLiteral("https://example.org/page?q=1")) });
    // Nothing else of a tab item runs.
    EXPECT_EQ(clipboard->changeCount(), 0u);
    EXPECT_TRUE(keys->seen.empty());
}

TEST_F(RunnerTest, PasswordItemsNeverRunHereAndLookalikesStayShortcuts)
{
    AppShortcut item
        = AppShortcut::passwordItem(QUuid::createUuid(), QStringLiteral("Mail"), QStringLiteral("key.fill"));
    item.shortcut = QStringLiteral("⌘V");
    item.textSnippet = QStringLiteral("never");
    item.url = QStringLiteral("https://never.example");
    ShortcutRunner::executeShortcut(env.platform(), item);
    EXPECT_EQ(env.logLines().size(), 1); // said so, nothing sent
    EXPECT_TRUE(keys->seen.empty());
    EXPECT_EQ(clipboard->changeCount(), 0u);
    EXPECT_TRUE(desktop->openedURLs.isEmpty());

    // A stored shortcut that merely carries the vault's bundle identifier is
    // still a shortcut: it runs the plain route.
    const AppShortcut lookalike(
        QStringLiteral("x"), QStringLiteral("star"), QString(), AppShortcut::passwordMarker, QStringLiteral("snippet"));
    ShortcutRunner::executeShortcut(env.platform(), lookalike);
    EXPECT_EQ(clipboard->text(), QStringLiteral("snippet"));
}

}
