#include "ringkit/RingPanel.h"

#include "support/TestSupport.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {
// A ring's content reduced to its glass: a ring about its middle standing
// on the frost.
class GlassContent : public QWidget {
public:
    double inner = 40.0;
    double outer = 90.0;
    double opacity = 1.0;
    QPointF offCentre; // the ring's middle from the content's middle
    bool clipped = false; // a clip of its own: Qt's own fill draws the frost

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (clipped)
            p.setClipRect(rect());
        RingPanel::paintFrost(p, this, QPointF(width() / 2.0, height() / 2.0) + offCentre, inner, outer, opacity);
    }
};

QImage rendered(QWidget* content, QColor background = Qt::transparent)
{
    QImage image(content->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    content->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The most opaque pixel on the circle of `radius` about the image's middle.
int mostAlphaOnCircle(const QImage& image, double radius)
{
    int most = 0;
    for (int i = 0; i < 720; ++i) {
        const double a = i * std::numbers::pi / 360.0;
        const int x = int(std::lround(image.width() / 2.0 + radius * std::cos(a)));
        const int y = int(std::lround(image.height() / 2.0 + radius * std::sin(a)));
        if (image.rect().contains(x, y))
            most = std::max(most, qAlpha(image.pixel(x, y)));
    }
    return most;
}

struct FrostFixture : ::testing::Test {
    TestSupport::SimEnvironment env;
    SimPanelHints& hints = env.sim().panelHints();
    // A desktop black left of x = 250 and white from it on: the middle of
    // the frame below.
    FrostFixture()
    {
        env.sim().screens().addScreen(QRectF(0, 0, 800, 600));
        hints.windowSystem = true;
        hints.compositor = true;
        hints.screen = QImage(800, 600, QImage::Format_ARGB32_Premultiplied);
        hints.screen.fill(Qt::black);
        for (int y = 0; y < 600; ++y)
            for (int x = 250; x < 800; ++x)
                hints.screen.setPixel(x, y, qRgb(255, 255, 255));
    }
    // A panel over the frame 100..400, a 240-point compact window in it and
    // its glass within 200 points, shown.
    std::unique_ptr<RingPanel> showPanel(GlassContent*& content)
    {
        auto panel = std::make_unique<RingPanel>(env.sim().screens(), hints);
        content = new GlassContent;
        panel->setContent(content);
        panel->setCompactSide(240.0);
        panel->setGlassSide(200.0);
        panel->setFrameYUp(QRectF(100, 200, 300, 300));
        panel->orderFront();
        return panel;
    }
    void paintFirstFrame(RingPanel& panel)
    {
        if (QTest::qWaitForWindowExposed(&panel))
            panel.repaint();
        env.scheduler().runPending();
    }
};
} // namespace

TEST_F(FrostFixture, UnderACompositorTheCopyIsReadBeforeMappingAndFrostsOnlyTheGlass)
{
    GlassContent* content = nullptr;
    const auto panel = showPanel(content);
    // The glass's square (and its rim) is asked for, before the first
    // frame; the live desktop shows through the window, so the copy is not
    // its background.
    EXPECT_EQ(panel->geometry(), QRect(130, 130, 240, 240));
    ASSERT_EQ(hints.screenReads.size(), 1);
    EXPECT_EQ(hints.screenReads.first(), QRect(149, 149, 202, 202));
    EXPECT_FALSE(panel->paintsCapturedBackdrop());
    EXPECT_EQ(mostAlphaOnCircle(rendered(content), 65.0), 0) << "the first frame waits for nothing";

    paintFirstFrame(*panel);
    const QImage frame = rendered(content);
    ASSERT_EQ(frame.size(), QSize(300, 300));
    // In the glass: the copy, blurred and in its place (the desktop's edge
    // runs through the middle of the frame).
    const QRgb left = frame.pixel(150 - 80, 150), right = frame.pixel(150 + 80, 150),
               middle = frame.pixel(150, 150 - 65);
    EXPECT_EQ(qAlpha(left), 255);
    EXPECT_LT(qGray(left), 40);
    EXPECT_GT(qGray(right), 215);
    EXPECT_GT(qGray(middle), 80);
    EXPECT_LT(qGray(middle), 175);
    // Nowhere else: neither in the hole nor beyond the rim.
    EXPECT_EQ(mostAlphaOnCircle(frame, 38.0), 0);
    EXPECT_EQ(mostAlphaOnCircle(frame, 92.0), 0);
    EXPECT_EQ(qAlpha(frame.pixel(150, 150)), 0);

    // A ring reaching beyond the copy frosts only what the copy holds; the
    // brush's image is never repeated beyond it.
    content->outer = 140.0;
    const QImage wide = rendered(content);
    EXPECT_EQ(qAlpha(wide.pixel(150 - 120, 150)), 0);
    EXPECT_EQ(qAlpha(wide.pixel(150 + 120, 150)), 0);
    EXPECT_EQ(qAlpha(wide.pixel(150 + 95, 150)), 255);

    // Hidden, the frost goes with the showing.
    panel->orderOut();
    EXPECT_EQ(mostAlphaOnCircle(rendered(content), 65.0), 0);
}

TEST_F(FrostFixture, NothingIsReadForOpaqueGlassOrWithoutAWindowSystem)
{
    env.sim().displayPreferences().setReduceTransparency(true);
    GlassContent* content = nullptr;
    auto panel = showPanel(content);
    paintFirstFrame(*panel);
    EXPECT_TRUE(hints.screenReads.isEmpty());
    EXPECT_EQ(mostAlphaOnCircle(rendered(content), 65.0), 0);
    panel->orderOut();

    env.sim().displayPreferences().setReduceTransparency(false);
    hints.windowSystem = false;
    panel->orderFront();
    paintFirstFrame(*panel);
    EXPECT_TRUE(hints.screenReads.isEmpty());
    EXPECT_EQ(mostAlphaOnCircle(rendered(content), 65.0), 0);
}

TEST_F(FrostFixture, APanelWhoseReadAnotherDroppedFrostsWithNothingRatherThanTheOthersPicture)
{
    GlassContent* first = nullptr;
    GlassContent* second = nullptr;
    const auto early = showPanel(first);
    // A second ring elsewhere asks before the first has taken its picture.
    const auto late = std::make_unique<RingPanel>(env.sim().screens(), hints);
    second = new GlassContent;
    late->setContent(second);
    late->setFrameYUp(QRectF(400, 200, 300, 300));
    late->orderFront();
    ASSERT_EQ(hints.screenReads.size(), 2);

    paintFirstFrame(*early);
    paintFirstFrame(*late);
    EXPECT_EQ(mostAlphaOnCircle(rendered(first), 65.0), 0);
    // The second ring's own picture: white all over (right of x = 250).
    const QImage frame = rendered(second);
    EXPECT_EQ(qAlpha(frame.pixel(150 - 80, 150)), 255);
    EXPECT_GT(qGray(frame.pixel(150 - 80, 150)), 215);
}

TEST_F(FrostFixture, TheFrostWrittenRowByRowMatchesQtsFillOfTheRing)
{
    GlassContent* content = nullptr;
    const auto panel = showPanel(content);
    paintFirstFrame(*panel);
    // Ring middles between pixels and on them, opaque and fading in, over a
    // clear and over a coloured background (a window without a compositor
    // stands on its copy of the desktop).
    for (const QPointF off : { QPointF(0, 0), QPointF(0.5, 0.5), QPointF(-3.3, 7.71) }) {
        for (const double opacity : { 1.0, 0.4 }) {
            for (const QColor background : { QColor(Qt::transparent), QColor(30, 120, 200) }) {
                content->offCentre = off;
                content->opacity = opacity;
                content->clipped = false;
                const QImage written = rendered(content, background);
                content->clipped = true;
                const QImage filled = rendered(content, background);
                int edge = 0;
                for (int y = 0; y < written.height(); ++y) {
                    for (int x = 0; x < written.width(); ++x) {
                        const QRgb a = written.pixel(x, y), b = filled.pixel(x, y);
                        const int most = std::max({ std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                            std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b)) });
                        if (most <= 1)
                            continue;
                        // Off by more only on a circle's own pixel, where a
                        // middle exactly on it may count either way.
                        const double r = std::hypot(x + 0.5 - 150.0 - off.x(), y + 0.5 - 150.0 - off.y());
                        ASSERT_TRUE(std::abs(r - content->inner) < 1.0 || std::abs(r - content->outer) < 1.0)
                            << "at " << x << "," << y << " off " << off.x() << "," << off.y() << " opacity " << opacity;
                        ++edge;
                    }
                }
                EXPECT_LT(edge, 40) << "off " << off.x() << "," << off.y();
            }
        }
    }
}
