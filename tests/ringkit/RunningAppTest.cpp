// The stand-in tiles of applications without an icon: a person tells the
// applications apart by them, so no two shown together may look alike.

#include <gtest/gtest.h>

#include <QImage>

#include "ringkit/RunningApp.h"

TEST(RunningAppTest, TileLettersComeFromTheWordsOfTheName)
{
    EXPECT_EQ(RunningApp::tileFor(QStringLiteral("XClock")).letters, QStringLiteral("XC"));
    EXPECT_EQ(RunningApp::tileFor(QStringLiteral("XLogo")).letters, QStringLiteral("XL"));
    EXPECT_EQ(RunningApp::tileFor(QStringLiteral("XEyes")).letters, QStringLiteral("XE"));
    EXPECT_EQ(RunningApp::tileFor(QStringLiteral("xterm")).letters, QStringLiteral("Xt"));
    EXPECT_EQ(RunningApp::tileFor(QStringLiteral("  image viewer ")).letters, QStringLiteral("IV"));
    EXPECT_EQ(RunningApp::tileFor(QStringLiteral("gnome-calculator")).letters, QStringLiteral("GC"));
    EXPECT_EQ(RunningApp::tileFor(QStringLiteral("HTMLEditor")).letters, QStringLiteral("HE"));
    EXPECT_EQ(RunningApp::tileFor(QStringLiteral("Ω")).letters, QStringLiteral("Ω"));
    EXPECT_TRUE(RunningApp::tileFor(QStringLiteral("--")).letters.isEmpty());
    // The colour comes from the whole name, not only from its letters.
    EXPECT_NE(RunningApp::tileFor(QStringLiteral("XClock")).hue, RunningApp::tileFor(QStringLiteral("XCalc")).hue);
    EXPECT_EQ(RunningApp::tileFor(QStringLiteral("XClock")), RunningApp::tileFor(QStringLiteral("XClock")));
}

TEST(RunningAppTest, NoTwoTilesOfOneRingLookAlike)
{
    // Names that share their letters; some would share a colour too.
    QStringList names { QStringLiteral("XClock"), QStringLiteral("XLogo"), QStringLiteral("XEyes"),
        QStringLiteral("xterm") };
    for (int i = 0; i < 8; ++i)
        names << QStringLiteral("Sample Tool %1").arg(i); // all "ST"
    const QList<QImage> tiles = RunningApp::placeholderIcons(names, 64);
    ASSERT_EQ(tiles.size(), names.size());
    for (qsizetype i = 0; i < tiles.size(); ++i) {
        EXPECT_EQ(tiles[i].size(), QSize(128, 128));
        for (qsizetype j = i + 1; j < tiles.size(); ++j) {
            // Compare the tiles' colours where no letter is drawn (a corner
            // of the tile inside its rounding).
            const QColor a = tiles[i].pixelColor(24, 24), b = tiles[j].pixelColor(24, 24);
            const bool sameLetters = RunningApp::tileFor(names[i]).letters == RunningApp::tileFor(names[j]).letters;
            const int apart = std::abs(a.hsvHue() - b.hsvHue()) % 360;
            EXPECT_TRUE(!sameLetters || std::min(apart, 360 - apart) >= 30)
                << names[i].toStdString() << " and " << names[j].toStdString() << " look alike";
            EXPECT_NE(tiles[i], tiles[j]);
        }
    }
    // Alone, an application keeps the tile it has everywhere.
    EXPECT_EQ(RunningApp::placeholderIcons({ QStringLiteral("XClock") }, 64).first(),
        RunningApp::placeholderIcon(QStringLiteral("XClock"), 64));
}
