// The settings window in motion on the virtual clock: each kind of change
// (a tab change with its preview, a list change, an explanation, the pop-up
// chevron, a pop-up row's tint) passes through values between its ends, comes
// to rest with nothing left ticking, and jumps under Reduce Motion.

#include "core/AppSettings.h"
#include "platform/KeyModifiers.h"
#include "platform/sim/SimDisplayPreferences.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/MemorySecretStore.h"
#include "services/UpdateChecker.h"
#include "settings/GeneralSettingsView.h"
#include "settings/IconViews.h"
#include "settings/PageParts.h"
#include "settings/PasswordsSettingsView.h"
#include "settings/SettingsMotion.h"
#include "settings/SettingsView.h"
#include "support/TestSupport.h"
#include "vault/PasswordVault.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {
AppSettings& settings() { return AppSettings::shared(); }

class SettingsMotionTest : public ::testing::Test {
protected:
    SettingsMotionTest()
    {
        env.platform().ports().displayPreferences = prefs;
        AnimationEngine::shared().useDisplay(prefs.get());
        env.platform().ports().secretStore = std::make_shared<MemorySecretStore>();
        AnimationEngine::shared().setFrameInterval(1.0 / 60.0);
    }
    ~SettingsMotionTest() override { AnimationEngine::shared().setFrameInterval(0.0); }

    // Plays the virtual clock for `seconds` and samples `value` after every frame.
    std::vector<double> play(const std::function<double()>& value, double seconds = 1.0)
    {
        std::vector<double> seen;
        for (double t = 0; t < seconds; t += 1.0 / 60.0) {
            env.scheduler().advance(1.0 / 60.0);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            seen.push_back(value());
        }
        return seen;
    }
    static int between(const std::vector<double>& seen, double from, double to)
    {
        const double lo = std::min(from, to), hi = std::max(from, to), margin = (hi - lo) * 0.05;
        int n = 0;
        for (double v : seen)
            n += v > lo + margin && v < hi - margin;
        return n;
    }
    static Crossfade* fadeOver(QWidget* host)
    {
        return host->findChild<Crossfade*>(QString(), Qt::FindDirectChildrenOnly);
    }
    // A cross-fade over `host` that fades through intermediate opacities, then
    // leaves, with the engine asleep.
    void expectFadesAndRests(QWidget* host)
    {
        QPointer<Crossfade> fade = fadeOver(host);
        ASSERT_TRUE(fade);
        const auto seen = play([&] { return fade ? fade->opacity() : 0.0; });
        EXPECT_GE(between(seen, 1.0, 0.0), 3);
        EXPECT_FALSE(fade) << "the overlay stays after the motion";
        EXPECT_FALSE(AnimationEngine::shared().isTicking());
    }

    TestSupport::SimEnvironment env;
    std::shared_ptr<SimDisplayPreferences> prefs = std::make_shared<SimDisplayPreferences>();
};

TEST_F(SettingsMotionTest, ATabChangeDissolvesThePageAndThePreviewAndMovesTheTintThenRests)
{
    UpdateChecker updates(env.defaults());
    SettingsView view(env.platform(), updates);
    view.resize(SettingsView::windowSize);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    play([] { return 0.0; }, 0.5);
    auto* general = view.findChild<TabButton*>(QStringLiteral("general"));
    auto* shortcuts = view.findChild<TabButton*>(QStringLiteral("controller"));
    ASSERT_TRUE(general && shortcuts);
    EXPECT_DOUBLE_EQ(shortcuts->selection(), 1.0);

    view.selectTab(SettingsTab::general);
    QWidget* pageHost = view.page()->parentWidget();
    ASSERT_TRUE(fadeOver(pageHost));
    ASSERT_TRUE(fadeOver(view.preview())) << "the preview shows another ring";
    std::vector<double> tint;
    QPointer<Crossfade> preview = fadeOver(view.preview());
    QPointer<Crossfade> page = fadeOver(pageHost);
    const auto seen = play([&] {
        tint.push_back(general->selection());
        return page ? page->opacity() : 0.0;
    });
    EXPECT_GE(between(seen, 1.0, 0.0), 3);
    EXPECT_GE(between(tint, 0.0, 1.0), 3);
    EXPECT_DOUBLE_EQ(general->selection(), 1.0);
    EXPECT_DOUBLE_EQ(shortcuts->selection(), 0.0);
    EXPECT_FALSE(page);
    EXPECT_FALSE(preview);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());

    // A new hotkey changes the preview's scene; a new ring size does not.
    settings().setSwitcherHotkey(Hotkey(0x25, Modifier::Ctrl | Modifier::Alt));
    expectFadesAndRests(view.preview());
    settings().setRingScale(1.2);
    EXPECT_FALSE(fadeOver(view.preview()));
    play([] { return 0.0; });

    prefs->setReduceMotion(true);
    view.selectTab(SettingsTab::switcher);
    EXPECT_FALSE(fadeOver(pageHost));
    EXPECT_FALSE(fadeOver(view.preview()));
    EXPECT_DOUBLE_EQ(view.findChild<TabButton*>(QStringLiteral("switcher"))->selection(), 1.0);
    EXPECT_DOUBLE_EQ(general->selection(), 0.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());
}

TEST_F(SettingsMotionTest, ListChangesAndExplanationsDissolveAlongTheirSpringsAndJumpWhenStill)
{
    PasswordEntry mail;
    mail.label = mail.account = QStringLiteral("mail");
    for (const char* name : { "Home", "Work", "Spare" }) {
        PasswordVariant v;
        v.label = QString::fromLatin1(name);
        mail.variants << v;
    }
    PasswordVault(env.platform()).upsert(mail);
    PasswordsSettingsView page { PasswordVault(env.platform()), env.platform() };
    page.resize(520, 560);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    play([] { return 0.0; }, 0.3);
    QWidget* section = page.findChild<QWidget*>(QStringLiteral("accounts"));
    ASSERT_TRUE(section);

    page.movePassword(0, +1);
    EXPECT_EQ(PasswordVault(env.platform()).entry(mail.id)->variants[0].label, QStringLiteral("Work"));
    expectFadesAndRests(section);
    page.removePassword(2);
    expectFadesAndRests(section);

    UpdateChecker updates(env.defaults());
    GeneralSettingsView general(env.platform(), updates);
    general.resize(520, 600);
    general.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&general));
    play([] { return 0.0; }, 0.3);
    settings().setActivationMode(
        settings().activationMode() == ActivationMode::toggle ? ActivationMode::holdModifier : ActivationMode::toggle);
    Crossfade* words = general.findChild<Crossfade*>();
    ASSERT_TRUE(words) << "the explanation changes without motion";
    expectFadesAndRests(words->parentWidget());

    prefs->setReduceMotion(true);
    page.movePassword(0, +1);
    EXPECT_FALSE(fadeOver(section));
    settings().setActivationMode(
        settings().activationMode() == ActivationMode::toggle ? ActivationMode::holdModifier : ActivationMode::toggle);
    EXPECT_FALSE(general.findChild<Crossfade*>());
    EXPECT_FALSE(AnimationEngine::shared().isTicking());
}

TEST_F(SettingsMotionTest, TheChevronTurnsAndAPopupRowsTintEasesThenBothRest)
{
    PasswordEntry mail;
    mail.label = mail.account = QStringLiteral("mail");
    PasswordVault(env.platform()).upsert(mail);
    PasswordsSettingsView page { PasswordVault(env.platform()), env.platform() };
    page.resize(520, 560);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    auto* picker = page.findChild<PopupPickerButton*>();
    ASSERT_TRUE(picker);
    picker->setOpen(true);
    auto turns = play([&] { return picker->chevronTurn(); });
    EXPECT_GE(between(turns, 0.0, 1.0), 3);
    EXPECT_DOUBLE_EQ(picker->chevronTurn(), 1.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());

    IconMenuRow row(QStringLiteral("mail"), std::nullopt, std::nullopt, QStringLiteral("key.fill"), true);
    row.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&row));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&row, &enter);
    const auto lit = play([&] { return row.highlight(); }, 0.3);
    EXPECT_GE(between(lit, 0.0, 1.0), 3) << "0.12 s is seven frames: most of them between";
    EXPECT_DOUBLE_EQ(row.highlight(), 1.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());

    prefs->setReduceMotion(true);
    picker->setOpen(false);
    EXPECT_DOUBLE_EQ(picker->chevronTurn(), 0.0);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&row, &leave);
    EXPECT_DOUBLE_EQ(row.highlight(), 0.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());
}
} // namespace
