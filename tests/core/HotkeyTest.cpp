// Hotkey texts (shown, spoken, stored), parsing, validity and JSON on the
// in-memory US layout.

#include "core/AppSettings.h"
#include "core/Hotkey.h"
#include "core/HotkeyRecordingSession.h"
#include "platform/sim/SimKeyboardLayout.h"
#include "support/TestSupport.h"

#include <QJsonObject>
#include <atomic>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <thread>

namespace {
constexpr std::uint64_t ShiftCtrl = Modifier::Shift | Modifier::Ctrl;

class HotkeyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        layout = &env.sim().keyboardLayout();
        AppSettings::shared().setLanguage(AppLanguage::english); // whatever the machine's locale
    }

    TestSupport::SimEnvironment env;
    SimKeyboardLayout* layout = nullptr;
};
}

TEST_F(HotkeyTest, DisplayedSpokenAndStoredForms)
{
    const Hotkey shiftCtrlA(0, ShiftCtrl);
    EXPECT_EQ(shiftCtrlA.id(), QStringLiteral("1179648-0"));
    EXPECT_EQ(shiftCtrlA.displayTokens(),
        (QStringList { QStringLiteral("Ctrl"), QStringLiteral("Shift"), QStringLiteral("A") }));
    EXPECT_EQ(shiftCtrlA.displayString(), QStringLiteral("Ctrl+Shift+A"));
    EXPECT_EQ(shiftCtrlA.accessibilityLabel(), QStringLiteral("Control Shift A"));
    EXPECT_EQ(shiftCtrlA.storedText(), QStringLiteral("⇧⌘A"));

    // Shown and spoken Ctrl, Alt, Shift, Super; stored ⌃ ⌥ ⇧ ⌘.
    const Hotkey all(49, Modifier::Mask);
    EXPECT_EQ(all.displayString(), QStringLiteral("Ctrl+Alt+Shift+Super+Space"));
    EXPECT_EQ(all.accessibilityLabel(), QStringLiteral("Control Alt Shift Super Space"));
    EXPECT_EQ(all.storedText(), QStringLiteral("⌃⌥⇧⌘Space"));

    EXPECT_EQ(Hotkey(76, Modifier::Ctrl).displayString(), QStringLiteral("Ctrl+Enter"));
    EXPECT_EQ(Hotkey(76, Modifier::Ctrl).storedText(), QStringLiteral("⌘⌤"));
    EXPECT_EQ(Hotkey(123, 0).accessibilityLabel(), QStringLiteral("Left Arrow"));
    EXPECT_EQ(Hotkey(51, Modifier::Alt).displayString(), QStringLiteral("Alt+Backspace"));
    EXPECT_EQ(Hotkey(109, 0).keyLabel(), QStringLiteral("F10"));
    EXPECT_EQ(Hotkey(90, 0).keyLabel(), QStringLiteral("F20"));

    // No special label and no layout character.
    EXPECT_EQ(Hotkey(200, 0).keyLabel(), QStringLiteral("Key 200"));
    EXPECT_EQ(Hotkey(71, 0).keyLabel(), QStringLiteral("Key 71"));
    EXPECT_EQ(Hotkey(200, 0).displayTokens().size(), 1);

    // No glyph of the stored form is ever shown or spoken.
    QString glyphs = QStringLiteral("⌘⌥⌃⇧");
    for (const QString& label : Hotkey::specialKeyLabels())
        if (label.size() == 1)
            glyphs += label;
    for (std::uint16_t code = 0; code < 128; ++code) {
        const Hotkey h(code, Modifier::Mask);
        for (const QString& text : { h.displayString(), h.accessibilityLabel() })
            for (const QChar c : text)
                EXPECT_FALSE(glyphs.contains(c)) << code << " " << text.toStdString();
    }
}

TEST_F(HotkeyTest, ValidityAndReservedCombinations)
{
    EXPECT_FALSE(Hotkey(0, Modifier::Shift).isValid());
    EXPECT_FALSE(Hotkey(0, 0).isValid());
    EXPECT_TRUE(Hotkey(0, Modifier::Alt).isValid());
    EXPECT_TRUE(Hotkey(0, Modifier::Super).isValid());
    EXPECT_TRUE(Hotkey(96, 0).isValid());
    EXPECT_TRUE(Hotkey(96, Modifier::Shift).isValid());
    EXPECT_FALSE(Hotkey(36, Modifier::Shift).isValid());

    const std::uint64_t ctrl = Modifier::Ctrl, alt = Modifier::Alt, super = Modifier::Super;
    EXPECT_EQ(Hotkey(48, alt).systemConflictDescription(), QStringLiteral("switching windows"));
    EXPECT_EQ(
        Hotkey(48, alt | Modifier::Shift).systemConflictDescription(), QStringLiteral("switching windows backwards"));
    EXPECT_FALSE(Hotkey(48, ctrl).systemConflictDescription());
    EXPECT_EQ(Hotkey(118, alt).systemConflictDescription(), QStringLiteral("closing the window"));
    EXPECT_EQ(Hotkey(37, super).systemConflictDescription(), QStringLiteral("locking the screen"));
    EXPECT_EQ(Hotkey(17, ctrl | alt).systemConflictDescription(), QStringLiteral("opening a terminal"));
    EXPECT_EQ(Hotkey(117, ctrl | alt).systemConflictDescription(), QStringLiteral("logging out"));
    EXPECT_EQ(Hotkey(2, super).systemConflictDescription(), QStringLiteral("showing the desktop"));
    EXPECT_EQ(Hotkey(120, alt).systemConflictDescription(), QStringLiteral("running a command"));
    EXPECT_EQ(Hotkey(122, ctrl | alt).systemConflictDescription(), QStringLiteral("switching to a text console"));
    EXPECT_EQ(Hotkey(111, ctrl | alt).systemConflictDescription(), QStringLiteral("switching to a text console"));
    EXPECT_FALSE(Hotkey(105, ctrl | alt).systemConflictDescription()); // F13 is no console
    // The other desktop's reservations are no conflict here.
    EXPECT_FALSE(Hotkey(49, ctrl).systemConflictDescription());
    EXPECT_FALSE(Hotkey(12, ctrl).systemConflictDescription());
    EXPECT_EQ(Hotkey::systemReservedShortcuts().size(), 20u);
    // Decoded values keep stray bits; they no longer equal the reserved entry.
    Hotkey stray(48, Modifier::Alt);
    stray.rawModifiers |= 0x10000;
    EXPECT_FALSE(stray.systemConflictDescription());

    // The warnings name the conflict in words, never in glyphs or other desktops' key names.
    auto& settings = AppSettings::shared();
    QList<Hotkey> conflicting { AppSettings::defaultLauncherHotkey };
    for (const auto& [hotkey, description] : Hotkey::systemReservedShortcuts())
        conflicting.append(hotkey);
    for (const Hotkey& h : conflicting) {
        const auto warning = settings.warning(h, HotkeyRole::switcher);
        ASSERT_TRUE(warning) << h.id().toStdString();
        for (const QString& foreign : { QStringLiteral("⌘"), QStringLiteral("⌥"), QStringLiteral("⌃"),
                 QStringLiteral("⇧"), QStringLiteral("Command"), QStringLiteral("Option") })
            EXPECT_FALSE(warning->contains(foreign)) << warning->toStdString();
    }
}

TEST_F(HotkeyTest, KeyCodeForLabel)
{
    EXPECT_EQ(Hotkey::keyCodeForLabel(QStringLiteral("  Space  ")), 49);
    EXPECT_EQ(Hotkey::keyCodeForLabel(QStringLiteral("\tF5")), 96);
    EXPECT_EQ(Hotkey::keyCodeForLabel(QStringLiteral("↩")), 36);
    EXPECT_EQ(Hotkey::keyCodeForLabel(QStringLiteral("a")), 0);
    EXPECT_EQ(Hotkey::keyCodeForLabel(QStringLiteral("A")), 0);
    EXPECT_EQ(Hotkey::keyCodeForLabel(QString::fromUtf16(u"\u00A0Z\u2003")), 6); // other spaces are trimmed too
    EXPECT_FALSE(Hotkey::keyCodeForLabel(QString()));
    EXPECT_FALSE(Hotkey::keyCodeForLabel(QStringLiteral("   ")));
    EXPECT_FALSE(Hotkey::keyCodeForLabel(QStringLiteral("space")));
    EXPECT_FALSE(Hotkey::keyCodeForLabel(QStringLiteral("f5")));
    EXPECT_FALSE(Hotkey::keyCodeForLabel(QStringLiteral("A\n"))); // line breaks are not trimmed
    EXPECT_FALSE(Hotkey::keyCodeForLabel(QStringLiteral("Key 200")));
    // The top-row digit wins over the keypad digit that types the same.
    EXPECT_EQ(Hotkey::keyCodeForLabel(QStringLiteral("1")), 18);
    EXPECT_EQ(Hotkey::keyCodeForLabel(QStringLiteral("*")), 67);
}

TEST_F(HotkeyTest, MenuEquivalent)
{
    EXPECT_EQ(Hotkey(0, Modifier::Ctrl).menuEquivalent(), QChar(u'a'));
    EXPECT_EQ(Hotkey(18, Modifier::Ctrl).menuEquivalent(), QChar(u'1'));
    for (std::uint16_t code : { 49, 36, 96, 43, 200 })
        EXPECT_FALSE(Hotkey(code, Modifier::Ctrl).menuEquivalent()) << code;
}

TEST_F(HotkeyTest, ParsesStoredAndDisplayedText)
{
    auto parsed = Hotkey::fromDisplayString(QStringLiteral("⇧⌘A"));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, Hotkey(0, 0x120000));
    EXPECT_EQ(Hotkey::fromDisplayString(QStringLiteral("⌘Space")), Hotkey(49, 0x100000));
    EXPECT_EQ(Hotkey::fromDisplayString(QStringLiteral("A⌘")), Hotkey(0, Modifier::Ctrl));
    EXPECT_EQ(Hotkey::fromDisplayString(QStringLiteral("⌘ ⌘ a ")), Hotkey(0, Modifier::Ctrl));
    EXPECT_FALSE(Hotkey::fromDisplayString(QStringLiteral("⌘")));
    EXPECT_FALSE(Hotkey::fromDisplayString(QStringLiteral("⌘Key 200")));
    EXPECT_FALSE(Hotkey::fromDisplayString(QStringLiteral("⌘AB")));

    EXPECT_EQ(Hotkey::fromDisplayString(QStringLiteral("Ctrl+Shift+A")), Hotkey(0, ShiftCtrl));
    EXPECT_EQ(Hotkey::fromDisplayString(QStringLiteral("super + alt+Left Arrow")),
        Hotkey(123, Modifier::Super | Modifier::Alt));
    EXPECT_EQ(
        Hotkey::fromDisplayString(QStringLiteral("Ctrl++")), Hotkey(69, Modifier::Ctrl)); // the key that types "+"
    EXPECT_FALSE(Hotkey::fromDisplayString(QStringLiteral("Ctrl+")));
    EXPECT_FALSE(Hotkey::fromDisplayString(QStringLiteral("Hyper+A")));

    // Every key survives both its texts; keypad digits come back as the
    // top-row digit that types the same.
    for (std::uint16_t code = 0; code < 128; ++code) {
        const Hotkey original(code, Modifier::Super | Modifier::Shift);
        for (const QString& text : { original.displayString(), original.storedText() }) {
            const auto back = Hotkey::fromDisplayString(text);
            if (original.keyLabel().startsWith(QStringLiteral("Key "))) {
                EXPECT_FALSE(back) << code;
                continue;
            }
            ASSERT_TRUE(back) << code << " " << text.toStdString();
            EXPECT_EQ(back->rawModifiers, original.rawModifiers) << code;
            EXPECT_EQ(back->keyLabel(), original.keyLabel()) << code;
        }
    }
}

TEST_F(HotkeyTest, StoredShortcutTextAsShown)
{
    EXPECT_EQ(Hotkey::displayTextForStored(QStringLiteral("⇧⌘S")), QStringLiteral("Ctrl+Shift+S"));
    EXPECT_EQ(Hotkey::displayTextForStored(QStringLiteral("⌘⇧s")), QStringLiteral("Ctrl+Shift+S"));
    EXPECT_EQ(Hotkey::displayTextForStored(QStringLiteral("⌃⌥↩")), QStringLiteral("Alt+Super+Return"));
    EXPECT_EQ(Hotkey::displayTextForStored(QStringLiteral("⌘ß")), QStringLiteral("Ctrl+ß")); // no key types it here
    EXPECT_EQ(Hotkey::displayTextForStored(QStringLiteral("hello")), QStringLiteral("hello"));

    // The key follows the layout in effect, as pressing it does.
    auto swapped = SimKeyboardLayout::usAnsi();
    swapped[6] = QStringLiteral("y");
    swapped[16] = QStringLiteral("z");
    layout->setLayout(QStringLiteral("swapped"), swapped);
    EXPECT_EQ(Hotkey::displayTextForStored(QStringLiteral("⌘Z")), QStringLiteral("Ctrl+Z"));
    EXPECT_EQ(Hotkey(6, Modifier::Ctrl).displayString(), QStringLiteral("Ctrl+Y"));
}

TEST_F(HotkeyTest, ModifierMaskAndMatching)
{
    const std::uint64_t capsLock = 0x10000;
    const std::uint64_t function = 0x800000;
    const Hotkey h(0, ShiftCtrl | capsLock | function);
    EXPECT_EQ(h.rawModifiers, ShiftCtrl);
    EXPECT_TRUE(h.matches(0, ShiftCtrl | capsLock));
    EXPECT_FALSE(h.matches(0, ShiftCtrl | Modifier::Alt));
    EXPECT_FALSE(h.matches(1, ShiftCtrl));
    EXPECT_FALSE(h.matches(0, Modifier::Ctrl));
}

TEST_F(HotkeyTest, JsonForms)
{
    EXPECT_EQ(Hotkey(0, ShiftCtrl).toJson(), QByteArrayLiteral("{\"keyCode\":0,\"rawModifiers\":1179648}"));
    EXPECT_EQ(Hotkey(0, ShiftCtrl).toJsonValue().dump(), std::string("{\"keyCode\":0,\"rawModifiers\":1179648}"));

    QString error;
    EXPECT_FALSE(Hotkey::fromJson(QByteArrayLiteral("{\"keyCode\":0}"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("rawModifiers")));
    EXPECT_FALSE(Hotkey::fromJson(QByteArrayLiteral("{\"rawModifiers\":0}")));
    EXPECT_FALSE(Hotkey::fromJson(QByteArrayLiteral("{\"keyCode\":65536,\"rawModifiers\":0}")));
    EXPECT_FALSE(Hotkey::fromJson(QByteArrayLiteral("{\"keyCode\":-1,\"rawModifiers\":0}")));
    EXPECT_FALSE(Hotkey::fromJson(QByteArrayLiteral("{\"keyCode\":\"0\",\"rawModifiers\":0}")));
    EXPECT_FALSE(Hotkey::fromJson(QByteArrayLiteral("{\"keyCode\":true,\"rawModifiers\":0}")));
    EXPECT_FALSE(Hotkey::fromJson(QByteArrayLiteral("{\"keyCode\":1.5,\"rawModifiers\":0}")));
    EXPECT_FALSE(Hotkey::fromJson(QByteArrayLiteral("{\"keyCode\":0,\"rawModifiers\":-5}")));
    EXPECT_FALSE(Hotkey::fromJson(QByteArrayLiteral("[0,1179648]")));
    EXPECT_FALSE(Hotkey::fromJson(QByteArrayLiteral("{\"keyCode\":0,")));

    // Unknown keys are ignored; the stored bits are kept unmasked.
    const auto decoded
        = Hotkey::fromJson(QByteArrayLiteral("{\"extra\":[1],\"rawModifiers\":1245184,\"keyCode\":65535}"));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->keyCode, 65535);
    EXPECT_EQ(decoded->rawModifiers, 1245184u);

    Hotkey huge;
    huge.keyCode = 7;
    huge.rawModifiers = 18446744073709551615ull;
    EXPECT_EQ(Hotkey::fromJson(huge.toJson()), huge);
    Hotkey wide;
    wide.keyCode = 7;
    wide.rawModifiers = 0x10000000120000ull;
    EXPECT_EQ(Hotkey::fromJsonObject(wide.toJsonObject()), wide);
    EXPECT_EQ(Hotkey::fromJsonObject(Hotkey(53, Modifier::Alt).toJsonObject()), Hotkey(53, Modifier::Alt));
    EXPECT_FALSE(Hotkey::fromJsonObject(QJsonObject { { QStringLiteral("keyCode"), 3 } }));
}

TEST_F(HotkeyTest, WithoutAnyLayout)
{
    layout->setAvailable(false);
    EXPECT_EQ(Hotkey(0, 0).keyLabel(), QStringLiteral("Key 0"));
    EXPECT_FALSE(Hotkey(0, Modifier::Ctrl).menuEquivalent());
    EXPECT_FALSE(Hotkey::keyCodeForLabel(QStringLiteral("A")));
    EXPECT_EQ(Hotkey::keyCodeForLabel(QStringLiteral("F5")), 96);
    EXPECT_EQ(Hotkey(49, 0).keyLabel(), QStringLiteral("Space"));
}

TEST_F(HotkeyTest, FollowsLayoutChanges)
{
    Hotkey::primeLayoutCache();
    EXPECT_EQ(Hotkey(6, Modifier::Ctrl).keyLabel(), QStringLiteral("Z"));

    // The user switches to a layout with Y and Z swapped: labels and parsing
    // follow at once instead of sending the key of the old layout.
    auto swapped = SimKeyboardLayout::usAnsi();
    swapped[6] = QStringLiteral("y");
    swapped[16] = QStringLiteral("z");
    layout->setLayout(QStringLiteral("swapped"), swapped);
    EXPECT_EQ(Hotkey(6, Modifier::Ctrl).keyLabel(), QStringLiteral("Y"));
    EXPECT_EQ(Hotkey::fromDisplayString(QStringLiteral("⌘Z")), Hotkey(16, Modifier::Ctrl));

    // Another layout handed over: read again as well.
    {
        SimPlatform other;
        Hotkey::useLayout(&other.keyboardLayout());
        EXPECT_EQ(Hotkey(6, Modifier::Ctrl).keyLabel(), QStringLiteral("Z"));
        Hotkey::useLayout(layout);
    }

    // A layout that was missing and appears later is picked up.
    auto* late = &env.sim().keyboardLayout();
    late->setAvailable(false);
    EXPECT_EQ(Hotkey(0, 0).keyLabel(), QStringLiteral("Key 0"));
    late->setAvailable(true);
    EXPECT_EQ(Hotkey(0, 0).keyLabel(), QStringLiteral("A"));
}

TEST_F(HotkeyTest, WordsAndDescriptionsFollowTheInterfaceLanguage)
{
    AppSettings::shared().setLanguage(AppLanguage::german);
    EXPECT_EQ(Hotkey(49, Modifier::Shift).displayString(), QStringLiteral("Umschalt+Leertaste"));
    EXPECT_EQ(Hotkey(49, Modifier::Shift).accessibilityLabel(), QStringLiteral("Umschalt Leertaste"));
    EXPECT_EQ(Hotkey::fromDisplayString(QStringLiteral("Umschalt+Leertaste")), Hotkey(49, Modifier::Shift));
    // F-keys and layout characters are not words: they stay as they are.
    EXPECT_EQ(Hotkey(96, Modifier::Shift).accessibilityLabel(), QStringLiteral("Umschalt F5"));
    // Stored text is no one's language.
    EXPECT_EQ(Hotkey(49, Modifier::Shift | Modifier::Ctrl).storedText(), QStringLiteral("⇧⌘Space"));
    AppSettings::shared().setLanguage(AppLanguage::japanese);
    EXPECT_EQ(Hotkey(123, 0).accessibilityLabel(), QStringLiteral("左矢印"));
    AppSettings::shared().setLanguage(AppLanguage::english);
    EXPECT_EQ(Hotkey(118, Modifier::Alt).systemConflictDescription(), QStringLiteral("closing the window"));
}

TEST_F(HotkeyTest, LookupsFromOtherThreadsWhileTheLayoutChanges)
{
    Hotkey::primeLayoutCache();
    std::atomic<bool> stop { false };
    std::atomic<int> bad { 0 };
    std::vector<std::thread> readers;
    for (int i = 0; i < 3; ++i) {
        readers.emplace_back([&] {
            while (!stop) {
                const QString label = Hotkey(6, 0).keyLabel();
                if (label != QStringLiteral("Z") && label != QStringLiteral("Y"))
                    ++bad;
                if (!Hotkey::keyCodeForLabel(QStringLiteral("q")))
                    ++bad;
            }
        });
    }
    auto swapped = SimKeyboardLayout::usAnsi();
    swapped[6] = QStringLiteral("y");
    for (int i = 0; i < 200; ++i)
        layout->setLayout(QStringLiteral("x"), i % 2 ? swapped : SimKeyboardLayout::usAnsi());
    stop = true;
    for (auto& t : readers)
        t.join();
    EXPECT_EQ(bad.load(), 0);
}

TEST(HotkeyRecordingSessionTest, CountsRecordersAndNeverGoesBelowZero)
{
    ASSERT_EQ(HotkeyRecordingSession::activeCount(), 0);
    HotkeyRecordingSession::recordingEnded();
    EXPECT_EQ(HotkeyRecordingSession::activeCount(), 0);
    HotkeyRecordingSession::recordingStarted();
    HotkeyRecordingSession::recordingStarted();
    EXPECT_EQ(HotkeyRecordingSession::activeCount(), 2);
    HotkeyRecordingSession::recordingEnded();
    HotkeyRecordingSession::recordingEnded();
    HotkeyRecordingSession::recordingEnded();
    EXPECT_EQ(HotkeyRecordingSession::activeCount(), 0);
    HotkeyRecordingSession::recordingStarted();
    EXPECT_EQ(HotkeyRecordingSession::activeCount(), 1);
    HotkeyRecordingSession::recordingEnded();
}
