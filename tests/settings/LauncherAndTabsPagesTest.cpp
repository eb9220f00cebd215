// The Launcher and Tabs pages against the simulated desktop and browsers:
// the arrows at the ends of a group's list, identifiers of applications that
// are not installed keeping their place through moves and removals, and a
// tab capture that runs off the main thread and lands in the store, with the
// page's message and the arrows of its tab list.

#include "core/AppSettings.h"
#include "platform/BrowserScripting.h"
#include "platform/FaviconService.h"
#include "platform/sim/SimBrowserScripting.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimFaviconService.h"
#include "ring/CapturedTabStore.h"
#include "settings/CapturedTabsSettingsView.h"
#include "settings/IconViews.h"
#include "settings/LauncherAppList.h"
#include "settings/LauncherSettingsView.h"
#include "settings/PageParts.h"
#include "support/TestSupport.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class Pages : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop = &env.sim().desktop();
        env.platform().ports().browserScripting = browsers;
        AppSettings::shared().setLanguage(AppLanguage::english);
    }
    static QStringList stored(const QUuid& id)
    {
        for (const LauncherGroup& g : AppSettings::shared().launcherGroups())
            if (g.id == id)
                return g.bundleIdentifiers;
        return {};
    }
    static QList<bool> arrows(QWidget* row)
    {
        QList<bool> enabled;
        for (auto* b : row->findChildren<RowActionButton*>())
            enabled << b->isEnabled();
        return enabled.mid(0, 2); // up, down
    }

    TestSupport::SimEnvironment env;
    SimDesktop* desktop = nullptr;
    std::shared_ptr<SimBrowserScripting> browsers = std::make_shared<SimBrowserScripting>();
};

TEST_F(Pages, AppListArrowsStopAtTheEndsAndMissingAppsKeepTheirPlace)
{
    desktop->addApp(1, QStringLiteral("org.example.A"), QStringLiteral("A"));
    desktop->addApp(2, QStringLiteral("org.example.B"), QStringLiteral("B"));
    desktop->addApp(3, QStringLiteral("org.example.C"), QStringLiteral("C"));
    desktop->apps.clear(); // installed, not running
    AppSettings& s = AppSettings::shared();
    const QUuid id = s.addLauncherGroup(QStringLiteral("Edit"));
    LauncherGroup g = s.launcherGroups().last();
    g.bundleIdentifiers
        = { QStringLiteral("org.example.A"), QStringLiteral("org.example.B"), QStringLiteral("org.example.C") };
    s.updateLauncherGroup(g);

    LauncherSettingsView page(env.platform(), id);
    page.resize(520, 600);
    page.show();
    ASSERT_TRUE(page.appList());
    auto rows = page.appList()->rows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(arrows(rows[0]), (QList<bool> { false, true }));
    EXPECT_EQ(arrows(rows[2]), (QList<bool> { true, false }));
    EXPECT_EQ(page.appList()->countLabel()->text(), QStringLiteral("3 apps"));
    // The operations ignore the ends too.
    page.appList()->move(0, -1);
    page.appList()->move(2, 1);
    EXPECT_EQ(stored(id), g.bundleIdentifiers);
    page.appList()->move(1, -1);
    EXPECT_EQ(stored(id),
        (QStringList {
            QStringLiteral("org.example.B"), QStringLiteral("org.example.A"), QStringLiteral("org.example.C") }));

    // A, X, B with X not installed: shown as A, B; moving B up exchanges it with A only.
    const QStringList withMissing { QStringLiteral("org.example.A"), QStringLiteral("org.gone.X"),
        QStringLiteral("org.example.B") };
    EXPECT_EQ(LauncherAppList::moved(withMissing, { 0, 2 }, 1, -1),
        (QStringList {
            QStringLiteral("org.example.B"), QStringLiteral("org.gone.X"), QStringLiteral("org.example.A") }));
    EXPECT_EQ(LauncherAppList::removed(withMissing, { 0, 2 }, 1),
        (QStringList { QStringLiteral("org.example.A"), QStringLiteral("org.gone.X") }));
    EXPECT_FALSE(LauncherAppList::moved(withMissing, { 0, 2 }, 1, 1));
    EXPECT_FALSE(LauncherAppList::removed(withMissing, { 0, 2 }, 2));
    EXPECT_FALSE(LauncherAppList::added(withMissing, QStringLiteral("org.example.A"))); // never twice
}

TEST_F(Pages, CaptureRunsOffTheMainThreadAndTheTabListStopsAtItsEnds)
{
    desktop->addApp(20, QStringLiteral("com.google.Chrome"), QStringLiteral("Chrome"));
    desktop->addApp(21, QStringLiteral("org.mozilla.firefox"), QStringLiteral("Firefox"));
    browsers->setTabs(QStringLiteral("com.google.Chrome"), { QStringLiteral("One <b>bold</b>"), QStringLiteral("Two") },
        { QStringLiteral("https://www.one.example/a"), QStringLiteral("https://two.example/") });
    browsers->setTabs(QStringLiteral("org.mozilla.firefox"), { QStringLiteral("Three") },
        { QStringLiteral("https://three.example/") });

    CapturedTabsSettingsView page(env.platform());
    page.resize(520, 600);
    page.show();
    int changes = 0;
    QObject::connect(&page, &CapturedTabsSettingsView::storeChanged, [&] { ++changes; });
    page.capture();
    EXPECT_TRUE(page.isCapturing());
    page.capture(); // a second one cannot start meanwhile
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page.isCapturing(); }, 5000));
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(page.failed());
    EXPECT_EQ(page.message(), QStringLiteral("Captured 3 tabs — 2 from Chrome, 1 from Firefox."));
    ASSERT_EQ(CapturedTabStore(env.platform()).sessions().size(), 1);
    EXPECT_EQ(CapturedTabStore(env.platform()).active()->tabs.size(), 3);

    auto rows = page.rows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(arrows(rows[0]), (QList<bool> { false, true }));
    EXPECT_EQ(arrows(rows[2]), (QList<bool> { true, false }));
    // Titles from a browser are shown as typed, never as markup.
    bool plain = false;
    for (QLabel* l : rows[0]->findChildren<QLabel*>())
        plain |= l->text() == QStringLiteral("One <b>bold</b>") && l->textFormat() == Qt::PlainText;
    EXPECT_TRUE(plain);
    EXPECT_EQ(CapturedTabRow::hostText(QStringLiteral("https://www.one.example/a")), QStringLiteral("one.example"));

    page.move(0, -1);
    page.move(2, 1);
    EXPECT_EQ(CapturedTabStore(env.platform()).active()->tabs[0].title, QStringLiteral("One <b>bold</b>"));
    page.move(2, -1);
    EXPECT_EQ(CapturedTabStore(env.platform()).active()->tabs[1].title, QStringLiteral("Three"));
    page.remove(0);
    EXPECT_EQ(CapturedTabStore(env.platform()).active()->tabs.size(), 2);

    // A second capture keeps the first and says so.
    page.capture();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page.isCapturing(); }, 5000));
    EXPECT_TRUE(page.message().endsWith(QStringLiteral(" 1 earlier capture kept.")));
    EXPECT_EQ(CapturedTabStore(env.platform()).sessions().size(), 2);

    // The capture menu widens to show each capture's name and summary whole,
    // that of a capture of two browsers too.
    page.toggleCaptureMenu();
    auto* menu = page.findChild<QFrame*>(QStringLiteral("capture-menu"));
    ASSERT_TRUE(menu);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    const auto menuRows = menu->findChildren<IconMenuRow*>();
    ASSERT_EQ(menuRows.size(), 2);
    const auto saved = CapturedTabStore(env.platform()).sessions();
    for (qsizetype i = 0; i < menuRows.size(); ++i) {
        IconMenuRow* row = menuRows[i];
        const QFontMetrics fm = row->fontMetrics();
        const QString detail = CapturedTabsSettingsView::browserSummary(saved[saved.size() - 1 - i]); // newest first
        EXPECT_EQ(row->text(), saved[saved.size() - 1 - i].name);
        // As the row lays itself out: padding and icon, the detail and its gap,
        // the checkmark and its gap, padding.
        const int titleRoom = row->width() - 40 - (fm.horizontalAdvance(detail) + 8) - 22 - 10;
        EXPECT_EQ(fm.elidedText(row->text(), Qt::ElideRight, titleRoom), row->text()) << titleRoom;
        EXPECT_LE(row->geometry().right(), menu->contentsRect().right());
    }
    menu->close();
}
}

TEST_F(Pages, ACaptureSaysNextToItsButtonWhatEachRunningBrowserGave)
{
    desktop->addApp(20, QStringLiteral("com.google.Chrome"), QStringLiteral("Chrome"));
    desktop->addApp(21, QStringLiteral("org.mozilla.firefox"), QStringLiteral("Firefox"));
    browsers->setTabs(QStringLiteral("com.google.Chrome"), { QStringLiteral("One"), QStringLiteral("Two") },
        { QStringLiteral("https://one.example/"), QStringLiteral("https://two.example/") });
    browsers->setOutcome(QStringLiteral("org.mozilla.firefox"),
        BrowserScripting::Outcome::error(std::nullopt, QStringLiteral("Could not open /ff/recovery.jsonlz4: busy")));
    CapturedTabsSettingsView page(env.platform());
    page.resize(520, 600);
    page.show();
    page.capture();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page.isCapturing(); }, 5000));
    EXPECT_FALSE(page.failed());
    EXPECT_EQ(page.message(),
        QStringLiteral("Captured 2 tabs from Chrome. Firefox is running, but its session could not be read: Could not "
                       "open /ff/recovery.jsonlz4: busy"));
    // Under the list.
    ASSERT_FALSE(page.rows().isEmpty());
    const auto top = [&](QWidget* w) { return w->mapTo(&page, QPoint()).y(); };
    EXPECT_GT(top(page.messageLabel()), top(page.captureButton()));
    EXPECT_GT(top(page.messageLabel()), top(page.rows().last()) + page.rows().last()->height());

    // A browser whose session was found nowhere is not "no open tabs".
    auto nothing = BrowserScripting::Outcome::success(QVariantList { QVariantList {}, QVariantList {} });
    nothing.read = QStringList();
    browsers->setOutcome(QStringLiteral("com.google.Chrome"), nothing);
    browsers->setTabs(
        QStringLiteral("org.mozilla.firefox"), { QStringLiteral("New Tab") }, { QStringLiteral("about:newtab") });
    page.capture();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page.isCapturing(); }, 5000));
    EXPECT_TRUE(page.failed());
    EXPECT_EQ(page.message(),
        QStringLiteral("Chrome is running, but Kelvaro found no session file in its profile folders. Firefox is "
                       "running, but its session has no open web pages."));
    EXPECT_EQ(CapturedTabStore(env.platform()).sessions().size(), 1);
}

TEST_F(Pages, AnEmptyLauncherNameIsRefusedWithANoteAndTheDialogStays)
{
    LauncherSettingsView page(env.platform(), std::nullopt);
    page.addGroup();
    const QString before = page.selectedGroup()->name;
    page.renameGroup();
    auto* dialog = page.findChild<NameDialog*>(QStringLiteral("rename-launcher"));
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->problem()->isVisibleTo(dialog));

    dialog->field()->setText(QStringLiteral("   "));
    dialog->accept();
    EXPECT_TRUE(dialog->isVisible()) << "the dialog closed on an empty name";
    EXPECT_TRUE(dialog->problem()->isVisibleTo(dialog)) << "nothing says a name is needed";
    EXPECT_EQ(page.selectedGroup()->name, before);

    dialog->field()->setText(QStringLiteral(" Work "));
    EXPECT_FALSE(dialog->problem()->isVisibleTo(dialog)) << "the note outlives the typing that answers it";
    dialog->accept();
    EXPECT_EQ(page.selectedGroup()->name, QStringLiteral("Work"));
}
