#pragma once
// The hotkey recorder: a field that records a global key combination when
// clicked (or activated with Space or Return), shows the modifiers while they
// are held, takes the first valid key press, and offers a clear button.
//
// While a recording runs, the application's own global hotkeys are off: the
// recording counter (core/HotkeyRecordingSession) tells the dispatcher to let
// keys pass, and the key tap is suspended, which releases its X grabs, so
// the combination being recorded reaches this window even when it is one of
// Kelvaro's hotkeys. Every way out of a recording (commit, clear, Escape, a
// click on the field, the window losing focus, the field being hidden or
// destroyed) lowers the counter once and gives the grabs back.

#include "core/Hotkey.h"
#include "input/KeyTapSuspension.h"
#include "editors/KeyStrip.h"
#include "ringkit/RingAnimation.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

class QAbstractButton;
class QGraphicsOpacityEffect;
class QLabel;
class WidgetMotion;

class HotkeyRecorderSession : public QObject {
    Q_OBJECT
public:
    explicit HotkeyRecorderSession(QObject* parent = nullptr);
    // The key code stored for Forward Delete, which clears like Delete.
    static constexpr std::uint16_t forwardDeleteKey = 117;
    ~HotkeyRecorderSession() override; // ends a running recording

    bool isRecording() const { return m_recording; }
    std::uint64_t liveModifiers() const { return m_liveModifiers; }
    std::optional<QString> rejectionMessage() const { return m_rejection; }

    // Begins a recording; nothing when one runs. `window` is watched for
    // losing the focus (after a short grace period).
    void start(QWidget* window = nullptr);
    // A modifier went down or up: the modifiers held now (stored bits).
    void modifiersChanged(std::uint64_t modifiers);
    // A key press: the virtual key code and the held modifiers (stored bits).
    void keyPressed(std::uint16_t keyCode, std::uint64_t modifiers);
    // Ends a running recording without a result; safe at any time.
    void teardown();

    // Focus changes within this many seconds of starting are ignored (the
    // click that started the recording may move the focus).
    static constexpr double resignGrace = 0.35;

Q_SIGNALS:
    // A valid combination, or nothing when the user cleared it. Emitted after ended().
    void committed(std::optional<Hotkey> hotkey);
    // A recording ended, for whatever reason.
    void ended();
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_recording = false;
    std::uint64_t m_liveModifiers = 0;
    std::optional<QString> m_rejection;
    double m_ignoreResignUntil = 0;
    QPointer<QWidget> m_window;
    KeyTapSuspension::Resume m_resumeTap;
};

class HotkeyRecorder : public QWidget {
    Q_OBJECT
public:
    struct Binding {
        std::function<std::optional<Hotkey>()> get;
        std::function<void(std::optional<Hotkey>)> set;
    };
    explicit HotkeyRecorder(Binding binding, QString placeholder, QWidget* parent = nullptr);
    ~HotkeyRecorder() override;

    // A message of the owner (a conflict), shown under the field while not recording.
    void setWarning(std::optional<QString> warning);
    // Re-reads the bound hotkey (after a change made elsewhere).
    void refresh();
    // Starts recording whenever the field is shown (the first-run wizard).
    void setBeginsRecording(bool on) { m_beginsRecording = on; }

    HotkeyRecorderSession& session() { return m_session; }
    void toggleRecording();

    // The caps shown now, and the message line's text and symbol (a refusal
    // and a warning of the owner each have their own; a hint has none).
    QList<KeyStripItem> composerItems() const;
    QString messageText() const;
    QString messageSymbol() const;

    // The moving parts, each from 0 to 1: the field's red recording look, the
    // clear button's presence and the message line's fade in and out.
    double recordingLook() const;
    double clearPresence() const;
    double messageOpacity() const;
    QAbstractButton* clearButton() const { return m_clear; }
    // The animation of the field's changes (a near jump under Reduce Motion).
    static RingAnimation animation(bool reduceMotion);

    // Stored modifier bits of a Qt modifier set (Ctrl, Alt, Super, Shift).
    static std::uint64_t storedModifiers(Qt::KeyboardModifiers modifiers);
    // Bit of a modifier key itself (Qt::Key_Control -> Ctrl), 0 for other keys.
    static std::uint64_t modifierBitOfKey(int qtKey);

Q_SIGNALS:
    void recordingEnded();

protected:
    bool event(QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void sync();
    void fitMessage();
    void hideMessage();
    void showMessage(const QString& text, const QString& symbol, bool warn);
    void handleKeyPress(QKeyEvent* event);

    Binding m_binding;
    QString m_placeholder;
    std::optional<QString> m_warning;
    HotkeyRecorderSession m_session;
    KeyStrip* m_strip = nullptr;
    QAbstractButton* m_clear = nullptr;
    QWidget* m_messageRow = nullptr;
    QLabel* m_messageIcon = nullptr;
    QLabel* m_message = nullptr;
    QString m_messageShown; // symbol and text of the line as last shown
    QGraphicsOpacityEffect* m_messageEffect = nullptr;
    WidgetMotion* m_recordingLook = nullptr;
    WidgetMotion* m_clearShown = nullptr;
    WidgetMotion* m_messageFade = nullptr;
    QWidget* m_field = nullptr;
    bool m_hovering = false;
    bool m_beginsRecording = false;
};
