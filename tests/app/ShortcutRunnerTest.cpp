// Running a chosen item: the plain route's order, key-combination parsing,
// the tab route and the hand-over to the password route.

#include "app/ShortcutRunner.h"
#include "core/Hotkey.h"
#include "input/KeyTapSuspension.h"
#include "platform/KeyCodes.h"
#include "platform/SyntheticKeys.h"
#include "platform/sim/MemoryClipboard.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimKeyboardLayout.h"
#include "platform/sim/SimScreens.h"
#include "ring/AppShortcutRingViewModel.h"
#include "support/TestSupport.h"
#include "input/KeyTapSuspension.h"
#include "platform/sim/MemorySecretStore.h"
#include "platform/sim/SimFocusedText.h"
#include "platform/sim/SimPresenceCheck.h"
#include "vault/PasswordAuth.h"
#include "vault/PasswordVault.h"

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
        seen.push_back({keyCode, modifiers, Clipboard::shared().text(), desktop->openedURLs.size(), openSuspensions});
        return true;
    }
    std::shared_ptr<SimDesktop> desktop;
    std::vector<Seen> seen;
    int openSuspensions = 0;
};

class RunnerTest : public ::testing::Test {
protected:
    RunnerTest()
    {
        desktop = SimDesktop::install();
        keys->desktop = desktop;
        Clipboard::setShared(clipboard);
        SyntheticKeys::setShared(keys);
        KeyboardLayout::setShared(std::make_shared<SimKeyboardLayout>());
        Hotkey::invalidateLayoutCache();
    }
    ~RunnerTest() override
    {
        ShortcutRunner::setPasswordRoute(nullptr);
        Clipboard::setShared(nullptr);
        SyntheticKeys::setShared(nullptr);
        KeyboardLayout::setShared(nullptr);
        Hotkey::invalidateLayoutCache();
    }

    TestSupport::SimEnvironment env;
    std::shared_ptr<SimDesktop> desktop;
    std::shared_ptr<MemoryClipboard> clipboard = std::make_shared<MemoryClipboard>();
    std::shared_ptr<OrderedKeys> keys = std::make_shared<OrderedKeys>();
};

TEST_F(RunnerTest, ModifierGlyphsParseAlikeWhereverTheyStand)
{
    const ShortcutRunner::ParsedShortcut shiftCtrlK{kKeyK, Modifier::Shift | Modifier::Ctrl};
    for (const char* text : {"⇧⌘K", "⌘⇧K", "⌘K⇧", "⇧⇧⌘K⌘"})
        EXPECT_EQ(ShortcutRunner::parseShortcut(QString::fromUtf8(text)), shiftCtrlK) << text;

    const auto all = ShortcutRunner::parseShortcut(QStringLiteral("⌃⌥⇧⌘K"));
    ASSERT_TRUE(all.has_value());
    EXPECT_EQ(all->modifiers, Modifier::Mask);
    EXPECT_EQ(ShortcutRunner::parseShortcut(QStringLiteral("K")), (ShortcutRunner::ParsedShortcut{kKeyK, 0}));

    for (const char* text : {"⌘", "⌘⇧", "", "⌘KK"})
        EXPECT_FALSE(ShortcutRunner::parseShortcut(QString::fromUtf8(text)).has_value()) << text;
}

TEST_F(RunnerTest, PlainRouteRunsSnippetThenLinkThenKeys)
{
    AppShortcut item(QStringLiteral("paste a greeting"), QStringLiteral("star"), QStringLiteral("⌘V"), kApp,
        QStringLiteral("Hello there"), QStringLiteral("https://example.org/docs"));
    clipboard->simulateExternalCopy(QStringLiteral("older text"));
    const auto before = clipboard->changeCount();

    ShortcutRunner::executeShortcut(item);

    ASSERT_EQ(keys->seen.size(), 1u);
    EXPECT_EQ(keys->seen[0].keyCode, kKeyV);
    EXPECT_EQ(keys->seen[0].modifiers, Modifier::Ctrl);
    EXPECT_EQ(keys->seen[0].clipboard, QStringLiteral("Hello there")); // the snippet was in place first
    EXPECT_EQ(keys->seen[0].linksOpened, 1);                           // and the link already opened
    EXPECT_EQ(desktop->openedURLs, QList<QUrl>{QUrl(QStringLiteral("https://example.org/docs"))});
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
    ShortcutRunner::executeShortcut(AppShortcut(QStringLiteral("save as"), QStringLiteral("star"),
                                                QStringLiteral("⇧⌘S"), kApp));
    KeyTapSuspension::setProvider({});
    ASSERT_EQ(keys->seen.size(), 1u);
    EXPECT_EQ(keys->seen[0].suspensions, 1);
    EXPECT_EQ(keys->openSuspensions, 0);
}

TEST_F(RunnerTest, AbsentOrEmptyPartsAreSkipped)
{
    clipboard->simulateExternalCopy(QStringLiteral("keep me"));
    ShortcutRunner::executeShortcut(AppShortcut(QStringLiteral("empty"), QStringLiteral("star"), QString(), kApp, QString(), QString()));
    EXPECT_EQ(clipboard->text(), QStringLiteral("keep me"));
    EXPECT_EQ(clipboard->changeCount(), 1u);
    EXPECT_TRUE(desktop->openedURLs.isEmpty());
    EXPECT_TRUE(keys->seen.empty());

    // A link that does not parse is skipped silently; the keys still go.
    ShortcutRunner::executeShortcut(AppShortcut(QStringLiteral("bad link"), QStringLiteral("star"), QStringLiteral("⌘K"), kApp,
        std::nullopt, QStringLiteral("http://exa mple.org/")));
    EXPECT_TRUE(desktop->openedURLs.isEmpty());
    EXPECT_EQ(keys->seen.size(), 1u);
    EXPECT_TRUE(env.logLines().isEmpty());
}

TEST_F(RunnerTest, ModifiersOnlyIsLoggedAfterTheOtherPartsRan)
{
    ShortcutRunner::executeShortcut(AppShortcut(QStringLiteral("broken"), QStringLiteral("star"), QStringLiteral("⌘"), kApp,
        QStringLiteral("snippet"), QStringLiteral("https://example.org")));
    EXPECT_EQ(env.logLines(), QStringList{QStringLiteral("Kelvaro: could not parse shortcut '⌘'")});
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
    for (const QString& invalid : {QString(), QStringLiteral("not an address"), QStringLiteral("http://exa mple.org"), QStringLiteral("⌘K")})
        ShortcutRunner::executeShortcut(tab(invalid));
    EXPECT_TRUE(desktop->openedURLs.isEmpty());
    EXPECT_TRUE(env.logLines().isEmpty()); // unparsable addresses are skipped without a word

    ShortcutRunner::executeShortcut(tab(QStringLiteral("javascript:alert(1)")));
    ShortcutRunner::executeShortcut(tab(QStringLiteral("file:///etc/passwd")));
    EXPECT_TRUE(desktop->openedURLs.isEmpty());
    EXPECT_EQ(env.logLines().size(), 2);

    ShortcutRunner::executeShortcut(tab(QStringLiteral("https://example.org/page?q=1")));
    EXPECT_EQ(desktop->openedURLs, QList<QUrl>{QUrl(QStringLiteral("https://example.org/page?q=1"))});
    // Nothing else of a tab item runs.
    EXPECT_EQ(clipboard->changeCount(), 0u);
    EXPECT_TRUE(keys->seen.empty());
}

TEST_F(RunnerTest, PasswordItemsGoToTheVaultRouteOnly)
{
    AppShortcut item = AppShortcut::passwordItem(QUuid::createUuid(), QStringLiteral("Mail"), QStringLiteral("key.fill"));
    item.shortcut = QStringLiteral("⌘V");
    item.textSnippet = QStringLiteral("never");
    item.url = QStringLiteral("https://never.example");
    ShortcutRunner::executeShortcut(item);
    EXPECT_EQ(env.logLines().size(), 1); // no route installed: said so, nothing sent
    EXPECT_TRUE(keys->seen.empty());
    EXPECT_EQ(clipboard->changeCount(), 0u);

    AppShortcutRingViewModel model;
    int calls = 0;
    ShortcutRunner::setPasswordRoute([&](const AppShortcut& chosen, const AppShortcutRingViewModel* ring) {
        ++calls;
        EXPECT_EQ(chosen.id, item.id);
        EXPECT_EQ(ring, &model);
    });
    ShortcutRunner::executeShortcut(item, &model);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(desktop->openedURLs.isEmpty());

    // A stored shortcut that merely carries the vault's bundle identifier is
    // still a shortcut: it never reaches the password route.
    const AppShortcut lookalike(QStringLiteral("x"), QStringLiteral("star"), QString(), AppShortcut::passwordMarker,
                                QStringLiteral("snippet"));
    ShortcutRunner::executeShortcut(lookalike, &model);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(clipboard->text(), QStringLiteral("snippet"));
}

TEST_F(RunnerTest, ChosenPasswordComesFromTheArcOrTheAccountsFirst)
{
    auto screens = std::make_shared<SimScreens>();
    Screens::setShared(screens);
    PasswordEntry mail;
    mail.label = QStringLiteral("Mail");
    mail.variants = {PasswordVariant{}, PasswordVariant{}, PasswordVariant{}};
    PasswordEntry empty;
    empty.label = QStringLiteral("Empty");
    env.defaults().setValue(PasswordVault::storageKey, PasswordEntry::encodeList({mail, empty}));

    const QList<AppShortcut> items = PasswordVault::ringItems();
    AppShortcutRingViewModel model;
    model.loadShortcuts(RunningApp{QStringLiteral("Passwords"), QImage(), AppShortcut::passwordMarker, true}, items);
    ASSERT_EQ(model.arcVariants().size(), 3);

    EXPECT_EQ(ShortcutRunner::chooseVariant(items[0], &model), mail.variants[0].id); // inner ring: first password
    model.setSelectedArcIndex(2);
    EXPECT_EQ(ShortcutRunner::chooseVariant(items[0], &model), mail.variants[2].id);
    EXPECT_EQ(ShortcutRunner::chooseVariant(items[0], nullptr), mail.variants[0].id); // model gone
    EXPECT_FALSE(ShortcutRunner::chooseVariant(items[1], nullptr).has_value());       // no passwords
    const AppShortcut unknown = AppShortcut::passwordItem(QUuid::createUuid(), QStringLiteral("?"), QStringLiteral("key.fill"));
    EXPECT_FALSE(ShortcutRunner::chooseVariant(unknown, nullptr).has_value());
    // A card left selected from another account never releases that account's password.
    EXPECT_FALSE(ShortcutRunner::chooseVariant(items[1], &model).has_value());
    Screens::setShared(nullptr);
}

TEST_F(RunnerTest, PasswordRouteDeliversTheChosenCardIntoTheFieldOfTheChoiceOrBeeps)
{
    auto screens = std::make_shared<SimScreens>();
    Screens::setShared(screens);
    auto keyring = std::make_shared<MemorySecretStore>();
    auto presence = std::make_shared<SimPresenceCheck>();
    auto focus = std::make_shared<SimFocusedText>();
    SecretStore::setShared(keyring);
    PresenceCheck::setShared(presence);
    FocusedText::setShared(focus);
    PasswordAuth::setConversationFactory([] { return nullptr; });
    PasswordAuth::lock();
    int suspended = 0;
    KeyTapSuspension::setProvider([&] {
        ++suspended;
        return [&] { --suspended; };
    });

    PasswordEntry mail;
    mail.label = QStringLiteral("Mail");
    mail.variants = {PasswordVariant{}, PasswordVariant{}};
    keyring->items[PasswordVault::keyringAccount(mail.variants[0].id)] = "first";
    keyring->items[PasswordVault::keyringAccount(mail.variants[1].id)] = "second";
    env.defaults().setValue(PasswordVault::storageKey, PasswordEntry::encodeList({mail}));
    const QList<AppShortcut> items = PasswordVault::ringItems();
    AppShortcutRingViewModel model;
    model.loadShortcuts(RunningApp{QStringLiteral("Passwords"), QImage(), AppShortcut::passwordMarker, true}, items);
    ASSERT_EQ(model.arcVariants().size(), 2); // two passwords: two cards
    model.setSelectedArcIndex(1);

    focus->fields[1] = {true, 10, {}};
    focus->fields[2] = {true, 20, {}};
    focus->focused = 1;
    ShortcutRunner::runPasswordRoute(items[0], &model);
    EXPECT_EQ(suspended, 1) << "no hotkey fires while the check runs";
    env.scheduler().runPending();
    focus->focused = 2; // the focus moves before the delivery
    EXPECT_EQ(suspended, 0);
    EXPECT_TRUE(focus->fields[1].text.isEmpty()) << "delivered 0.15 s after the release";
    env.scheduler().advance(PasswordVault::deliveryDelay);
    EXPECT_EQ(focus->fields[1].text, QByteArray("second"));
    EXPECT_TRUE(focus->fields[2].text.isEmpty());
    EXPECT_EQ(desktop->beeps, 0);

    // A refused check: a beep, the tap back on, nothing delivered.
    PasswordAuth::lock();
    presence->outcome = PresenceCheck::Outcome::Refused;
    ShortcutRunner::runPasswordRoute(items[0], nullptr);
    env.scheduler().advance(1);
    EXPECT_EQ(desktop->beeps, 1);
    EXPECT_EQ(suspended, 0);
    EXPECT_TRUE(focus->fields[2].text.isEmpty());

    KeyTapSuspension::setProvider({});
    PasswordAuth::setConversationFactory(nullptr);
    SecretStore::setShared(nullptr);
    PresenceCheck::setShared(nullptr);
    FocusedText::setShared(nullptr);
    Screens::setShared(nullptr);
}

}
