#include "LoopbackServer.h"
#include "support/TestSupport.h"

#include "services/BuildConfig.h"
#include "services/UpdateChecker.h"

#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {
using Outcome = UpdateChecker::Outcome;
using Response = LoopbackServer::Response;

QByteArray feed(qint64 build, const QString& url = QStringLiteral("https://kelvaro.example/download"),
    std::optional<QString> minimumSystem = std::nullopt, std::optional<QString> notes = std::nullopt)
{
    UpdateManifest m { build, QStringLiteral("2.0"), url, notes, minimumSystem };
    return m.encode();
}

Response ok(QByteArray body) { return Response { 200, std::move(body) }; }
Response held(int status, QByteArray body)
{
    Response r { status, std::move(body) };
    r.hold = true;
    return r;
}
Response never()
{
    Response r;
    r.never = true;
    return r;
}

class UpdateCheckerTest : public ::testing::Test {
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

    static void runCheck(UpdateChecker& checker, bool manual)
    {
        bool done = false;
        checker.check(manual, [&] { done = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 5000));
    }
    // Runs the throttled check; answers nullopt when it did not finish.
    static std::optional<bool> runBackground(UpdateChecker& checker)
    {
        std::optional<bool> answer;
        checker.checkInBackground([&](bool v) { answer = v; });
        (void)QTest::qWaitFor([&] { return answer.has_value(); }, 5000);
        return answer;
    }
    QString storedLastCheck()
    {
        return sim.defaults().value(QStringLiteral("updateLastCheck")).value_or(QVariant()).toString();
    }

    TestSupport::SimEnvironment sim;
    LoopbackServer server;
    const QList<QUrl>& opened = sim.sim().linkOpener().opened;
};
}

TEST(UpdateManifest, DecodesTheFeedAndRejectsWhatIsNotARecord)
{
    QString why;
    auto full = UpdateManifest::decode(R"J({"build":58,"version":"2.1","url":"https://kelvaro.example/dl",
        "notes":"Fixes","minimumSystemVersion":"12.1","extra":[1,2]})J",
        &why);
    ASSERT_TRUE(full) << why.toStdString();
    EXPECT_EQ(full->build, 58);
    EXPECT_EQ(full->version, QStringLiteral("2.1"));
    EXPECT_EQ(full->notes, QStringLiteral("Fixes"));
    EXPECT_EQ(full->minimumSystemVersion, QStringLiteral("12.1"));

    auto nulls = UpdateManifest::decode(
        R"J({"build":-1,"version":"x","url":"https://h/","notes":null,"minimumSystemVersion":null})J");
    ASSERT_TRUE(nulls);
    EXPECT_EQ(nulls->build, -1);
    EXPECT_FALSE(nulls->notes);
    EXPECT_FALSE(nulls->minimumSystemVersion);

    auto big = UpdateManifest::decode(R"J({"build":9223372036854775807,"version":"x","url":"https://h/"})J");
    ASSERT_TRUE(big);
    EXPECT_EQ(big->build, std::numeric_limits<qint64>::max());

    const char* bad[] = {
        "", "not json", "[1,2]", "58", "{\"build\":58,\"version\":\"x\",\"url\":\"https://h/\"",
        R"J({"build":"58","version":"x","url":"https://h/"})J", // build as a string
        R"J({"build":58.5,"version":"x","url":"https://h/"})J", // a fraction
        R"J({"build":9223372036854775808,"version":"x","url":"https://h/"})J",
        R"J({"build":null,"version":"x","url":"https://h/"})J",
        R"J({"build":58,"url":"https://h/"})J", // no version
        R"J({"build":58,"version":"x"})J", // no url
        R"J({"build":58,"version":2,"url":"https://h/"})J",
        R"J({"build":58,"version":"x","url":"https://h/","notes":5})J",
        R"J({"build":58,"version":"x","url":"http://h/dl"})J", // not https
        R"J({"build":58,"version":"x","url":"javascript:alert(1)"})J",
        R"J({"build":58,"version":"x","url":"file:///etc/passwd"})J",
        R"J({"build":58,"version":"x","url":"/relative/dl"})J", R"J({"build":58,"version":"x","url":"https://"})J",
        R"J({"build":58,"version":"x","url":"https://user:pass@h/dl"})J", // credentials in the link
        R"J({"build":58,"version":"x","url":"https://token@h/dl"})J",
        R"J({"build":58,"version":"x","url":"https://@h/dl"})J",
        "{\"build\":58,\"version\":\"\xff\",\"url\":\"https://h/\"}", // not UTF-8
    };
    for (const char* body : bad) {
        SCOPED_TRACE(body);
        EXPECT_FALSE(UpdateManifest::decode(QByteArray(body)));
    }
}

TEST(UpdateManifest, EncodesOptionalKeysOnlyWhenPresent)
{
    UpdateManifest m { 7, QStringLiteral("1.7"), QStringLiteral("https://h/dl"), std::nullopt, QStringLiteral("11") };
    const auto doc = nlohmann::json::parse(m.encode().toStdString());
    EXPECT_FALSE(doc.contains("notes"));
    EXPECT_EQ(doc.at("minimumSystemVersion"), "11");
    EXPECT_EQ(UpdateManifest::decode(m.encode()), m);
}

TEST_F(UpdateCheckerTest, RunningBuildAndSystemVersionAreReadLikeTheFeedExpects)
{
    const std::pair<const char*, qint64> builds[] = { { "50", 50 }, { "+5", 5 }, { "-3", -3 }, { "1.2", 0 }, { "", 0 },
        { "12a", 0 }, { " 7", 0 }, { "99999999999999999999", 0 } };
    for (const auto& [text, value] : builds) {
        BuildConfig::setBuildNumber(QString::fromLatin1(text));
        EXPECT_EQ(UpdateChecker::currentBuild(), value) << text;
    }
    BuildConfig::setVersion(QString());
    EXPECT_EQ(UpdateChecker::currentVersion(), QStringLiteral("\u2014"));

    auto with = [](const char* min) {
        UpdateManifest m;
        m.minimumSystemVersion = QString::fromLatin1(min);
        return UpdateChecker::supportsThisSystem(m);
    };
    BuildConfig::setSystemVersion(QStringLiteral("14.2"));
    EXPECT_TRUE(UpdateChecker::supportsThisSystem(UpdateManifest {}));
    EXPECT_TRUE(with(""));
    EXPECT_TRUE(with("14"));
    EXPECT_TRUE(with("14.2"));
    EXPECT_TRUE(with("14.x.1") == true); // 14.0.1
    EXPECT_FALSE(with("14.2.1"));
    EXPECT_FALSE(with("..15")); // 15.0.0
    EXPECT_TRUE(with("14.1.9.9")); // pieces after the third ignored
    EXPECT_TRUE(with("13.99"));
    BuildConfig::setSystemVersion(QString()); // no release number: not held against it
    EXPECT_TRUE(with("99"));
}

TEST_F(UpdateCheckerTest, EveryRowOfTheOutcomeTableOverHttp)
{
    QByteArray huge = feed(60);
    huge.insert(1, QByteArray("\"pad\":\"") + QByteArray(300 * 1024, 'x') + "\",");
    QByteArray noUrl = R"J({"build":60,"version":"2.0"})J";

    struct Row {
        const char* name;
        Response response;
        bool manual;
        qint64 skipped;
        Outcome expected;
    };
    const UpdateManifest newer = *UpdateManifest::decode(feed(60));
    const Outcome unreachable = Outcome::failed(UpdateChecker::unreachableMessage);
    const Row rows[] = {
        { "same build", ok(feed(50)), true, 0, Outcome::upToDate() },
        { "older build, automatic", ok(feed(-1)), false, 0, Outcome::upToDate() },
        { "newer, automatic", ok(feed(60)), false, 0, Outcome::available(newer) },
        { "newer, manual", ok(feed(60)), true, 0, Outcome::available(newer) },
        { "skipped, automatic", ok(feed(60)), false, 60, Outcome::idle() },
        { "skipped, manual", ok(feed(60)), true, 60, Outcome::available(newer) },
        { "another build skipped", ok(feed(60)), false, 59, Outcome::available(newer) },
        { "system too old, manual",
            ok(feed(60, QStringLiteral("https://kelvaro.example/download"), QStringLiteral("13"))), true, 0,
            Outcome::upToDate() },
        { "system too old, automatic",
            ok(feed(60, QStringLiteral("https://kelvaro.example/download"), QStringLiteral("12.0.1"))), false, 0,
            Outcome::upToDate() },
        { "HTTP 500, manual", Response { 500, feed(60) }, true, 0, unreachable },
        { "HTTP 500, automatic", Response { 500, feed(60) }, false, 0, Outcome::idle() },
        { "HTTP 404", Response { 404, feed(60) }, true, 0, unreachable },
        { "HTTP 304", Response { 304, {} }, true, 0, unreachable },
        { "not JSON", ok("<html>maintenance</html>"), true, 0, unreachable },
        { "build as a string", ok(R"J({"build":"60","version":"2.0","url":"https://h/"})J"), true, 0, unreachable },
        { "missing url", ok(noUrl), true, 0, unreachable },
        { "missing url, automatic", ok(noUrl), false, 0, Outcome::idle() },
        { "plain http download", ok(feed(60, QStringLiteral("http://kelvaro.example/dl"))), true, 0, unreachable },
        { "oversized, with length", ok(huge), true, 0, unreachable },
        { "oversized, without length", Response { 200, huge, "application/json", false }, true, 0, unreachable },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        sim.defaults().remove(QStringLiteral("updateLastCheck"));
        if (row.skipped)
            sim.defaults().setValue(QStringLiteral("updateSkippedBuild"), row.skipped);
        else
            sim.defaults().remove(QStringLiteral("updateSkippedBuild"));
        server.respondWith(row.response);
        UpdateChecker checker(sim.defaults());
        std::vector<Outcome::Kind> seen;
        QObject::connect(&checker, &UpdateChecker::outcomeChanged, [&] { seen.push_back(checker.outcome().kind); });
        runCheck(checker, row.manual);
        EXPECT_EQ(checker.outcome(), row.expected) << "kind " << checker.outcome().kind;
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(seen.front(), Outcome::Checking);
        // Every completed request is recorded, failures included.
        EXPECT_EQ(storedLastCheck(), sim.scheduler().wallClock().toString(Qt::ISODateWithMs));
        ASSERT_TRUE(checker.lastCheck());
        EXPECT_EQ(*checker.lastCheck(), sim.scheduler().wallClock());
        if (QByteArray(row.name).startsWith("oversized")) {
            // Refused for its size, not merely cut short into bad JSON.
            EXPECT_TRUE(sim.logLines().filter(QStringLiteral("larger than 262144 bytes")).size() == 1);
        }
        sim.clearLog();
    }
    // The feed is asked for without a cache, with a GET.
    ASSERT_FALSE(server.requests().isEmpty());
    EXPECT_EQ(server.requests().front().method, "GET");
    EXPECT_EQ(server.requests().front().path, "/appcast.json");
}

TEST_F(UpdateCheckerTest, TimeoutFailsTheCheckAfterFifteenSecondsAndIsRecorded)
{
    server.respondWith(never());
    UpdateChecker checker(sim.defaults());
    bool done = false;
    checker.check(true, [&] { done = true; });
    ASSERT_TRUE(server.waitForRequests(1));
    sim.scheduler().advance(14.9);
    QTest::qWait(20);
    EXPECT_FALSE(done);
    EXPECT_EQ(checker.outcome().kind, Outcome::Checking);
    sim.scheduler().advance(0.2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 2000));
    EXPECT_EQ(checker.outcome(), Outcome::failed(UpdateChecker::unreachableMessage));
    EXPECT_FALSE(storedLastCheck().isEmpty());
    EXPECT_TRUE(std::any_of(sim.logLines().begin(), sim.logLines().end(),
        [](const QString& l) { return l.startsWith(QLatin1String("Kelvaro: update check failed")); }));
}

TEST_F(UpdateCheckerTest, AMissingFeedAddressFailsOnlyManualChecksAndRecordsNothing)
{
    for (const QString& address : { QString(), QStringLiteral("no scheme at all"), QStringLiteral("http://") }) {
        SCOPED_TRACE(address.toStdString());
        BuildConfig::setUpdateFeedUrl(address);
        UpdateChecker checker(sim.defaults());
        bool done = false;
        checker.check(false, [&] { done = true; });
        EXPECT_TRUE(done);
        EXPECT_EQ(checker.outcome(), Outcome::idle());
        checker.check(true);
        EXPECT_EQ(checker.outcome(), Outcome::failed(UpdateChecker::noFeedMessage));
        checker.check(false);
        EXPECT_EQ(checker.outcome(), Outcome::failed(UpdateChecker::noFeedMessage)); // unchanged
        EXPECT_FALSE(checker.lastCheck());
        EXPECT_FALSE(sim.defaults().contains(QStringLiteral("updateLastCheck")));
    }
    EXPECT_TRUE(server.requests().isEmpty());
}

TEST_F(UpdateCheckerTest, OfOverlappingChecksTheOneCompletingLastDecides)
{
    // The automatic check started first, its reply (a failure) held back: it
    // completes after the manual one and so has the last word.
    server.setResponder(
        [](const LoopbackServer::Request&, int index) { return index == 0 ? held(500, {}) : ok(feed(60)); });
    UpdateChecker checker(sim.defaults());
    std::optional<bool> background;
    checker.checkInBackground([&](bool v) { background = v; });
    ASSERT_TRUE(server.waitForRequests(1));
    runCheck(checker, true);
    ASSERT_EQ(checker.outcome().kind, Outcome::Available);
    server.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return background.has_value(); }, 5000));
    EXPECT_EQ(checker.outcome(), Outcome::idle());
    EXPECT_EQ(background, false);

    // The other way round: the manual check started first finds a newer
    // build, but its reply comes after the second check's "up to date".
    server.setResponder(
        [](const LoopbackServer::Request&, int index) { return index == 2 ? held(200, feed(61)) : ok(feed(50)); });
    bool firstDone = false;
    checker.check(true, [&] { firstDone = true; });
    ASSERT_TRUE(server.waitForRequests(3));
    runCheck(checker, true);
    EXPECT_EQ(checker.outcome(), Outcome::upToDate());
    server.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return firstDone; }, 5000));
    EXPECT_EQ(checker.outcome().kind, Outcome::Available);
    EXPECT_EQ(checker.outcome().manifest.build, 61);
}

TEST_F(UpdateCheckerTest, BackgroundChecksRunAtMostDailyOnTheWallClock)
{
    server.respondWith(ok(feed(60)));
    {
        UpdateChecker checker(sim.defaults());
        EXPECT_EQ(runBackground(checker), true);
        EXPECT_EQ(server.requests().size(), 1);
        EXPECT_EQ(checker.outcome().kind, Outcome::Available);
    }
    // A second launch within the day restores the last check and stays quiet.
    sim.scheduler().shiftWallClock(3600);
    UpdateChecker checker(sim.defaults());
    ASSERT_TRUE(checker.lastCheck());
    EXPECT_EQ(runBackground(checker), false);
    EXPECT_EQ(checker.outcome(), Outcome::idle());
    EXPECT_EQ(server.requests().size(), 1);

    sim.scheduler().shiftWallClock(86400 - 3600 - 1);
    EXPECT_EQ(runBackground(checker), false);
    sim.scheduler().shiftWallClock(1);
    EXPECT_EQ(runBackground(checker), true);
    EXPECT_EQ(server.requests().size(), 2);

    // A last check stored in the future is not yet a day old: skipped,
    // until a manual check records the present.
    sim.defaults().setValue(
        QStringLiteral("updateLastCheck"), sim.scheduler().wallClock().addYears(3).toString(Qt::ISODateWithMs));
    UpdateChecker future(sim.defaults());
    EXPECT_EQ(runBackground(future), false);
    EXPECT_EQ(server.requests().size(), 2);
    runCheck(future, true);
    EXPECT_EQ(server.requests().size(), 3);
    EXPECT_EQ(runBackground(future), false);
    sim.scheduler().shiftWallClock(86400);
    EXPECT_EQ(runBackground(future), true);
    EXPECT_EQ(server.requests().size(), 4);

    // A stored value that is not a date means no last check.
    sim.defaults().setValue(QStringLiteral("updateLastCheck"), QStringLiteral("yesterday"));
    UpdateChecker garbage(sim.defaults());
    EXPECT_FALSE(garbage.lastCheck());

    // Switched off: no request and nothing touched; a manual check still works.
    garbage.setAutomaticChecks(false);
    EXPECT_EQ(sim.defaults().value(QStringLiteral("updateChecksAutomatic")), QVariant(false));
    EXPECT_EQ(runBackground(garbage), false);
    EXPECT_FALSE(garbage.lastCheck());
    EXPECT_EQ(server.requests().size(), 4);
    runCheck(garbage, true);
    EXPECT_EQ(server.requests().size(), 5);
    EXPECT_FALSE(UpdateChecker(sim.defaults()).automaticChecks());
    sim.defaults().setValue(QStringLiteral("updateChecksAutomatic"), QStringLiteral("no")); // not a Boolean
    EXPECT_TRUE(UpdateChecker(sim.defaults()).automaticChecks());
}

TEST_F(UpdateCheckerTest, LaunchCheckAndHourlyActivityCatchUpAfterSuspend)
{
    server.respondWith(ok(feed(60)));
    UpdateChecker checker(sim.defaults());
    std::vector<bool> notices;
    checker.startUpdateChecks([&](bool atLaunch) { notices.push_back(atLaunch); });
    EXPECT_TRUE(server.requests().isEmpty()); // the launch check runs on a later turn
    sim.scheduler().runPending();
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices.size() == 1; }, 5000));
    EXPECT_EQ(notices, (std::vector<bool> { true }));
    EXPECT_EQ(server.requests().size(), 1);
    notices.clear();

    sim.scheduler().advance(3600 * 5);
    QTest::qWait(20);
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(server.requests().size(), 1);

    // A suspend of three days: the monotonic timer did not move, the wall clock did.
    sim.scheduler().shiftWallClock(3 * 86400);
    sim.scheduler().advance(3600);
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices.size() == 1; }, 5000));
    EXPECT_EQ(notices, (std::vector<bool> { false }));
    EXPECT_EQ(server.requests().size(), 2);

    checker.stopUpdateChecks();
    sim.scheduler().shiftWallClock(3 * 86400);
    sim.scheduler().advance(7200);
    QTest::qWait(20);
    EXPECT_EQ(server.requests().size(), 2);
}

TEST_F(UpdateCheckerTest, SkipAndDownload)
{
    server.respondWith(ok(feed(57)));
    UpdateChecker checker(sim.defaults());
    runCheck(checker, false);
    ASSERT_EQ(checker.outcome().kind, Outcome::Available);
    const UpdateManifest m = checker.outcome().manifest;
    checker.download(m);
    EXPECT_EQ(opened, (QList<QUrl> { QUrl(QStringLiteral("https://kelvaro.example/download")) }));
    EXPECT_EQ(checker.outcome().kind, Outcome::Available);

    checker.skip(m);
    EXPECT_EQ(checker.outcome(), Outcome::idle());
    EXPECT_EQ(sim.defaults().value(QStringLiteral("updateSkippedBuild")), QVariant(qint64(57)));
    runCheck(checker, false);
    EXPECT_EQ(checker.outcome(), Outcome::idle());
    runCheck(checker, true);
    EXPECT_EQ(checker.outcome().kind, Outcome::Available);
    server.respondWith(ok(feed(58)));
    runCheck(checker, false);
    EXPECT_EQ(checker.outcome().manifest.build, 58);

    // A record that did not come through the decoder is still not opened.
    UpdateManifest forged = m;
    forged.url = QStringLiteral("file:///usr/bin/xterm");
    checker.download(forged);
    EXPECT_EQ(opened.size(), 1);

    // An address no handler takes is logged.
    sim.sim().linkOpener().handled = false;
    sim.clearLog();
    checker.download(m);
    EXPECT_EQ(opened.size(), 2);
    EXPECT_TRUE(sim.logLines().join(QLatin1Char('\n')).contains(QLatin1String("could not open")));
}
