// The key code table and the xkbcommon layout backend (keymaps compiled from
// names; the live X keymap when a display is at hand).

#include "core/Hotkey.h"
#include "platform/KeyCodes.h"
#include "platform/linux/XkbKeyboardLayout.h"
#include "platform/sim/SimKeyboardLayout.h"
#include "support/TestSupport.h"

std::shared_ptr<KeyboardLayout> makeDefaultKeyboardLayout(); // platform/linux/XkbKeyboardLayout.cpp

#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <poll.h>
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon-x11.h>
#include <set>

TEST(KeyCodesTest, TableIsOneToOneAndCoversEveryLabelledKey)
{
    std::set<std::uint32_t> evdevSeen;
    for (const std::uint16_t vk : KeyCodes::mappedVirtualKeyCodes()) {
        const auto evdev = KeyCodes::evdevCode(vk);
        ASSERT_TRUE(evdev) << vk;
        EXPECT_TRUE(evdevSeen.insert(*evdev).second) << "evdev " << *evdev << " used twice";
        EXPECT_EQ(KeyCodes::virtualKeyCode(*evdev), vk);
        EXPECT_EQ(KeyCodes::fromXKeycode(*KeyCodes::xKeycode(vk)), vk);
    }
    // Every key with a label of its own can be sent and recognised.
    for (auto it = Hotkey::specialKeyLabels().constBegin(); it != Hotkey::specialKeyLabels().constEnd(); ++it)
        EXPECT_TRUE(KeyCodes::evdevCode(it.key())) << it.value().toStdString();
    // Letters, digits and the keypad digits.
    for (std::uint16_t vk : { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 31, 32, 34, 35, 37, 38, 40, 45,
             46, 18, 19, 20, 21, 22, 23, 25, 26, 28, 29, 82, 83, 84, 85, 86, 87, 88, 89, 91, 92 })
        EXPECT_TRUE(KeyCodes::evdevCode(vk)) << vk;

    EXPECT_EQ(KeyCodes::xKeycode(0), 38u); // a
    EXPECT_EQ(KeyCodes::xKeycode(6), 52u); // z on us
    EXPECT_EQ(KeyCodes::xKeycode(16), 29u); // y on us
    EXPECT_EQ(KeyCodes::xKeycode(122), 67u); // F1
    EXPECT_EQ(KeyCodes::xKeycode(55), 37u); // ⌘ is the left Ctrl key
    EXPECT_FALSE(KeyCodes::xKeycode(200));
    EXPECT_FALSE(KeyCodes::fromXKeycode(3));
    EXPECT_FALSE(KeyCodes::fromXKeycode(100000));
}

TEST(XkbLayoutTest, UsLayoutMatchesTheBuiltInTable)
{
    const auto us = XkbKeyboardLayout::fromNames(QStringLiteral("us"));
    ASSERT_TRUE(us->isAvailable());
    const SimKeyboardLayout sim;
    for (std::uint16_t vk = 0; vk < 128; ++vk) {
        if (vk == 49)
            continue; // Space: a label of its own either way
        EXPECT_EQ(us->character(vk), sim.character(vk)) << vk;
    }
    EXPECT_EQ(us->character(49), QStringLiteral(" "));
    EXPECT_FALSE(us->character(36)); // Return types a control character
    EXPECT_FALSE(us->character(53));
    EXPECT_FALSE(us->character(200));
}

TEST(XkbLayoutTest, GermanLayoutThroughHotkey)
{
    TestSupport::SimEnvironment env;
    const auto de = XkbKeyboardLayout::fromNames(QStringLiteral("de"));
    ASSERT_TRUE(de->isAvailable());
    EXPECT_EQ(de->character(6), QStringLiteral("y"));
    EXPECT_EQ(de->character(16), QStringLiteral("z"));
    EXPECT_EQ(de->character(41), QStringLiteral("ö"));
    EXPECT_FALSE(de->character(50)); // dead circumflex
    EXPECT_FALSE(de->character(24)); // dead acute

    Hotkey::useLayout(de.get());
    EXPECT_EQ(Hotkey(6, Modifier::Ctrl).keyLabel(), QStringLiteral("Y"));
    EXPECT_EQ(Hotkey(16, Modifier::Ctrl).keyLabel(), QStringLiteral("Z"));
    EXPECT_EQ(Hotkey(6, Modifier::Ctrl).menuEquivalent(), QChar(u'y'));
    EXPECT_EQ(Hotkey::fromDisplayString(QStringLiteral("⌘Z")), Hotkey(16, Modifier::Ctrl));
    EXPECT_EQ(Hotkey::fromDisplayString(QStringLiteral("⇧⌘Y")), Hotkey(6, Modifier::Shift | Modifier::Ctrl));
    EXPECT_EQ(Hotkey::fromDisplayString(QStringLiteral("⌘ö")), Hotkey(41, Modifier::Ctrl));
    EXPECT_EQ(Hotkey::fromDisplayString(QStringLiteral("⌘Ö")), Hotkey(41, Modifier::Ctrl));

    // ß upper-cases to two letters: shown as SS, which no key types.
    EXPECT_EQ(Hotkey(27, Modifier::Ctrl).keyLabel(), QStringLiteral("SS"));
    EXPECT_FALSE(Hotkey::fromDisplayString(Hotkey(27, Modifier::Ctrl).displayString()));
    EXPECT_EQ(Hotkey::keyCodeForLabel(QStringLiteral("ß")), 27);
    EXPECT_EQ(Hotkey(27, Modifier::Ctrl).menuEquivalent(), QChar(u'ß'));
    EXPECT_FALSE(Hotkey(50, Modifier::Ctrl).menuEquivalent());
    EXPECT_EQ(Hotkey(50, 0).keyLabel(), QStringLiteral("Key 50"));
}

TEST(XkbLayoutTest, FrenchLayoutFindsTheLowestCodeThatTypesALabel)
{
    TestSupport::SimEnvironment env;
    const auto fr = XkbKeyboardLayout::fromNames(QStringLiteral("fr"));
    Hotkey::useLayout(fr.get());
    EXPECT_EQ(Hotkey(0, 0).keyLabel(), QStringLiteral("Q"));
    // The switcher's default hotkey, as shown and as stored text typed on this layout.
    EXPECT_EQ(Hotkey(0, Modifier::Shift | Modifier::Ctrl).displayString(), QStringLiteral("Ctrl+Shift+Q"));
    EXPECT_EQ(Hotkey::displayTextForStored(QStringLiteral("⇧⌘A")), QStringLiteral("Ctrl+Shift+A"));
    EXPECT_EQ(Hotkey::keyCodeForLabel(QStringLiteral("a")), 12);
    EXPECT_EQ(Hotkey(19, 0).keyLabel(), QStringLiteral("É"));
    // The top row types no digits unshifted, so "1" is the keypad key.
    EXPECT_EQ(Hotkey::keyCodeForLabel(QStringLiteral("1")), 83);
}

TEST(KeyboardLayoutChangesTest, AnnouncesEveryLayoutChangeWhicheverPlatformIsInstalled)
{
    QSignalSpy changed(&KeyboardLayout::changes(), &KeyboardLayoutChanges::changed);
    {
        SimPlatform sim;
        EXPECT_EQ(changed.size(), 1);
        sim.keyboardLayout().setLayout(QStringLiteral("other"), SimKeyboardLayout::usAnsi());
        EXPECT_EQ(changed.size(), 2);
        {
            SimPlatform inner;
            EXPECT_EQ(changed.size(), 3);
        }
        // Back to the platform installed before: its layout is in effect again.
        EXPECT_EQ(changed.size(), 4);
    }
}

TEST(XkbLayoutTest, UnknownLayoutIsReportedNotGuessed)
{
    TestSupport::SimEnvironment env;
    const auto none = XkbKeyboardLayout::fromNames(QStringLiteral("no-such-layout"));
    EXPECT_FALSE(none->isAvailable());
    EXPECT_FALSE(none->character(0));
    ASSERT_FALSE(env.logLines().isEmpty());
    EXPECT_TRUE(env.logLines().last().startsWith(QStringLiteral("Kelvaro: could not compile the keyboard layout")));
}

// Needs an X display (the end-to-end session provides one) and setxkbmap.
TEST(XkbLayoutTest, FollowsTheServerWhenTheLayoutChanges)
{
    const QByteArray display = qgetenv("DISPLAY");
    const QString setxkbmap = QStandardPaths::findExecutable(QStringLiteral("setxkbmap"));
    if (display.isEmpty() || setxkbmap.isEmpty())
        GTEST_SKIP() << "no X display or no setxkbmap";
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        GTEST_SKIP() << "cannot connect to " << display.constData();
    }
    TestSupport::SimEnvironment env;
    auto run = [&](const QString& layout) {
        QProcess p;
        p.start(setxkbmap, { QStringLiteral("-display"), QString::fromLocal8Bit(display), layout });
        return p.waitForFinished(10000) && p.exitCode() == 0;
    };
    ASSERT_TRUE(run(QStringLiteral("us")));
    const auto live = XkbKeyboardLayout::fromX11(connection, false);
    ASSERT_TRUE(live->isAvailable());
    EXPECT_EQ(live->character(6), QStringLiteral("z"));
    Hotkey::useLayout(live.get());
    EXPECT_EQ(Hotkey(6, 0).keyLabel(), QStringLiteral("Z"));

    QSignalSpy changed(live.get(), &KeyboardLayout::layoutChanged);
    ASSERT_TRUE(run(QStringLiteral("de")));
    // Feed the connection's events until the change arrives (or 5 s pass).
    pollfd fd { xcb_get_file_descriptor(connection), POLLIN, 0 };
    for (int waited = 0; changed.isEmpty() && waited < 50; ++waited) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            live->handleXcbEvent(event);
            free(event);
        }
        if (changed.isEmpty())
            poll(&fd, 1, 100);
    }
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_EQ(live->character(6), QStringLiteral("y"));
    EXPECT_EQ(Hotkey(6, 0).keyLabel(), QStringLiteral("Y"));

    run(QStringLiteral("us"));
    xcb_disconnect(connection);
}

// The application's own X connection: changes arrive through the native
// event filter. Runs when the tests themselves run on xcb
// (QT_QPA_PLATFORM=xcb with a display).
TEST(XkbLayoutTest, FollowsChangesOnTheApplicationConnection)
{
    const QString setxkbmap = QStandardPaths::findExecutable(QStringLiteral("setxkbmap"));
    if (QGuiApplication::platformName() != QStringLiteral("xcb") || setxkbmap.isEmpty())
        GTEST_SKIP() << "not running on xcb";
    TestSupport::SimEnvironment env;
    auto run = [&](const QString& layout) {
        QProcess p;
        p.start(setxkbmap, { layout });
        return p.waitForFinished(10000) && p.exitCode() == 0;
    };
    ASSERT_TRUE(run(QStringLiteral("us")));
    // The real backend on the application's connection.
    const auto live = makeDefaultKeyboardLayout();
    Hotkey::useLayout(live.get());
    KeyboardLayout& layout = *live;
    EXPECT_EQ(Hotkey(6, 0).keyLabel(), QStringLiteral("Z"));

    QSignalSpy changed(&layout, &KeyboardLayout::layoutChanged);
    ASSERT_TRUE(run(QStringLiteral("de")));
    EXPECT_TRUE(changed.wait(5000));
    EXPECT_EQ(Hotkey(6, 0).keyLabel(), QStringLiteral("Y"));

    // Two groups; the second one locked as a layout switch key would.
    changed.clear();
    ASSERT_TRUE(run(QStringLiteral("us,de")));
    EXPECT_TRUE(changed.wait(5000));
    EXPECT_EQ(Hotkey(6, 0).keyLabel(), QStringLiteral("Z"));
    changed.clear();
    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    std::uint16_t major = 0, minor = 0;
    std::uint8_t event = 0, error = 0;
    ASSERT_TRUE(
        xkb_x11_setup_xkb_extension(other, 1, 0, XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, &major, &minor, &event, &error));
    xcb_generic_error_t* failed = xcb_request_check(
        other, xcb_xkb_latch_lock_state_checked(other, XCB_XKB_ID_USE_CORE_KBD, 0, 0, 1, 1, 0, 0, 0));
    EXPECT_EQ(failed, nullptr);
    free(failed);
    xcb_disconnect(other);
    EXPECT_TRUE(changed.wait(5000));
    EXPECT_EQ(Hotkey(6, 0).keyLabel(), QStringLiteral("Y"));

    run(QStringLiteral("us"));
}
