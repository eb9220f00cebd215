// Renders the switcher ring (4 and 9 applications, the selected one with three
// windows fanned out, light and dark, device-pixel ratios 1 and 2) into PNG
// files under the build folder (switcher-gallery/), and probes their pixels.

#include "SwitcherFixture.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "platform/Appearance.h"
#include "platform/DisplayPreferences.h"
#include "platform/sim/SimAppearance.h"
#include "platform/sim/SimDisplayPreferences.h"
#include "switcher/CircularSwitcherView.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "switcher/CircularSwitcherWindow.h"

namespace {
QString galleryDir()
{
    const QString dir = QStringLiteral(KELVARO_BINARY_DIR) + QStringLiteral("/switcher-gallery");
    QDir().mkpath(dir);
    return dir;
}

// An application icon: a rounded square with a gradient and a glyph.
QIcon appIcon(int i)
{
    QImage img(256, 256, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int hue = (i * 47 + 200) % 360;
    QLinearGradient g(0, 0, 0, 256);
    g.setColorAt(0, QColor::fromHsv(hue, 120, 255));
    g.setColorAt(1, QColor::fromHsv((hue + 25) % 360, 230, 200));
    QPainterPath square;
    square.addRoundedRect(QRectF(16, 16, 224, 224), 52, 52);
    p.fillPath(square, g);
    p.setPen(QPen(QColor(255, 255, 255, 230), 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (i % 4) {
    case 0:
        p.drawEllipse(QPointF(128, 128), 58, 58);
        break;
    case 1:
        p.drawRoundedRect(QRectF(70, 80, 116, 96), 14, 14);
        break;
    case 2:
        p.drawPolyline(QPolygonF({ QPointF(70, 170), QPointF(110, 100), QPointF(146, 150), QPointF(186, 86) }));
        break;
    default:
        p.drawLine(QPointF(128, 70), QPointF(128, 186));
        p.drawLine(QPointF(70, 128), QPointF(186, 128));
        break;
    }
    p.end();
    return QIcon(QPixmap::fromImage(img));
}

QImage backdrop(double dpr, bool dark)
{
    QImage img(int(700 * dpr), int(700 * dpr), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    QPainter p(&img);
    QLinearGradient g(0, 0, 700, 700);
    g.setColorAt(0, dark ? QColor(28, 32, 48) : QColor(214, 226, 240));
    g.setColorAt(1, dark ? QColor(58, 36, 60) : QColor(236, 214, 222));
    p.fillRect(QRectF(0, 0, 700, 700), g);
    return img;
}

QColor at(const QImage& img, QPointF p)
{
    const double dpr = img.devicePixelRatio();
    return img.pixelColor(int(p.x() * dpr), int(p.y() * dpr));
}

// A stage point at `radius` from the centre, arc angle in degrees from 12 o'clock.
QPointF polar(double radius, double arcDegrees)
{
    const double a = arcDegrees * M_PI / 180.0;
    return { 350 + radius * std::sin(a), 350 - radius * std::cos(a) };
}
}

struct GalleryCase {
    int apps;
    bool dark;
    double dpr;
};

class SwitcherGalleryTest : public SwitcherFixture, public ::testing::WithParamInterface<GalleryCase> {
protected:
    void SetUp() override
    {
        SwitcherFixture::SetUp();
        appearance = &env.sim().appearance();
        appearance->dark = GetParam().dark;
        prefs = &env.sim().displayPreferences();
        screens->pointerLocation = QPointF(720, 450);
        static const char* names[]
            = { "Mail", "Editor", "Browser", "Terminal", "Notes", "Music", "Photos", "Calendar", "Maps" };
        for (int i = 0; i < GetParam().apps; ++i)
            desktop
                ->addApp(i + 1, QStringLiteral("org.example.%1").arg(QLatin1String(names[i])), QLatin1String(names[i]))
                .icon
                = appIcon(i);
        // The second application has three windows.
        desktop->addWindow(2, 201, QStringLiteral("Quarterly report — draft"));
        desktop->addWindow(2, 202, QStringLiteral("Meeting notes"));
        desktop->addWindow(2, 203, QStringLiteral("Budget 2026.sheet"));
        window = std::make_unique<CircularSwitcherWindow>(env.platform());
    }
    void TearDown() override
    {
        window.reset();
        SwitcherFixture::TearDown();
    }
    QString name(const QString& what) const
    {
        const GalleryCase c = GetParam();
        return QStringLiteral("%1-%2apps-%3%4")
            .arg(what)
            .arg(c.apps)
            .arg(c.dark ? u"dark" : u"light", c.dpr > 1 ? u"@2x" : u"");
    }
    QImage render()
    {
        QImage img = backdrop(GetParam().dpr, GetParam().dark);
        QPainter p(&img);
        window->view()->paintRing(p);
        p.end();
        return img;
    }
    double selectedArc() const { return 360.0 / GetParam().apps * 1.5; }

    SimAppearance* appearance = nullptr;
    SimDisplayPreferences* prefs = nullptr;
    std::unique_ptr<CircularSwitcherWindow> window;
};

TEST_P(SwitcherGalleryTest, RingWithTheSelectedApplicationsWindows)
{
    CircularSwitcherViewModel& model = *window->viewModel();
    window->showSwitcher(std::nullopt);
    const QImage hidden = render();
    env.scheduler().runPending();
    env.scheduler().advance(0.06);
    const QImage opening = render();
    ASSERT_TRUE(opening.save(galleryDir() + u'/' + name(QStringLiteral("opening")) + QStringLiteral(".png")));
    env.scheduler().advance(2.0);

    // The pointer onto the second application's wedge: its windows fan out.
    const double a = selectedArc() * M_PI / 180.0;
    model.updatePointer(model.ringCenter() + QPointF(130 * std::sin(a), 130 * std::cos(a)));
    env.scheduler().advance(2.0);
    ASSERT_EQ(model.selectedIndex(), 1);
    ASSERT_EQ(model.windows().size(), 3);
    const QImage ring = render();
    ASSERT_TRUE(ring.save(galleryDir() + u'/' + name(QStringLiteral("ring")) + QStringLiteral(".png")));

    // Then onto the middle card.
    model.updatePointer(model.ringCenter() + QPointF(265 * std::sin(a), 265 * std::cos(a)));
    env.scheduler().advance(2.0);
    ASSERT_EQ(model.selectedWindowIndex(), 1);
    const QImage card = render();
    ASSERT_TRUE(card.save(galleryDir() + u'/' + name(QStringLiteral("card")) + QStringLiteral(".png")));

    const QImage bare = backdrop(GetParam().dpr, GetParam().dark);
    const auto changed = [&](const QImage& img, QPointF p) {
        const QColor x = at(img, p), y = at(bare, p);
        return std::abs(x.red() - y.red()) + std::abs(x.green() - y.green()) + std::abs(x.blue() - y.blue());
    };
    // Hidden: nothing drawn.
    EXPECT_EQ(changed(hidden, polar(124, selectedArc())), 0);
    // The centre shows the icon; the band's glass shows beyond the wedges' outer edge.
    EXPECT_GT(changed(ring, polar(0, 0)), 30);
    EXPECT_GT(changed(ring, polar(187, selectedArc() + 180)), 2);
    EXPECT_EQ(changed(ring, polar(193, selectedArc() + 180)), 0);
    // The selected wedge is blue; a plain wedge is not (probed beside the icons).
    const QColor sel = at(ring, polar(176, selectedArc()));
    const QColor plain = at(ring, polar(176, selectedArc() + 360.0 / GetParam().apps));
    EXPECT_GT(sel.blue() - sel.red(), plain.blue() - plain.red() + 15);
    // The cards lie beyond the band along the selected wedge; nothing beyond them.
    EXPECT_GT(changed(ring, polar(250, selectedArc())), 10);
    EXPECT_EQ(changed(ring, polar(345, selectedArc())), 0);
    EXPECT_EQ(changed(ring, polar(250, selectedArc() + 180)), 0);
    // On a card, no wedge looks selected any more.
    const QColor after = at(card, polar(176, selectedArc()));
    EXPECT_LT(after.blue() - after.red(), sel.blue() - sel.red());
}

INSTANTIATE_TEST_SUITE_P(Switcher, SwitcherGalleryTest,
    ::testing::Values(GalleryCase { 4, false, 1.0 }, GalleryCase { 4, true, 1.0 }, GalleryCase { 4, false, 2.0 },
        GalleryCase { 4, true, 2.0 }, GalleryCase { 9, false, 1.0 }, GalleryCase { 9, true, 1.0 },
        GalleryCase { 9, false, 2.0 }, GalleryCase { 9, true, 2.0 }),
    [](const auto& info) {
        return std::to_string(info.param.apps) + (info.param.dark ? "Dark" : "Light")
            + (info.param.dpr > 1 ? "Dpr2" : "Dpr1");
    });
