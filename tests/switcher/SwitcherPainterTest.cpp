// The switcher ring's frames drawn with every shortcut the painter takes
// (pieces kept from the frame before, frames that show nothing left out)
// against the same frames drawn whole: through an opening, at two ring
// sizes, light and dark, every pixel must agree.

#include "SwitcherFixture.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "platform/sim/SimAppearance.h"
#include "ringkit/CenterAppIcon.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "switcher/SwitcherLayout.h"
#include "switcher/SwitcherPainter.h"

namespace {
// Hard edges and a gradient: what resampling twice would smear.
QImage icon(int i)
{
    QImage image(128, 128, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 128, 128);
    g.setColorAt(0, QColor::fromHsv((i * 67) % 360, 200, 255));
    g.setColorAt(1, QColor::fromHsv((i * 67 + 40) % 360, 255, 120));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(8, 8, 112, 112), 26, 26);
    p.fillRect(QRectF(40, 40, 48, 12), Qt::white);
    return image;
}

// One moment of an opening: the ring's own value, the band's spring (0
// collapsed, 1 settled, past 1 overshooting) and each wedge's presence and
// icon turn, the later wedges behind the earlier.
struct Pose {
    double ring;
    double band;
    double wedge;
};

// Largest difference of any channel of any pixel.
int worstDifference(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            worst = std::max({ worst, std::abs(qAlpha(pa[x]) - qAlpha(pb[x])), std::abs(qRed(pa[x]) - qRed(pb[x])),
                std::abs(qGreen(pa[x]) - qGreen(pb[x])), std::abs(qBlue(pa[x]) - qBlue(pb[x])) });
        }
    }
    return worst;
}
bool anyDrawn(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (std::any_of(line, line + image.width(), [](QRgb px) { return px != 0; }))
            return true;
    }
    return false;
}
} // namespace

class SwitcherPainterTest : public SwitcherFixture {
protected:
    // A layout and its painter: each way of drawing keeps its own, so that
    // neither draws from what the other kept.
    struct Ring {
        explicit Ring(Platform& platform, int apps)
            : model(platform)
            , centre(platform.screens())
            , painter(layout)
        {
            layout.model = &model;
            layout.centreIcon = &centre;
            QList<RunningApp> list;
            for (int i = 0; i < apps; ++i)
                list.append(RunningApp {
                    QStringLiteral("App %1").arg(i), icon(i), QStringLiteral("org.example.A%1").arg(i), false });
            model.setRunningApps(list);
            for (const RunningApp& app : list) {
                auto w = std::make_unique<SwitcherLayout::WedgeState>();
                w->app = app;
                layout.wedges.push_back(std::move(w));
            }
            layout.visible = true;
            layout.wedges[1]->selection.setValue(1.0);
            layout.selectedIndex = 1;
        }
        void pose(const Pose& p)
        {
            layout.ring.setValue(p.ring);
            layout.band.setRadii(mix(RingMotion::bandInnerRadius(false, false), RingMotion::settledInnerRadius, p.band),
                mix(RingMotion::bandOuterRadius(false, false), RingMotion::settledOuterRadius, p.band));
            for (size_t i = 0; i < layout.wedges.size(); ++i) {
                // Each wedge a little behind the one before it, as the stagger has them.
                const double lag = 0.12 * double(i);
                const double presence = p.wedge <= 0.0 ? 0.0 : std::max(0.0, p.wedge - lag * (1.0 - p.wedge / 1.2));
                layout.wedges[i]->presence.setValue(presence);
                layout.wedges[i]->spin.setValue(std::max(0.0, presence * 1.1 - lag));
            }
        }
        QImage paint(QSize size)
        {
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter p(&image);
            painter.paintRing(p, size, 1.0);
            return image;
        }
        static double mix(double a, double b, double t) { return a + (b - a) * t; }

        CircularSwitcherViewModel model;
        TiltingCenterAppIcon centre;
        SwitcherLayout layout;
        SwitcherPainter painter;
    };
};

TEST_F(SwitcherPainterTest, AnOpeningDrawnWithItsShortcutsIsTheOpeningDrawnWhole)
{
    // Early (blurred, collapsed), mid, late (sharp, band and wedges
    // overshooting and swinging back), settled twice (the second from the
    // settled layer), then the close down to the frame where all has faded.
    const std::vector<Pose> opening = { { 0.05, 0.1, 0.05 }, { 0.3, 0.45, 0.25 }, { 0.6, 0.9, 0.6 }, { 0.9, 1.2, 0.95 },
        { 0.96, 1.3, 1.08 }, { 0.99, 1.12, 1.05 }, { 1.01, 0.97, 1.01 }, { 1.0, 1.004, 1.0 }, { 1.0, 1.0, 1.0 },
        { 1.0, 1.0, 1.0 }, { 0.5, 1.0, 0.5 }, { 0.0, 1.0, 0.0 } };
    SimAppearance& appearance = env.sim().appearance();
    for (const bool dark : { false, true }) {
        appearance.dark = dark;
        // The ring at its own size and at the panel's smaller one; few
        // wedges (each a third of the ring) and many.
        for (const auto& [side, apps] : { std::pair(700, 3), std::pair(484, 7) }) {
            Ring shortcuts(platform, apps), whole(platform, apps);
            whole.painter.setFullDrawing(true);
            for (size_t k = 0; k < opening.size(); ++k) {
                shortcuts.pose(opening[k]);
                whole.pose(opening[k]);
                if (k + 1 == opening.size()) {
                    // Faded out while the cross-fade of the centre icon still runs.
                    for (Ring* ring : { &shortcuts, &whole }) {
                        ring->layout.centreSwap.setValue(0.5);
                        ring->layout.centreSwap.animateTo(1.0, RingMotion::selection(false));
                        ASSERT_TRUE(ring->layout.isAnimating());
                    }
                }
                const QImage expected = whole.paint(QSize(side, side));
                const QImage drawn = shortcuts.paint(QSize(side, side));
                EXPECT_LE(worstDifference(drawn, expected), 2)
                    << "dark " << dark << " side " << side << " apps " << apps << " pose " << k;
                // Every pose but the faded one shows a ring.
                EXPECT_EQ(anyDrawn(expected), k + 1 < opening.size()) << k;
            }
        }
    }
}
