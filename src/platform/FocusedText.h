#pragma once
// The text field the user is typing in, as the accessibility layer sees it.
//
// A caller captures the focus at one moment (`capture`) and later writes into
// exactly that element (`setText`), whatever has the focus by then. The
// capture also notes the top-level window that had the keyboard focus, so a
// later paste can be sent only if that window still has it.
//
// An application may answer a write with success and change nothing, and any
// call may go unanswered: callers read the element back (`readText`) to learn
// what happened, and give each call a limit of their own.

#include "platform/SecretText.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

struct FocusCapture {
    std::shared_ptr<void> element; // the backend's handle of the focused element; null when none
    bool acceptsText = false; // a text role, or editable text
    std::optional<quint32> window; // the focused top-level window at the capture
    QString application; // the name of the application that owns the element, for messages
};

// What an element reports of its text. A password field reports its length
// and caret, never its characters.
struct TextState {
    int characters = 0;
    int caret = -1; // -1 when the element reports no caret
    bool operator==(const TextState&) const = default;
};

class FocusedText {
public:
    virtual ~FocusedText() = default;

    // The focused element and window now; `done` on the main thread, while
    // `context` exists.
    virtual void capture(const QObject* context, std::function<void(FocusCapture)> done) = 0;
    // Replaces the text of the captured element with `text` (or inserts it at
    // the caret where the element takes no whole new content). `done(true)`
    // when the element took it.
    virtual void setText(const FocusCapture& target, std::shared_ptr<const SecretText> text, const QObject* context,
        std::function<void(bool)> done)
        = 0;
    // The character count and caret of the captured element now; nothing when
    // the element is gone or reports no text.
    virtual void readText(
        const FocusCapture& target, const QObject* context, std::function<void(std::optional<TextState>)> done)
        = 0;
    // The top-level window that has the keyboard focus now.
    virtual std::optional<quint32> focusedWindow() const = 0;
};
