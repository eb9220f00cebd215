// The suggestions sheet's motion: "Select All" and "Deselect All" fade the
// ticks (a single click ticks at once), and the import button's indicator
// turns while menus are read and stops with the scan, also when the sheet
// closes before the answer. Nothing is left ticking afterwards, and Reduce
// Motion turns every change into a jump.

#include "editors/ShortcutSuggestionsView.h"
#include "platform/KeyModifiers.h"
#include "platform/sim/SimDisplayPreferences.h"
#include "ringkit/WidgetMotion.h"
#include "settings/ShortcutsSettingsView.h"
#include "support/TestSupport.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {
class SuggestionsMotion : public ::testing::Test {
protected:
    void SetUp() override
    {
        AnimationEngine::shared().setFrameInterval(1.0 / 60.0);
        ShortcutSuggestionsView::setScanBackend({
            [](const QString&) { return MenuShortcutScanner::ScanResult::success({}); },
            [this](const QString&, MenuShortcutScanner::Completion c) { pendingImport = std::move(c); },
            [](std::function<void()>) {},
            [](const QString&) { return false; },
        });
    }
    void TearDown() override
    {
        ShortcutSuggestionsView::setScanBackend({});
        AnimationEngine::shared().setFrameInterval(0.0);
    }
    template <typename Read> std::vector<double> play(Read read, double seconds = 1.0)
    {
        std::vector<double> seen;
        for (double t = 0; t < seconds; t += 1.0 / 60.0) {
            env.scheduler().advance(1.0 / 60.0);
            seen.push_back(read());
        }
        return seen;
    }
    static int between(const std::vector<double>& values)
    {
        int n = 0;
        for (double v : values)
            n += v > 0.02 && v < 0.98;
        return n;
    }
    static ShortcutPreset preset(const QString& id, std::uint16_t key)
    {
        return ShortcutPreset { id, id, QStringLiteral("star"), Hotkey(key, Modifier::Ctrl), false, false };
    }

    TestSupport::SimEnvironment env;
    MenuShortcutScanner::Completion pendingImport;
    const AppShortcut app
        = ShortcutsSettingsView::appEntry(QStringLiteral("Mousepad"), QStringLiteral("org.xfce.mousepad"));
};

TEST_F(SuggestionsMotion, SelectAllFadesTheTicksAndASingleClickTicksAtOnce)
{
    ShortcutSuggestionsView sheet(
        env.platform(), { app, { preset("new", 45), preset("open", 31), preset("save", 1) } });
    sheet.show();
    const QList<TickBox*> rows = sheet.rows();
    ASSERT_EQ(rows.size(), 3);

    sheet.toggleSelectAll(); // "Deselect All"
    EXPECT_FALSE(rows[0]->isChecked()) << "the state changes at once; only the drawing eases";
    std::vector<double> seen = play([&] { return rows[0]->tick(); });
    EXPECT_GE(between(seen), 3);
    EXPECT_DOUBLE_EQ(seen.back(), 0.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());

    rows[1]->click();
    EXPECT_DOUBLE_EQ(rows[1]->tick(), 1.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());

    sheet.toggleSelectAll(); // "Select All": only the two still empty move
    EXPECT_TRUE(rows[0]->tickMotion()->isAnimating());
    EXPECT_FALSE(rows[1]->tickMotion()->isAnimating());
    seen = play([&] { return rows[2]->tick(); });
    EXPECT_GE(between(seen), 3);
    EXPECT_DOUBLE_EQ(seen.back(), 1.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());

    env.sim().displayPreferences().setReduceMotion(true);
    sheet.toggleSelectAll();
    for (TickBox* row : rows)
        EXPECT_DOUBLE_EQ(row->tick(), 0.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());
}

TEST_F(SuggestionsMotion, TheIndicatorTurnsOnlyWhileMenusAreRead)
{
    ShortcutSuggestionsView sheet(env.platform(), { app, {} });
    sheet.show();
    const QIcon idle = sheet.importButton()->icon();
    sheet.importFromMenus();
    ASSERT_TRUE(sheet.spinner()->isRunning());
    const std::vector<double> phases = play([&] { return sheet.spinner()->phase(); }, 0.5);
    EXPECT_GE(between(phases), 3);
    EXPECT_NE(sheet.importButton()->icon().cacheKey(), idle.cacheKey());
    ASSERT_TRUE(pendingImport);
    pendingImport(MenuShortcutScanner::ScanResult::appNotRunning());
    EXPECT_FALSE(sheet.spinner()->isRunning());
    play([] { return 0.0; }, 0.1);
    EXPECT_FALSE(AnimationEngine::shared().isTicking()) << "the turn ends with the scan";

    // Closed while reading: the answer never comes, and the turning stops anyway.
    sheet.importFromMenus();
    EXPECT_TRUE(AnimationEngine::shared().isTicking());
    sheet.reject();
    play([] { return 0.0; }, 0.1);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());

    // Under Reduce Motion the indicator shows, still.
    env.sim().displayPreferences().setReduceMotion(true);
    ShortcutSuggestionsView still(env.platform(), { app, {} });
    still.show();
    still.importFromMenus();
    EXPECT_TRUE(still.spinner()->isRunning());
    EXPECT_FALSE(AnimationEngine::shared().isTicking());
}
} // namespace
