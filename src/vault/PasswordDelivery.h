#pragma once
// Choosing a password on the ring, from the choice to the keystrokes: the
// field the user was in is noted at the choice, the hotkeys are off while the
// presence check and the keyring read run, and the released secret goes into
// that field (through the accessibility bus, or the clipboard and Ctrl+V) or
// onto the clipboard, with a tray notice when it could only be copied. One
// owner for the whole path, so that no other layer handles a secret. The
// ports it works through are handed in. Main thread only.

#include "platform/FocusedText.h"
#include "platform/SecretText.h"
#include "vault/PasswordVault.h"

#include <QObject>
#include <QUuid>
#include <functional>
#include <memory>
#include <optional>

class Scheduler;
class SyntheticKeys;
class Workspace;

class PasswordDelivery {
public:
    // Switches the hotkeys off and returns what switches them on again.
    using SuspendHotkeys = std::function<std::function<void()>()>;

    PasswordDelivery(PasswordVault vault, FocusedText& focus, SyntheticKeys& keys, Scheduler& scheduler,
        Workspace& workspace, SuspendHotkeys suspendHotkeys);
    virtual ~PasswordDelivery() = default;

    // The accessibility bus answers in milliseconds. A capture (a walk of the
    // focused application, which a browser may first have to build) past its
    // limit is taken to hang, and the password can only be copied; a reading
    // or a write past its limit counts as refused.
    static constexpr double focusCaptureLimit = 0.8; // seconds
    static constexpr double callLimit = 0.4; // seconds
    // How long a written or pasted password may take to show in the element
    // (a browser passes it on to the page's process first).
    static constexpr double writeSettleTime = 0.4; // seconds
    static constexpr double pasteSettleTime = 1.2; // seconds

    // The password of account `accountId` to release: `chosenCard` when the
    // user picked one on the outer arc, else the account's first password.
    // Nothing for an unknown account, one without passwords, or a card that is
    // not one of the account's (a selection left over from another account).
    static std::optional<QUuid> chooseVariant(
        const PasswordVault& vault, const QUuid& accountId, std::optional<QUuid> chosenCard);

    // The user chose the account (and maybe a card): the focused field is
    // noted and the hotkeys suspended first; the password is released after a
    // presence check and, PasswordVault::deliveryDelay later, delivered into
    // that field (or copied). No password, a refused check or no secret: a
    // beep. The hotkeys are on again as soon as the release has answered.
    // `finished` runs once when the choice has come to its end, delivered or
    // not (after the beep, or once the password is where it went).
    virtual void choose(const QUuid& accountId, std::optional<QUuid> chosenCard, std::function<void()> finished = {});

    enum class Delivery {
        IntoField, // written into the captured element, and seen there
        ClipboardAndPaste, // the element did not take it: copied, Ctrl+V sent to its window, and seen there
        ClipboardOnly, // copied for the user to paste (no text element, or its window lost the focus)
        NotDelivered, // neither the write nor the paste showed in the element: left on the clipboard
    };
    // Puts `secret` where the user was typing when `target` was captured:
    // into that element when it accepted text; otherwise, or when the element
    // does not show the text soon after (whatever the write answered), onto
    // the clipboard, with Ctrl+V sent only when the element accepted text and
    // its window still has the focus; the paste is checked the same way. An
    // element that reports no text at all is taken at its word. Whenever the
    // password ends up only on the clipboard the user is told
    // (PasswordVault::notify) where it is and why. Once written into the
    // element the secret's bytes are wiped; on the clipboard, when the
    // clipboard lets them go.
    void deliver(const std::shared_ptr<const SecretText>& secret, const FocusCapture& target, const QObject* context,
        std::function<void(Delivery)> done) const;

private:
    PasswordVault m_vault;
    FocusedText& m_focus;
    SyntheticKeys& m_keys;
    Scheduler& m_scheduler;
    Workspace& m_workspace;
    SuspendHotkeys m_suspendHotkeys;
};
