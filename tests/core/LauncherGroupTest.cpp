#include "core/AppLanguage.h"
#include "core/AppSettings.h"
#include "core/LauncherGroup.h"
#include "core/StoredListRecovery.h"
#include "platform/sim/SimLoginItem.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
constexpr std::uint64_t kShiftCtrl = Modifier::Shift | Modifier::Ctrl;
const QUuid kId = QUuid::fromString(QStringLiteral("E621E1F8-C36C-495A-93FC-0C247A3E6E5F"));

class LauncherGroupSettingsTest : public ::testing::Test {
protected:
    TestSupport::SimEnvironment env;
};
}

TEST(LauncherGroupTest, JsonFormIsExactInKeyOrderAndOptionalKeys)
{
    LauncherGroup g(QStringLiteral("Work \"A\""), { QStringLiteral("org.x.mail"), QStringLiteral("org.x.chat") },
        Hotkey(17, kShiftCtrl), Modifier::Ctrl, kId);
    EXPECT_EQ(g.toJson(),
        QByteArray(R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"Work \"A\"",)"
                   R"("bundleIdentifiers":["org.x.mail","org.x.chat"],)"
                   R"("hotkey":{"keyCode":17,"rawModifiers":1179648},"holdModifiersRaw":1048576})"));
    // Only id and name: empty list and 0 are written back, the hotkey left out.
    const auto minimal = LauncherGroup::fromJson(R"({"name":"Ünï","id":"e621e1f8-c36c-495a-93fc-0c247a3e6e5f","x":1})");
    ASSERT_TRUE(minimal);
    EXPECT_TRUE(minimal->bundleIdentifiers.isEmpty());
    EXPECT_FALSE(minimal->hotkey);
    EXPECT_EQ(minimal->holdModifiersRaw, 0u);
    EXPECT_EQ(minimal->toJson(),
        QByteArray(R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"Ünï",)"
                   R"("bundleIdentifiers":[],"holdModifiersRaw":0})"));
    EXPECT_EQ(LauncherGroup::encodeList({ *minimal, g }), "[" + minimal->toJson() + "," + g.toJson() + "]");
    // Round trip, with nulls read as absent and stored bits kept unmasked.
    const auto back
        = LauncherGroup::fromJson(R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"n","bundleIdentifiers":null,)"
                                  R"("hotkey":{"keyCode":3,"rawModifiers":7},"holdModifiersRaw":null})");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->hotkey->rawModifiers, 7u);
    EXPECT_EQ(*LauncherGroup::fromJson(g.toJson()), g);
}

TEST(LauncherGroupTest, DecodingRefusesMissingAndMistypedKeys)
{
    const char* bad[] = {
        R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F"})",
        R"({"name":"x"})",
        R"({"id":"not-a-uuid","name":"x"})",
        R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":5})",
        R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"x","bundleIdentifiers":"a"})",
        R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"x","bundleIdentifiers":[1]})",
        R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"x","hotkey":{"keyCode":1}})",
        R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"x","hotkey":{"keyCode":70000,"rawModifiers":0}})",
        R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"x","holdModifiersRaw":-1})",
        R"({"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"x","holdModifiersRaw":"1"})",
        R"([1])",
        R"({"id":)",
    };
    for (const char* json : bad) {
        QString error;
        EXPECT_FALSE(LauncherGroup::fromJson(json, &error)) << json;
        EXPECT_FALSE(error.isEmpty()) << json;
    }
    EXPECT_FALSE(LauncherGroup::decodeList(R"([{"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"a"},{"id":"x"}])"));
}

TEST(LauncherGroupTest, EqualityHoldReconciliationAndSuggestions)
{
    LauncherGroup a(QStringLiteral("g"), { QStringLiteral("a"), QStringLiteral("b") }, std::nullopt, 0, kId);
    LauncherGroup b = a;
    EXPECT_EQ(a, b);
    b.bundleIdentifiers = { QStringLiteral("b"), QStringLiteral("a") };
    EXPECT_NE(a, b);

    LauncherGroup g(QStringLiteral("g"), {}, Hotkey(17, kShiftCtrl), Modifier::Alt);
    g.reconcileHoldModifiers();
    EXPECT_EQ(g.holdModifiersRaw, kShiftCtrl); // nothing shared: all of the hotkey's
    g.holdModifiersRaw = Modifier::Ctrl;
    g.reconcileHoldModifiers();
    EXPECT_EQ(g.holdModifiersRaw, Modifier::Ctrl);
    g.hotkey.reset();
    g.reconcileHoldModifiers();
    EXPECT_EQ(g.holdModifiersRaw, 0u);

    EXPECT_EQ(
        LauncherGroup::suggestedHotkey({ Hotkey(17, kShiftCtrl), Hotkey(5, kShiftCtrl) }), Hotkey(15, kShiftCtrl));
    EXPECT_EQ(LauncherGroup::suggestedHotkey({ Hotkey(17, Modifier::Ctrl) }), Hotkey(17, kShiftCtrl));
    QList<Hotkey> all;
    for (std::uint16_t code : { 17, 5, 15, 14, 2, 13, 16, 32 })
        all.append(Hotkey(code, kShiftCtrl));
    EXPECT_FALSE(LauncherGroup::suggestedHotkey(all));
}

TEST_F(LauncherGroupSettingsTest, NewGroupsTakeTheFirstFreeSuggestion)
{
    AppSettings s(env.platform());
    const QUuid first = s.addLauncherGroup(QStringLiteral("Work"));
    const QUuid second = s.addLauncherGroup(QStringLiteral(" Work "));
    ASSERT_EQ(s.launcherGroups().size(), 2);
    EXPECT_EQ(s.launcherGroups()[1].name, QStringLiteral(" Work "));
    EXPECT_EQ(s.groupHotkey(first), Hotkey(17, kShiftCtrl));
    EXPECT_EQ(s.groupHoldModifiers(first), kShiftCtrl);
    EXPECT_EQ(s.groupHotkey(second), Hotkey(5, kShiftCtrl));
    EXPECT_TRUE(s.activeLauncherGroups().isEmpty()); // no applications yet

    s.setCapturedTabsHotkey(Hotkey(15, kShiftCtrl)); // roles count as taken too
    for (int i = 0; i < 5; ++i)
        s.addLauncherGroup(QStringLiteral("More"));
    const QUuid last = s.addLauncherGroup(QStringLiteral("Full")); // all eight taken by roles and groups
    EXPECT_EQ(s.groupHotkey(last), std::nullopt);
    EXPECT_EQ(s.groupHoldModifiers(last), 0u);
    EXPECT_EQ(s.takenHotkeys().size(), 4 + 7);
    // Written as a whole, readable by a fresh store.
    AppSettings reloaded(env.platform());
    EXPECT_EQ(reloaded.launcherGroups(), s.launcherGroups());
}

TEST_F(LauncherGroupSettingsTest, GroupOperationsKeepHoldSetsInLine)
{
    AppSettings s(env.platform());
    const QUuid id = s.addLauncherGroup(QStringLiteral("Work"));
    const QUuid other = s.addLauncherGroup(QStringLiteral("Other"));
    s.holdBinding(id).set(Modifier::Alt);
    EXPECT_EQ(s.groupHoldModifiers(id), 0u); // stored empty as it is
    s.holdBinding(id).set(Modifier::Ctrl | Modifier::Alt);
    EXPECT_EQ(s.holdBinding(id).get(), Modifier::Ctrl);

    LauncherGroup changed = s.launcherGroups()[0];
    changed.hotkey = Hotkey(18, Modifier::Alt | Modifier::Ctrl);
    changed.holdModifiersRaw = Modifier::Shift;
    changed.bundleIdentifiers = { QStringLiteral("org.x.mail") };
    s.updateLauncherGroup(changed);
    EXPECT_EQ(s.groupHoldModifiers(id), Modifier::Alt | Modifier::Ctrl);
    ASSERT_EQ(s.activeLauncherGroups().size(), 1);
    EXPECT_EQ(s.activeLauncherGroups()[0].id, id);

    s.binding(id).set(Hotkey(18, Modifier::Super));
    EXPECT_EQ(s.groupHoldModifiers(id), Modifier::Super);
    s.binding(id).set(std::nullopt);
    EXPECT_EQ(s.groupHoldModifiers(id), 0u);
    EXPECT_TRUE(s.activeLauncherGroups().isEmpty());

    const int writes = env.defaults().writeCount();
    s.updateLauncherGroup(LauncherGroup(QStringLiteral("stranger")));
    s.binding(QUuid::createUuid()).set(Hotkey(1, Modifier::Ctrl));
    EXPECT_EQ(env.defaults().writeCount(), writes); // unknown ids change nothing

    LauncherGroup byId;
    byId.id = other;
    s.removeLauncherGroup(byId);
    ASSERT_EQ(s.launcherGroups().size(), 1);
    EXPECT_EQ(s.launcherGroups()[0].id, id);
}

TEST_F(LauncherGroupSettingsTest, OneBadGroupDoesNotCostTheOthers)
{
    const QByteArray stored
        = R"([{"id":"E621E1F8-C36C-495A-93FC-0C247A3E6E5F","name":"Good","bundleIdentifiers":["a"],)"
          R"("hotkey":{"keyCode":17,"rawModifiers":1179648},"holdModifiersRaw":524288},)"
          R"({"id":"6B29FC40-CA47-1067-B31D-00DD010662DA"},)"
          R"({"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","name":"Also good"}])";
    env.defaults().setValue(QStringLiteral("launcherGroups"), stored);
    AppSettings s(env.platform());
    ASSERT_EQ(s.launcherGroups().size(), 2);
    EXPECT_EQ(s.launcherGroups()[0].name, QStringLiteral("Good"));
    EXPECT_EQ(s.launcherGroups()[0].holdModifiersRaw, kShiftCtrl); // reconciled after loading
    EXPECT_EQ(s.launcherGroups()[1].name, QStringLiteral("Also good"));
    EXPECT_TRUE(std::any_of(env.logLines().begin(), env.logLines().end(),
        [](const QString& l) { return l.startsWith(QStringLiteral("Kelvaro: skipped")); }));
    const QStringList backups = StoredListRecovery::backupKeys(QStringLiteral("launcherGroups"), env.defaults());
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(env.defaults().value(backups[0])->toByteArray(), stored);
    EXPECT_EQ(
        env.defaults().value(QStringLiteral("launcherGroups"))->toByteArray(), stored); // untouched until a change

    s.addLauncherGroup(QStringLiteral("New"));
    EXPECT_EQ(env.defaults().value(backups[0])->toByteArray(), stored);
    AppSettings again(env.platform());
    EXPECT_EQ(again.launcherGroups().size(), 3);
    EXPECT_EQ(StoredListRecovery::backupKeys(QStringLiteral("launcherGroups"), env.defaults()).size(), 1);
}

TEST(AppLanguageTest, CodesEndonymsFlagsAndSelectableList)
{
    EXPECT_EQ(allCases<AppLanguage>().size(), 18);
    EXPECT_EQ(fromRawValue<AppLanguage>(QStringLiteral("nb")), AppLanguage::norwegian);
    for (const char* text : { "no", "NB", "", "de-DE", "System" })
        EXPECT_FALSE(fromRawValue<AppLanguage>(QString::fromLatin1(text))) << text;
    const QList<AppLanguage> selectable = selectableLanguages();
    ASSERT_EQ(selectable.size(), 17);
    EXPECT_EQ(selectable.first(), AppLanguage::english);
    EXPECT_EQ(selectable.last(), AppLanguage::swedish);
    EXPECT_EQ(flag(AppLanguage::system), QString::fromUcs4(U"\U0001F310"));
    EXPECT_EQ(flag(AppLanguage::georgian), QString::fromUcs4(U"\U0001F1EC\U0001F1EA"));
    EXPECT_EQ(flag(AppLanguage::english), QString::fromUcs4(U"\U0001F1EC\U0001F1E7"));
    EXPECT_EQ(endonym(AppLanguage::slovenian), QStringLiteral("Slovenščina"));
    EXPECT_FALSE(localeIdentifier(AppLanguage::system));
    for (AppLanguage l : selectable) {
        EXPECT_EQ(localeIdentifier(l), rawValue(l));
        EXPECT_EQ(fromRawValue<AppLanguage>(rawValue(l)), l);
        EXPECT_EQ(flag(l).size(), 4) << rawValue(l).toStdString(); // two surrogate pairs
    }
    for (HotkeyRole role : allCases<HotkeyRole>())
        EXPECT_EQ(fromRawValue<HotkeyRole>(rawValue(role)), role);
    EXPECT_EQ(rawValue(HotkeyRole::passwords), QStringLiteral("passwords"));
    EXPECT_EQ(AppSettings::storedName(AppSettings::hotkeyKey(HotkeyRole::passwords)), QStringLiteral("passwordHotkey"));
    EXPECT_FALSE(fromRawValue<HotkeyRole>(QStringLiteral("password")));
}
