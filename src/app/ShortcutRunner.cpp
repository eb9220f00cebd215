#include "app/ShortcutRunner.h"

#include "core/Hotkey.h"
#include "input/KeyTapSuspension.h"
#include "platform/Clipboard.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/SyntheticKeys.h"
#include "platform/Workspace.h"

#include <QUrl>
#include <array>

namespace {
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
constexpr std::array<GlyphFlag, 4> kGlyphs { {
    { u'\u2318', Modifier::Ctrl },
    { u'\u2325', Modifier::Alt },
    { u'\u21E7', Modifier::Shift },
    { u'\u2303', Modifier::Super },
} };
}

bool ShortcutRunner::isOpenableTabAddress(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !url.host().isEmpty();
}

void ShortcutRunner::executeShortcut(const Platform& platform, const AppShortcut& item)
{
    if (item.kind == RingItemKind::tab) {
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
        platform.workspace().openURL(*url);
        return;
    }

    if (item.kind == RingItemKind::password) {
        // Passwords go through the vault's delivery, never through here.
        Log::write(QStringLiteral("Kelvaro: a password item reached the shortcut runner; nothing was sent"));
        return;
    }

    // The plain route: each part that is present runs, in this order.
    if (item.textSnippet && !item.textSnippet->isEmpty())
        platform.clipboard().setText(*item.textSnippet);
    if (item.url && !item.url->isEmpty()) {
        if (const auto url = makeUrl(*item.url))
            platform.workspace().openURL(*url);
    }
    if (item.shortcut.isEmpty())
        return;
    const auto parsed = parseShortcut(item.shortcut);
    if (!parsed) {
        Log::write(QStringLiteral("Kelvaro: could not parse shortcut '") + item.shortcut + QStringLiteral("'"));
        return;
    }
    sendKeyEvent(platform.syntheticKeys(), parsed->keyCode, parsed->modifiers);
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
    return ParsedShortcut { *code, flags & Modifier::Mask };
}

void ShortcutRunner::sendKeyEvent(SyntheticKeys& keys, std::uint16_t keyCode, std::uint64_t modifiers)
{
    // Synthetic presses pass through passive grabs like real ones: a
    // combination that is also one of our hotkeys (Ctrl+Shift+S in an editor)
    // would come back to us instead of reaching the application. Our grabs are
    // lifted while the keys are posted and put back afterwards.
    KeyTapSuspension::withSuspended([&] { keys.postKeyPress(keyCode, modifiers & Modifier::Mask); });
}
