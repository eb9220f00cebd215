#include "LoopbackServer.h"
#include "support/TestSupport.h"

#include "core/AppSettings.h"
#include "services/BuildConfig.h"
#include "services/UpdateChecker.h"
#include "services/UpdateNoticeView.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {
using Outcome = UpdateChecker::Outcome;

class UpdateNoticeViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildConfig::resetOverrides();
        BuildConfig::setVersion(QStringLiteral("1.0.0"));
        BuildConfig::setBuildNumber(QStringLiteral("50"));
        BuildConfig::setSystemVersion(QStringLiteral("12"));
        BuildConfig::setUpdateFeedUrl(server.url());
    }
    void TearDown() override { BuildConfig::resetOverrides(); }
    // Puts the checker into `o` the way the application does: through a check.
    void reach(const Outcome& o)
    {
        LoopbackServer::Response r;
        bool manual = true;
        switch (o.kind) {
        case Outcome::Available:
            r.body = o.manifest.encode();
            break;
        case Outcome::Failed:
            r.status = 500;
            break;
        case Outcome::UpToDate:
            r.body = UpdateManifest { 50, QStringLiteral("1.0.0"), QStringLiteral("https://h/"), std::nullopt,
                std::nullopt }
                         .encode();
            break;
        case Outcome::Idle:
            r.status = 500;
            manual = false;
            break;
        case Outcome::Checking:
            r.never = true;
            break;
        }
        server.respondWith(r);
        const int before = int(server.requests().size());
        bool done = false;
        checker.check(manual, [&] { done = true; });
        if (o.kind == Outcome::Checking) {
            ASSERT_TRUE(server.waitForRequests(before + 1));
        } else {
            ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 5000));
        }
        ASSERT_EQ(checker.outcome().kind, o.kind);
    }
    static UpdateManifest manifest(std::optional<QString> notes)
    {
        return { 60, QStringLiteral("2.0"), QStringLiteral("https://kelvaro.example/download"), notes, std::nullopt };
    }
    void savePng(UpdateNoticeView& view, const char* name)
    {
        const QString dir = QStringLiteral(KELVARO_BINARY_DIR) + QStringLiteral("/update-notice");
        QDir().mkpath(dir);
        view.show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(view.grab().save(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")));
    }

    TestSupport::SimEnvironment sim;
    LoopbackServer server;
    UpdateChecker checker { sim.defaults() };
    const QList<QUrl>& opened = sim.sim().linkOpener().opened;
    int closes = 0;
};
}

TEST_F(UpdateNoticeViewTest, EveryOutcomeHasItsSymbolTextsAndButtonsAtAFixedSize)
{
    UpdateNoticeView view(checker, [this] { ++closes; });
    const QString longNotes = QStringLiteral("<b>Not bold</b> & <a href='x'>no link</a>\n")
        + QStringLiteral("A line of release notes.\n").repeated(40);
    struct Row {
        const char* png;
        Outcome outcome;
        const char* symbol;
        QString headline;
        QString detail; // empty: hidden
        bool notes;
    };
    const Row rows[] = {
        { "idle", Outcome::idle(), "checkmark.circle", QStringLiteral("You're up to date"), {}, false },
        { "checking", Outcome::checking(), "arrow.triangle.2.circlepath", QStringLiteral("Checking for updates\u2026"),
            {}, false },
        { "up-to-date", Outcome::upToDate(), "checkmark.circle", QStringLiteral("You're up to date"),
            QStringLiteral("Kelvaro 1.0.0 is the latest version."), false },
        { "failed", Outcome::failed({}), "exclamationmark.triangle", QStringLiteral("Couldn't check for updates"),
            QStringLiteral("Couldn't reach the update server."), false },
        { "available-no-notes", Outcome::available(manifest(std::nullopt)), "arrow.down.circle",
            QStringLiteral("A new version is available"), QStringLiteral("Kelvaro 2.0 is ready. You have 1.0.0."),
            false },
        { "available-empty-notes", Outcome::available(manifest(QString())), "arrow.down.circle",
            QStringLiteral("A new version is available"), QStringLiteral("Kelvaro 2.0 is ready. You have 1.0.0."),
            false },
        { "available-short-notes", Outcome::available(manifest(QStringLiteral("Faster rings.\nFewer crashes."))),
            "arrow.down.circle", QStringLiteral("A new version is available"),
            QStringLiteral("Kelvaro 2.0 is ready. You have 1.0.0."), true },
        { "available-long-notes", Outcome::available(manifest(longNotes)), "arrow.down.circle",
            QStringLiteral("A new version is available"), QStringLiteral("Kelvaro 2.0 is ready. You have 1.0.0."),
            true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.png);
        reach(row.outcome);
        ASSERT_NO_FATAL_FAILURE();
        savePng(view, row.png);
        EXPECT_EQ(view.size(), QSize(440, 280));
        EXPECT_EQ(view.symbolName(), QLatin1String(row.symbol));
        EXPECT_EQ(view.headlineLabel()->text(), row.headline);
        EXPECT_EQ(view.detailLabel()->isVisible(), !row.detail.isEmpty());
        if (!row.detail.isEmpty()) {
            EXPECT_EQ(view.detailLabel()->text(), row.detail);
        }
        EXPECT_EQ(view.notesArea()->isVisible(), row.notes);
        EXPECT_LE(view.notesArea()->height(), 84);
        const bool available = row.outcome.kind == Outcome::Available;
        EXPECT_EQ(view.downloadButton()->isVisible(), available);
        EXPECT_EQ(view.laterButton()->isVisible(), available);
        EXPECT_EQ(view.skipButton()->isVisible(), available);
        EXPECT_EQ(view.okButton()->isVisible(), !available);
        EXPECT_EQ(view.okButton()->isEnabled(), row.outcome.kind != Outcome::Checking);
        // Everything fits inside the window.
        for (QWidget* w : { static_cast<QWidget*>(view.headlineLabel()), static_cast<QWidget*>(view.okButton()),
                 static_cast<QWidget*>(view.downloadButton()) })
            if (w->isVisible()) {
                EXPECT_TRUE(view.rect().contains(QRect(w->mapTo(&view, QPoint(0, 0)), w->size())));
            }
    }
    // The last row: feed texts are plain text, verbatim.
    EXPECT_EQ(view.notesLabel()->textFormat(), Qt::PlainText);
    EXPECT_EQ(view.notesLabel()->text(), longNotes);
    EXPECT_EQ(view.notesArea()->height(), 84);
    EXPECT_EQ(closes, 0);
}

TEST_F(UpdateNoticeViewTest, FeedTextsAreNeverRichText)
{
    UpdateManifest m = manifest(QStringLiteral("<img src='file:///etc/passwd'>"));
    m.version = QStringLiteral("<b>9</b>");
    reach(Outcome::available(m));
    UpdateNoticeView view(checker, {});
    savePng(view, "available-markup");
    EXPECT_EQ(view.detailLabel()->textFormat(), Qt::PlainText);
    EXPECT_EQ(view.headlineLabel()->textFormat(), Qt::PlainText);
    EXPECT_EQ(view.detailLabel()->text(), QStringLiteral("Kelvaro <b>9</b> is ready. You have 1.0.0."));
    EXPECT_EQ(view.notesLabel()->text(), QStringLiteral("<img src='file:///etc/passwd'>"));
}

TEST_F(UpdateNoticeViewTest, FollowsAManualCheckLiveWithoutReopening)
{
    reach(Outcome::upToDate());
    UpdateNoticeView view(checker, [this] { ++closes; });
    view.show();
    EXPECT_EQ(view.headlineLabel()->text(), QStringLiteral("You're up to date"));

    LoopbackServer::Response r;
    r.body = manifest(std::nullopt).encode();
    r.hold = true;
    server.respondWith(r);
    bool done = false;
    checker.check(true, [&] { done = true; });
    EXPECT_EQ(view.headlineLabel()->text(), QStringLiteral("Checking for updates\u2026"));
    EXPECT_FALSE(view.okButton()->isEnabled());
    QTest::keyClick(&view, Qt::Key_Return); // OK is disabled while checking
    EXPECT_EQ(closes, 0);
    ASSERT_TRUE(server.waitForRequests(2));
    server.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 5000));
    EXPECT_EQ(view.headlineLabel()->text(), QStringLiteral("A new version is available"));
    EXPECT_TRUE(view.downloadButton()->isVisible());
}

TEST_F(UpdateNoticeViewTest, ButtonsActOnTheCheckerThenClose)
{
    UpdateNoticeView view(checker, [this] { ++closes; });
    view.show();

    reach(Outcome::available(manifest(std::nullopt)));
    view.laterButton()->click();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(checker.outcome().kind, Outcome::Available);
    EXPECT_TRUE(opened.isEmpty());

    view.downloadButton()->setFocus(); // Return presses Download wherever the focus is
    view.laterButton()->setFocus();
    QTest::keyClick(view.laterButton(), Qt::Key_Return);
    EXPECT_EQ(closes, 2);
    EXPECT_EQ(opened, (QList<QUrl> { QUrl(QStringLiteral("https://kelvaro.example/download")) }));
    EXPECT_EQ(checker.outcome().kind, Outcome::Available);

    QTest::mouseClick(view.skipButton(), Qt::LeftButton);
    EXPECT_EQ(closes, 3);
    EXPECT_EQ(checker.outcome(), Outcome::idle());
    EXPECT_EQ(sim.defaults().value(QStringLiteral("updateSkippedBuild")), QVariant(qint64(60)));
    EXPECT_TRUE(view.okButton()->isVisible());

    QTest::keyClick(&view, Qt::Key_Enter);
    EXPECT_EQ(closes, 4);
    view.okButton()->click();
    EXPECT_EQ(closes, 5);
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(UpdateNoticeViewTest, TextsFollowTheInterfaceLanguageAndFailuresAreLocalizedWhereShown)
{
    if (QDir(QStringLiteral(":/i18n")).entryList({ QStringLiteral("kelvaro_*.qm") }).size() != 17)
        GTEST_SKIP() << "the compiled translations are not embedded under :/i18n";
    reach(Outcome::failed({}));
    UpdateNoticeView view(checker, {});
    EXPECT_EQ(view.detailLabel()->text(), QStringLiteral("Couldn't reach the update server."));

    AppSettings::shared().setLanguage(AppLanguage::german);
    EXPECT_EQ(view.headlineLabel()->text(), QStringLiteral("Suche nach Updates fehlgeschlagen"));
    EXPECT_EQ(view.detailLabel()->text(), QStringLiteral("Der Update-Server ist nicht erreichbar."));
    EXPECT_EQ(view.okButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(UpdateNoticeView::windowTitle(), QStringLiteral("Softwareaktualisierung"));
    reach(Outcome::upToDate());
    EXPECT_EQ(view.detailLabel()->text(), QStringLiteral("Kelvaro 1.0.0 ist die neueste Version."));
    savePng(view, "up-to-date-de");

    // The failure message travels in English and is translated where shown.
    AppSettings::shared().setLanguage(AppLanguage::japanese);
    BuildConfig::setUpdateFeedUrl(QString());
    checker.check(true);
    EXPECT_EQ(view.detailLabel()->text(), QStringLiteral("アップデートの配信元が設定されていません。"));
    savePng(view, "failed-ja");
    AppSettings::shared().setLanguage(AppLanguage::system);
}

TEST_F(UpdateNoticeViewTest, EveryFailureShowsTheOrangeWarningTriangleABuildWithoutAFeedIncluded)
{
    UpdateNoticeView view(checker, {});
    reach(Outcome::failed(QStringLiteral("Couldn't reach the update server.")));
    EXPECT_EQ(view.symbolName(), QLatin1String("exclamationmark.triangle"));
    EXPECT_EQ(view.symbolTint(), QColor(255, 149, 0));
    BuildConfig::setUpdateFeedUrl(QString());
    checker.check(true);
    ASSERT_EQ(checker.outcome(), Outcome::failed(UpdateChecker::noFeedMessage));
    EXPECT_EQ(view.symbolName(), QLatin1String("exclamationmark.triangle"));
    EXPECT_EQ(view.symbolTint(), QColor(255, 149, 0));
    EXPECT_EQ(view.detailLabel()->text(), QStringLiteral("No update feed is configured."));
}
