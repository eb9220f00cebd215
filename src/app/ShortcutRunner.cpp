#include "app/ShortcutRunner.h"

#include "core/Hotkey.h"
#include "input/KeyTapSuspension.h"
#include "platform/Clipboard.h"
#include "platform/FocusedText.h"
#include "platform/Scheduler.h"
#include "platform/Log.h"
#include "platform/SyntheticKeys.h"
#include "platform/Workspace.h"
#include "ring/AppShortcutRingViewModel.h"
#include "vault/PasswordVault.h"

#include <QUrl>
#include <array>

namespace {
ShortcutRunner::PasswordRoute& passwordRoute()
{
    static ShortcutRunner::PasswordRoute route;
    return route;
}

// A link as the user or a capture stored it; nothing for text that is not an
// absolute address.
std::optional<QUrl> makeUrl(const QString& text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return std::nullopt;
    return url;
}

struct GlyphFlag {
    char16_t glyph;
    std::uint64_t flag;
};
// Order of the scan: ⌘ ⌥ ⇧ ⌃.
constexpr std::array<GlyphFlag, 4> kGlyphs{{
    {u'\u2318', Modifier::Command},
    {u'\u2325', Modifier::Option},
    {u'\u21E7', Modifier::Shift},
    {u'\u2303', Modifier::Control},
}};
}

bool ShortcutRunner::isOpenableTabAddress(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !url.host().isEmpty();
}

void ShortcutRunner::executeShortcut(const AppShortcut& item, const AppShortcutRingViewModel* ringModel)
{
    if (item.bundleIdentifier == AppShortcut::tabsMarker) {
        const auto url = makeUrl(item.shortcut);
        if (!url)
            return; // an address that does not parse: nothing happens
        if (!isOpenableTabAddress(*url)) {
            // The address may carry private details: the log names its kind and host only.
            Log::write(QStringLiteral("Kelvaro: not opening a saved tab (%1 address%2): only web addresses are opened")
                           .arg(url->scheme().isEmpty() ? QStringLiteral("no scheme") : url->scheme().left(32),
                                url->host().isEmpty() ? QString() : QStringLiteral(" on ") + url->host().left(255)));
            return;
        }
        Workspace::shared().openURL(*url);
        return;
    }

    if (item.bundleIdentifier == AppShortcut::passwordMarker) {
        if (auto& route = passwordRoute())
            route(item, ringModel);
        else
            Log::write(QStringLiteral("Kelvaro: passwords cannot be released in this build; nothing was sent"));
        return;
    }

    // The plain route: each part that is present runs, in this order.
    if (item.textSnippet && !item.textSnippet->isEmpty())
        Clipboard::shared().setText(*item.textSnippet);
    if (item.url && !item.url->isEmpty()) {
        if (const auto url = makeUrl(*item.url))
            Workspace::shared().openURL(*url);
    }
    if (item.shortcut.isEmpty())
        return;
    const auto parsed = parseShortcut(item.shortcut);
    if (!parsed) {
        Log::write(QStringLiteral("Kelvaro: could not parse shortcut '") + item.shortcut + QStringLiteral("'"));
        return;
    }
    sendKeyEvent(parsed->keyCode, parsed->modifiers);
}

std::optional<ShortcutRunner::ParsedShortcut> ShortcutRunner::parseShortcut(const QString& text)
{
    QString rest = text;
    std::uint64_t flags = 0;
    for (const auto& g : kGlyphs) {
        const QChar glyph(g.glyph);
        if (rest.contains(glyph)) {
            rest.remove(glyph);
            flags |= g.flag;
        }
    }
    const auto code = Hotkey::keyCodeForLabel(rest);
    if (!code)
        return std::nullopt;
    return ParsedShortcut{*code, flags & Modifier::Mask};
}

void ShortcutRunner::sendKeyEvent(std::uint16_t keyCode, std::uint64_t modifiers)
{
    // Synthetic presses pass through passive grabs like real ones: a
    // combination that is also one of our hotkeys (Ctrl+Shift+S in an editor)
    // would come back to us instead of reaching the application. Our grabs are
    // lifted while the keys are posted and put back afterwards.
    KeyTapSuspension::withSuspended(
        [&] { SyntheticKeys::shared().postKeyPress(keyCode, modifiers & Modifier::Mask); });
}

void ShortcutRunner::setPasswordRoute(PasswordRoute route)
{
    passwordRoute() = std::move(route);
}

std::optional<QUuid> ShortcutRunner::chooseVariant(const AppShortcut& item, const AppShortcutRingViewModel* ringModel)
{
    const auto account = PasswordVault::entry(item.id);
    if (!account)
        return std::nullopt;
    if (ringModel) {
        const auto arcIndex = ringModel->selectedArcIndex();
        const auto& variants = ringModel->arcVariants();
        if (arcIndex && *arcIndex >= 0 && *arcIndex < variants.size()) {
            const QUuid chosen = variants.at(*arcIndex).id;
            for (const auto& v : account->variants) {
                if (v.id == chosen)
                    return chosen;
            }
            Log::write(QStringLiteral("Kelvaro: the chosen password does not belong to the chosen account; nothing was sent"));
            return std::nullopt;
        }
    }
    if (account->variants.isEmpty())
        return std::nullopt;
    return account->variants.first().id;
}

void ShortcutRunner::runPasswordRoute(const AppShortcut& item, const AppShortcutRingViewModel* ringModel)
{
    // The field the user was in is noted first, and the presence check (whose
    // dialog takes the focus) starts only once that is done: nothing that gets
    // the focus later may receive the password.
    KeyTapSuspension::Resume resume = KeyTapSuspension::begin();
    const auto variant = chooseVariant(item, ringModel);
    if (!variant) {
        Log::write(QStringLiteral("Kelvaro: the chosen account has no password to release"));
        resume();
        Workspace::shared().beep();
        return;
    }
    // The accessibility bus answers in milliseconds; one that hangs must not
    // keep the hotkeys off: past the limit the password can only be copied.
    auto settled = std::make_shared<bool>(false);
    auto proceed = [variant = *variant, resume, settled](const FocusCapture& target) {
        if (*settled)
            return;
        *settled = true;
        PasswordVault::secret(variant, nullptr, [target, resume](const PasswordVault::Secret& secret) {
            resume();
            if (!secret) {
                Log::write(QStringLiteral("Kelvaro: no password was released"));
                Workspace::shared().beep();
                return;
            }
            Scheduler::shared().postAfter(PasswordVault::deliveryDelay, [target, secret] {
                PasswordVault::deliver(secret, target, nullptr, nullptr);
            });
        });
    };
    FocusedText::shared().capture(nullptr, proceed);
    Scheduler::shared().postAfter(focusCaptureLimit, [proceed, settled] {
        if (*settled)
            return;
        Log::write(QStringLiteral("Kelvaro: the accessibility bus did not say which field has the focus; "
                                  "the password will only be copied"));
        proceed(FocusCapture {});
    });
}
