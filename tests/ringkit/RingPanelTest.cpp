#include "ringkit/RingPanel.h"

#include "support/TestSupport.h"

#include <QExposeEvent>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {
// A ring's content reduced to a disc whose size a motion moves; it draws
// its frames into whatever painter it is given.
class DiscContent : public QWidget, public RingFrameContent {
public:
    double radius = 60.0;
    int qtPaints = 0;
    QRegion lastQtPaint;

    void paintFrame(QPainter& painter, const QRegion&) override
    {
        painter.setRenderHint(QPainter::Antialiasing);
        QRadialGradient fill(QPointF(width() / 2.0, height() / 2.0), radius);
        fill.setColorAt(0.0, QColor(250, 200, 40, 230));
        fill.setColorAt(1.0, QColor(30, 60, 200, 160));
        painter.setBrush(fill);
        painter.setPen(QPen(QColor(0, 0, 0, 120), 2.0));
        painter.drawEllipse(QPointF(width() / 2.0, height() / 2.0), radius, radius);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++qtPaints;
        lastQtPaint = event->region();
        QPainter painter(this);
        paintFrame(painter, event->region());
    }
};

// Largest difference of any channel between `frame` and `expected` within `area`.
int worstDifferenceIn(const QImage& frame, const QImage& expected, const QRegion& area)
{
    int worst = 0;
    for (const QRect& r : area) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const QRgb a = frame.pixel(x, y), b = expected.pixel(x, y);
                worst = std::max({ worst, std::abs(qAlpha(a) - qAlpha(b)), std::abs(qRed(a) - qRed(b)),
                    std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)) });
            }
        }
    }
    return worst;
}

struct PanelFixture : ::testing::Test {
    TestSupport::SimEnvironment env;
    SimPanelHints& hints = env.sim().panelHints();
    PanelFixture()
    {
        env.sim().screens().addScreen(QRectF(0, 0, 800, 600));
        hints.windowSystem = true;
        hints.compositor = true;
    }
    // A panel over the frame 100..400 with a 240-point compact window,
    // shown, its first frame painted by Qt.
    std::unique_ptr<RingPanel> showPanel(DiscContent*& content)
    {
        auto panel = std::make_unique<RingPanel>(env.sim().screens(), hints);
        content = new DiscContent;
        panel->setContent(content);
        panel->setCompactSide(240.0);
        panel->setFrameYUp(QRectF(100, 200, 300, 300));
        panel->orderFront();
        if (QTest::qWaitForWindowExposed(panel.get()))
            panel->repaint();
        env.scheduler().runPending();
        // A frame asked for right after the exposure waits for the next
        // refresh: the motion's frames come later.
        env.scheduler().advance(0.1);
        return panel;
    }
    // The panel as Qt paints it.
    static QImage painted(RingPanel& panel)
    {
        QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        panel.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }
};
} // namespace

TEST_F(PanelFixture, TheFramesOfAMotionArePutStraightOntoTheWindowAsQtWouldPaintThem)
{
    hints.straightFrames = true;
    DiscContent* content = nullptr;
    const auto panel = showPanel(content);
    const quint32 window = quint32(panel->winId());
    const int qtPaints = content->qtPaints;
    ASSERT_GT(qtPaints, 0) << "the showing's first frame is Qt's";
    EXPECT_TRUE(hints.puts.isEmpty());

    // Two areas asked for in one turn of the event loop make one frame.
    content->radius = 90.0;
    const QPoint at = content->pos();
    const QRegion top(QRect(60, 40, 180, 90)), bottom(QRect(60, 170, 180, 90));
    RingPanel::updateContent(content, top);
    RingPanel::updateContent(content, bottom);
    EXPECT_TRUE(hints.puts.isEmpty()) << "drawn at the end of the turn";
    env.scheduler().runPending();
    ASSERT_EQ(hints.puts.size(), 1);
    const QRegion put = (top | bottom).translated(at) & panel->rect();
    EXPECT_EQ(hints.puts.first(), put);
    EXPECT_EQ(content->qtPaints, qtPaints) << "Qt painted nothing";
    ASSERT_TRUE(hints.frames.contains(window));
    EXPECT_LE(worstDifferenceIn(hints.frames.value(window), painted(*panel), put), 1);

    // Exposed, the window is repainted by Qt where its own buffer lacks
    // what was put straight.
    QExposeEvent expose(QRegion(panel->rect()));
    QCoreApplication::sendEvent(panel->windowHandle(), &expose);
    QCoreApplication::processEvents();
    EXPECT_GT(content->qtPaints, qtPaints);
    EXPECT_TRUE((put.translated(-at) - content->lastQtPaint).isEmpty());

    // Hidden, the frame's memory goes once no showing follows for a while.
    panel->orderOut();
    env.scheduler().advance(1.0);
    EXPECT_TRUE(hints.frames.contains(window));
    env.scheduler().advance(1.5);
    EXPECT_FALSE(hints.frames.contains(window));
}

TEST_F(PanelFixture, WhereTheWindowSystemTakesNoFramesStraightQtPaintsThem)
{
    hints.straightFrames = false;
    DiscContent* content = nullptr;
    const auto panel = showPanel(content);
    const int qtPaints = content->qtPaints;
    content->radius = 90.0;
    RingPanel::updateContent(content, QRegion(QRect(60, 40, 180, 180)));
    env.scheduler().runPending();
    QCoreApplication::processEvents();
    EXPECT_TRUE(hints.puts.isEmpty());
    EXPECT_GT(content->qtPaints, qtPaints);
}
