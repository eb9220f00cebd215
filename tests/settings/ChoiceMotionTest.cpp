// The Launcher page and the language grid move with the person's choices:
// rows slide from where they stood, new rows and another group's content
// fade in, the language mark passes from tile to tile. Each motion runs on
// the virtual clock through values between its ends, leaves nothing ticking
// once at rest, and is a jump under Reduce Motion. The grid itself fits as
// many columns as its width allows.

#include "core/AppSettings.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimDisplayPreferences.h"
#include "ringkit/WidgetMotion.h"
#include "settings/AdaptiveGrid.h"
#include "settings/LanguagePicker.h"
#include "settings/LanguageTiles.h"
#include "settings/LauncherAppList.h"
#include "settings/LauncherSettingsView.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QGraphicsEffect>
#include <QSet>
#include <gtest/gtest.h>

namespace {
const QString A = QStringLiteral("org.example.A"), B = QStringLiteral("org.example.B"),
              C = QStringLiteral("org.example.C");

class ChoiceMotion : public ::testing::Test {
protected:
    void SetUp() override
    {
        AnimationEngine::shared().setFrameInterval(1.0 / 60.0);
        AppSettings::shared().setLanguage(AppLanguage::english);
        SimDesktop& desktop = env.sim().desktop();
        desktop.addApp(1, A, QStringLiteral("A"));
        desktop.addApp(2, B, QStringLiteral("B"));
        desktop.addApp(3, C, QStringLiteral("C"));
        desktop.apps.clear(); // installed, not running
    }
    void TearDown() override { AnimationEngine::shared().setFrameInterval(0.0); }

    void reduceMotion(bool on) { env.sim().displayPreferences().setReduceMotion(on); }

    // Plays the virtual clock frame by frame and returns what `read` gave
    // after each frame.
    template <typename Read> std::vector<double> play(Read read, double seconds = 2.0)
    {
        std::vector<double> seen;
        for (double t = 0; t < seconds; t += 1.0 / 60.0) {
            env.scheduler().advance(1.0 / 60.0);
            seen.push_back(read());
        }
        return seen;
    }
    static int between(const std::vector<double>& values, double low, double high)
    {
        int n = 0;
        for (double v : values)
            n += v > low + 0.02 && v < high - 0.02;
        return n;
    }
    static WidgetMotion* changeMotion(QWidget* w)
    {
        return w->findChild<WidgetMotion*>(QStringLiteral("change-motion"), Qt::FindDirectChildrenOnly);
    }
    // Records a change motion of `w` until it rests; afterwards the widget
    // is drawn plainly again and nothing ticks.
    void expectEasesToRest(QWidget* w, const char* what)
    {
        WidgetMotion* motion = changeMotion(w);
        ASSERT_TRUE(motion) << what;
        ASSERT_TRUE(w->graphicsEffect()) << what;
        std::vector<double> seen;
        QObject::connect(motion, &WidgetMotion::changed, [&seen](double v) { seen.push_back(v); });
        play([] { return 0.0; });
        EXPECT_GE(between(seen, 0.0, 1.0), 3) << what;
        EXPECT_FALSE(w->graphicsEffect()) << what;
        EXPECT_FALSE(AnimationEngine::shared().isTicking()) << what;
    }

    TestSupport::SimEnvironment env;
};

TEST_F(ChoiceMotion, LauncherRowsSlideFromTheirOldPlacesAndNewOnesFadeIn)
{
    AppSettings& s = AppSettings::shared();
    const QUuid id = s.addLauncherGroup(QStringLiteral("Edit"));
    LauncherGroup g = s.launcherGroups().last();
    g.bundleIdentifiers = { A, B };
    s.updateLauncherGroup(g);
    LauncherSettingsView page(env.platform(), id);
    page.resize(520, 600);
    page.show();
    ASSERT_TRUE(page.appList());
    const QList<QWidget*> before = page.appList()->rows();
    ASSERT_EQ(before.size(), 2);
    const double pitch = before[1]->y() - before[0]->y();
    ASSERT_GT(pitch, 0);
    EXPECT_FALSE(changeMotion(before[0])) << "showing the page moves nothing";

    // B up: it starts where it stood (one row lower) and A one row higher.
    page.appList()->move(1, -1);
    QList<QWidget*> rows = page.appList()->rows();
    ASSERT_EQ(rows.size(), 2);
    ASSERT_TRUE(rows[0]->graphicsEffect() && rows[1]->graphicsEffect());
    const QRectF bFrom = rows[0]->graphicsEffect()->boundingRect();
    const QRectF aFrom = rows[1]->graphicsEffect()->boundingRect();
    EXPECT_NEAR(bFrom.bottom() - rows[0]->height(), pitch, 1.0);
    EXPECT_NEAR(aFrom.top(), -pitch, 1.0);
    expectEasesToRest(rows[0], "the moved row");

    // An added application fades in; the rows already there stay put.
    LauncherAppList::add(id, C);
    rows = page.appList()->rows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_FALSE(changeMotion(rows[0]));
    expectEasesToRest(rows[2], "the added row");

    // Another group: the page's content fades in, the list does not slide.
    page.addGroup();
    ASSERT_TRUE(page.appList());
    expectEasesToRest(page.appList()->parentWidget(), "the new group's content");

    // Under Reduce Motion the same changes are jumps.
    reduceMotion(true);
    page.selectGroup(id);
    EXPECT_FALSE(changeMotion(page.appList()->parentWidget()));
    page.appList()->move(2, -1);
    for (QWidget* row : page.appList()->rows()) {
        EXPECT_FALSE(row->graphicsEffect());
        EXPECT_FALSE(changeMotion(row));
    }
    EXPECT_FALSE(AnimationEngine::shared().isTicking());
}

TEST_F(ChoiceMotion, TheChosenLanguageTileCarriesTheAccentAndTheMarkMoves)
{
    LanguagePicker picker(env.defaults(), LanguagePicker::Style::grid, true);
    picker.resize(560, 420);
    picker.show();
    auto tile = [&](const QString& code) {
        for (LanguageChoiceButton* b : picker.findChildren<LanguageChoiceButton*>())
            if (b->property("language").toString() == code)
                return b;
        return static_cast<LanguageChoiceButton*>(nullptr);
    };
    auto* system = qobject_cast<SystemLanguageRow*>(tile(QStringLiteral("system")));
    LanguageChoiceButton* deutsch = tile(QStringLiteral("de"));
    LanguageChoiceButton* english = tile(QStringLiteral("en"));
    ASSERT_TRUE(system && deutsch && english);
    EXPECT_TRUE(english->isSelected()) << "the fixture chose English";
    EXPECT_DOUBLE_EQ(english->selection(), 1.0) << "the first marks are drawn at once";
    EXPECT_DOUBLE_EQ(system->opacity(), 0.6);

    // The accent fills the chosen tile; the others keep the control face.
    auto face = [](QWidget* w) { return w->grab().toImage().pixelColor(6, w->height() / 2); };
    const QColor accent = picker.palette().color(QPalette::Highlight);
    EXPECT_EQ(face(english).rgb(), accent.rgb());
    EXPECT_EQ(face(deutsch).rgb(), picker.palette().color(QPalette::Base).rgb());

    // Choosing another language moves the mark along the spring.
    AppSettings::shared().setLanguage(AppLanguage::german);
    const std::vector<double> in = play([&] { return deutsch->selection(); });
    EXPECT_GE(between(in, 0.0, 1.0), 3);
    EXPECT_DOUBLE_EQ(in.back(), 1.0);
    EXPECT_DOUBLE_EQ(english->selection(), 0.0);
    EXPECT_TRUE(deutsch->isSelected());
    EXPECT_FALSE(english->isSelected());
    EXPECT_FALSE(AnimationEngine::shared().isTicking());

    // The system row comes up from 0.6 to full strength when chosen.
    AppSettings::shared().setLanguage(AppLanguage::system);
    const std::vector<double> strength = play([&] { return system->opacity(); });
    EXPECT_GE(between(strength, 0.6, 1.0), 3);
    EXPECT_DOUBLE_EQ(strength.back(), 1.0);
    EXPECT_FALSE(deutsch->isSelected());

    // Under Reduce Motion the mark jumps.
    reduceMotion(true);
    AppSettings::shared().setLanguage(AppLanguage::german);
    EXPECT_DOUBLE_EQ(deutsch->selection(), 1.0);
    EXPECT_DOUBLE_EQ(system->opacity(), 0.6);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());
    AppSettings::shared().setLanguage(AppLanguage::english);
}

// Assistive tools reach a tile through its one action: it chooses the
// language as a click does, and choosing the chosen one again keeps it.
TEST_F(ChoiceMotion, ALanguageTilesAccessibleActionChoosesItsLanguage)
{
    reduceMotion(true);
    LanguagePicker picker(env.defaults(), LanguagePicker::Style::grid, true);
    picker.resize(560, 420);
    picker.show();
    auto act = [&](const QString& code) {
        for (LanguageChoiceButton* b : picker.findChildren<LanguageChoiceButton*>()) {
            if (b->property("language").toString() != code)
                continue;
            QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(b);
            QAccessibleActionInterface* actions = a11y ? a11y->actionInterface() : nullptr;
            if (!actions || actions->actionNames().isEmpty())
                return false;
            actions->doAction(actions->actionNames().first());
            QCoreApplication::processEvents();
            return true;
        }
        return false;
    };
    ASSERT_TRUE(act(QStringLiteral("de")));
    EXPECT_EQ(AppSettings::shared().language(), AppLanguage::german);
    ASSERT_TRUE(act(QStringLiteral("de")));
    EXPECT_EQ(AppSettings::shared().language(), AppLanguage::german);
    for (LanguageChoiceButton* b : picker.findChildren<LanguageChoiceButton*>())
        EXPECT_EQ(b->isChecked(), b->property("language").toString() == QLatin1String("de"));
    ASSERT_TRUE(act(QStringLiteral("system")));
    EXPECT_EQ(AppSettings::shared().language(), AppLanguage::system);
    reduceMotion(false);
    AppSettings::shared().setLanguage(AppLanguage::english);
}

TEST(LanguageGrid, FitsAColumnOfAtLeast148PerStepOf156AndGrowsDownToHoldEveryTile)
{
    QWidget host;
    auto* grid = new AdaptiveGrid(148, 8, &host);
    QList<QWidget*> tiles;
    for (int i = 0; i < 17; ++i) {
        tiles << new QWidget(&host);
        tiles.back()->setFixedHeight(30);
        grid->addWidget(tiles.back());
    }
    // Width -> columns: one below 2 x 148 + 8, then one more per 156.
    const std::pair<int, int> cases[] = { { 148, 1 }, { 303, 1 }, { 304, 2 }, { 460, 3 }, { 615, 3 }, { 616, 4 } };
    for (const auto& [width, columns] : cases) {
        const int rows = (17 + columns - 1) / columns;
        host.resize(width, grid->heightForWidth(width));
        grid->activate();
        grid->setGeometry(host.rect());
        QSet<int> lefts;
        for (QWidget* tile : std::as_const(tiles)) {
            lefts.insert(tile->x());
            EXPECT_GE(tile->width(), 148) << width;
            EXPECT_LE(tile->geometry().right(), width - 1) << width;
        }
        EXPECT_EQ(lefts.size(), columns) << width;
        EXPECT_EQ(grid->heightForWidth(width), rows * 30 + (rows - 1) * 8) << width;
        EXPECT_EQ(tiles.back()->geometry().bottom(), rows * 30 + (rows - 1) * 8 - 1) << width;
    }
}
} // namespace
