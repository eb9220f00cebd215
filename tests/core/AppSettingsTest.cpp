#include "core/AppSettings.h"
#include "core/StoredListRecovery.h"
#include "core/Translations.h"
#include "platform/Log.h"
#include "platform/sim/SimAppearance.h"
#include "platform/sim/SimLoginItem.h"
#include "platform/sim/SimScreens.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
constexpr std::uint64_t kShiftCtrl = Modifier::Shift | Modifier::Ctrl;

class AppSettingsTest : public ::testing::Test {
protected:
    AppSettingsTest()
    {
        env.platform().ports().loginItem = login;
        env.platform().ports().appearance = appearance;
        env.platform().ports().screens = screens;
    }
    ~AppSettingsTest() override { }
    MemoryDefaultsStore& store() { return env.defaults(); }
    std::unique_ptr<AppSettings> load()
    {
        auto s = std::make_unique<AppSettings>(env.platform());
        store().resetWriteCount();
        return s;
    }

    TestSupport::SimEnvironment env;
    std::shared_ptr<SimLoginItem> login = std::make_shared<SimLoginItem>();
    std::shared_ptr<SimAppearance> appearance = std::make_shared<SimAppearance>();
    std::shared_ptr<SimScreens> screens = std::make_shared<SimScreens>();
};
}

TEST_F(AppSettingsTest, EmptyDefaultsGiveEveryDefaultAndWriteNothing)
{
    AppSettings s(env.platform());
    EXPECT_EQ(store().writeCount(), 0);
    EXPECT_TRUE(store().keys().isEmpty());
    EXPECT_EQ(s.switcherHotkey(), Hotkey(0, kShiftCtrl));
    EXPECT_EQ(s.launcherHotkey(), Hotkey(1, kShiftCtrl));
    EXPECT_EQ(s.passwordHotkey(), Hotkey(35, kShiftCtrl));
    EXPECT_EQ(s.capturedTabsHotkey(), Hotkey(2, kShiftCtrl));
    for (HotkeyRole role : allCases<HotkeyRole>())
        EXPECT_EQ(s.holdModifiers(role), 0x120000u) << rawValue(role).toStdString();
    EXPECT_EQ(s.activationMode(), ActivationMode::holdModifier);
    EXPECT_TRUE(s.showOnMouseScreen());
    EXPECT_EQ(s.ringPlacement(), RingPlacement::screenCentre);
    EXPECT_FALSE(s.hasCompletedOnboarding());
    EXPECT_TRUE(s.showLaunchMessage());
    EXPECT_TRUE(s.launcherGroups().isEmpty());
    EXPECT_EQ(s.language(), AppLanguage::system);
    EXPECT_EQ(s.ringScale(), 1.0);
    EXPECT_EQ(s.animationSpeed(), 1.0);
    EXPECT_TRUE(s.enable3DEffects());
    EXPECT_EQ(s.appearance(), AppearanceMode::system);
    EXPECT_FALSE(s.launchAtLogin());
    EXPECT_TRUE(appearance->applied.isEmpty());
    EXPECT_TRUE(login->calls.isEmpty());
}

TEST_F(AppSettingsTest, StoredValuesOfTheWrongShapeFallBackPerKey)
{
    store().setValue(QStringLiteral("switcherHotkey"), QStringLiteral("unassigned"));
    store().setValue(QStringLiteral("launcherHotkey"), QStringLiteral("something else"));
    store().setValue(QStringLiteral("passwordHotkey"), QByteArray("{\"keyCode\":3}"));
    store().setValue(QStringLiteral("capturedTabsHotkey"), qint64(5));
    store().setValue(QStringLiteral("launcherHoldModifiers"), QStringLiteral("0x100000"));
    store().setValue(QStringLiteral("passwordHoldModifiers"), quint64(0x1E0000 | 0x100 | 0x1));
    store().setValue(QStringLiteral("capturedTabsHoldModifiers"), qint64(-1));
    store().setValue(QStringLiteral("activationMode"), QStringLiteral("Toggle"));
    store().setValue(QStringLiteral("ringPlacement"), QStringLiteral("pointer"));
    store().setValue(QStringLiteral("showOnMouseScreen"), QStringLiteral("false"));
    store().setValue(QStringLiteral("hasCompletedOnboarding"), QStringLiteral("YES"));
    store().setValue(QStringLiteral("enable3DEffects"), false);
    store().setValue(QStringLiteral("appearance"), QStringLiteral("Dark"));
    store().setValue(QStringLiteral("appLanguage"), QStringLiteral("nb"));
    store().setValue(QStringLiteral("showLaunchMessage"), qint64(0));
    auto s = load();
    EXPECT_FALSE(s->switcherHotkey());
    EXPECT_EQ(s->switcherHoldModifiers(), 0u);
    EXPECT_EQ(s->launcherHotkey(), AppSettings::defaultLauncherHotkey);
    EXPECT_EQ(s->launcherHoldModifiers(), kShiftCtrl); // string ignored: the hotkey's modifiers
    EXPECT_EQ(s->passwordHotkey(), AppSettings::defaultPasswordHotkey);
    EXPECT_EQ(s->passwordHoldModifiers(), 0x1E0000u); // only modifier bits survive
    EXPECT_EQ(s->capturedTabsHotkey(), AppSettings::defaultCapturedTabsHotkey);
    EXPECT_EQ(s->capturedTabsHoldModifiers(), kShiftCtrl);
    EXPECT_EQ(s->activationMode(), ActivationMode::holdModifier);
    EXPECT_EQ(s->ringPlacement(), RingPlacement::pointer);
    EXPECT_TRUE(s->showOnMouseScreen());
    EXPECT_TRUE(s->hasCompletedOnboarding());
    EXPECT_FALSE(s->enable3DEffects());
    EXPECT_EQ(s->appearance(), AppearanceMode::system);
    EXPECT_EQ(s->language(), AppLanguage::norwegian);
    EXPECT_TRUE(s->showLaunchMessage());
    EXPECT_EQ(store().writeCount(), 0);
}

TEST_F(AppSettingsTest, ScaleAndSpeedOutsideTheirRangeLoadAsOne)
{
    const double bad[] = { 0.0, -2.0, std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN() };
    for (double value : bad) {
        store().setValue(QStringLiteral("ringScale"), value);
        store().setValue(QStringLiteral("animationSpeed"), value);
        env.clearLog();
        auto s = load();
        EXPECT_EQ(s->ringScale(), 1.0) << value;
        EXPECT_EQ(s->animationSpeed(), 1.0) << value;
        EXPECT_EQ(env.logLines().size(), 2);
        EXPECT_EQ(store().value(QStringLiteral("ringScale"))->typeId(), QMetaType::Double); // not repaired on disk
    }
    store().setValue(QStringLiteral("ringScale"), qint64(2));
    store().setValue(QStringLiteral("animationSpeed"), 0.3);
    auto s = load();
    EXPECT_EQ(s->ringScale(), 2.0);
    EXPECT_EQ(s->animationSpeed(), 0.3);
    store().setValue(QStringLiteral("ringScale"), QStringLiteral("1.5"));
    EXPECT_EQ(load()->ringScale(), 1.0);
}

TEST_F(AppSettingsTest, SettersWriteTheirKeysAndRunFollowUps)
{
    auto s = load();
    s->setSwitcherHotkey(std::nullopt);
    EXPECT_EQ(store().value(QStringLiteral("switcherHotkey"))->toString(), QStringLiteral("unassigned"));
    EXPECT_EQ(store().value(QStringLiteral("switcherHoldModifiers"))->typeId(), QMetaType::ULongLong);
    EXPECT_EQ(store().value(QStringLiteral("switcherHoldModifiers"))->toULongLong(), 0u);
    s->setLauncherHotkey(Hotkey(40, Modifier::Ctrl));
    EXPECT_EQ(store().value(QStringLiteral("launcherHotkey"))->toByteArray(),
        QByteArray("{\"keyCode\":40,\"rawModifiers\":1048576}"));
    s->setLauncherHoldModifiers(0xFFFFFFFF); // written as given
    EXPECT_EQ(store().value(QStringLiteral("launcherHoldModifiers"))->toULongLong(), 0xFFFFFFFFu);
    s->setRingScale(1.5);
    EXPECT_EQ(store().value(QStringLiteral("ringScale"))->toDouble(), 1.5);
    s->setActivationMode(ActivationMode::toggle);
    s->setRingPlacement(RingPlacement::pointer);
    s->setShowLaunchMessage(false);
    EXPECT_EQ(store().value(QStringLiteral("activationMode"))->toString(), QStringLiteral("toggle"));
    EXPECT_EQ(store().value(QStringLiteral("ringPlacement"))->toString(), QStringLiteral("pointer"));
    EXPECT_EQ(store().value(QStringLiteral("showLaunchMessage"))->typeId(), QMetaType::Bool);

    s->setAppearance(AppearanceMode::dark);
    EXPECT_EQ(store().value(QStringLiteral("appearance"))->toString(), QStringLiteral("dark"));
    EXPECT_EQ(appearance->applied, QList<AppearanceMode> { AppearanceMode::dark });
    EXPECT_TRUE(appearance->isDark());

    s->setLanguage(AppLanguage::german);
    EXPECT_EQ(store().value(QStringLiteral("appLanguage"))->toString(), QStringLiteral("de"));
    EXPECT_EQ(store().value(QStringLiteral("AppleLanguages"))->toList(), QVariantList { QStringLiteral("de") });
    s->setLanguage(AppLanguage::system);
    EXPECT_EQ(store().value(QStringLiteral("appLanguage"))->toString(), QStringLiteral("system"));
    EXPECT_FALSE(store().contains(QStringLiteral("AppleLanguages")));
}

TEST_F(AppSettingsTest, OnlyANewValueIsAnnouncedButEveryAssignmentIsWrittenAndFollowedUp)
{
    using Key = AppSettings::Key;
    auto s = load();
    QSignalSpy spy(s.get(), &AppSettings::changed);
    const auto announced = [&] {
        QList<Key> keys;
        for (const QList<QVariant>& arguments : spy)
            keys << arguments.at(0).value<Key>();
        spy.clear();
        return keys;
    };

    // The values the settings already have: no signal, but each is written
    // and followed up.
    s->setSwitcherHotkey(AppSettings::defaultSwitcherHotkey);
    s->setPasswordHoldModifiers(s->passwordHoldModifiers());
    s->setActivationMode(ActivationMode::holdModifier);
    s->setRingScale(1.0);
    s->setAppearance(AppearanceMode::system);
    s->setLaunchAtLogin(false);
    EXPECT_EQ(announced(), QList<Key> {});
    for (const char* key : { "switcherHotkey", "switcherHoldModifiers", "passwordHoldModifiers", "activationMode",
             "ringScale", "appearance" })
        EXPECT_TRUE(store().contains(QString::fromLatin1(key))) << key;
    EXPECT_EQ(appearance->applied, QList<AppearanceMode> { AppearanceMode::system });
    EXPECT_TRUE(login->calls.isEmpty()); // already in agreement with the login item

    // Recording a role's combination again brings an emptied hold set back.
    s->setSwitcherHoldModifiers(0);
    s->binding(HotkeyRole::switcher).set(AppSettings::defaultSwitcherHotkey);
    EXPECT_EQ(s->switcherHoldModifiers(), kShiftCtrl);
    EXPECT_EQ(store().value(QStringLiteral("switcherHoldModifiers"))->toULongLong(), kShiftCtrl);
    EXPECT_EQ(announced(), (QList<Key> { Key::switcherHoldModifiers, Key::switcherHoldModifiers }));
    appearance->applied.clear();

    // A new value is announced once, with its key; again: not announced.
    s->setRingScale(1.5);
    s->setRingScale(1.5);
    EXPECT_EQ(announced(), QList<Key> { Key::ringScale });
    s->setAppearance(AppearanceMode::dark);
    s->setAppearance(AppearanceMode::dark);
    EXPECT_EQ(announced(), QList<Key> { Key::appearance });
    EXPECT_EQ(appearance->applied, (QList<AppearanceMode> { AppearanceMode::dark, AppearanceMode::dark }));
    // A hotkey's follow-up announces the hold set only when it changes it.
    s->setSwitcherHotkey(Hotkey(40, Modifier::Ctrl));
    EXPECT_EQ(announced(), (QList<Key> { Key::switcherHotkey, Key::switcherHoldModifiers }));
    s->setSwitcherHotkey(Hotkey(41, Modifier::Ctrl));
    EXPECT_EQ(announced(), QList<Key> { Key::switcherHotkey });
    const QUuid id = s->addLauncherGroup(QStringLiteral("Work"));
    s->setGroupHotkey(id, s->groupHotkey(id));
    EXPECT_EQ(announced(), QList<Key> { Key::launcherGroups });
}

TEST_F(AppSettingsTest, LoginItemFollowsTheSettingAndFailuresAreUndone)
{
    auto s = load();
    s->setLaunchAtLogin(true);
    EXPECT_TRUE(login->enabled);
    s->setLaunchAtLogin(true); // already in agreement: no second registration
    EXPECT_EQ(login->calls, QStringList { QStringLiteral("register") });
    EXPECT_FALSE(store().contains(QStringLiteral("launchAtLogin")));

    login->failure = QStringLiteral("permission denied");
    s->setLaunchAtLogin(false);
    EXPECT_TRUE(s->launchAtLogin()); // brought back in line with the real status
    EXPECT_EQ(
        env.logLines(), QStringList { QStringLiteral("Kelvaro: could not update login item — permission denied") });

    login->failure.reset();
    auto reloaded = load();
    EXPECT_TRUE(reloaded->launchAtLogin());
}

TEST_F(AppSettingsTest, HoldSetFollowsTheRoleHotkey)
{
    auto s = load();
    s->setSwitcherHotkey(Hotkey(49, Modifier::Alt)); // ⇧⌘ -> ⌥Space: nothing in common
    EXPECT_EQ(s->switcherHoldModifiers(), 0u);
    s->setSwitcherHotkey(Hotkey(0, kShiftCtrl)); // empty takes all the new modifiers
    EXPECT_EQ(s->switcherHoldModifiers(), kShiftCtrl);
    s->setSwitcherHotkey(Hotkey(40, Modifier::Ctrl)); // ⇧⌘ and ⌘K gives ⌘
    EXPECT_EQ(s->switcherHoldModifiers(), Modifier::Ctrl);
    s->setHotkey(std::nullopt, HotkeyRole::switcher);
    EXPECT_EQ(s->switcherHoldModifiers(), 0u);
    s->resetHotkey(HotkeyRole::switcher);
    EXPECT_EQ(s->switcherHotkey(), AppSettings::defaultSwitcherHotkey);
    EXPECT_EQ(s->switcherHoldModifiers(), kShiftCtrl);
    EXPECT_EQ(store().value(QStringLiteral("switcherHoldModifiers"))->toULongLong(), kShiftCtrl);

    // The binding routes through the same follow-up; other roles keep theirs.
    s->setPasswordHoldModifiers(Modifier::Shift);
    s->binding(HotkeyRole::passwords).set(Hotkey(35, Modifier::Ctrl | Modifier::Alt));
    EXPECT_EQ(s->passwordHoldModifiers(), 0u);
    EXPECT_EQ(s->binding(HotkeyRole::passwords).get(), Hotkey(35, Modifier::Ctrl | Modifier::Alt));
    EXPECT_EQ(s->launcherHoldModifiers(), kShiftCtrl);
}

TEST_F(AppSettingsTest, WarningsComeInTheirOrder)
{
    auto s = load();
    s->setLanguage(AppLanguage::english);
    EXPECT_EQ(s->warning(std::nullopt, HotkeyRole::passwords),
        QStringLiteral("No shortcut assigned — the Saved Passwords can't be opened from the keyboard."));
    // Not valid wins over a conflict with another role on the same combination.
    s->setLauncherHotkey(Hotkey(0, Modifier::Shift));
    EXPECT_EQ(s->warning(Hotkey(0, Modifier::Shift), HotkeyRole::switcher),
        QStringLiteral("Add Ctrl, Alt or Super so this shortcut can't interrupt typing."));
    s->resetHotkey(HotkeyRole::launcher);
    EXPECT_EQ(s->warning(Hotkey(1, kShiftCtrl), HotkeyRole::switcher),
        QStringLiteral("Already used by Shortcut Launcher. Pick a different combination."));
    EXPECT_FALSE(s->warning(Hotkey(1, kShiftCtrl), HotkeyRole::launcher)); // its own hotkey
    // Conflicts are the role hotkeys only; launcher groups are not consulted.
    const QUuid id = s->addLauncherGroup(QStringLiteral("Work"));
    EXPECT_EQ(s->groupHotkey(id), Hotkey(17, kShiftCtrl));
    EXPECT_FALSE(s->warning(Hotkey(17, kShiftCtrl), HotkeyRole::switcher));

    const Hotkey probe(48, Modifier::Alt); // Alt+Tab
    if (probe.systemConflictDescription()) {
        EXPECT_EQ(s->warning(probe, HotkeyRole::switcher),
            QStringLiteral("Your desktop already uses this for switching windows. It may not reach Kelvaro."));
        s->setCapturedTabsHotkey(probe); // another role on it: that message wins
        EXPECT_EQ(s->warning(probe, HotkeyRole::switcher),
            QStringLiteral("Already used by Saved Tabs. Pick a different combination."));
    }
}

TEST_F(AppSettingsTest, TranslationsFollowTheChosenLanguageBeforeListenersRelabel)
{
    auto s = load();
    const auto tr = [](const char* english) { return QCoreApplication::translate("Kelvaro", english); };
    QString relabelled;
    s->onChange(s.get(), { AppSettings::Key::language }, [&] { relabelled = tr("App Switcher"); });

    s->setLanguage(AppLanguage::german);
    EXPECT_EQ(relabelled, QStringLiteral("App-Umschalter"));
    EXPECT_EQ(s->resolvedLocale().language(), QLocale::German);
    EXPECT_EQ(s->warning(Hotkey(1, kShiftCtrl), HotkeyRole::switcher),
        QStringLiteral("Bereits von Kurzbefehl-Starter verwendet. Wähle eine andere Kombination."));
    EXPECT_EQ(tr("A text nobody translated"), QStringLiteral("A text nobody translated"));
    // Qt's own texts (standard dialog buttons) follow as well.
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm"))) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }

    s->setLanguage(AppLanguage::japanese);
    EXPECT_EQ(relabelled, QStringLiteral("アプリスイッチャー"));
    EXPECT_EQ(tr("Dark"), QStringLiteral("ダーク"));
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen")); // German removed
    // A look-up in another language (the system's) leaves the interface language alone.
    EXPECT_EQ(Translations::translate("Dark", QStringLiteral("de")), QStringLiteral("Dunkel"));
    EXPECT_EQ(tr("Dark"), QStringLiteral("ダーク"));

    s->setLanguage(AppLanguage::english);
    EXPECT_EQ(relabelled, QStringLiteral("App Switcher"));
}

TEST(TranslationsTest, LanguageCodesOfLocales)
{
    EXPECT_EQ(Translations::languageCode(QLocale(QStringLiteral("de_AT"))), QStringLiteral("de"));
    EXPECT_EQ(Translations::languageCode(QLocale(QStringLiteral("nn_NO"))), QStringLiteral("nb"));
    EXPECT_EQ(Translations::languageCode(QLocale(QStringLiteral("nb_NO"))), QStringLiteral("nb"));
    EXPECT_EQ(Translations::languageCode(QLocale(QStringLiteral("pt_BR"))), std::nullopt);
    EXPECT_EQ(Translations::translate("Dark", QStringLiteral("pt")), QStringLiteral("Dark"));
}

TEST_F(AppSettingsTest, RingFrameByPlacementAndDisplay)
{
    auto s = load();
    screens->addScreen(QRectF(0, 0, 1440, 900), QStringLiteral("main"));
    screens->addScreen(QRectF(1440, 0, 400, 300), QStringLiteral("narrow"));
    screens->pointerLocation = QPointF(10, 450);

    s->setRingPlacement(RingPlacement::pointer);
    EXPECT_EQ(s->ringFrame(700), QRectF(0, 100, 700, 700));
    s->setRingPlacement(RingPlacement::screenCentre);
    EXPECT_EQ(s->ringFrame(700), QRectF(370, 100, 700, 700));

    // On a display smaller than the ring its right and top edges meet the display's.
    screens->pointerLocation = QPointF(1500, 10);
    s->setRingPlacement(RingPlacement::pointer);
    EXPECT_EQ(s->ringFrame(700), QRectF(1840 - 700, 300 - 700, 700, 700));
    // Right/top edges belong to the next display; off every display: the main one.
    screens->pointerLocation = QPointF(1440, 0);
    EXPECT_EQ(s->ringFrame(100), QRectF(1440, 0, 100, 100));
    screens->pointerLocation = QPointF(1440, 300);
    EXPECT_EQ(s->ringFrame(100), QRectF(1340, 250, 100, 100));
    screens->pointerLocation = QPointF(5000, 5000);
    EXPECT_EQ(s->ringFrame(100), QRectF(1340, 800, 100, 100));
    s->setShowOnMouseScreen(false);
    screens->pointerLocation = QPointF(1500, 10);
    EXPECT_EQ(s->ringFrame(100), QRectF(1340, 0, 100, 100));

    screens->list.clear();
    EXPECT_EQ(s->ringFrame(700), QRectF(0, 0, 700, 700));
}

TEST_F(AppSettingsTest, SharedStoreReloadsWhenTheDefaultsChange)
{
    AppSettings& shared = AppSettings::shared();
    store().setValue(QStringLiteral("ringScale"), 1.75);
    {
        TestSupport::SimEnvironment other;
        other.defaults().setValue(QStringLiteral("ringScale"), 0.5);
        EXPECT_EQ(&AppSettings::shared(), &shared);
        EXPECT_EQ(AppSettings::shared().ringScale(), 0.5);
    }
}

TEST_F(AppSettingsTest, LauncherGroupHotkeyOnAnotherRoleOrGroupIsWarnedAbout)
{
    auto s = load();
    s->setLanguage(AppLanguage::english);
    const QUuid a = s->addLauncherGroup(QStringLiteral("Edit"));
    const QUuid b = s->addLauncherGroup(QStringLiteral("Web"));
    const auto group = [&](const QUuid& id) {
        for (const LauncherGroup& g : s->launcherGroups())
            if (g.id == id)
                return g;
        return LauncherGroup();
    };
    EXPECT_FALSE(s->warning(group(a))); // the suggested hotkeys are free

    // Every role counts, also the two that are not switcher-like, in role order.
    s->setPasswordHotkey(group(a).hotkey);
    EXPECT_EQ(s->warning(group(a)), QStringLiteral("Already used by Saved Passwords."));
    s->setSwitcherHotkey(group(a).hotkey);
    EXPECT_EQ(s->warning(group(a)), QStringLiteral("Already used by App Switcher."));
    s->resetHotkey(HotkeyRole::switcher);
    s->resetHotkey(HotkeyRole::passwords);

    // Two groups on one combination each name the other; its own hotkey never counts.
    s->setGroupHotkey(b, group(a).hotkey);
    EXPECT_EQ(s->warning(group(a)), QStringLiteral("Already used by Web."));
    EXPECT_EQ(s->warning(group(b)), QStringLiteral("Already used by Edit."));

    s->setGroupHotkey(b, std::nullopt);
    EXPECT_EQ(s->warning(group(b)),
        QStringLiteral("No shortcut assigned — this launcher can't be opened from the keyboard."));
    s->setGroupHotkey(b, Hotkey(14, Modifier::Shift));
    EXPECT_EQ(s->warning(group(b)), QStringLiteral("Add Ctrl, Alt or Super so this shortcut can't interrupt typing."));
}
