#include "vault/PasswordDelivery.h"

#include "platform/FocusedText.h"
#include "platform/Log.h"
#include "platform/Scheduler.h"
#include "platform/SyntheticKeys.h"
#include "platform/Workspace.h"
#include "vault/PasswordVault.h"

#include <QCoreApplication>
#include <QPointer>
#include <cmath>

namespace {
// Ctrl+V in the stored form: key code 9 (V) with the Ctrl bit.
constexpr std::uint16_t pasteKeyCode = 9;
constexpr std::uint64_t pasteModifiers = 0x100000;
}

PasswordDelivery::PasswordDelivery(
    FocusedText& focus, SyntheticKeys& keys, Scheduler& scheduler, Workspace& workspace, SuspendHotkeys suspendHotkeys)
    : m_focus(focus)
    , m_keys(keys)
    , m_scheduler(scheduler)
    , m_workspace(workspace)
    , m_suspendHotkeys(std::move(suspendHotkeys))
{
}

std::optional<QUuid> PasswordDelivery::chooseVariant(const QUuid& accountId, std::optional<QUuid> chosenCard)
{
    const auto account = PasswordVault::entry(accountId);
    if (!account)
        return std::nullopt;
    if (chosenCard) {
        for (const auto& v : account->variants) {
            if (v.id == *chosenCard)
                return *chosenCard;
        }
        Log::write(
            QStringLiteral("Kelvaro: the chosen password does not belong to the chosen account; nothing was sent"));
        return std::nullopt;
    }
    if (account->variants.isEmpty())
        return std::nullopt;
    return account->variants.first().id;
}

void PasswordDelivery::choose(const QUuid& accountId, std::optional<QUuid> chosenCard)
{
    // The field the user was in is noted first, and the presence check (whose
    // dialog takes the focus) starts only once that is done: nothing that gets
    // the focus later may receive the password.
    std::function<void()> resume = m_suspendHotkeys ? m_suspendHotkeys() : std::function<void()>();
    if (!resume)
        resume = [] {};
    const auto variant = chooseVariant(accountId, chosenCard);
    if (!variant) {
        Log::write(QStringLiteral("Kelvaro: the chosen account has no password to release"));
        resume();
        m_workspace.beep();
        return;
    }
    // The callbacks below may outlive this object: they hold a copy of it
    // (its ports), never `this`.
    const PasswordDelivery ports = *this;
    auto settled = std::make_shared<bool>(false);
    auto proceed = [variant = *variant, resume, settled, ports](const FocusCapture& target) {
        if (*settled)
            return;
        *settled = true;
        PasswordVault::secret(variant, nullptr, [target, resume, ports](const PasswordVault::Secret& secret) {
            resume();
            if (!secret) {
                Log::write(QStringLiteral("Kelvaro: no password was released"));
                ports.m_workspace.beep();
                return;
            }
            ports.m_scheduler.postAfter(PasswordVault::deliveryDelay,
                [target, secret, ports] { ports.deliver(secret, target, nullptr, nullptr); });
        });
    };
    m_focus.capture(nullptr, proceed);
    m_scheduler.postAfter(focusCaptureLimit, [proceed, settled] {
        if (*settled)
            return;
        Log::write(QStringLiteral("Kelvaro: the accessibility bus did not say which field has the focus; "
                                  "the password will only be copied"));
        proceed(FocusCapture {});
    });
}

void PasswordDelivery::deliver(const std::shared_ptr<const SecretText>& secret, const FocusCapture& target,
    const QObject* context, std::function<void(Delivery)> done) const
{
    auto answer = [alive = QPointer<const QObject>(context), hasContext = context != nullptr, done = std::move(done)](
                      Delivery how) {
        if (done && (!hasContext || alive))
            done(how);
    };
    if (!target.acceptsText) {
        PasswordVault::copyToClipboard(secret);
        m_scheduler.post([answer] { answer(Delivery::ClipboardOnly); });
        return;
    }
    FocusedText& focus = m_focus;
    SyntheticKeys& keys = m_keys;
    m_focus.setText(target, secret, nullptr, [secret, target, answer, &focus, &keys](bool written) {
        if (written) {
            secret->wipe();
            answer(Delivery::IntoField);
            return;
        }
        PasswordVault::copyToClipboard(secret);
        // Paste only into the window the user chose from; anywhere else the
        // password would land in a field nobody picked.
        const auto focused = focus.focusedWindow();
        if (target.window && focused == target.window) {
            keys.postKeyPress(pasteKeyCode, pasteModifiers);
            answer(Delivery::ClipboardAndPaste);
        } else {
            Log::write(QStringLiteral("Kelvaro: the window the password was chosen for no longer has the focus; "
                                      "the password is on the clipboard for 45 seconds"));
            // The user is waiting for a password to appear: say where it went.
            const int seconds = int(std::lround(PasswordVault::clipboardSeconds()));
            PasswordVault::notify(QCoreApplication::translate("Kelvaro",
                "The window you chose was closed or is no longer in front. "
                "Your password is on the clipboard for %n seconds.",
                nullptr, seconds));
            answer(Delivery::ClipboardOnly);
        }
    });
}
