// The switcher ring's parts without its widget: where the layout puts the
// wedges and the fan, what a frame repaints when something moves, and that
// a painted frame stays inside the area the repaint claims for it.

#include "SwitcherFixture.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "platform/DisplayPreferences.h"
#include "platform/sim/SimDisplayPreferences.h"
#include "ringkit/CenterAppIcon.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "switcher/SwitcherLayout.h"
#include "switcher/SwitcherPainter.h"
#include "switcher/SwitcherRepaint.h"

namespace {
// The arc angle (degrees, 0 at 12 o'clock, clockwise) of a stage point.
double arcDegrees(QPointF p)
{
    const double a = std::atan2(p.x() - 350.0, 350.0 - p.y()) * 180.0 / std::numbers::pi;
    return a < 0.0 ? a + 360.0 : a;
}

QImage icon()
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(200, 40, 40));
    return image;
}
} // namespace

class SwitcherLayoutTest : public SwitcherFixture {
protected:
    void SetUp() override
    {
        SwitcherFixture::SetUp();
        layout.model = &model;
        layout.centreIcon = &centre;
    }
    void TearDown() override { SwitcherFixture::TearDown(); }
    // `n` applications, shown and settled, the first selected.
    void settle(int n)
    {
        QList<RunningApp> apps;
        for (int i = 0; i < n; ++i)
            apps.append(RunningApp {
                QStringLiteral("App %1").arg(i), icon(), QStringLiteral("org.example.A%1").arg(i), false });
        model.setRunningApps(apps);
        layout.wedges.clear();
        for (const RunningApp& app : apps) {
            auto w = std::make_unique<SwitcherLayout::WedgeState>();
            w->app = app;
            w->presence.setValue(1.0);
            w->spin.setValue(1.0);
            layout.wedges.push_back(std::move(w));
        }
        layout.visible = true;
        layout.ring.setValue(1.0);
        layout.band.setRadii(RingMotion::settledInnerRadius, RingMotion::settledOuterRadius);
        layout.wedges[0]->selection.setValue(1.0);
    }

    CircularSwitcherViewModel model { platform };
    TiltingCenterAppIcon centre { platform.screens() };
    SwitcherLayout layout;
    const SwitcherRepaint::Viewport viewport { QSize(700, 700), 1.0 };
};

TEST_F(SwitcherLayoutTest, WedgesTileTheRingFromTwelveOClockAndTheFanStandsOnTheSelectedOne)
{
    for (int n : { 1, 3, 7, 12 }) {
        settle(n);
        for (int i = 0; i < n; ++i) {
            layout.selectedIndex = i;
            const RadialSegmentView wedge = layout.segment(i);
            EXPECT_EQ(wedge.app.bundleIdentifier, QStringLiteral("org.example.A%1").arg(i));
            EXPECT_NEAR(arcDegrees(wedge.iconCenter(QPointF(350, 350))), 360.0 / n * (i + 0.5), 1e-6) << n << " " << i;
            EXPECT_NEAR(layout.selectedAppAngle() * 180.0 / std::numbers::pi, 360.0 / n * (i + 0.5), 1e-6);
            EXPECT_TRUE(wedge.isSelected);
            EXPECT_FALSE(layout.segment((i + 1) % n).isSelected && n > 1);
        }
        // A selected window takes the selected look from its wedge.
        layout.selectedWindow = 0;
        EXPECT_FALSE(layout.segment(layout.selectedIndex).isSelected);
        layout.selectedWindow.reset();
    }
}

TEST_F(SwitcherLayoutTest, ASettledRingIsAtRestAndDrawsItsWedgesUnmoved)
{
    settle(4);
    EXPECT_TRUE(layout.isAtRest());
    EXPECT_FALSE(layout.isAnimating());
    // Settled, a wedge is copied from its layer: no scale, turn or blur.
    const SwitcherLayout::WedgeDrawn settled = layout.wedgeDrawn(2);
    EXPECT_EQ(settled, (SwitcherLayout::WedgeDrawn { 1.0, 1.0, 0.0, 0.0 }));
    EXPECT_TRUE(SwitcherLayout::wedgeTransform(settled).isIdentity());
    // The ring reaches past every wedge's outline, and never past its canvas.
    EXPECT_GT(layout.ringRadius(), layout.segment(0).adjustedOuterRadius());
    EXPECT_LE(layout.ringRadius(), SwitcherLayout::ringReach());

    // A wedge still arriving: not at rest, and drawn fainter and moved.
    layout.wedges[2]->presence.setValue(0.4);
    layout.wedges[2]->presence.animateTo(1.0, RingMotion::segmentVisibility(2, true, false));
    EXPECT_FALSE(layout.isAtRest());
    EXPECT_TRUE(layout.isAnimating());
    const SwitcherLayout::WedgeDrawn arriving = layout.wedgeDrawn(2);
    EXPECT_LT(arriving.opacity, 1.0);
    EXPECT_GT(arriving.opacity, 0.0);
    EXPECT_FALSE(SwitcherLayout::wedgeTransform(arriving).isIdentity());
    // A hidden ring is never at rest (the rest layer is for a shown one).
    layout.wedges[2]->presence.setValue(1.0);
    ASSERT_TRUE(layout.isAtRest());
    layout.visible = false;
    EXPECT_FALSE(layout.isAtRest());
}

TEST_F(SwitcherLayoutTest, AFrameRepaintsOnlyAboutWhatMoved)
{
    settle(4);
    SwitcherRepaint repaint(layout);
    // Before the first frame: the disc the ring can ever reach, not the corners.
    const QRegion first = repaint.movingArea(viewport);
    EXPECT_TRUE(first.contains(QPoint(350, 350)));
    EXPECT_FALSE(first.contains(QPoint(5, 5)));
    repaint.painted(viewport, viewport.rect(), repaint.pose(viewport));
    EXPECT_TRUE(repaint.changedArea(viewport).isEmpty());

    // Wedge 1 (3 o'clock) settling repaints about it, not the wedge opposite.
    layout.wedges[1]->presence.setValue(0.97);
    const QRegion moved = repaint.changedArea(viewport);
    EXPECT_TRUE(moved.contains(QPoint(350 + 124, 350)));
    EXPECT_FALSE(moved.contains(QPoint(350 - 124, 350)));
    // A frame that covered less leaves the rest to the next one.
    repaint.painted(viewport, QRegion(QRect(0, 0, 10, 10)), repaint.pose(viewport));
    EXPECT_EQ(repaint.changedArea(viewport), moved);
    repaint.painted(viewport, moved, repaint.pose(viewport));
    EXPECT_TRUE(repaint.changedArea(viewport).isEmpty());

    // A selection settling repaints the wedges whose look changes, not the ring.
    layout.wedges[0]->selection.setValue(0.9);
    layout.wedges[1]->selection.setValue(0.1);
    const QRegion settling = repaint.changedArea(viewport);
    EXPECT_TRUE(settling.contains(QPoint(350 + 124, 350)));
    EXPECT_FALSE(settling.contains(QPoint(350 - 124, 350)));
    repaint.painted(viewport, settling, repaint.pose(viewport));
    EXPECT_TRUE(repaint.changedArea(viewport).isEmpty());
    // A wedge passing half way is drawn above or below the others: all that moves.
    layout.wedges[0]->selection.setValue(0.4);
    EXPECT_TRUE(repaint.changedArea(viewport).contains(QPoint(350 - 124, 350)));
    layout.wedges[0]->selection.setValue(1.0);
    layout.wedges[1]->selection.setValue(0.0);

    // Window cards reach beyond the ring: their places are repainted too,
    // the square's far corners still not.
    for (int j = 0; j < 3; ++j)
        layout.fan->cards.push_back(std::make_unique<SwitcherLayout::CardState>());
    const QRegion withCards = repaint.changedArea(viewport);
    EXPECT_TRUE((moved - withCards).isEmpty());
    EXPECT_FALSE(withCards.contains(QPoint(5, 5)));
    EXPECT_FALSE(withCards.contains(QPoint(695, 695)));
    // The frame after the cards are gone still clears where they were.
    repaint.painted(viewport, repaint.changedArea(viewport), repaint.pose(viewport));
    const QRegion cards = repaint.drawableArea(viewport) - repaint.reachArea(viewport);
    ASSERT_FALSE(cards.isEmpty());
    layout.fan->cards.clear();
    ++layout.revision;
    EXPECT_TRUE((cards - repaint.changedArea(viewport)).isEmpty());
}

TEST_F(SwitcherLayoutTest, APaintedFrameStaysInsideTheAreaItsRepaintClaims)
{
    settle(5);
    SwitcherPainter painter(layout);
    SwitcherRepaint repaint(layout);
    const auto outside = [&] {
        QImage image(700, 700, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            painter.paintRing(p, viewport.size, 1.0);
        }
        const QRegion reach = repaint.drawableArea(viewport);
        int drawn = 0, stray = 0;
        for (int y = 0; y < image.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(line[x]) == 0)
                    continue;
                ++drawn;
                stray += reach.contains(QPoint(x, y)) ? 0 : 1;
            }
        }
        return std::pair(drawn, stray);
    };
    // Settled, twice (the second frame comes from the rest layer), and while opening blurred.
    for (int frame = 0; frame < 2; ++frame) {
        const auto [drawn, stray] = outside();
        EXPECT_GT(drawn, 0);
        EXPECT_EQ(stray, 0) << "frame " << frame;
    }
    layout.ring.setValue(0.3);
    layout.band.setRadii(RingMotion::bandInnerRadius(false, false), RingMotion::bandOuterRadius(false, false));
    for (auto& w : layout.wedges)
        w->presence.setValue(0.3);
    ASSERT_GT(layout.blur(), 0.0);
    const auto [drawn, stray] = outside();
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(stray, 0);

    // With window cards, settled and blurred: they draw beyond the ring's
    // disc, but only where the repaint claims.
    layout.selectedIndex = 1;
    for (int j = 0; j < 4; ++j) {
        auto card = std::make_unique<SwitcherLayout::CardState>();
        card->window.title = QStringLiteral("A window with a long title %1").arg(j);
        card->selection.setValue(j == 1 ? 1.0 : 0.0);
        layout.fan->cards.push_back(std::move(card));
    }
    layout.fanAngle.setValue(layout.selectedAppAngle());
    for (const double ring : { 0.3, 1.0 }) {
        layout.ring.setValue(ring);
        layout.band.setRadii(
            RingMotion::bandInnerRadius(ring >= 1.0, false), RingMotion::bandOuterRadius(ring >= 1.0, false));
        for (auto& w : layout.wedges)
            w->presence.setValue(ring);
        ++layout.revision;
        const auto [withCards, strayCards] = outside();
        EXPECT_GT(withCards, drawn);
        EXPECT_EQ(strayCards, 0) << "ring " << ring;
    }
    layout.fan->cards.clear();

    // Hidden and still, nothing is drawn.
    layout.visible = false;
    layout.ring.setValue(0.0);
    EXPECT_EQ(outside().first, 0);
}
