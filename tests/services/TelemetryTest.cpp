#include "LoopbackServer.h"
#include "support/TestSupport.h"

#include "services/BuildConfig.h"
#include "services/Telemetry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class TelemetryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildConfig::resetOverrides();
        BuildConfig::setVersion(QStringLiteral("1.4.0"));
        BuildConfig::setBuildNumber(QStringLiteral("42"));
        BuildConfig::setAnalyticsKey(QStringLiteral("phc_test"));
        BuildConfig::setAnalyticsHost(server.url(QString()));
    }
    void TearDown() override
    {
        BuildConfig::resetOverrides();
        Telemetry::setAlertPresenter({});
        Telemetry::setKeyTapSuspender({});
    }
    QJsonObject body(int i) const { return QJsonDocument::fromJson(server.requests().at(i).body).object(); }
    QStringList eventsSent() const
    {
        QStringList names;
        for (const auto& r : server.requests())
            names << QJsonDocument::fromJson(r.body).object().value(QStringLiteral("event")).toString();
        return names;
    }
    // Nothing arrives: give the loop a moment to prove it.
    void expectNoMoreRequests(int count)
    {
        QTest::qWait(100);
        EXPECT_EQ(server.requests().size(), count);
    }

    TestSupport::SimEnvironment sim;
    LoopbackServer server;
    Telemetry& telemetry = Telemetry::shared();
};
}

TEST_F(TelemetryTest, SendsOneExactlyFormedEventAndKeepsTheIdentifier)
{
    telemetry.send(QStringLiteral("tabs_captured"),
        QJsonObject { { QStringLiteral("tab_count"), 12 }, { QStringLiteral("browser_count"), 2 },
            { QStringLiteral("app_version"), QStringLiteral("forged") }, { QStringLiteral("distribution"), 7 } });
    ASSERT_TRUE(server.waitForRequests(1));
    const auto& req = server.requests().at(0);
    EXPECT_EQ(req.method, "POST");
    EXPECT_EQ(req.path, "/i/v0/e/");
    EXPECT_EQ(req.headers.value("content-type"), "application/json");
    EXPECT_FALSE(req.body.contains('\n')); // no formatting

    const QJsonObject b = body(0);
    EXPECT_EQ(b.keys(), (QStringList { "api_key", "distinct_id", "event", "properties", "timestamp" }));
    EXPECT_EQ(b.value("api_key").toString(), QStringLiteral("phc_test"));
    EXPECT_EQ(b.value("event").toString(), QStringLiteral("tabs_captured"));
    EXPECT_EQ(b.value("timestamp").toString(), QStringLiteral("2026-01-01T12:00:00Z"));
    const QJsonObject p = b.value("properties").toObject();
    EXPECT_EQ(p.value("tab_count").toInt(), 12);
    EXPECT_EQ(p.value("browser_count").toInt(), 2);
    EXPECT_EQ(p.value("app_version").toString(), QStringLiteral("1.4.0"));
    EXPECT_EQ(p.value("app_build").toString(), QStringLiteral("42"));
    EXPECT_EQ(p.value("distribution").toString(), QStringLiteral("direct"));
    EXPECT_FALSE(p.value("os_version").toString().isEmpty());

    const QString id = b.value("distinct_id").toString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$"))
                    .match(id)
                    .hasMatch())
        << id.toStdString();
    EXPECT_EQ(sim.defaults().value(QStringLiteral("telemetryAnonymousID")), QVariant(id));

    sim.scheduler().shiftWallClock(61.75); // fractions of a second are not sent
    telemetry.capture(Telemetry::Event::AppLaunched);
    ASSERT_TRUE(server.waitForRequests(2));
    EXPECT_EQ(body(1).value("distinct_id").toString(), id);
    EXPECT_EQ(body(1).value("event").toString(), QStringLiteral("app_launched"));
    EXPECT_EQ(body(1).value("timestamp").toString(), QStringLiteral("2026-01-01T12:01:01Z"));
    EXPECT_EQ(body(1).value("properties").toObject().keys(),
        (QStringList { "app_build", "app_version", "distribution", "os_version" }));
}

TEST_F(TelemetryTest, NothingIsSentOrMadeWithoutAProjectKeyOrAValidHost)
{
    BuildConfig::setAnalyticsKey(QString());
    telemetry.send(QStringLiteral("app_launched"));
    telemetry.setEnabled(false);
    expectNoMoreRequests(0);
    EXPECT_FALSE(sim.defaults().contains(QStringLiteral("telemetryAnonymousID")));

    BuildConfig::setAnalyticsKey(QStringLiteral("phc_test"));
    BuildConfig::setAnalyticsHost(QStringLiteral("http://exa mple"));
    telemetry.send(QStringLiteral("app_launched"));
    expectNoMoreRequests(0);
    EXPECT_FALSE(sim.defaults().contains(QStringLiteral("telemetryAnonymousID")));

    // A host with a path and a trailing slash is used as it is.
    BuildConfig::setAnalyticsHost(server.url(QStringLiteral("/base/")));
    telemetry.send(QStringLiteral("app_launched"));
    ASSERT_TRUE(server.waitForRequests(1));
    EXPECT_EQ(server.requests().at(0).path, "/base//i/v0/e/");
}

TEST_F(TelemetryTest, OptingOutSendsOneLastEventAndThenNothing)
{
    EXPECT_TRUE(telemetry.isEnabled()); // on by default
    telemetry.capture(Telemetry::Event::AppLaunched);
    ASSERT_TRUE(server.waitForRequests(1));

    telemetry.setEnabled(false);
    ASSERT_TRUE(server.waitForRequests(2));
    EXPECT_FALSE(telemetry.isEnabled());
    EXPECT_EQ(sim.defaults().value(QStringLiteral("telemetryEnabled")), QVariant(false));
    telemetry.capture(Telemetry::Event::TabsCaptured, QJsonObject { { QStringLiteral("tab_count"), 1 } });
    expectNoMoreRequests(2);

    telemetry.setEnabled(false); // again: sends again
    ASSERT_TRUE(server.waitForRequests(3));
    telemetry.setEnabled(true); // turning on sends nothing
    expectNoMoreRequests(3);
    telemetry.capture(Telemetry::Event::RingOpened);
    ASSERT_TRUE(server.waitForRequests(4));
    EXPECT_EQ(
        eventsSent(), (QStringList { "app_launched", "telemetry_disabled", "telemetry_disabled", "ring_opened" }));

    sim.defaults().setValue(QStringLiteral("telemetryEnabled"), QStringLiteral("no"));
    EXPECT_FALSE(telemetry.isEnabled());
}

TEST_F(TelemetryTest, AnUnansweredPostIsAbandonedAfterEightSeconds)
{
    LoopbackServer::Response silent;
    silent.never = true;
    server.respondWith(silent);
    telemetry.send(QStringLiteral("app_launched"));
    ASSERT_TRUE(server.waitForRequests(1));
    EXPECT_EQ(sim.scheduler().pendingCount(), 1u);
    sim.scheduler().advance(8.0);
    EXPECT_EQ(sim.scheduler().pendingCount(), 0u);
    QTest::qWait(20); // the aborted reply goes quietly
}

TEST_F(TelemetryTest, NoticeIsShownOnceRecordedFirstAndRunsWithTheKeyTapSuspended)
{
    QStringList trail;
    Telemetry::setKeyTapSuspender([&](bool s) { trail << (s ? "suspend" : "resume"); });
    std::optional<QVariant> storedWhenShown;
    Telemetry::Notice shown;
    bool turnOff = false;
    Telemetry::setAlertPresenter([&](const Telemetry::Notice& n) {
        trail << "alert";
        storedWhenShown = sim.defaults().value(QStringLiteral("telemetryNoticeShownBuild"));
        shown = n;
        return turnOff;
    });

    EXPECT_TRUE(telemetry.needsNotice());
    // A build that cannot send says nothing about sending, and records nothing.
    BuildConfig::setAnalyticsKey(QString());
    telemetry.showNoticeIfNeeded();
    EXPECT_TRUE(trail.isEmpty());
    EXPECT_TRUE(telemetry.needsNotice());
    BuildConfig::setAnalyticsKey(QStringLiteral("phc_test"));

    telemetry.showNoticeIfNeeded(); // "Keep it on"
    EXPECT_EQ(trail, (QStringList { "suspend", "alert", "resume" }));
    EXPECT_EQ(storedWhenShown, QVariant(qint64(42)));
    EXPECT_TRUE(telemetry.isEnabled());
    EXPECT_EQ(shown.message, QStringLiteral("Kelvaro now sends anonymous usage data"));
    const QStringList paragraphs = shown.informative.split(QStringLiteral("\n\n"));
    ASSERT_EQ(paragraphs.size(), 3);
    EXPECT_TRUE(paragraphs[2].contains(QStringLiteral("Settings \u203A General \u203A Privacy")));
    EXPECT_EQ(shown.keepButton, QStringLiteral("Keep it on"));
    EXPECT_EQ(shown.turnOffButton, QStringLiteral("Turn it off"));

    telemetry.showNoticeIfNeeded();
    EXPECT_EQ(trail.count(QStringLiteral("alert")), 1);
    expectNoMoreRequests(0);

    // A build number that is not an integer stores 1; "Turn it off" opts out.
    sim.defaults().remove(QStringLiteral("telemetryNoticeShownBuild"));
    BuildConfig::setBuildNumber(QStringLiteral("1.2"));
    turnOff = true;
    telemetry.showNoticeIfNeeded();
    EXPECT_EQ(storedWhenShown, QVariant(qint64(1)));
    EXPECT_FALSE(telemetry.isEnabled());
    ASSERT_TRUE(server.waitForRequests(1));
    EXPECT_EQ(eventsSent(), QStringList { "telemetry_disabled" });

    sim.defaults().setValue(QStringLiteral("telemetryNoticeShownBuild"), QStringLiteral("0"));
    EXPECT_TRUE(telemetry.needsNotice());
    sim.defaults().setValue(QStringLiteral("telemetryNoticeShownBuild"), qint64(-5));
    EXPECT_FALSE(telemetry.needsNotice());
}
