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
constexpr double pollInterval = 0.05; // seconds between readings while waiting for the text to show

// The characters of UTF-8 text, as the accessibility layer counts them
// (code points), without decoding the secret into another buffer.
int characterCount(QByteArrayView utf8)
{
    int count = 0;
    for (const char byte : utf8) {
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

// Whether the element took `length` new characters: its count or its caret
// moved by that much, or its whole content became that long (a write
// replaces what was there).
bool tookText(const std::optional<TextState>& before, const TextState& after, int length)
{
    if (length == 0)
        return true;
    if (!before)
        return after.characters >= length;
    if (after.characters - before->characters == length)
        return true;
    if (before->caret >= 0 && after.caret - before->caret == length)
        return true;
    return after.characters == length && after != *before;
}

// Runs `call` and hands its answer to `then`, or `fallback` once `limit`
// seconds have passed without one; a late answer is dropped.
template <typename T>
void withinLimit(Scheduler& scheduler, double limit, T fallback,
    const std::function<void(std::function<void(T)>)>& call, std::function<void(T)> then)
{
    auto settled = std::make_shared<bool>(false);
    auto once = [settled, then = std::move(then)](T value) {
        if (*settled)
            return;
        *settled = true;
        then(std::move(value));
    };
    scheduler.postAfter(limit, [once, fallback] { once(fallback); });
    call(once);
}

int shownSeconds() { return int(std::lround(PasswordVault::clipboardSeconds())); }

// One delivery in flight: what it works with and what it has learnt.
struct Attempt {
    PasswordVault vault;
    FocusedText& focus;
    SyntheticKeys& keys;
    Scheduler& scheduler;
    std::shared_ptr<const SecretText> secret;
    FocusCapture target;
    std::function<void(PasswordDelivery::Delivery)> answer;
    int length = 0;
    std::optional<TextState> before;
    bool readable = false; // the element reported its text at least once

    void read(std::function<void(std::optional<TextState>)> then)
    {
        FocusedText& f = focus;
        const FocusCapture t = target;
        withinLimit<std::optional<TextState>>(
            scheduler, PasswordDelivery::callLimit, std::nullopt,
            [&f, t](std::function<void(std::optional<TextState>)> done) { f.readText(t, nullptr, std::move(done)); },
            std::move(then));
    }
};

enum class Seen { Took, Unchanged, Unreadable };

// Reads the element until it shows the new characters or `deadline` passes.
void awaitText(const std::shared_ptr<Attempt>& attempt, double deadline, const std::function<void(Seen)>& then)
{
    attempt->read([attempt, deadline, then](std::optional<TextState> state) {
        attempt->readable = attempt->readable || state.has_value();
        if (state && tookText(attempt->before, *state, attempt->length)) {
            then(Seen::Took);
            return;
        }
        if (attempt->scheduler.now() >= deadline) {
            then(attempt->readable ? Seen::Unchanged : Seen::Unreadable);
            return;
        }
        attempt->scheduler.postAfter(pollInterval, [attempt, deadline, then] { awaitText(attempt, deadline, then); });
    });
}

void pasteInstead(const std::shared_ptr<Attempt>& attempt)
{
    attempt->vault.copyToClipboard(attempt->secret);
    // Paste only into the window the user chose from; anywhere else the
    // password would land in a field nobody picked.
    const auto focused = attempt->focus.focusedWindow();
    if (!attempt->target.window || focused != attempt->target.window) {
        Log::write(QStringLiteral("Kelvaro: the window the password was chosen for no longer has the focus; "
                                  "the password is on the clipboard for 45 seconds"));
        // The user is waiting for a password to appear: say where it went.
        PasswordVault::notify(QCoreApplication::translate("Kelvaro",
            "The window you chose was closed or is no longer in front. "
            "Your password is on the clipboard for %n seconds.",
            nullptr, shownSeconds()));
        attempt->answer(PasswordDelivery::Delivery::ClipboardOnly);
        return;
    }
    attempt->keys.postKeyPress(pasteKeyCode, pasteModifiers);
    const double deadline = attempt->scheduler.now() + PasswordDelivery::pasteSettleTime;
    awaitText(attempt, deadline, [attempt](Seen seen) {
        if (seen == Seen::Unreadable)
            Log::write(QStringLiteral("Kelvaro: the field reports no text; the pasted password could not be checked"));
        if (seen != Seen::Unchanged) {
            attempt->answer(PasswordDelivery::Delivery::ClipboardAndPaste);
            return;
        }
        const QString application = attempt->target.application;
        Log::write(QStringLiteral("Kelvaro: the password did not arrive in the field of %1, neither written nor "
                                  "pasted; it is on the clipboard for 45 seconds")
                       .arg(application.isEmpty() ? QStringLiteral("the application") : application));
        PasswordVault::notify(application.isEmpty()
                ? QCoreApplication::translate("Kelvaro",
                    "The password did not arrive in the field. "
                    "It is on the clipboard for %n seconds: paste it there yourself.",
                    nullptr, shownSeconds())
                : QCoreApplication::translate("Kelvaro",
                    "%1 did not take the password. "
                    "It is on the clipboard for %n seconds: paste it into the field yourself.",
                    nullptr, shownSeconds())
                      .arg(application));
        attempt->answer(PasswordDelivery::Delivery::NotDelivered);
    });
}
}

PasswordDelivery::PasswordDelivery(PasswordVault vault, FocusedText& focus, SyntheticKeys& keys, Scheduler& scheduler,
    Workspace& workspace, SuspendHotkeys suspendHotkeys)
    : m_vault(vault)
    , m_focus(focus)
    , m_keys(keys)
    , m_scheduler(scheduler)
    , m_workspace(workspace)
    , m_suspendHotkeys(std::move(suspendHotkeys))
{
}

std::optional<QUuid> PasswordDelivery::chooseVariant(
    const PasswordVault& vault, const QUuid& accountId, std::optional<QUuid> chosenCard)
{
    const auto account = vault.entry(accountId);
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

void PasswordDelivery::choose(const QUuid& accountId, std::optional<QUuid> chosenCard, std::function<void()> finished)
{
    auto end = [once = std::make_shared<std::function<void()>>(std::move(finished))] {
        if (auto f = std::exchange(*once, nullptr))
            f();
    };
    // The field the user was in is noted first, and the presence check (whose
    // dialog takes the focus) starts only once that is done: nothing that gets
    // the focus later may receive the password.
    std::function<void()> resume = m_suspendHotkeys ? m_suspendHotkeys() : std::function<void()>();
    if (!resume)
        resume = [] {};
    const auto variant = chooseVariant(m_vault, accountId, chosenCard);
    if (!variant) {
        Log::write(QStringLiteral("Kelvaro: the chosen account has no password to release"));
        resume();
        m_workspace.beep();
        end();
        return;
    }
    // The callbacks below may outlive this object: they hold a copy of it
    // (its ports), never `this`.
    const PasswordDelivery ports = *this;
    auto settled = std::make_shared<bool>(false);
    auto proceed = [variant = *variant, resume, settled, ports, end](const FocusCapture& target) {
        if (*settled)
            return;
        *settled = true;
        ports.m_vault.secret(variant, nullptr, [target, resume, ports, end](const PasswordVault::Secret& secret) {
            resume();
            if (!secret) {
                Log::write(QStringLiteral("Kelvaro: no password was released"));
                ports.m_workspace.beep();
                end();
                return;
            }
            ports.m_scheduler.postAfter(PasswordVault::deliveryDelay,
                [target, secret, ports, end] { ports.deliver(secret, target, nullptr, [end](Delivery) { end(); }); });
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
        m_vault.copyToClipboard(secret);
        Log::write(QStringLiteral("Kelvaro: no text field had the focus; the password is on the clipboard"));
        PasswordVault::notify(QCoreApplication::translate("Kelvaro",
            "No text field had the focus. "
            "Your password is on the clipboard for %n seconds: paste it.",
            nullptr, shownSeconds()));
        m_scheduler.post([answer] { answer(Delivery::ClipboardOnly); });
        return;
    }
    auto attempt = std::make_shared<Attempt>(
        Attempt { m_vault, m_focus, m_keys, m_scheduler, secret, target, answer, 0, {}, false });
    attempt->length = characterCount(secret->bytes());
    // An application may answer a write with success and leave the field as it
    // was: what the element shows afterwards decides, not the answer.
    attempt->read([attempt](std::optional<TextState> before) {
        attempt->before = before;
        attempt->readable = before.has_value();
        FocusedText& focus = attempt->focus;
        const FocusCapture target = attempt->target;
        const auto text = attempt->secret;
        withinLimit<bool>(
            attempt->scheduler, callLimit, false,
            [&focus, target, text](
                std::function<void(bool)> done) { focus.setText(target, text, nullptr, std::move(done)); },
            [attempt](bool written) {
                if (!written) {
                    Log::write(QStringLiteral("Kelvaro: the field takes no written text; pasting the password"));
                    pasteInstead(attempt);
                    return;
                }
                const double deadline = attempt->scheduler.now() + writeSettleTime;
                awaitText(attempt, deadline, [attempt](Seen seen) {
                    if (seen == Seen::Unchanged) {
                        Log::write(QStringLiteral("Kelvaro: the field accepted the password but does not show it; "
                                                  "pasting it instead"));
                        pasteInstead(attempt);
                        return;
                    }
                    if (seen == Seen::Unreadable)
                        Log::write(QStringLiteral(
                            "Kelvaro: the field reports no text; the written password could not be checked"));
                    attempt->secret->wipe();
                    attempt->answer(Delivery::IntoField);
                });
            });
    });
}
