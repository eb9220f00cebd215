#include "support/TestSupport.h"

#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimKeyboardLayout.h"
#include "platform/sim/SimMenuAccessibility.h"
#include "ring/MenuShortcutScanner.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>

namespace {

using Kind = MenuShortcutScanner::ScanResult::Kind;
using El = std::shared_ptr<SimAXElement>;

class MenuShortcutScannerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop = &env.sim().desktop();
        ax = &env.sim().menuAccessibility();
        MenuShortcutScanner::setBackgroundRunner([](std::function<void()> task) { task(); });
        app = SimAXElement::make(QStringLiteral("AXApplication"));
        bar = SimAXElement::make(QStringLiteral("AXMenuBar"));
        app->menuBar = bar;
    }
    void TearDown() override { MenuShortcutScanner::setBackgroundRunner({}); }
    // A top-level menu: a bar item holding an untitled menu, as menu bars present them.
    El menu(const QString& title)
    {
        auto item = bar->add(SimAXElement::make(QStringLiteral("AXMenuBarItem"), title));
        return item->add(SimAXElement::make(QStringLiteral("AXMenu"), QString()));
    }
    void runApp()
    {
        desktop->addApp(42, QStringLiteral("org.example.Editor"), QStringLiteral("Editor"));
        ax->setApplication(42, app);
    }
    MenuShortcutScanner::ScanResult scan()
    {
        return MenuShortcutScanner::scan(env.platform(), QStringLiteral("org.example.Editor"));
    }
    static QStringList ids(const MenuShortcutScanner::ScanResult& r)
    {
        QStringList out;
        for (const auto& p : r.presets)
            out << p.id;
        return out;
    }

    TestSupport::SimEnvironment env;
    SimDesktop* desktop = nullptr;
    SimMenuAccessibility* ax = nullptr;
    El app, bar;
};

TEST_F(MenuShortcutScannerTest, TitleCleaningAndIcons)
{
    using S = MenuShortcutScanner;
    EXPECT_FALSE(S::cleanedTitle(std::nullopt));
    EXPECT_FALSE(S::cleanedTitle(QStringLiteral(" \n\t ")));
    EXPECT_EQ(S::cleanedTitle(QStringLiteral("  Save As…\n")), QStringLiteral("Save As…"));
    EXPECT_EQ(S::cleanedTitle(QStringLiteral("Print \t⌘P")), QStringLiteral("Print"));
    EXPECT_EQ(S::iconName(QStringLiteral("Reopen Closed Tab")), QStringLiteral("folder"));
    EXPECT_EQ(S::iconName(QStringLiteral("Close Tab")), QStringLiteral("xmark"));
    EXPECT_EQ(S::iconName(QStringLiteral("Shortcuts")), QStringLiteral("scissors"));
    EXPECT_EQ(S::iconName(QStringLiteral("Neues Fenster")), QStringLiteral("command"));
    EXPECT_EQ(S::iconName(QStringLiteral("NEW WINDOW")), QStringLiteral("plus"));
}

TEST_F(MenuShortcutScannerTest, ModifierBitsAndKeys)
{
    auto key = [](std::optional<int> bits, const QString& ch) {
        return MenuShortcutScanner::hotkey(*SimAXElement::item(QStringLiteral("x"), ch, bits));
    };
    EXPECT_EQ(key(std::nullopt, QStringLiteral("c")), Hotkey(8, Modifier::Ctrl));
    EXPECT_EQ(key(0, QStringLiteral("C")), Hotkey(8, Modifier::Ctrl));
    EXPECT_EQ(key(1, QStringLiteral("C")), Hotkey(8, Modifier::Shift | Modifier::Ctrl));
    EXPECT_EQ(key(8, QStringLiteral("T")), Hotkey(17, 0));
    EXPECT_EQ(key(12, QStringLiteral("T")), Hotkey(17, Modifier::Super));
    EXPECT_EQ(key(3, QStringLiteral(" v ")), Hotkey(9, Modifier::Shift | Modifier::Alt | Modifier::Ctrl));
    EXPECT_FALSE(key(0, QStringLiteral("  ")));
    EXPECT_FALSE(key(0, QString()));

    auto withVirtual = SimAXElement::item(QStringLiteral("x"), QStringLiteral("?"), 0);
    withVirtual->attributes.insert(QStringLiteral("AXMenuItemCmdVirtualKey"), 96);
    EXPECT_EQ(MenuShortcutScanner::hotkey(*withVirtual), Hotkey(96, Modifier::Ctrl));
    withVirtual->attributes.insert(QStringLiteral("AXMenuItemCmdVirtualKey"), 0); // 0 counts as absent
    withVirtual->attributes.insert(QStringLiteral("AXMenuItemCmdChar"), QStringLiteral("a"));
    EXPECT_EQ(MenuShortcutScanner::hotkey(*withVirtual), Hotkey(0, Modifier::Ctrl));
    withVirtual->attributes.insert(QStringLiteral("AXMenuItemCmdVirtualKey"), 70000); // too large for a key code
    EXPECT_EQ(MenuShortcutScanner::hotkey(*withVirtual), Hotkey(0, Modifier::Ctrl));
}

TEST_F(MenuShortcutScannerTest, StatusBeforeAnyWalk)
{
    ax->trusted = false;
    EXPECT_EQ(scan().kind, Kind::needsAccessibility);
    EXPECT_EQ(ax->lookups, 0);
    ax->trusted = true;
    EXPECT_EQ(scan().kind, Kind::appNotRunning);
    runApp();
    app->failing.insert(QStringLiteral("AXMenuBar"));
    EXPECT_EQ(scan().kind, Kind::failed);
    app->failing.clear();
    menu(QStringLiteral("Help"))->add(SimAXElement::make(QStringLiteral("AXMenuItem"), QStringLiteral("Manual")));
    EXPECT_EQ(scan().kind, Kind::failed); // no key equivalents is a failure, not an empty success
}

TEST_F(MenuShortcutScannerTest, WalkBuildsIdsDedupesAndSorts)
{
    runApp();
    menu(QStringLiteral("Apple"))->add(SimAXElement::item(QStringLiteral("About"), QStringLiteral("A"), 0));
    auto file = menu(QStringLiteral("File"));
    file->add(SimAXElement::item(QStringLiteral("New\t⌘N"), QStringLiteral("N"), 0));
    file->add(SimAXElement::item(QStringLiteral("-"), QStringLiteral("M"), 0));
    file->add(SimAXElement::make(QStringLiteral("AXSeparator")));
    file->add(SimAXElement::item(QStringLiteral("zoom"), QStringLiteral("T"), 8));
    auto edit = menu(QStringLiteral("Edit"));
    edit->add(SimAXElement::item(QStringLiteral("Copy"), QStringLiteral("C"), 0));
    edit->add(SimAXElement::item(QStringLiteral("Paste and Match Style"), QStringLiteral("V"), 3));
    auto format = edit->add(SimAXElement::make(QStringLiteral("AXMenuItem"), QStringLiteral("Format")));
    auto formatMenu = format->add(SimAXElement::make(QStringLiteral("AXMenu"), QString()));
    formatMenu->add(SimAXElement::item(QStringLiteral("Paste and Match Style"), QStringLiteral("V"), 2));
    formatMenu->add(SimAXElement::item(QStringLiteral("Copy Style"), QStringLiteral("C"), 0)); // duplicate ⌘C
    auto untitled = bar->add(SimAXElement::make(QStringLiteral("AXMenuBarItem"), QStringLiteral("  ")));
    untitled->add(SimAXElement::item(QStringLiteral("apple pie"), QStringLiteral("P"), 0));

    const auto r = scan();
    ASSERT_EQ(r.kind, Kind::success);
    EXPECT_EQ(ids(r),
        (QStringList {
            QStringLiteral("menu..apple pie.⌘P"),
            QStringLiteral("menu.Edit.Copy.⌘C"),
            QStringLiteral("menu.File.New.⌘N"),
            QStringLiteral("menu.Edit.Paste and Match Style.⌥⇧⌘V"),
            QStringLiteral("menu.Edit/Format.Paste and Match Style.⌥⌘V"),
            QStringLiteral("menu.File.zoom.T"),
        }));
    const auto& copy = r.presets[1];
    EXPECT_EQ(copy.name, QStringLiteral("Copy"));
    EXPECT_EQ(copy.icon, QStringLiteral("doc.on.doc"));
    EXPECT_TRUE(copy.isFromMenu);
    EXPECT_FALSE(copy.nameIsLocalizationKey);
    EXPECT_EQ(r, MenuShortcutScanner::ScanResult::success(r.presets));
    EXPECT_NE(r, MenuShortcutScanner::ScanResult::failed());
}

TEST_F(MenuShortcutScannerTest, CapsResultsAndBoundsAHostileTree)
{
    runApp();
    // 200 distinct combinations, the first 52 without command.
    auto big = menu(QStringLiteral("Big"));
    int made = 0;
    for (int bits : { 8, 9, 0, 1, 2, 3, 4, 5, 6, 7 }) {
        for (char c = 'A'; c <= 'Z' && made < 200; ++c, ++made)
            big->add(SimAXElement::item(
                QStringLiteral("Item %1").arg(made, 3, 10, QLatin1Char('0')), QString(QLatin1Char(c)), bits));
    }
    auto r = scan();
    ASSERT_EQ(r.kind, Kind::success);
    ASSERT_EQ(r.presets.size(), 80);
    for (const auto& p : r.presets)
        EXPECT_TRUE(p.hotkey.rawModifiers & Modifier::Ctrl);
    EXPECT_EQ(r.presets.first().name, QStringLiteral("Item 052"));
    EXPECT_EQ(r.presets.last().name, QStringLiteral("Item 131"));

    // A menu nested far deeper than any real one, and a menu of many thousands.
    bar->children.clear();
    El node = menu(QStringLiteral("Deep"));
    for (int i = 0; i < 2000; ++i)
        node = node->add(SimAXElement::make(QStringLiteral("AXGroup")));
    node->add(SimAXElement::item(QStringLiteral("Bottom"), QStringLiteral("B"), 0));
    auto wide = menu(QStringLiteral("Wide"));
    for (int i = 0; i < 20000; ++i)
        wide->add(SimAXElement::item(QStringLiteral("W%1").arg(i), QStringLiteral("Q"), 0));
    menu(QStringLiteral("Late"))->add(SimAXElement::item(QStringLiteral("Never read"), QStringLiteral("L"), 0));
    r = scan();
    ASSERT_EQ(r.kind, Kind::success);
    EXPECT_EQ(ids(r), QStringList { QStringLiteral("menu.Wide.W0.⌘Q") });
    EXPECT_LT(wide->children[6000]->reads.load(), 1);
    EXPECT_TRUE(env.logLines().join(QLatin1Char('\n')).contains(QStringLiteral("5000")));
}

TEST_F(MenuShortcutScannerTest, OpenAndScanPollsOnTheVirtualClockAndCompletesOnce)
{
    int completions = 0;
    MenuShortcutScanner::ScanResult last;
    auto completion = [&](const MenuShortcutScanner::ScanResult& r) {
        ++completions;
        last = r;
        EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
    };

    // Not installed: failed at once.
    MenuShortcutScanner::openAndScan(env.platform(), QStringLiteral("org.example.Missing"), completion);
    EXPECT_EQ(completions, 0); // delivered on a later turn of the main loop
    env.scheduler().runPending();
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(last.kind, Kind::failed);

    // Installed, starts slowly: menus appear after 2 s.
    completions = 0;
    desktop->installed.insert(
        QStringLiteral("org.example.Editor"), { QStringLiteral("/apps/editor.desktop"), QIcon(), true });
    menu(QStringLiteral("File"))->add(SimAXElement::item(QStringLiteral("New"), QStringLiteral("N"), 0));
    MenuShortcutScanner::openAndScan(env.platform(), QStringLiteral("org.example.Editor"), completion);
    EXPECT_TRUE(desktop->calls.join(QLatin1Char(' ')).contains(QStringLiteral("editor.desktop")));
    env.scheduler().advance(1.9);
    EXPECT_EQ(completions, 0);
    runApp();
    env.scheduler().advance(0.2);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(last.kind, Kind::success);
    env.scheduler().advance(10);
    EXPECT_EQ(completions, 1);

    // Never comes up: the last of 20 retries, after 5 s, is the answer.
    completions = 0;
    ax->setApplication(42, nullptr);
    const double start = env.scheduler().now();
    MenuShortcutScanner::openAndScan(env.platform(), QStringLiteral("org.example.Editor"), completion);
    env.scheduler().advance(4.99);
    EXPECT_EQ(completions, 0);
    env.scheduler().advance(0.02);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(last.kind, Kind::failed);
    EXPECT_NEAR(env.scheduler().now() - start, 5.01, 1e-9);
    env.scheduler().advance(10);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(env.scheduler().pendingCount(), 0u);

    // Without trust: needsAccessibility, and nothing is launched.
    completions = 0;
    desktop->calls.clear();
    ax->trusted = false;
    MenuShortcutScanner::openAndScan(env.platform(), QStringLiteral("org.example.Other"), completion);
    env.scheduler().runPending();
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(last.kind, Kind::needsAccessibility);
    EXPECT_TRUE(desktop->calls.isEmpty());
}

} // namespace
