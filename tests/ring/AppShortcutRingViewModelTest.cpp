// The shortcut ring's model: pages of ten, the item filter, pointer arming and
// angle selection, and the outer arc of a vault account's passwords.

#include "core/AppSettings.h"
#include "ring/AppShortcutRingViewModel.h"
#include "platform/sim/SimScreens.h"
#include "ringkit/WindowArcGeometry.h"
#include "support/TestSupport.h"
#include "vault/PasswordVault.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <cmath>

namespace {
const QString kApp = QStringLiteral("org.example.editor");

RunningApp app(const QString& bundle = kApp) { return RunningApp { QStringLiteral("Editor"), QImage(), bundle, true }; }

AppShortcut keys(const QString& name, const QString& bundle = kApp)
{
    return AppShortcut(name, QStringLiteral("star"), QStringLiteral("⌘K"), bundle);
}

QList<AppShortcut> numbered(int n)
{
    QList<AppShortcut> items;
    for (int i = 0; i < n; ++i)
        items.append(keys(QStringLiteral("item %1").arg(i)));
    return items;
}

QStringList names(const QList<AppShortcut>& items)
{
    QStringList out;
    for (const auto& i : items)
        out << i.name;
    return out;
}

PasswordVariant variant(const QString& label)
{
    PasswordVariant v;
    v.label = label;
    return v;
}

class RingModelTest : public ::testing::Test {
protected:
    RingModelTest()
    {
        screens->addScreen(QRectF(0, 0, 1600, 1000));
        env.platform().ports().screens = screens;
        AppSettings::shared().setRingScale(1.0);
    }

    // Reveals with the pointer resting on the ring centre.
    void revealAt(AppShortcutRingViewModel& m, QPointF centre)
    {
        m.setRingCenter(centre);
        screens->pointerLocation = centre;
        m.reveal();
    }
    static QPointF polar(QPointF centre, double arcAngle, double radius)
    {
        // Arc angle: 0 at 12 o'clock, clockwise; y grows upward.
        return { centre.x() + radius * std::sin(arcAngle), centre.y() + radius * std::cos(arcAngle) };
    }

    TestSupport::SimEnvironment env;
    std::shared_ptr<SimScreens> screens = std::make_shared<SimScreens>();
};

TEST_F(RingModelTest, PagesOfTenForZeroTenElevenAndTwentyFive)
{
    struct Case {
        int items;
        int pages;
        qsizetype firstPage;
    };
    for (const Case c : { Case { 0, 1, 0 }, Case { 10, 1, 10 }, Case { 11, 2, 10 }, Case { 25, 3, 10 } }) {
        AppShortcutRingViewModel m { env.platform() };
        m.loadShortcuts(app(), numbered(c.items));
        EXPECT_EQ(m.pageCount(), c.pages) << c.items;
        EXPECT_EQ(m.pageIndex(), 0);
        EXPECT_EQ(m.shortcuts().size(), c.firstPage) << c.items;
        EXPECT_EQ(m.selectedIndex(), 0);
    }

    AppShortcutRingViewModel eleven { env.platform() };
    eleven.loadShortcuts(app(), numbered(11));
    eleven.turnPage(1);
    EXPECT_EQ(names(eleven.shortcuts()), QStringList { QStringLiteral("item 10") });

    AppShortcutRingViewModel none { env.platform() };
    none.loadShortcuts(app(), {});
    none.turnPage(1);
    EXPECT_EQ(none.pageIndex(), 0);
    EXPECT_TRUE(none.shortcuts().isEmpty());
    EXPECT_TRUE(none.arcVariants().isEmpty());
}

TEST_F(RingModelTest, PageTurnsWrapBothWaysAndResetTheSelection)
{
    AppShortcutRingViewModel m { env.platform() };
    m.loadShortcuts(app(), numbered(25));
    m.setSelectedIndex(4);
    m.turnPage(-1);
    EXPECT_EQ(m.pageIndex(), 2);
    EXPECT_EQ(m.selectedIndex(), 0);
    EXPECT_EQ(names(m.shortcuts()).first(), QStringLiteral("item 20"));
    EXPECT_EQ(m.shortcuts().size(), 5);
    m.turnPage(1);
    EXPECT_EQ(m.pageIndex(), 0);
    m.turnPage(-7); // any step lands inside the pages
    EXPECT_EQ(m.pageIndex(), 2);
    m.turnPage(4);
    EXPECT_EQ(m.pageIndex(), 0);

    EXPECT_TRUE(AppShortcutRingViewModel::page(3, numbered(25)).isEmpty());
    EXPECT_TRUE(AppShortcutRingViewModel::page(-1, numbered(25)).isEmpty());
}

TEST_F(RingModelTest, FilterKeepsItemsOfTheAppThatCarrySomethingToRun)
{
    AppShortcut other = keys(QStringLiteral("other app"), QStringLiteral("org.example.other"));
    AppShortcut nothing(QStringLiteral("nothing"), QStringLiteral("star"), QString(), kApp);
    AppShortcut emptySnippet(QStringLiteral("empty snippet"), QStringLiteral("star"), QString(), kApp, QString());
    AppShortcut link(QStringLiteral("link"), QStringLiteral("star"), QString(), kApp, std::nullopt,
        QStringLiteral("https://example.org"));
    AppShortcut snippet(QStringLiteral("snippet"), QStringLiteral("star"), QString(), kApp, QStringLiteral("hello"));

    AppShortcutRingViewModel m { env.platform() };
    m.loadShortcuts(app(), { other, keys(QStringLiteral("keys")), nothing, emptySnippet, link, snippet });
    EXPECT_EQ(names(m.shortcuts()),
        (QStringList { QStringLiteral("keys"), QStringLiteral("empty snippet"), QStringLiteral("link"),
            QStringLiteral("snippet") }));

    // A vault account passes with nothing but its marker.
    const AppShortcut account
        = AppShortcut::passwordItem(QUuid::createUuid(), QStringLiteral("account"), QStringLiteral("key.fill"));
    AppShortcutRingViewModel vault { env.platform() };
    vault.loadShortcuts(app(AppShortcut::passwordMarker), { account });
    EXPECT_EQ(vault.shortcuts().size(), 1);
}

TEST_F(RingModelTest, LoadEndsHiddenWithoutAnimationAndAFreshAppearance)
{
    AppShortcutRingViewModel m { env.platform() };
    const QUuid before = m.appearSession();
    revealAt(m, { 500, 500 });
    ASSERT_TRUE(m.isVisible());
    bool animatedHide = true;
    QObject::connect(&m, &AppShortcutRingViewModel::isVisibleChanged, [&] { animatedHide = !m.animationsDisabled(); });
    m.loadShortcuts(app(), numbered(3));
    EXPECT_FALSE(m.isVisible());
    EXPECT_FALSE(animatedHide);
    EXPECT_NE(m.appearSession(), before);
    EXPECT_FALSE(m.pointerSelectionEnabled());
    EXPECT_FALSE(m.animationsDisabled());
}

TEST_F(RingModelTest, PointerArmsAfterTenPointsAndSelectsByAngle)
{
    AppShortcutRingViewModel m { env.platform() };
    m.loadShortcuts(app(), numbered(4));
    const QPointF c(500, 500);
    revealAt(m, c);
    EXPECT_EQ(m.mousePosition(), c);

    // 9.9 points straight below: the icon follows, nothing is armed.
    m.updatePointer({ 500, 490.1 });
    EXPECT_FALSE(m.pointerSelectionEnabled());
    EXPECT_EQ(m.mousePosition(), QPointF(500, 490.1));

    // Far right arms and selects wedge 1 in the same call.
    m.updatePointer(polar(c, M_PI / 2, 100));
    EXPECT_TRUE(m.pointerSelectionEnabled());
    EXPECT_EQ(m.selectedIndex(), 1);

    // Exactly at the start of each wedge.
    m.updatePointer({ 500, 600 }); // above
    EXPECT_EQ(m.selectedIndex(), 0);
    m.updatePointer({ 500, 400 }); // below
    EXPECT_EQ(m.selectedIndex(), 2);
    m.updatePointer({ 400, 500 }); // left
    EXPECT_EQ(m.selectedIndex(), 3);
    m.updatePointer({ 600, 500 }); // right
    EXPECT_EQ(m.selectedIndex(), 1);
    m.updatePointer(polar(c, 2 * M_PI - 1e-6, 100)); // just left of 12 o'clock: the last wedge
    EXPECT_EQ(m.selectedIndex(), 3);
}

TEST_F(RingModelTest, DeadZoneScalesWithTheRingAndKeepsTheSelection)
{
    AppShortcutRingViewModel m { env.platform() };
    m.loadShortcuts(app(), numbered(4));
    const QPointF c(500, 500);
    revealAt(m, c);
    m.updatePointer(polar(c, M_PI / 2, 100)); // wedge 1
    ASSERT_EQ(m.selectedIndex(), 1);

    m.updatePointer({ 500, 440 }); // 60 points straight below, on the edge: nothing
    EXPECT_EQ(m.selectedIndex(), 1);
    m.updatePointer({ 500, 439.99 });
    EXPECT_EQ(m.selectedIndex(), 2);

    AppSettings::shared().setRingScale(2.0);
    m.updatePointer({ 500, 619 }); // inside 120 at scale 2
    EXPECT_EQ(m.selectedIndex(), 2);
    m.updatePointer({ 500, 621 });
    EXPECT_EQ(m.selectedIndex(), 0);

    // Hidden rings ignore the pointer altogether.
    m.beginExit();
    EXPECT_FALSE(m.pointerSelectionEnabled());
    m.updatePointer(polar(c, M_PI, 100));
    EXPECT_EQ(m.selectedIndex(), 0);
}

class RingArcTest : public RingModelTest {
protected:
    RingArcTest()
    {
        twoCards.label = QStringLiteral("Mail");
        twoCards.variants = { variant(QStringLiteral("work")), variant(QStringLiteral("home")) };
        oneCard.label = QStringLiteral("Bank");
        oneCard.variants = { variant(QStringLiteral("only")) };
        env.defaults().setValue(PasswordVault::storageKey, PasswordEntry::encodeList({ twoCards, oneCard }));
        env.defaults().resetWriteCount();
    }
    QList<AppShortcut> items() { return PasswordVault(env.platform()).ringItems(); }

    PasswordEntry twoCards;
    PasswordEntry oneCard;
};

TEST_F(RingArcTest, SelectingAnAccountWithTwoPasswordsFansThemOut)
{
    AppShortcutRingViewModel m { env.platform() };
    QList<AppShortcut> ring = items();
    ring.append(AppShortcut::passwordItem(QUuid::createUuid(), QStringLiteral("ghost"), QStringLiteral("key.fill")));
    ring.append(ring.at(1)); // four wedges: Mail, Bank, ghost (no stored account), Bank again
    m.loadShortcuts(app(AppShortcut::passwordMarker), ring);
    ASSERT_EQ(m.shortcuts().size(), 4);
    ASSERT_EQ(m.arcVariants().size(), 2);
    EXPECT_EQ(m.arcVariants().at(0).id, twoCards.variants.at(0).id);
    EXPECT_EQ(env.defaults().writeCount(), 0);

    const QPointF c(500, 500);
    revealAt(m, c);
    const double mid = RingAngles::itemCenterAngle(0, 4); // the arc is centred on wedge 0
    const WindowArcGeometry arc(2);
    const double onSecondCard = mid + arc.span() / 2 - 0.01;

    m.updatePointer(polar(c, onSecondCard, 195.0)); // short of the arc: a wedge pick
    EXPECT_EQ(m.selectedIndex(), 0);
    EXPECT_FALSE(m.selectedArcIndex().has_value());
    m.updatePointer(polar(c, onSecondCard, 196.0));
    EXPECT_EQ(m.selectedArcIndex(), 1);
    EXPECT_EQ(m.selectedIndex(), 0);

    // Refreshing with the same cards keeps the card selection.
    m.refreshArcForSelection();
    EXPECT_EQ(m.selectedArcIndex(), 1);

    // Beyond the arc but still far out: select by wedge, clear the card.
    m.updatePointer(polar(c, M_PI / 2 + 0.1, 250.0)); // wedge 1: Bank, one password
    EXPECT_EQ(m.selectedIndex(), 1);
    EXPECT_TRUE(m.arcVariants().isEmpty());
    EXPECT_FALSE(m.selectedArcIndex().has_value());

    m.updatePointer(polar(c, M_PI + 0.1, 100.0)); // wedge 2: no stored account
    EXPECT_EQ(m.selectedIndex(), 2);
    EXPECT_TRUE(m.arcVariants().isEmpty());
}

TEST_F(RingArcTest, AccountsOnLaterPagesHaveTheirArcToo)
{
    QList<AppShortcut> ring;
    for (int i = 0; i < 10; ++i)
        ring.append(items().at(1)); // ten one-password accounts fill page 0
    ring.append(items().at(0)); // Mail opens page 1
    AppShortcutRingViewModel m { env.platform() };
    m.loadShortcuts(app(AppShortcut::passwordMarker), ring);
    EXPECT_TRUE(m.arcVariants().isEmpty());
    m.turnPage(1);
    EXPECT_EQ(m.arcVariants().size(), 2);
    m.turnPage(1);
    EXPECT_TRUE(m.arcVariants().isEmpty());
}

TEST_F(RingArcTest, UnreadableVaultGivesNoArcAndIsLeftAlone)
{
    const QByteArray corrupt("[{\"id\":\"not-a-uuid\"}]");
    env.defaults().setValue(PasswordVault::storageKey, corrupt);
    env.defaults().resetWriteCount();
    const AppShortcut account
        = AppShortcut::passwordItem(twoCards.id, QStringLiteral("Mail"), QStringLiteral("key.fill"));
    AppShortcutRingViewModel m { env.platform() };
    m.loadShortcuts(app(AppShortcut::passwordMarker), { account });
    EXPECT_TRUE(m.arcVariants().isEmpty());
    EXPECT_EQ(env.defaults().writeCount(), 0);
    EXPECT_EQ(env.defaults().value(PasswordVault::storageKey)->toByteArray(), corrupt);
    EXPECT_FALSE(
        env.logLines().filter(QStringLiteral("Kelvaro: the saved password accounts could not be read")).isEmpty());
}

TEST_F(RingModelTest, HideOnlyAsksTheOwner)
{
    AppShortcutRingViewModel m { env.platform() };
    m.loadShortcuts(app(), numbered(2));
    revealAt(m, { 500, 500 });
    int asked = 0;
    QObject::connect(&m, &AppShortcutRingViewModel::hideRequested, [&] { ++asked; });
    m.hide();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(m.isVisible());
}
}
