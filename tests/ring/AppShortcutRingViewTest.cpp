// The shortcut ring's drawing: wedge layout per page, page dots, item icons,
// hit testing and clicks, spoken text, the animated poses, and a gallery of
// rendered rings (PNG files under the build folder's ring-gallery/).

#include "core/AppSettings.h"
#include "core/CustomIcons.h"
#include "platform/sim/SimAppearance.h"
#include "platform/sim/SimDisplayPreferences.h"
#include "platform/sim/SimScreens.h"
#include "ring/AppShortcutRingView.h"
#include "ring/AppShortcutRingViewModel.h"
#include "ringkit/RingAnnounce.h"
#include "ringkit/RingMotion.h"
#include "ringkit/WindowArcGeometry.h"
#include "support/TestSupport.h"
#include "support/Watchdog.h"
#include "vault/PasswordVault.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <QAccessible>
#include <gtest/gtest.h>

namespace {
const QString kApp = QStringLiteral("org.example.Editor");
constexpr double kPi = 3.14159265358979323846;

QList<AppShortcut> items(int n, const QString& bundle = kApp)
{
    static const char* icons[] = { "doc.on.doc", "star", "bolt.circle", "gearshape", "paperplane", "trash", "folder",
        "link", "magnifyingglass", "envelope" };
    QList<AppShortcut> list;
    for (int i = 0; i < n; ++i) {
        const QString name = i % 4 == 1 ? QStringLiteral("Duplicate the selected lines %1").arg(i + 1)
                                        : QStringLiteral("Item %1").arg(i + 1);
        list.append(AppShortcut(
            name, QString::fromLatin1(icons[i % 10]), QStringLiteral("⇧⌘%1").arg(QChar(u'A' + i % 26)), bundle));
    }
    return list;
}

QImage appIcon()
{
    QImage img(128, 128, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 128);
    g.setColorAt(0, QColor(255, 150, 60));
    g.setColorAt(1, QColor(220, 60, 90));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(6, 6, 116, 116), 26, 26);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(72);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(0, 0, 128, 128), Qt::AlignCenter, QStringLiteral("E"));
    return img;
}

RunningApp app(const QString& bundle = kApp, QImage icon = appIcon())
{
    return RunningApp { QStringLiteral("Editor"), icon, bundle, true };
}

// A point of the widget at arc angle `angle` (0 at 12 o'clock, clockwise) and
// radius `r` from the ring centre, at ring scale 1.
QPointF widgetPolar(const AppShortcutRingView& v, double angle, double r)
{
    return { v.width() / 2.0 + r * std::sin(angle), v.height() / 2.0 - r * std::cos(angle) };
}

class RingViewTest : public ::testing::Test {
protected:
    RingViewTest()
    {
        screens = &env.sim().screens();
        screens->addScreen(QRectF(0, 0, 1600, 1000));
        screens->pointerLocation = QPointF(500, 500);
        display = &env.sim().displayPreferences();
        AppSettings::shared().setRingScale(1.0);
        RingItemIcons::clearCache();
    }

    // Lets every animation in flight come to rest.
    void settle(double seconds = 3.0) { env.scheduler().advance(seconds); }

    void load(AppShortcutRingViewModel& m, int n, RunningApp centre = app())
    {
        m.loadShortcuts(centre, items(n, centre.bundleIdentifier));
        m.setRingCenter(QPointF(500, 500));
    }

    TestSupport::SimEnvironment env;
    SimScreens* screens = nullptr;
    SimDisplayPreferences* display = nullptr;
};

// ---- wedges and page dots ------------------------------------------------------------

TEST_F(RingViewTest, WedgesTaperWithEqualGapsAndLabelsSitMidWedge)
{
    ShortcutRadialSegmentView s;
    s.totalShortcuts = 10;
    s.index = 0;
    const double outerSpan = s.outerEndAngle() - s.outerStartAngle();
    const double innerSpan = s.innerEndAngle() - s.innerStartAngle();
    EXPECT_NEAR(outerSpan * 180 / kPi, 36.0 - 8.0 / 184.0 * 180 / kPi, 1e-9);
    EXPECT_NEAR(outerSpan * 180 / kPi, 33.51, 0.01);
    EXPECT_NEAR(innerSpan * 180 / kPi, 28.84, 0.01);
    // Wedge 0 starts at 12 o'clock; the label sits 124 points out on its centre line.
    EXPECT_NEAR(s.baseStartAngle(), -kPi / 2, 1e-12);
    const QPointF label = s.labelCenter(QPointF(0, 0));
    EXPECT_NEAR(std::hypot(label.x(), label.y()), 124.0, 1e-9);
    EXPECT_NEAR(std::atan2(label.y(), label.x()), -kPi / 2 + kPi / 10, 1e-9);

    // Neighbours leave an 8-point gap at both edges: the point between two
    // wedges lies in neither.
    ShortcutRadialSegmentView next = s;
    next.index = 1;
    const QPointF c(190, 190);
    const double seam = next.baseStartAngle();
    for (double r : { 70.0, 120.0, 180.0 }) {
        const QPointF onSeam(c.x() + r * std::cos(seam), c.y() + r * std::sin(seam));
        EXPECT_FALSE(s.path(c).contains(onSeam)) << r;
        EXPECT_FALSE(next.path(c).contains(onSeam)) << r;
        const QPointF inside(c.x() + r * std::cos(seam + 6.0 / r), c.y() + r * std::sin(seam + 6.0 / r));
        EXPECT_TRUE(next.path(c).contains(inside)) << r;
    }

    // A single wedge runs all the way round from 12 o'clock, less the gap.
    ShortcutRadialSegmentView one;
    one.totalShortcuts = 1;
    EXPECT_NEAR(one.outerEndAngle() - one.outerStartAngle(), 2 * kPi - 8.0 / 184.0, 1e-12);
    EXPECT_TRUE(one.path(c).contains(QPointF(c.x(), c.y() + 120))); // straight below
}

TEST_F(RingViewTest, SubtitleShowsKeysOrTheSiteOfASavedTab)
{
    ShortcutRadialSegmentView s;
    s.shortcut = AppShortcut(QStringLiteral("Copy"), QStringLiteral("doc"), QStringLiteral("⌘C"), kApp);
    EXPECT_EQ(s.subtitle(), QStringLiteral("Ctrl+C")); // stored "⌘C", shown the Linux way
    s.shortcut.shortcut.clear();
    EXPECT_FALSE(s.subtitle().has_value());

    s.shortcut = AppShortcut::tabItem(
        QStringLiteral("Docs"), QStringLiteral("globe"), QStringLiteral("https://www.docs.www.example.org/a?b"));
    EXPECT_EQ(s.subtitle(), QStringLiteral("docs.example.org"));
    s.shortcut.shortcut = QStringLiteral("not a url at all");
    EXPECT_FALSE(s.subtitle().has_value());
    s.shortcut.shortcut = QStringLiteral("mailto:someone@example.org");
    EXPECT_FALSE(s.subtitle().has_value());
}

TEST_F(RingViewTest, PageDotsBecomeACountFromNinePages)
{
    RingPageDots dots;
    dots.total = 8;
    dots.current = 7;
    EXPECT_FALSE(dots.showsCount());
    // Eight dots: one of 7 points, seven of 5, six points apart, 14 points of padding.
    EXPECT_DOUBLE_EQ(dots.size().width(), 7 + 7 * 5 + 7 * 6 + 28);
    EXPECT_DOUBLE_EQ(dots.size().height(), 23);
    dots.total = 9;
    dots.current = 0;
    EXPECT_TRUE(dots.showsCount());
    EXPECT_EQ(dots.countText(), QStringLiteral("1/9"));
    dots.total = 4;
    dots.current = 2;
    EXPECT_EQ(dots.accessibilityLabel(), QStringLiteral("Page 3 of 4"));

    // The active dot is drawn in the active colour, the others faintly.
    for (bool dark : { false, true }) {
        dots.isDark = dark;
        QImage img(200, 60, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        dots.paint(p, QPointF(100, 30), 2.0);
        p.end();
        const double left = 100 - dots.size().width() / 2 + 14;
        const QColor active = img.pixelColor(int(left + 2 * 11 + 3.5), 30);
        const QColor other = img.pixelColor(int(left + 2.5), 30);
        const QColor expected = dots.activeDot();
        EXPECT_NEAR(active.redF(), expected.redF(), 0.05) << dark;
        EXPECT_GT(std::abs(other.lightnessF() - active.lightnessF()), 0.2) << dark;
    }
}

TEST_F(RingViewTest, CustomIconsReadOnlySafeNamesAndFallBackQuietly)
{
    QDir().mkpath(CustomIcons::folderPath());
    const QString name = QStringLiteral("custom_icon_GREEN.png");
    QImage green(40, 20, QImage::Format_ARGB32);
    green.fill(QColor(0, 200, 0));
    ASSERT_TRUE(green.save(CustomIcons::folderPath() + u'/' + name));

    // A wide image is fitted into the square, aspect kept.
    const QImage drawn = RingItemIcons::icon(name, 26, 22, Qt::white).pixmap(QSize(26, 26), 2.0).toImage();
    EXPECT_EQ(drawn.pixelColor(drawn.width() / 2, drawn.height() / 2), QColor(0, 200, 0));
    EXPECT_EQ(drawn.pixelColor(drawn.width() / 2, 2).alpha(), 0);

    // Missing file: the placeholder, without a complaint.
    env.clearLog();
    EXPECT_FALSE(RingItemIcons::icon(QStringLiteral("custom_icon_missing.png"), 26, 22, Qt::white).isNull());
    EXPECT_TRUE(env.logLines().isEmpty());

    // A name that reaches out of the folder is never opened.
    QFile outside(TestSupport::tempRoot() + QStringLiteral("/outside.png"));
    ASSERT_TRUE(green.save(outside.fileName()));
    const QImage escaped = RingItemIcons::icon(QStringLiteral("custom_icon_/../../outside.png"), 26, 22, Qt::white)
                               .pixmap(QSize(26, 26), 2.0)
                               .toImage();
    EXPECT_NE(escaped.pixelColor(escaped.width() / 2, escaped.height() / 2), QColor(0, 200, 0));
    ASSERT_FALSE(env.logLines().isEmpty());
    EXPECT_TRUE(env.logLines().last().startsWith(QStringLiteral("Kelvaro: custom icon")));

    // A file that is not an image: a log line and the placeholder.
    QFile junk(CustomIcons::folderPath() + QStringLiteral("/custom_icon_junk.png"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a png");
    junk.close();
    env.clearLog();
    EXPECT_FALSE(RingItemIcons::icon(QStringLiteral("custom_icon_junk.png"), 26, 22, Qt::white).isNull());
    EXPECT_EQ(env.logLines().size(), 1);

    // A FIFO, a link to /dev/zero, a link to a good picture: the placeholder
    // at once, and a log line naming each file.
    const QString folder = CustomIcons::folderPath();
    ASSERT_TRUE(TestSupport::makeFifo(folder + QStringLiteral("/custom_icon_fifo.png")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), folder + QStringLiteral("/custom_icon_zero.png")));
    ASSERT_TRUE(QFile::link(folder + u'/' + name, folder + QStringLiteral("/custom_icon_link.png")));
    env.clearLog();
    TestSupport::Watchdog watchdog("drawing custom icons that are a FIFO and /dev/zero");
    for (const QString& bad : { QStringLiteral("custom_icon_fifo.png"), QStringLiteral("custom_icon_zero.png"),
             QStringLiteral("custom_icon_link.png") }) {
        const QImage shown = RingItemIcons::icon(bad, 26, 22, Qt::white).pixmap(QSize(26, 26), 2.0).toImage();
        EXPECT_NE(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(0, 200, 0)) << qPrintable(bad);
        EXPECT_TRUE(env.logLines().join(u'\n').contains(folder + u'/' + bad)) << qPrintable(bad);
        QFile::remove(folder + u'/' + bad);
    }
}

// ---- the ring view ---------------------------------------------------------------------------

TEST_F(RingViewTest, CenterShowsTheAppIconOnOnePageAndDotsFromElevenItems)
{
    AppShortcutRingViewModel m { env.platform() };
    load(m, 10);
    AppShortcutRingView v(&m);
    EXPECT_EQ(v.size(), QSize(700, 700));
    EXPECT_FALSE(v.showsPageDots());

    AppShortcutRingViewModel paged { env.platform() };
    load(paged, 11);
    AppShortcutRingView pv(&paged);
    EXPECT_TRUE(pv.showsPageDots());

    AppSettings::shared().setRingScale(1.5);
    AppShortcutRingView big(&m);
    EXPECT_EQ(big.size(), QSize(1050, 1050));
}

TEST_F(RingViewTest, ClicksHitTheWedgeUnderThePointerOnly)
{
    AppShortcutRingViewModel m { env.platform() };
    load(m, 4);
    AppShortcutRingView v(&m);
    using K = AppShortcutRingView::Hit::Kind;
    // Hidden rings take no clicks.
    EXPECT_EQ(v.hitTest(widgetPolar(v, kPi / 4, 124)).kind, K::none);
    m.reveal();
    settle();
    for (int i = 0; i < 4; ++i) {
        const auto hit = v.hitTest(widgetPolar(v, (i + 0.5) * kPi / 2, 124));
        EXPECT_EQ(hit.kind, K::wedge);
        EXPECT_EQ(hit.index, i);
    }
    EXPECT_EQ(v.hitTest(widgetPolar(v, 0.0, 124)).kind, K::none); // the gap at 12 o'clock
    EXPECT_EQ(v.hitTest(widgetPolar(v, 1.0, 40)).kind, K::none); // the hole
    EXPECT_EQ(v.hitTest(widgetPolar(v, 1.0, 200)).kind, K::none); // beyond the band

    // A click (press and release on the same wedge) only moves the highlight.
    bool hidden = false;
    QObject::connect(&m, &AppShortcutRingViewModel::hideRequested, [&] { hidden = true; });
    const QPointF p = widgetPolar(v, 2.5 * kPi / 2, 124);
    QMouseEvent press(QEvent::MouseButtonPress, p, v.mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, p, v.mapToGlobal(p), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&v, &press);
    QCoreApplication::sendEvent(&v, &release);
    EXPECT_EQ(m.selectedIndex(), 2);
    settle(1.0);
    EXPECT_FALSE(hidden);

    // Pressing on one wedge and letting go on another is no click.
    const QPointF q = widgetPolar(v, 0.5 * kPi / 2, 124);
    QMouseEvent release2(QEvent::MouseButtonRelease, q, v.mapToGlobal(q), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&v, &press);
    QCoreApplication::sendEvent(&v, &release2);
    EXPECT_EQ(m.selectedIndex(), 2);

    // At scale 1.5 the same wedges lie half as far out again.
    AppSettings::shared().setRingScale(1.5);
    v.resize(1050, 1050);
    EXPECT_EQ(v.hitTest(widgetPolar(v, 0.5 * kPi / 2, 124 * 1.5)).index, 0);
    EXPECT_EQ(v.hitTest(widgetPolar(v, 0.5 * kPi / 2, 60)).kind, K::none);
}

class RingViewArcTest : public RingViewTest {
protected:
    RingViewArcTest()
    {
        PasswordEntry mail;
        mail.label = QStringLiteral("Mail");
        PasswordVariant work;
        work.label = QStringLiteral("Work");
        work.hint = QStringLiteral("j.doe@work.example");
        PasswordVariant unnamed;
        PasswordVariant third;
        third.label = QString();
        mail.variants = { work, unnamed, third };
        PasswordEntry bank;
        bank.label = QStringLiteral("Bank");
        bank.variants = { work };
        env.defaults().setValue(PasswordVault::storageKey, PasswordEntry::encodeList({ mail, bank }));
    }

    void loadVault(AppShortcutRingViewModel& m)
    {
        RunningApp centre = app(AppShortcut::passwordMarker);
        centre.name = QStringLiteral("Passwords");
        m.loadShortcuts(centre, PasswordVault(env.platform()).ringItems());
        m.setRingCenter(QPointF(500, 500));
    }

    // Moves the pointer (y-up screen coordinates) to arc angle a, radius r.
    void pointAt(AppShortcutRingViewModel& m, double a, double r)
    {
        m.updatePointer(QPointF(500 + r * std::sin(a), 500 + r * std::cos(a)));
    }
};

TEST_F(RingViewArcTest, CardsAppearOnlyWhileArmedAndAClickChoosesTheCard)
{
    AppShortcutRingViewModel m { env.platform() };
    loadVault(m);
    ASSERT_EQ(m.arcVariants().size(), 3);
    AppShortcutRingView v(&m);
    m.reveal();
    settle();
    EXPECT_FALSE(v.showsCardArc()); // filled, but the pointer has not moved yet

    pointAt(m, 0.3, 120); // arms; still on wedge 0 (of 2)
    ASSERT_TRUE(m.pointerSelectionEnabled());
    EXPECT_TRUE(v.showsCardArc());
    EXPECT_EQ(v.cardTitle(0), QStringLiteral("Work"));
    EXPECT_EQ(v.cardTitle(1), QStringLiteral("Password 2"));
    EXPECT_EQ(v.cardTitle(2), QStringLiteral("Password 3"));

    // The middle card sits on the middle of the selected wedge, 260 points out.
    using K = AppShortcutRingView::Hit::Kind;
    const double mid = RingAngles::itemCenterAngle(0, 2);
    const auto onCard = v.hitTest(widgetPolar(v, mid, 262));
    EXPECT_EQ(onCard.kind, K::card);
    EXPECT_EQ(onCard.index, 1);

    int hides = 0;
    QList<std::optional<int>> choices; // the card selected when each choice is asked for
    QObject::connect(&m, &AppShortcutRingViewModel::hideRequested, [&] { ++hides; });
    QObject::connect(&m, &AppShortcutRingViewModel::chooseRequested, [&] { choices << m.selectedArcIndex(); });
    const auto clickAt = [&](QPointF p) {
        QMouseEvent press(
            QEvent::MouseButtonPress, p, v.mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(
            QEvent::MouseButtonRelease, p, v.mapToGlobal(p), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&v, &press);
        QCoreApplication::sendEvent(&v, &release);
    };
    clickAt(widgetPolar(v, mid, 262));
    EXPECT_EQ(m.selectedArcIndex(), 1);
    env.scheduler().advance(0.09);
    EXPECT_TRUE(choices.isEmpty());
    env.scheduler().advance(0.02);
    EXPECT_EQ(choices, (QList<std::optional<int>> { 1 }));
    EXPECT_EQ(hides, 0);

    // The pointer slides to the next card in the moment before the choice:
    // the clicked card is still the one chosen.
    clickAt(widgetPolar(v, mid, 262));
    m.setSelectedArcIndex(2);
    env.scheduler().advance(0.11);
    EXPECT_EQ(choices.last(), 1);
    // It slid onto another account, whose cards replaced these: no choice, only a hide.
    clickAt(widgetPolar(v, mid, 262));
    m.setSelectedIndex(1);
    m.refreshArcForSelection();
    env.scheduler().advance(0.11);
    EXPECT_EQ(choices.size(), 2);
    EXPECT_EQ(hides, 1);
    m.setSelectedIndex(0);
    m.refreshArcForSelection();
    pointAt(m, 0.3, 120);

    // Clicking the other wedge swings the arc there but keeps its cards.
    const auto ids = m.arcVariants();
    const QPointF w1 = widgetPolar(v, RingAngles::itemCenterAngle(1, 2), 124);
    QMouseEvent press1(QEvent::MouseButtonPress, w1, v.mapToGlobal(w1), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release1(
        QEvent::MouseButtonRelease, w1, v.mapToGlobal(w1), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&v, &press1);
    QCoreApplication::sendEvent(&v, &release1);
    EXPECT_EQ(m.selectedIndex(), 1);
    EXPECT_EQ(m.arcVariants(), ids);
    settle();
    EXPECT_EQ(v.hitTest(widgetPolar(v, RingAngles::itemCenterAngle(1, 2), 262)).kind, K::card);

    // The exit disarms the pointer: the cards are gone at once.
    m.beginExit();
    EXPECT_FALSE(v.showsCardArc());
}

TEST_F(RingViewTest, SpokenValueFollowsTheSelectionOnThePageShown)
{
    AppShortcutRingViewModel m { env.platform() };
    load(m, 21);
    AppShortcutRingView v(&m);
    const int before = RingAnnounce::count();
    EXPECT_EQ(v.accessibilityDescription(), QStringLiteral("Item 1, 1 of 10"));
    m.setSelectedIndex(1);
    EXPECT_EQ(v.accessibilityDescription(), QStringLiteral("Duplicate the selected lines 2, 2 of 10"));
    env.scheduler().runPending();
    EXPECT_EQ(RingAnnounce::count(), before + 1);
    EXPECT_EQ(RingAnnounce::lastMessage(), v.accessibilityDescription());
    m.setSelectedIndex(1); // unchanged: nothing new to say
    env.scheduler().runPending();
    EXPECT_EQ(RingAnnounce::count(), before + 1);

    m.turnPage(-1); // to the last page, which holds one item
    EXPECT_EQ(v.accessibilityDescription(), QStringLiteral("Item 21, 1 of 1"));
    env.scheduler().runPending();
    EXPECT_EQ(RingAnnounce::count(), before + 2); // once, not for every step of the turn
    EXPECT_EQ(RingAnnounce::lastMessage(), QStringLiteral("Item 21, 1 of 1"));

    // A new appearance starts a new element: its first value is not announced.
    m.setSelectedIndex(0);
    m.snapHidden();
    env.scheduler().runPending();
    EXPECT_EQ(RingAnnounce::count(), before + 2);

    AppShortcutRingViewModel empty { env.platform() };
    empty.loadShortcuts(app(), {});
    AppShortcutRingView ev(&empty);
    EXPECT_EQ(ev.accessibilityDescription(), QStringLiteral("No shortcuts"));
    EXPECT_EQ(AppShortcutRingView::accessibilityLabel(), QStringLiteral("Shortcut Launcher"));

    // The whole ring is one element of its own kind; its value is the spoken selection now.
    QAccessibleInterface* element = QAccessible::queryAccessibleInterface(&v);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->role(), QAccessible::Dial);
    EXPECT_EQ(element->text(QAccessible::Name), QStringLiteral("Shortcut Launcher"));
    EXPECT_EQ(element->text(QAccessible::Value), QStringLiteral("Item 21, 1 of 1"));
    EXPECT_EQ(element->text(QAccessible::Help), AppShortcutRingView::accessibilityHint());
    EXPECT_EQ(element->childCount(), 0);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&ev)->text(QAccessible::Value), QStringLiteral("No shortcuts"));
}

// ---- poses -----------------------------------------------------------------------------

QImage render(AppShortcutRingView& v, double dpr = 1.0)
{
    QImage img(int(v.width() * dpr), int(v.height() * dpr), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    QPainter p(&img);
    v.renderFrame(p);
    return img;
}

int opaquePixels(const QImage& img)
{
    int n = 0;
    for (int y = 0; y < img.height(); y += 4)
        for (int x = 0; x < img.width(); x += 4)
            n += qAlpha(img.pixel(x, y)) > 8;
    return n;
}

TEST_F(RingViewTest, RevealPlaysTheEntryAndANewSessionSnapsBackHidden)
{
    AppShortcutRingViewModel m { env.platform() };
    load(m, 10, app(kApp, QImage())); // no centre icon: the hole stays clear
    AppShortcutRingView v(&m);
    EXPECT_EQ(opaquePixels(render(v)), 0); // hidden: nothing shows

    m.reveal();
    EXPECT_TRUE(v.isAnimating());
    env.scheduler().advance(0.05);
    const int early = opaquePixels(render(v));
    settle();
    EXPECT_FALSE(v.isAnimating());
    const QImage rest = render(v);
    const int full = opaquePixels(rest);
    EXPECT_GT(full, 1000);
    EXPECT_LT(early, full);
    // At rest the band is in place: solid at mid-radius, empty in the hole.
    EXPECT_GT(qAlpha(rest.pixel(350 + 125, 350)), 60);
    EXPECT_EQ(qAlpha(rest.pixel(350 + 20, 350 + 20)), 0);
    // A second frame at rest comes out the same (from the cached layer).
    EXPECT_EQ(render(v), rest);

    // The exit fades everything out.
    m.beginExit();
    settle();
    EXPECT_EQ(opaquePixels(render(v)), 0);

    // A new appearance jumps to the hidden pose without animating.
    m.reveal();
    settle();
    m.snapHidden();
    EXPECT_FALSE(v.isAnimating());
    EXPECT_EQ(opaquePixels(render(v)), 0);
}

TEST_F(RingViewTest, EveryFrameOfARevealAndAnExitChangesOnlyWhatItRepaints)
{
    // A frame of a motion repaints the disc the ring can reach, not the
    // whole view: whatever differs from the last frame (long labels, the
    // blur, the overshoot) must lie in it, or the display keeps stale pixels.
    AppShortcutRingViewModel m { env.platform() };
    load(m, 7);
    AppShortcutRingView v(&m);
    QImage last(v.size(), QImage::Format_ARGB32_Premultiplied);
    last.fill(Qt::transparent);
    int discs = 0;
    const auto checkFrames = [&] {
        for (int step = 0; step < 60; ++step) {
            env.scheduler().advance(1.0 / 60.0);
            const QRegion area = v.frameArea();
            QImage img(v.size(), QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
            v.render(&img); // as the window paints it
            EXPECT_EQ(TestSupport::pixelsChangedOutside(last, img, area), 0) << "frame " << step;
            discs += area.rectCount() > 1;
            last = img;
        }
    };
    m.reveal();
    checkFrames();
    m.beginExit();
    checkFrames();
    EXPECT_GT(discs, 30);
}

TEST_F(RingViewTest, ThePointerTurnsOnlyTheCenterTileOfARingAtRest)
{
    // A pointer moving over a ring at rest turns the centre tile: only its
    // square is repainted (the display's buffer is cleared there and painted
    // over the last frame), and that must match a whole repaint.
    AppShortcutRingViewModel m { env.platform() };
    load(m, 5);
    AppShortcutRingView v(&m);
    m.reveal();
    settle();
    ASSERT_FALSE(v.isAnimating());
    const QImage before = render(v);
    QImage shown = before;
    m.pointer().setLocation(QPointF(500, 500) + QPointF(140, 80));
    env.scheduler().advance(0.05);
    const QRegion area = v.tiltArea();
    const QRect bounds = area.boundingRect();
    EXPECT_LT(bounds.width() * bounds.height(), 200 * 200);
    EXPECT_TRUE(bounds.contains(QPoint(v.width() / 2, v.height() / 2)));
    {
        QPainter p(&shown);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        for (const QRect& r : area)
            p.fillRect(r, Qt::transparent);
    }
    v.render(&shown, bounds.topLeft(), area);
    const QImage whole = render(v);
    EXPECT_GT(TestSupport::pixelsChangedOutside(before, whole, QRegion()), 0) << "the tile turned";
    EXPECT_EQ(TestSupport::pixelsChangedOutside(before, whole, area), 0);
    EXPECT_LE(TestSupport::largestChannelDifference(shown, whole), 1);

    // While the ring still moves, a turn repaints the whole frame's area.
    m.beginExit();
    env.scheduler().advance(1.0 / 60.0);
    EXPECT_EQ(v.tiltArea(), v.frameArea());
}

TEST_F(RingViewTest, ReduceMotionOnlyFades)
{
    display->setReduceMotion(true);
    AppShortcutRingViewModel m { env.platform() };
    load(m, 6);
    AppShortcutRingView v(&m);
    m.reveal();
    settle();
    const QImage rest = render(v);
    m.beginExit();
    // Half of the 0.12 s fade: its clock started one frame interval back (from rest).
    env.scheduler().advance(0.06 - AnimationEngine::shared().frameInterval());
    const QImage half = render(v);
    // Same geometry, fainter: no collapse, turn or blur spreads it.
    int compared = 0;
    for (int y = 0; y < rest.height(); y += 7) {
        for (int x = 0; x < rest.width(); x += 7) {
            const int a = qAlpha(rest.pixel(x, y));
            const int b = qAlpha(half.pixel(x, y));
            if (a == 0) {
                EXPECT_EQ(b, 0) << x << "," << y;
                continue;
            }
            if (a < 120)
                continue;
            ++compared;
            EXPECT_GT(b, a / 4) << x << "," << y;
            EXPECT_LT(b, a * 19 / 20) << x << "," << y;
        }
    }
    EXPECT_GT(compared, 100);
}

TEST_F(RingViewTest, TheSelectedWedgeStaysInsideTheRimForOneToTwelveItems)
{
    // Drawn at rest on a clear canvas: nothing may reach beyond the band's
    // outer edge (plus its antialiased pixel), whichever wedge is selected.
    constexpr double dpr = 2.0;
    for (int n = 1; n <= 12; ++n) {
        for (int selected : { 0, n / 2, n - 1 }) {
            AppShortcutRingViewModel model { env.platform() };
            load(model, n);
            AppShortcutRingView view(&model);
            model.reveal();
            model.setSelectedIndex(selected);
            settle();
            QImage img(int(view.width() * dpr), int(view.height() * dpr), QImage::Format_ARGB32_Premultiplied);
            img.setDevicePixelRatio(dpr);
            img.fill(Qt::transparent);
            QPainter p(&img);
            view.renderFrame(p);
            p.end();
            const QPointF centre(img.width() / 2.0, img.height() / 2.0);
            const double rim = (RingMotion::settledOuterRadius + 1.5) * dpr;
            double farthest = 0;
            for (int y = 0; y < img.height(); ++y) {
                for (int x = 0; x < img.width(); ++x) {
                    if (qAlpha(img.pixel(x, y)) > 8)
                        farthest = std::max(farthest, std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()));
                }
            }
            EXPECT_LE(farthest, rim) << n << " items, wedge " << selected << " selected";
        }
    }
}

// ---- legibility ---------------------------------------------------------------------------

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(QRgb c) { return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c)); }

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST_F(RingViewTest, LabelsAndSubtitlesStayLegibleOnLightAndDarkGlassOverAnyDesktop)
{
    // The same ring drawn with and without one kind of text; where the two
    // differ is the text, and the strongest contrast found there against the
    // glass drawn without it is the text's own (stems are solid at 2x). The
    // glass is translucent, so the desktop behind it matters: black, grey and
    // white desktops in both appearances.
    auto* appearance = &env.sim().appearance();
    constexpr int n = 6, selected = 0;
    constexpr double dpr = 2.0;
    const auto ring = [&](bool names, bool keys, QColor desktop) {
        QList<AppShortcut> list;
        for (int i = 0; i < n; ++i)
            list.append(AppShortcut(names ? QStringLiteral("Item %1").arg(i + 1) : QString(), QStringLiteral("star"),
                keys ? QStringLiteral("⇧⌘%1").arg(QChar(u'A' + i)) : QString(), kApp,
                QStringLiteral("typed text"))); // a snippet keeps an item without keys
        AppShortcutRingViewModel model { env.platform() };
        model.loadShortcuts(app(), list);
        model.setRingCenter(QPointF(500, 500));
        AppShortcutRingView view(&model);
        model.reveal();
        model.setSelectedIndex(selected);
        settle();
        QImage img(int(view.width() * dpr), int(view.height() * dpr), QImage::Format_ARGB32_Premultiplied);
        img.setDevicePixelRatio(dpr);
        img.fill(desktop);
        QPainter p(&img);
        view.renderFrame(p);
        return img;
    };
    for (bool dark : { false, true }) {
        appearance->dark = dark;
        for (const QColor desktop : { QColor(Qt::black), QColor(128, 128, 128), QColor(Qt::white) }) {
            const QImage glass = ring(false, false, desktop);
            for (bool names : { true, false }) {
                const QImage text = ring(names, !names, desktop);
                ASSERT_EQ(text.size(), glass.size());
                std::vector<double> best(n, 0.0);
                const QPointF centre(text.width() / 2.0, text.height() / 2.0);
                for (int y = 0; y < text.height(); ++y) {
                    for (int x = 0; x < text.width(); ++x) {
                        const QRgb t = text.pixel(x, y), g = glass.pixel(x, y);
                        if (t == g)
                            continue;
                        double a = std::atan2(x - centre.x(), centre.y() - y);
                        if (a < 0)
                            a += 2 * kPi;
                        const int wedge = std::clamp(int(a / (2 * kPi / n)), 0, n - 1);
                        best[size_t(wedge)] = std::max(best[size_t(wedge)], contrast(t, g));
                    }
                }
                for (int i = 0; i < n; ++i) {
                    if (i == selected)
                        continue; // white on the accent colour, not on glass
                    EXPECT_GE(best[size_t(i)], 4.5)
                        << (dark ? "dark" : "light") << " over " << desktop.name().toStdString()
                        << (names ? ", names" : ", key combinations") << ", wedge " << i;
                }
            }
        }
    }
}

// ---- gallery ----------------------------------------------------------------------------

QString galleryDir()
{
    const QString dir = QStringLiteral(KELVARO_BINARY_DIR) + QStringLiteral("/ring-gallery");
    QDir().mkpath(dir);
    return dir;
}

// A desktop-like backdrop so the glass shows as it would over windows.
QImage backdrop(QSize size, bool dark, double dpr)
{
    QImage img(int(size.width() * dpr), int(size.height() * dpr), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    QPainter p(&img);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, dark ? QColor(28, 34, 58) : QColor(170, 196, 230));
    g.setColorAt(1, dark ? QColor(60, 28, 64) : QColor(236, 200, 214));
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), g);
    p.setPen(Qt::NoPen);
    p.setBrush(dark ? QColor(255, 255, 255, 18) : QColor(255, 255, 255, 120));
    p.drawRoundedRect(QRectF(40, 60, 300, 200), 12, 12);
    p.drawRoundedRect(QRectF(380, 420, 280, 220), 12, 12);
    return img;
}

class RingViewGalleryTest : public RingViewArcTest, public ::testing::WithParamInterface<double> { };

TEST_P(RingViewGalleryTest, WritesRingsForLightAndDark)
{
    const double dpr = GetParam();
    const QString suffix = dpr > 1 ? QStringLiteral("@2x") : QString();
    auto* appearance = &env.sim().appearance();
    for (bool dark : { false, true }) {
        appearance->dark = dark;
        const QString tone = dark ? QStringLiteral("dark") : QStringLiteral("light");
        const auto shoot = [&](AppShortcutRingView& v, const QString& name) {
            QImage img = backdrop(v.size(), dark, dpr);
            QPainter p(&img);
            v.renderFrame(p);
            p.end();
            ASSERT_TRUE(img.save(galleryDir() + QStringLiteral("/shortcut-ring-%1-%2%3.png").arg(name, tone, suffix)));
        };

        AppShortcutRingViewModel ten { env.platform() };
        load(ten, 10);
        AppShortcutRingView tenView(&ten);
        ten.reveal();
        ten.setSelectedIndex(3);
        settle();
        shoot(tenView, QStringLiteral("10-items"));

        AppShortcutRingViewModel paged { env.platform() };
        load(paged, 25);
        AppShortcutRingView pagedView(&paged);
        paged.reveal();
        paged.turnPage(1);
        paged.setSelectedIndex(6);
        settle();
        shoot(pagedView, QStringLiteral("25-items-page-2"));

        AppShortcutRingViewModel vault { env.platform() };
        loadVault(vault);
        AppShortcutRingView vaultView(&vault);
        vault.reveal();
        pointAt(vault, 0.4, 262);
        settle();
        pointAt(vault, RingAngles::itemCenterAngle(0, 2) + 0.05, 262);
        settle();
        ASSERT_TRUE(vaultView.showsCardArc());
        shoot(vaultView, QStringLiteral("passwords"));

        // Part way into the opening.
        AppShortcutRingViewModel opening { env.platform() };
        load(opening, 10);
        AppShortcutRingView openingView(&opening);
        opening.reveal();
        env.scheduler().advance(0.08);
        shoot(openingView, QStringLiteral("opening"));
        settle();
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, RingViewGalleryTest, ::testing::Values(1.0, 2.0));
}
