// The X11 desktop backend against a live X server with a window manager
// (skipped without one): windows made here by a connection of the test's own.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QThread>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/ApplicationIdentity.h"
#include "platform/linux/X11Desktop.h"
#include "support/TestSupport.h"

namespace {

class WindowMaker {
public:
    WindowMaker()
        : m_c(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_c))
            return;
        m_screen = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
    }
    ~WindowMaker() { xcb_disconnect(m_c); }
    WindowMaker(const WindowMaker&) = delete;
    WindowMaker& operator=(const WindowMaker&) = delete;

    bool ok() const { return m_screen != nullptr; }
    xcb_atom_t atom(const char* name)
    {
        auto* r = xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(r);
        return a;
    }
    // An id of this connection's that no window has yet.
    xcb_window_t freeId() { return xcb_generate_id(m_c); }
    xcb_window_t make(const QByteArray& wmClass, const QByteArray& title, xcb_window_t id = XCB_NONE)
    {
        const xcb_window_t w = id != XCB_NONE ? id : xcb_generate_id(m_c);
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, w, m_screen->root, 0, 0, 300, 200, 0,
            XCB_WINDOW_CLASS_INPUT_OUTPUT, m_screen->root_visual, 0, nullptr);
        const QByteArray names = wmClass.toLower() + '\0' + wmClass + '\0';
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
            uint32_t(names.size()), names.constData());
        setTitle(w, title);
        xcb_map_window(m_c, w);
        return w;
    }
    void setTitle(xcb_window_t w, const QByteArray& title)
    {
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8,
            uint32_t(title.size()), title.constData());
        sync();
    }
    void setLegacyTitle(xcb_window_t w, const QByteArray& title)
    {
        xcb_delete_property(m_c, w, atom("_NET_WM_NAME"));
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, uint32_t(title.size()),
            title.constData());
        sync();
    }
    void setIcon(xcb_window_t w)
    {
        std::vector<uint32_t> icon(2 + 16 * 16, 0xFF3366CC);
        icon[0] = icon[1] = 16;
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, atom("_NET_WM_ICON"), XCB_ATOM_CARDINAL, 32,
            uint32_t(icon.size()), icon.data());
    }
    void setHidden(xcb_window_t w)
    {
        const xcb_atom_t hidden = atom("_NET_WM_STATE_HIDDEN");
        xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 1, &hidden);
        sync();
    }
    // Adds `w` to the root window's lists of clients, as a window manager
    // slow to take a destroyed window out of them would leave it.
    void listOnRoot(xcb_window_t w)
    {
        for (const char* name : { "_NET_CLIENT_LIST", "_NET_CLIENT_LIST_STACKING" })
            xcb_change_property(m_c, XCB_PROP_MODE_APPEND, m_screen->root, atom(name), XCB_ATOM_WINDOW, 32, 1, &w);
        sync();
    }
    void sync() { std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr)); }

private:
    xcb_connection_t* m_c;
    xcb_screen_t* m_screen = nullptr;
};

// The windows of the application `bundle` once the window manager lists
// `count` of them (or after 5 s).
QList<WindowInfo> waitForWindows(
    X11Desktop& desktop, TestSupport::SimEnvironment& env, const QString& bundle, qsizetype count)
{
    QElapsedTimer t;
    t.start();
    QList<WindowInfo> windows;
    while (t.elapsed() < 5000) {
        desktop.invalidate();
        env.scheduler().advance(1.0);
        const auto app = desktop.runningApplication(bundle);
        windows = app ? desktop.windowsOf(app->pid) : QList<WindowInfo>();
        if (windows.size() >= count)
            break;
        QThread::msleep(20);
    }
    return windows;
}

class X11DesktopLiveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || !maker.ok())
            GTEST_SKIP() << "no X display";
        desktop = std::make_unique<X11Desktop>(std::make_shared<ApplicationIdentity>());
        if (!desktop->isConnected())
            GTEST_SKIP() << "cannot connect to the X display";
    }
    TestSupport::SimEnvironment env;
    WindowMaker maker;
    std::unique_ptr<X11Desktop> desktop;
};

TEST_F(X11DesktopLiveTest, ListingManyWindowsTakesAFewRoundTripsWhateverTheirNumber)
{
    constexpr int kWindows = 60;
    for (int i = 0; i < kWindows; ++i)
        maker.make("KelvaroMany", "Many " + QByteArray::number(i));
    maker.sync();
    ASSERT_EQ(waitForWindows(*desktop, env, QStringLiteral("KelvaroMany"), kWindows).size(), kWindows);

    // A later showing after every window is new to the backend: a fresh one.
    X11Desktop fresh(std::make_shared<ApplicationIdentity>());
    const quint64 before = fresh.roundTrips();
    const QList<RunningApplication> apps = fresh.runningApplications();
    const auto app = fresh.runningApplication(QStringLiteral("KelvaroMany"));
    ASSERT_TRUE(app);
    EXPECT_EQ(fresh.windowsOf(app->pid).size(), kWindows);
    // The root's lists, every window's properties, whether each carries an
    // icon: none per window.
    EXPECT_LE(fresh.roundTrips() - before, 6u) << "for " << apps.size() << " applications";
}

TEST_F(X11DesktopLiveTest, TitlesAndStateFollowTheWindowsChanges)
{
    const xcb_window_t w = maker.make("KelvaroFollow", "First title");
    const xcb_window_t other = maker.make("KelvaroFollow", "Other");
    const QString bundle = QStringLiteral("KelvaroFollow");
    ASSERT_EQ(waitForWindows(*desktop, env, bundle, 2).size(), 2);
    EXPECT_EQ(desktop->windowTitle(w), QStringLiteral("First title"));

    // Read once and kept: each change is seen at the next reading without
    // anything telling the backend to read again but the window's events.
    maker.setTitle(w, "Second title");
    env.scheduler().advance(1.0);
    EXPECT_EQ(desktop->windowTitle(w), QStringLiteral("Second title"));

    maker.setLegacyTitle(w, "Caf\xe9"); // STRING is Latin-1
    env.scheduler().advance(1.0);
    EXPECT_EQ(desktop->windowTitle(w), QStringLiteral("Caf\u00e9"));

    maker.setHidden(other);
    env.scheduler().advance(1.0);
    const auto app = desktop->runningApplication(bundle);
    ASSERT_TRUE(app);
    for (const WindowInfo& info : desktop->windowsOf(app->pid))
        EXPECT_EQ(info.minimized, info.id == other) << info.title.toStdString();
    EXPECT_EQ(desktop->windowTitle(other), QStringLiteral("Other"));
}

TEST_F(X11DesktopLiveTest, WindowsThatAppearWhileRunningAreReadBeforeTheShowingInAFewBatches)
{
    // Their events start a read of them in the background, a burst at a
    // time: not a read per event, and the showing finds them read.
    constexpr int kBursts = 3, kPerBurst = 20;
    const QString bundle = QStringLiteral("KelvaroArrive");
    ASSERT_TRUE(desktop->runningApplications().size() >= 0); // watching from now on
    const quint64 roundTripsBefore = desktop->roundTrips();
    int pumps = 0;
    for (int b = 0; b < kBursts; ++b) {
        for (int i = 0; i < kPerBurst; ++i)
            maker.make("KelvaroArrive", "Arrived " + QByteArray::number(b * kPerBurst + i));
        maker.sync();
        // The window manager takes them in over a while: let the loop run.
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 1500) {
            QCoreApplication::processEvents();
            env.scheduler().advance(0.05);
            ++pumps;
            QThread::msleep(20);
        }
    }
    // At most one batched read (the root's lists, the new windows, those
    // titled the old way) each time the loop ran a burst's reads.
    EXPECT_LE(desktop->roundTrips() - roundTripsBefore, quint64(3 * pumps));
    // On a busy machine the window manager may still be taking the last ones in.
    QElapsedTimer late;
    late.start();
    while (late.elapsed() < 10000) {
        const auto shown = desktop->runningApplication(bundle);
        if (shown && desktop->windowsOf(shown->pid).size() >= kBursts * kPerBurst)
            break;
        QCoreApplication::processEvents();
        env.scheduler().advance(0.05);
        QThread::msleep(20);
    }

    const quint64 requestsBefore = desktop->requests();
    const auto app = desktop->runningApplication(bundle);
    ASSERT_TRUE(app);
    EXPECT_EQ(desktop->windowsOf(app->pid).size(), kBursts * kPerBurst);
    // Nothing asked about each window: only whether the front one carries an icon.
    EXPECT_LE(desktop->requests() - requestsBefore, 12u);
}

TEST_F(X11DesktopLiveTest, AWindowGoneBeforeItWasReadDoesNotHideTheNextWindowGivenItsId)
{
    // The server hands out the ids of a client that left to the next one,
    // and the window manager's lists may still name the old window: read then,
    // it is gone, and its events could not be selected. The new window with
    // that id is read when the lists name it again.
    const QString bundle = QStringLiteral("KelvaroReused");
    maker.make("KelvaroReused", "Older");
    maker.sync();
    ASSERT_EQ(waitForWindows(*desktop, env, bundle, 1).size(), 1);
    const xcb_window_t reused = maker.freeId();
    maker.listOnRoot(reused);
    desktop->invalidate();
    env.scheduler().advance(1.0);
    ASSERT_TRUE(desktop->runningApplication(bundle)); // reads the lists with the gone window in them

    maker.make("KelvaroReused", "Newer", reused);
    maker.sync();
    const QList<WindowInfo> windows = waitForWindows(*desktop, env, bundle, 2);
    ASSERT_EQ(windows.size(), 2);
    EXPECT_TRUE(std::any_of(windows.cbegin(), windows.cend(),
        [&](const WindowInfo& w) { return w.id == reused && w.title == QStringLiteral("Newer"); }));
}

TEST_F(X11DesktopLiveTest, AWindowComingToTheFrontIsAskedAboutItsIconAlone)
{
    constexpr int kWindows = 40;
    const QString bundle = QStringLiteral("KelvaroIcons");
    for (int i = 0; i < kWindows; ++i)
        maker.setIcon(maker.make("KelvaroIcons", "Icon " + QByteArray::number(i)));
    maker.sync();
    ASSERT_EQ(waitForWindows(*desktop, env, bundle, kWindows).size(), kWindows);

    // A new window goes to the front: the next showing reads it and its
    // icon, and asks none of the others again.
    const xcb_window_t front = maker.make("KelvaroIcons", "Front");
    maker.setIcon(front);
    maker.sync();
    ASSERT_EQ(waitForWindows(*desktop, env, bundle, kWindows + 1).size(), kWindows + 1);
    desktop->invalidate();
    env.scheduler().advance(1.0);
    const quint64 before = desktop->requests();
    ASSERT_TRUE(desktop->runningApplication(bundle));
    // The root's lists, whether the new window carries an icon, and its icon.
    EXPECT_LE(desktop->requests() - before, 16u);
}

} // namespace
