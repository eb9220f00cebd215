// The switcher ring view: what a click lands on, the poses while opening and
// closing, the deferred click actions, and the accessible value.

#include "SwitcherFixture.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <cmath>
#include <numbers>

#include "platform/DisplayPreferences.h"
#include "platform/sim/SimDisplayPreferences.h"
#include "ringkit/RingAnimation.h"
#include "ringkit/RingAnnounce.h"
#include "switcher/CircularSwitcherView.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "switcher/CircularSwitcherWindow.h"
#include "ringkit/RingMotion.h"

namespace {
// A stage point at `radius` points from the centre at an arc angle in degrees
// (0 at 12 o'clock, clockwise), for a view of `side` points.
QPointF polar(double radius, double arcDegrees, double side = 700.0)
{
    const double a = arcDegrees * M_PI / 180.0;
    const double s = side / 700.0;
    return { side / 2.0 + s * radius * std::sin(a), side / 2.0 - s * radius * std::cos(a) };
}

QList<QPair<QAccessible::Event, QString>> g_seen;
void recordEvent(QAccessibleEvent* event)
{
    if (!qobject_cast<CircularSwitcherView*>(event->object()))
        return;
    QString value;
    if (event->type() == QAccessible::ValueChanged)
        value = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
    g_seen.append({ event->type(), value });
}
}

class SwitcherViewTest : public SwitcherFixture {
protected:
    void SetUp() override
    {
        SwitcherFixture::SetUp();
        prefs = &env.sim().displayPreferences();
        screens->pointerLocation = QPointF(700, 450);
        for (int i = 1; i <= 4; ++i)
            desktop->addApp(i, QStringLiteral("org.example.App%1").arg(i), QStringLiteral("App %1").arg(i));
        for (int n = 1; n <= 3; ++n)
            desktop->addWindow(2, 200 + n, QStringLiteral("Doc %1").arg(n));
        desktop->frontmostPID = 1;
        window = std::make_unique<CircularSwitcherWindow>(env.platform());
    }
    void TearDown() override
    {
        window.reset();
        SwitcherFixture::TearDown();
    }
    CircularSwitcherViewModel& model() { return *window->viewModel(); }
    CircularSwitcherView& view() { return *window->view(); }
    void showSettled(std::optional<QList<RunningApp>> apps = std::nullopt)
    {
        window->showSwitcher(apps);
        env.scheduler().advance(2.0);
        ASSERT_TRUE(model().isVisible());
        ASSERT_FALSE(view().isAnimating());
    }
    // Selects App 2 with its three windows fanned out, as the pointer does.
    void fanOutSecondApp()
    {
        const QPointF c = model().ringCenter();
        model().updatePointer(c + QPointF(120, 0)); // 3 o'clock: wedge 1 of 4
        env.scheduler().advance(2.0);
        ASSERT_EQ(model().selectedIndex(), 1);
        ASSERT_EQ(model().windows().size(), 3);
        ASSERT_TRUE(view().isFanShown());
    }
    // A click at `at` on the view; `sentBefore` is how far the view has since
    // moved within the window (Qt's position is the window's when the display
    // server sent the click; the global one is exact).
    void click(QPointF at, QPointF sentBefore = {})
    {
        const QPointF global = view().mapToGlobal(at), local = at + sentBefore;
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, {});
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(&view(), &press);
        QCoreApplication::sendEvent(&view(), &release);
    }

    SimDisplayPreferences* prefs = nullptr;
    std::unique_ptr<CircularSwitcherWindow> window;
};

TEST_F(SwitcherViewTest, WedgeHitTestingFollowsTheTaperedShapes)
{
    using Kind = CircularSwitcherView::Hit::Kind;
    // Hidden: nothing takes a click.
    window->showSwitcher(std::nullopt);
    EXPECT_EQ(view().hitTest(polar(124, 45)).kind, Kind::none);
    env.scheduler().advance(2.0);

    // Four wedges clockwise from 12 o'clock; the middle of each, near both edges.
    for (int i = 0; i < 4; ++i) {
        for (double r : { 70.0, 124.0, 180.0 }) {
            const auto hit = view().hitTest(polar(r, 90.0 * i + 45.0));
            EXPECT_EQ(hit.kind, Kind::wedge) << i << " at " << r;
            EXPECT_EQ(hit.index, i) << " at " << r;
        }
    }
    // The centre, the 8-point gaps on the seams and beyond the band: nothing.
    EXPECT_EQ(view().hitTest(polar(0, 0)).kind, Kind::none);
    EXPECT_EQ(view().hitTest(polar(40, 30)).kind, Kind::none);
    EXPECT_EQ(view().hitTest(polar(150, 0)).kind, Kind::none);
    EXPECT_EQ(view().hitTest(polar(150, 90)).kind, Kind::none);
    EXPECT_EQ(view().hitTest(polar(200, 45)).kind, Kind::none);
    // Just inside the gap's edge the wedge takes the click again.
    EXPECT_EQ(view().hitTest(polar(150, 90 + 3.0)).index, 1);

    // One application: the whole circle but the seam at 12 o'clock.
    window->hideSwitcher(false);
    showSettled(QList<RunningApp> {
        RunningApp { QStringLiteral("Solo"), QImage(), QStringLiteral("org.example.Solo"), false } });
    for (double a : { 10.0, 90.0, 180.0, 270.0, 350.0 })
        EXPECT_EQ(view().hitTest(polar(124, a)).kind, Kind::wedge) << a;
    EXPECT_EQ(view().hitTest(polar(124, 0)).kind, Kind::none);

    // At ring scale 1.5 the view is 1050 points and the stage scales with it.
    window->hideSwitcher(false);
    AppSettings::shared().setRingScale(1.5);
    showSettled();
    ASSERT_EQ(view().width(), 1050);
    EXPECT_EQ(view().hitTest(polar(124, 135, 1050)).index, 1);
    EXPECT_EQ(view().hitTest(polar(124, 225, 1050)).index, 2);
    EXPECT_EQ(view().hitTest(polar(200, 225, 1050)).kind, Kind::none);
}

TEST_F(SwitcherViewTest, CardsTakeClicksOnlyWhileTheFanIsShown)
{
    using Kind = CircularSwitcherView::Hit::Kind;
    showSettled();
    // Before the pointer has armed, the fan is not drawn and takes nothing.
    model().setSelectedIndex(1);
    model().refreshWindowsForSelection();
    EXPECT_EQ(model().windows().size(), 3);
    EXPECT_FALSE(view().isFanShown());
    EXPECT_EQ(view().hitTest(polar(265, 135)).kind, Kind::none);

    // The window, compact while only the ring is drawn, takes in the whole
    // frame for the cards, the view staying where it was on the screen.
    auto* panel = window->panel();
    const QPoint middle = view().mapToGlobal(QPoint(350, 350));
    EXPECT_EQ(panel->size(), QSize(484, 484));
    fanOutSecondApp();
    EXPECT_EQ(panel->size(), QSize(700, 700));
    EXPECT_EQ(view().mapToGlobal(QPoint(350, 350)), middle);
    // Three cards centred on App 2's wedge (arc 135 degrees), first card counter-clockwise.
    const double step = 21.0 - 5.5 / 3.0;
    const double first = 135.0 - (3 * 21.0 - 5.5) / 2.0;
    for (int j = 0; j < 3; ++j) {
        const auto hit = view().hitTest(polar(265, first + step * (j + 0.5)));
        EXPECT_EQ(hit.kind, Kind::card) << j;
        EXPECT_EQ(hit.index, j);
    }
    EXPECT_EQ(view().hitTest(polar(265, 135 + 60)).kind, Kind::none);
    EXPECT_EQ(view().hitTest(polar(124, 135)).index, 1); // the wedge below still answers

    // The next showing starts compact again.
    window->hideSwitcher(false);
    showSettled();
    EXPECT_EQ(panel->size(), QSize(484, 484));
}

TEST_F(SwitcherViewTest, AnApplicationWithHundredsOfWindowsFansOutOnlyWhatTheArcHolds)
{
    using Kind = CircularSwitcherView::Hit::Kind;
    for (int n = 4; n <= 500; ++n)
        desktop->addWindow(2, 200 + n, QStringLiteral("Doc %1").arg(n));
    const int capacity = WindowArcGeometry::capacity;
    showSettled();
    const QPointF c = model().ringCenter();
    model().updatePointer(c + QPointF(120, 0));
    env.scheduler().advance(2.0);
    ASSERT_EQ(model().selectedIndex(), 1);
    // The frontmost windows, as many as the arc holds, and the view's cards for them.
    ASSERT_EQ(model().windows().size(), capacity);
    EXPECT_EQ(model().windows().first().title, QStringLiteral("Doc 1"));
    EXPECT_EQ(model().windows().last().title, QStringLiteral("Doc %1").arg(capacity));
    const WindowArcGeometry arc(capacity);
    const double start = 135.0 - arc.span() * 90.0 / M_PI;
    const double end = start + arc.span() * 180.0 / M_PI;
    const auto last = view().hitTest(polar(265, end - 1.0)); // each card lies under the one before
    EXPECT_EQ(last.kind, Kind::card);
    EXPECT_EQ(last.index, capacity - 1);
    EXPECT_EQ(view().hitTest(polar(265, end + 3.0)).kind, Kind::none);
    // Pointing at the last card selects a window the model can raise.
    const double a = (end - 1.0) * M_PI / 180.0;
    model().updatePointer(c + QPointF(265 * std::sin(a), 265 * std::cos(a))); // screen y grows upward
    EXPECT_EQ(model().selectedWindowIndex(), capacity - 1);
}

TEST_F(SwitcherViewTest, AHeldRingComesToRestAndThenAsksForNoFrame)
{
    // Every motion of the opening ends once it is within a sub-pixel (or
    // 1/255 of opacity) of its pose, well before the springs' 0.1 % tails
    // (the icons' spin alone would ring on for almost 2 s); then the engine
    // stops and a ring held still is not painted again.
    AnimationEngine& engine = AnimationEngine::shared();
    QSignalSpy frames(&engine, &AnimationEngine::frame);
    window->showSwitcher(std::nullopt);
    env.scheduler().runPending();
    ASSERT_TRUE(model().isVisible());
    ASSERT_TRUE(engine.isTicking());
    env.scheduler().advance(1.3);
    EXPECT_FALSE(engine.isTicking());
    EXPECT_FALSE(view().isAnimating());
    EXPECT_EQ(view().bandInnerRadius(), 60.0);
    EXPECT_EQ(view().bandOuterRadius(), 190.0);
    EXPECT_EQ(view().ringPresence(), 1.0);
    const qsizetype settledAfter = frames.count();
    EXPECT_LE(settledAfter, 80); // 60 Hz
    env.scheduler().advance(3.0);
    EXPECT_EQ(frames.count(), settledAfter);
    EXPECT_EQ(env.scheduler().pendingCount(), 0u);
}

TEST_F(SwitcherViewTest, OpeningRunsFromTheHiddenPoseAndANewShowingSnapsBack)
{
    window->showSwitcher(std::nullopt);
    // Hidden pose: collapsed band, nothing visible.
    EXPECT_EQ(view().ringPresence(), 0.0);
    EXPECT_EQ(view().bandInnerRadius(), 92.0);
    EXPECT_EQ(view().bandOuterRadius(), 168.0);
    env.scheduler().runPending();
    EXPECT_TRUE(view().isAnimating());
    env.scheduler().advance(0.05);
    // The wedges open one after another.
    EXPECT_GT(view().wedgePresence(0), view().wedgePresence(3));
    env.scheduler().advance(2.0);
    EXPECT_FALSE(view().isAnimating());
    EXPECT_NEAR(view().ringPresence(), 1.0, 1e-6);
    EXPECT_NEAR(view().bandInnerRadius(), 60.0, 1e-6);
    EXPECT_NEAR(view().bandOuterRadius(), 190.0, 1e-6);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(view().wedgePresence(i), 1.0, 1e-6);
    EXPECT_NEAR(view().wedgeSelection(0), 1.0, 1e-6);

    // Closing animates back; a showing during the exit starts hidden, without animation.
    window->hideSwitcher(true);
    env.scheduler().advance(0.1);
    EXPECT_TRUE(view().isAnimating());
    const double midExit = view().ringPresence();
    EXPECT_GT(midExit, 0.0);
    EXPECT_LT(midExit, 1.0);
    window->showSwitcher(std::nullopt);
    EXPECT_EQ(view().ringPresence(), 0.0);
    EXPECT_EQ(view().wedgePresence(0), 0.0);
    EXPECT_EQ(view().bandInnerRadius(), 92.0);
    EXPECT_FALSE(view().isAnimating());
    env.scheduler().advance(2.0);
    EXPECT_NEAR(view().ringPresence(), 1.0, 1e-6);
}

TEST_F(SwitcherViewTest, ReduceMotionOnlyFades)
{
    prefs->setReduceMotion(true);
    window->showSwitcher(std::nullopt);
    EXPECT_EQ(view().bandInnerRadius(), 60.0);
    EXPECT_EQ(view().bandOuterRadius(), 190.0);
    env.scheduler().runPending();
    env.scheduler().advance(0.06);
    // Every wedge fades together, with the plain fade.
    EXPECT_GT(view().ringPresence(), 0.0);
    EXPECT_LT(view().ringPresence(), 1.0);
    EXPECT_NEAR(view().wedgePresence(0), view().wedgePresence(3), 1e-9);
    EXPECT_EQ(view().bandInnerRadius(), 60.0);
    env.scheduler().advance(0.1);
    EXPECT_FALSE(view().isAnimating());
}

TEST_F(SwitcherViewTest, SelectionMovesTheFanTheShortWayAndPointingAtACardUnselectsTheWedge)
{
    showSettled();
    fanOutSecondApp();
    EXPECT_NEAR(view().fanAngle(), 3 * M_PI / 4, 1e-6);
    // The pointer on a card: the card takes the look, no wedge shows as selected.
    model().updatePointer(model().ringCenter() + QPointF(190, -190));
    ASSERT_TRUE(model().selectedWindowIndex().has_value());
    EXPECT_EQ(view().wedgeSelection(1), 0.0);
    model().updatePointer(model().ringCenter() + QPointF(120, 0));
    env.scheduler().advance(1.0);
    EXPECT_NEAR(view().wedgeSelection(1), 1.0, 1e-6);

    // From the last wedge to the first the fan turns through 12 o'clock, not all the way round.
    QList<RunningApp> group;
    for (int i = 0; i < 4; ++i)
        group.append(
            RunningApp { QStringLiteral("W%1").arg(i), QImage(), QStringLiteral("org.example.W%1").arg(i), false });
    model().setSelectedIndex(3);
    env.scheduler().advance(1.0);
    const double from = view().fanAngle();
    model().setSelectedIndex(0);
    env.scheduler().advance(1.0);
    const double to = view().fanAngle();
    EXPECT_NEAR(std::abs(to - from), M_PI / 2, 1e-6);
}

TEST_F(SwitcherViewTest, ClicksActAfterATenthOfASecondThroughTheOwner)
{
    showSettled();
    QList<std::pair<int, std::optional<int>>> requests;
    QObject::connect(window.get(), &CircularSwitcherWindow::commitRequested, [&](int index, std::optional<int> w) {
        requests.append({ index, w });
    });

    // A wedge click selects at once and asks for the commit 0.1 s later.
    click(polar(124, 225));
    EXPECT_EQ(model().selectedIndex(), 2);
    env.scheduler().advance(0.09);
    EXPECT_TRUE(requests.isEmpty());
    env.scheduler().advance(0.02);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].first, 2);
    EXPECT_FALSE(requests[0].second.has_value());
    EXPECT_TRUE(window->isSwitcherVisible()); // the owner decides what happens next

    // A card click passes the application and the card.
    fanOutSecondApp();
    requests.clear();
    view().clickCard(2);
    EXPECT_EQ(model().selectedWindowIndex(), 2);
    env.scheduler().advance(0.11);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].first, 1);
    EXPECT_EQ(requests[0].second, 2);

    // A click sent while the window was compact and read after it grew to
    // hold the cards (the view moved 108 points within it) commits the
    // wedge under the pointer (App 2), not the one its window position
    // falls in (App 1).
    requests.clear();
    click(polar(124, 100), QPointF(-108, -108));
    env.scheduler().advance(0.11);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].first, 1);

    // Escape within the delay ends the showing: the click does nothing.
    requests.clear();
    click(polar(124, 45));
    window->hideSwitcher(true);
    env.scheduler().advance(0.2);
    EXPECT_TRUE(requests.isEmpty());

    // A new showing within the delay: the old click does nothing either.
    env.scheduler().advance(1.0);
    showSettled();
    view().clickWedge(3);
    window->showSwitcher(std::nullopt);
    env.scheduler().advance(0.2);
    EXPECT_TRUE(requests.isEmpty());
}

TEST_F(SwitcherViewTest, WithoutAnOwnerAClickActivatesOnceAndHides)
{
    showSettled();
    desktop->calls.clear();
    click(polar(124, 135)); // App 2
    click(polar(124, 135)); // a second click within the delay
    env.scheduler().advance(0.11);
    EXPECT_EQ(countCalls(QStringLiteral("activate 2")), 1) << desktop->calls.join(u'\n').toStdString();
    EXPECT_TRUE(window->isExiting());
    env.scheduler().advance(1.0);
    EXPECT_FALSE(window->isSwitcherVisible());
}

TEST_F(SwitcherViewTest, AccessibleValueSpeaksTheSelectionAndAnnouncesChangesOnly)
{
    RingAnnounce::setEventObserver(recordEvent);
    g_seen.clear();
    const int before = RingAnnounce::count();

    window->showSwitcher(std::nullopt);
    env.scheduler().advance(2.0);
    EXPECT_EQ(view().accessibilityValue(), QStringLiteral("App 1, 1 of 4"));
    EXPECT_EQ(RingAnnounce::count(), before); // the first value is not announced

    model().selectNext();
    env.scheduler().advance(0.05);
    EXPECT_EQ(view().accessibilityValue(), QStringLiteral("App 2, 2 of 4"));
    EXPECT_EQ(RingAnnounce::count(), before + 1);
    EXPECT_EQ(RingAnnounce::lastMessage(), QStringLiteral("App 2, 2 of 4"));

    model().updatePointer(model().ringCenter() + QPointF(120, 0));
    model().updatePointer(model().ringCenter() + QPointF(190, -190));
    env.scheduler().advance(0.05);
    ASSERT_TRUE(model().selectedWindowIndex().has_value());
    const int w = *model().selectedWindowIndex();
    EXPECT_EQ(view().accessibilityValue(), QStringLiteral("App 2, window %1 of 3: Doc %1").arg(w + 1));
    EXPECT_EQ(RingAnnounce::count(), before + 2);

    // An out-of-range window falls back to the application, with its position.
    model().setSelectedWindowIndex(7);
    EXPECT_EQ(view().accessibilityDescription(), QStringLiteral("App 2, 2 of 4"));

    // Hiding empties the list: not spoken. A new showing's first value is not either.
    const int shown = RingAnnounce::count();
    window->hideSwitcher(true);
    env.scheduler().advance(1.0);
    EXPECT_EQ(view().accessibilityDescription(), QStringLiteral("No apps"));
    window->showSwitcher(std::nullopt);
    env.scheduler().advance(2.0);
    EXPECT_EQ(view().accessibilityValue(), QStringLiteral("App 1, 1 of 4"));
    EXPECT_EQ(RingAnnounce::count(), shown);

    // The element: one node with label, value and hint; announcements reach assistive technology.
    QAccessibleInterface* element = QAccessible::queryAccessibleInterface(&view());
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->text(QAccessible::Name), QStringLiteral("App Switcher"));
    EXPECT_EQ(element->text(QAccessible::Value), QStringLiteral("App 1, 1 of 4"));
    EXPECT_EQ(
        element->text(QAccessible::Help), QStringLiteral("Arrow keys choose, Return switches, Escape dismisses."));
    EXPECT_EQ(element->childCount(), 0);
    // One value change per announcement, on the ring's element.
    QStringList values;
    for (const auto& [type, value] : g_seen) {
        if (type == QAccessible::ValueChanged)
            values << value;
    }
    ASSERT_EQ(values.size(), 2);
    EXPECT_EQ(values[0], QStringLiteral("App 2, 2 of 4"));

    // An empty text is never announced.
    const int count = RingAnnounce::count();
    RingAnnounce::announce(window->view(), QString());
    EXPECT_EQ(RingAnnounce::count(), count);
    RingAnnounce::setEventObserver(nullptr);
}

TEST_F(SwitcherViewTest, DescriptionsFollowTheInterfaceLanguage)
{
    AppSettings::shared().setLanguage(AppLanguage::german);
    window->showSwitcher(std::nullopt);
    env.scheduler().advance(2.0);
    EXPECT_EQ(CircularSwitcherView::accessibilityLabel(), QStringLiteral("App-Umschalter"));
    EXPECT_EQ(view().accessibilityDescription(), QStringLiteral("App 1, 1 von 4"));
    window->hideSwitcher(false);
    EXPECT_EQ(view().accessibilityDescription(), QStringLiteral("Keine Apps"));
    AppSettings::shared().setLanguage(AppLanguage::system);
}

TEST_F(SwitcherViewTest, TheSelectedWedgeStaysInsideTheRimForOneToTwelveApplications)
{
    // Settled, on a clear canvas, no fan: nothing beyond the band's outer
    // edge (plus its antialiased pixel), whichever wedge is selected.
    for (int n = 1; n <= 12; ++n) {
        QList<RunningApp> apps;
        for (int i = 0; i < n; ++i)
            apps.append(
                RunningApp { QStringLiteral("App %1").arg(i), SimDesktop::solidIcon(Qt::red).pixmap(64).toImage(),
                    QStringLiteral("org.example.Rim%1").arg(i), i == 0 });
        for (int selected : { 0, n / 2, n - 1 }) {
            window->showSwitcher(apps);
            env.scheduler().advance(2.0);
            for (int step = 0; step < selected; ++step)
                model().selectNext();
            env.scheduler().advance(2.0);
            QImage img(1400, 1400, QImage::Format_ARGB32_Premultiplied);
            img.setDevicePixelRatio(2.0);
            img.fill(Qt::transparent);
            QPainter p(&img);
            view().paintRing(p);
            p.end();
            double farthest = 0;
            for (int y = 0; y < img.height(); ++y) {
                for (int x = 0; x < img.width(); ++x) {
                    if (qAlpha(img.pixel(x, y)) > 8)
                        farthest = std::max(farthest, std::hypot(x + 0.5 - 700.0, y + 0.5 - 700.0));
                }
            }
            EXPECT_LE(farthest / 2.0, RingMotion::settledOuterRadius + 1.5) << n << " apps, wedge " << selected;
            window->hideSwitcher(false);
            env.scheduler().advance(2.0);
        }
    }
}

TEST_F(SwitcherViewTest, AFrameRepaintsOnlyWhatMovedAndMatchesAWholeRepaint)
{
    AppSettings::shared().setEnable3DEffects(true);
    showSettled();
    const auto clear = [] {
        QImage img(700, 700, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        return img;
    };
    QImage shown = clear();
    view().render(&shown);
    EXPECT_TRUE(view().changedArea().isEmpty()) << "a ring at rest repaints nothing";

    // The pointer moves within the ring: only the centre icon tilts, and
    // only its square is repainted, as the display's buffer is: cleared,
    // then painted over the last frame. The first frame at rest is drawn
    // part by part, the next from one layer of the settled ring: the two
    // must not show a seam.
    const QPointF c = model().ringCenter();
    model().pointer()->setLocation(c + QPointF(150, 90));
    env.scheduler().advance(0.05);
    const QRegion changed = view().changedArea();
    ASSERT_FALSE(changed.isEmpty());
    const QRect bounds = changed.boundingRect();
    EXPECT_LT(bounds.width() * bounds.height(), 200 * 200);
    EXPECT_TRUE(bounds.contains(QPoint(350, 350)));
    {
        QPainter p(&shown);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        for (const QRect& r : changed)
            p.fillRect(r, Qt::transparent);
    }
    view().render(&shown, bounds.topLeft(), changed);
    QImage whole = clear();
    view().render(&whole);
    EXPECT_LE(TestSupport::largestChannelDifference(shown, whole), 1);

    // A change of selection moves the wedges: all of the ring is repainted.
    model().updatePointer(c + QPointF(120, 0));
    env.scheduler().advance(0.02);
    EXPECT_GE(view().changedArea().boundingRect().width(), 2 * int(RingMotion::settledOuterRadius));
}

TEST_F(SwitcherViewTest, EveryFrameOfAnOpeningAndAClosingChangesOnlyWhatItRepaints)
{
    // A frame repaints the disc the moving ring can reach, not its square,
    // or only what moved: whatever differs from the last frame, blurred or
    // sharp, overshooting or shrinking, must lie in it, or the display
    // keeps stale pixels.
    QImage last(view().size(), QImage::Format_ARGB32_Premultiplied);
    last.fill(Qt::transparent);
    int moving = 0;
    int bandOnly = 0;
    const auto checkFrames = [&] {
        for (int step = 0; step < 60; ++step) {
            env.scheduler().advance(1.0 / 60.0);
            const QRegion area = view().changedArea();
            QImage img(view().size(), QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
            view().render(&img);
            EXPECT_EQ(TestSupport::pixelsChangedOutside(last, img, area), 0)
                << "frame " << step << ", ring at " << view().ringPresence();
            last = img;
            // Past the first frame (which clears the whole window) a moving
            // ring's disc leaves out the square's corners.
            const QRect bounds = area.boundingRect();
            if (bounds.width() > 2 * int(RingMotion::settledOuterRadius) && moving++ > 0) {
                double pixels = 0;
                for (const QRect& r : area)
                    pixels += double(r.width()) * r.height();
                EXPECT_LT(pixels, 0.86 * bounds.width() * bounds.height()) << "frame " << step;
            }
            // Once the ring and its wedges stand, a band still springing
            // repaints about its edges (and the icons still turning), not
            // the disc.
            bool standing
                = view().ringPresence() >= 0.999 && view().bandOuterRadius() != RingMotion::settledOuterRadius;
            for (int i = 0; i < 4; ++i)
                standing = standing && std::abs(view().wedgePresence(i) - 1.0) < 0.001;
            if (standing) {
                ++bandOnly;
                double pixels = 0;
                for (const QRect& r : area)
                    pixels += double(r.width()) * r.height();
                const double disc
                    = std::numbers::pi * std::pow(RingMotion::settledOuterRadius * view().width() / 700.0, 2);
                EXPECT_LT(pixels, 0.8 * disc) << "frame " << step;
            }
        }
    };
    window->showSwitcher(std::nullopt);
    checkFrames();
    window->hideSwitcher(false);
    checkFrames();
    EXPECT_GT(moving, 20);
    EXPECT_GE(bandOnly, 2);
}
