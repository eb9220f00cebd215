#include "support/TestSupport.h"

#include "platform/sim/SimBrowserScripting.h"
#include "platform/sim/SimDesktop.h"
#include "ring/BrowserTabs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <atomic>
#include <thread>

namespace {

class BrowserTabsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop = &env.sim().desktop();
        scripting = &env.sim().browserScripting();
    }

    void run(qint32 pid, const char* bundle, const char* name)
    {
        desktop->addApp(pid, QString::fromLatin1(bundle), QString::fromLatin1(name));
    }
    BrowserTabs::Sources sources() { return BrowserTabs::Sources::of(env.platform()); }
    static Browser browser(const QString& id)
    {
        for (const auto& b : Browser::all())
            if (b.id == id)
                return b;
        return {};
    }

    TestSupport::SimEnvironment env;
    SimDesktop* desktop = nullptr;
    SimBrowserScripting* scripting = nullptr;
};

TEST_F(BrowserTabsTest, ScriptTextIsExactForBothFamilies)
{
    const QString safari = BrowserTabs::captureScript(browser(QStringLiteral("com.apple.Safari")));
    EXPECT_EQ(safari,
        QStringLiteral("tell application id \"com.apple.Safari\"\n"
                       "    set titleList to {}\n"
                       "    set urlList to {}\n"
                       "    repeat with w in windows\n"
                       "        try\n"
                       "            repeat with t in tabs of w\n"
                       "                set end of titleList to name of t\n"
                       "                set end of urlList to URL of t\n"
                       "            end repeat\n"
                       "        end try\n"
                       "    end repeat\n"
                       "    return {titleList, urlList}\n"
                       "end tell"));
    const QString brave = BrowserTabs::captureScript(browser(QStringLiteral("com.brave.Browser")));
    EXPECT_TRUE(brave.startsWith(QStringLiteral("tell application id \"com.brave.Browser\"\n")));
    EXPECT_TRUE(brave.contains(QStringLiteral("\n                set end of titleList to title of t\n")));
    EXPECT_FALSE(brave.endsWith(QLatin1Char('\n')));
}

TEST_F(BrowserTabsTest, NothingRunningIsAnErrorOnlyForCaptureAll)
{
    const auto all = BrowserTabs::captureAll(sources());
    ASSERT_TRUE(all.error);
    EXPECT_EQ(all.error->kind, BrowserTabs::CaptureError::Kind::noneRunning);
    EXPECT_EQ(all.error->errorDescription(), QStringLiteral("No supported browser is running."));

    const auto one = BrowserTabs::capture(browser(QStringLiteral("com.google.Chrome")), sources());
    EXPECT_TRUE(one.ok());
    EXPECT_TRUE(one.tabs.isEmpty());
    EXPECT_TRUE(scripting->calls().isEmpty()); // no script to a browser that is not open
}

TEST_F(BrowserTabsTest, PartialSuccessWinsAndFirstErrorOtherwise)
{
    run(20, "com.google.Chrome", "Chrome");
    run(10, "com.apple.Safari", "Safari");
    scripting->setOutcome(QStringLiteral("com.apple.Safari"), BrowserScripting::Outcome::error(-1743));
    scripting->setTabs(QStringLiteral("com.google.Chrome"),
        { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") },
        { QStringLiteral("https://a.example/"), QStringLiteral("https://b.example/"),
            QStringLiteral("http://c.example/") });

    const auto all = BrowserTabs::captureAll(sources());
    ASSERT_TRUE(all.ok());
    ASSERT_EQ(all.tabs.size(), 3);
    EXPECT_EQ(all.tabs[0].browser, QStringLiteral("Chrome"));
    // The browser that could not be read is still said, next to the one that gave tabs.
    ASSERT_EQ(all.readings.size(), 2);
    EXPECT_EQ(all.readings[0].error, BrowserTabs::CaptureError::permissionDenied(QStringLiteral("Safari")));
    EXPECT_TRUE(all.readings[0].description().contains(QStringLiteral("Safari")));
    EXPECT_EQ(all.readings[1].tabs, 3);
    EXPECT_TRUE(all.readings[1].description().isEmpty());
    // Safari is asked first, whatever the launch order.
    ASSERT_EQ(scripting->calls().size(), 2);
    EXPECT_EQ(scripting->calls()[0].bundleIdentifier, QStringLiteral("com.apple.Safari"));

    // Chrome answers with no web tab while Safari fails: Safari's error.
    scripting->setTabs(
        QStringLiteral("com.google.Chrome"), { QStringLiteral("New Tab") }, { QStringLiteral("chrome://newtab/") });
    const auto noTabs = BrowserTabs::captureAll(sources());
    ASSERT_TRUE(noTabs.error);
    EXPECT_EQ(noTabs.error->browserName, QStringLiteral("Safari"));

    // Every running browser answers without a web tab: an empty success.
    scripting->setTabs(QStringLiteral("com.apple.Safari"), {}, {});
    const auto empty = BrowserTabs::captureAll(sources());
    EXPECT_TRUE(empty.ok());
    EXPECT_TRUE(empty.tabs.isEmpty());
    EXPECT_EQ(
        empty.readings[1].description(), QStringLiteral("Chrome is running, but its session has no open web pages."));
    // A backend that says it read nothing: no session was found, not "no tabs".
    auto nothingRead = BrowserScripting::Outcome::success(QVariantList { QVariantList {}, QVariantList {} });
    nothingRead.read = QStringList();
    scripting->setOutcome(QStringLiteral("com.google.Chrome"), nothingRead);
    EXPECT_EQ(BrowserTabs::captureAll(sources()).readings[1].description(),
        QStringLiteral("Chrome is running, but Kelvaro found no session file in its profile folders."));

    // Both fail: the earliest browser's error.
    scripting->setOutcome(QStringLiteral("com.google.Chrome"), BrowserScripting::Outcome::error(-600));
    scripting->setOutcome(QStringLiteral("com.apple.Safari"), BrowserScripting::Outcome::error(-1743));
    const auto failed = BrowserTabs::captureAll(sources());
    ASSERT_TRUE(failed.error);
    EXPECT_EQ(*failed.error, BrowserTabs::CaptureError::permissionDenied(QStringLiteral("Safari")));
    EXPECT_TRUE(failed.error->errorDescription().contains(QStringLiteral("Safari")));
}

TEST_F(BrowserTabsTest, ErrorNumbersAndMessagesMapToTheRightErrors)
{
    run(30, "com.brave.Browser", "Brave");
    const Browser brave = browser(QStringLiteral("com.brave.Browser"));

    scripting->setOutcome(brave.id, BrowserScripting::Outcome::error(-600, QStringLiteral("ignored")));
    EXPECT_EQ(BrowserTabs::capture(brave, sources()).error->kind, BrowserTabs::CaptureError::Kind::permissionDenied);

    scripting->setOutcome(brave.id, BrowserScripting::Outcome::error(-2741, QStringLiteral("Syntax error.")));
    auto r = BrowserTabs::capture(brave, sources());
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->errorDescription(),
        QStringLiteral("Brave is running, but its session could not be read: Syntax error."));

    scripting->setOutcome(brave.id, BrowserScripting::Outcome::error(std::nullopt));
    EXPECT_EQ(BrowserTabs::capture(brave, sources()).error->errorDescription(),
        QStringLiteral("Could not read Brave's tabs."));

    scripting->setOutcome(brave.id, BrowserScripting::Outcome::notCompiled());
    EXPECT_EQ(BrowserTabs::capture(brave, sources()).error->errorDescription(),
        QStringLiteral("Could not read Brave's tabs."));
}

TEST_F(BrowserTabsTest, ResultHandlingFiltersSchemesAndFillsTitles)
{
    run(40, "org.chromium.Chromium", "Chromium");
    const Browser chromium = browser(QStringLiteral("org.chromium.Chromium"));
    scripting->setOutcome(chromium.id,
        BrowserScripting::Outcome::success(QVariantList {
            QVariantList { QStringLiteral("Blank"), QStringLiteral(""), QStringLiteral("Caps"), QVariant(),
                QStringLiteral("Settings"), QStringLiteral("File"), QStringLiteral("Kept"), QStringLiteral("Surplus") },
            QVariantList { QStringLiteral("about:blank"), QStringLiteral("https://empty.example/"),
                QStringLiteral("HTTPS://caps.example/"), QStringLiteral("https://no-title.example/"),
                QStringLiteral("chrome://settings"), QStringLiteral("file:///etc/hosts"),
                QStringLiteral("http://kept.example/x") } }));
    const auto r = BrowserTabs::capture(chromium, sources());
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.tabs.size(), 2);
    EXPECT_EQ(r.tabs[0],
        (BrowserTabs::Tab { QStringLiteral("https://empty.example/"), QStringLiteral("https://empty.example/"),
            std::nullopt, QStringLiteral("Chromium") }));
    EXPECT_EQ(r.tabs[1].title, QStringLiteral("Kept"));
    EXPECT_FALSE(r.tabs[1].iconFile);

    // Anything but two lists means no tabs, silently.
    for (const QVariant& bad : { QVariant(QStringLiteral("x")), QVariant(QVariantList { QVariantList {} }),
             QVariant(QVariantList { QVariantList {}, QStringLiteral("y") }), QVariant() }) {
        scripting->setOutcome(chromium.id, BrowserScripting::Outcome::success(bad));
        const auto none = BrowserTabs::capture(chromium, sources());
        EXPECT_TRUE(none.ok());
        EXPECT_TRUE(none.tabs.isEmpty());
    }
}

TEST_F(BrowserTabsTest, CaptureRunsOnABackgroundThreadWithTheApplicationsReadBefore)
{
    run(20, "com.vivaldi.Vivaldi", "Vivaldi");
    scripting->setTabs(
        QStringLiteral("com.vivaldi.Vivaldi"), { QStringLiteral("V") }, { QStringLiteral("https://v.example/") });
    std::atomic<bool> done { false };
    BrowserTabs::CaptureResult result;
    const BrowserTabs::Sources read = sources();
    std::thread worker([&] {
        result = BrowserTabs::captureAll(read);
        done = true;
    });
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.join();
    ASSERT_TRUE(result.ok());
    ASSERT_EQ(result.tabs.size(), 1);
    EXPECT_EQ(result.tabs[0].browser, QStringLiteral("Vivaldi"));
}

TEST_F(BrowserTabsTest, TabJsonWritesOptionalKeysOnlyWhenSet)
{
    const BrowserTabs::Tab plain { QStringLiteral("T"), QStringLiteral("https://x/"), std::nullopt, std::nullopt };
    EXPECT_EQ(plain.toJson().dump(), R"({"title":"T","url":"https://x/"})");
    const BrowserTabs::Tab full { QStringLiteral("T"), QStringLiteral("https://x/"),
        QStringLiteral("custom_icon_favicon_x.png"), QStringLiteral("Edge") };
    EXPECT_EQ(full.toJson().dump(),
        R"({"title":"T","url":"https://x/","iconFile":"custom_icon_favicon_x.png","browser":"Edge"})");
    EXPECT_EQ(BrowserTabs::Tab::fromJson(nlohmann::json::parse(full.toJson().dump())), full);
    EXPECT_EQ(BrowserTabs::Tab::fromJson(nlohmann::json::parse(R"({"title":"T","url":"https://x/","iconFile":null})")),
        plain);
    EXPECT_FALSE(BrowserTabs::Tab::fromJson(nlohmann::json::parse(R"({"title":"T"})")));
    EXPECT_FALSE(BrowserTabs::Tab::fromJson(nlohmann::json::parse(R"({"title":"T","url":5})")));
    EXPECT_FALSE(BrowserTabs::Tab::fromJson(nlohmann::json::parse(R"({"title":"T","url":"u","browser":3})")));
}

} // namespace
