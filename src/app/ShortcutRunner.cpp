#include "app/ShortcutRunner.h"

#include "core/Hotkey.h"
#include "platform/Clipboard.h"
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
    SyntheticKeys::shared().postKeyPress(keyCode, modifiers & Modifier::Mask);
}

void ShortcutRunner::setPasswordRoute(PasswordRoute route)
{
    passwordRoute() = std::move(route);
}

std::optional<QUuid> ShortcutRunner::chooseVariant(const AppShortcut& item, const AppShortcutRingViewModel* ringModel)
{
    if (ringModel) {
        const auto arcIndex = ringModel->selectedArcIndex();
        const auto& variants = ringModel->arcVariants();
        if (arcIndex && *arcIndex >= 0 && *arcIndex < variants.size())
            return variants.at(*arcIndex).id;
    }
    for (const auto& entry : PasswordVault::entries()) {
        if (entry.id == item.id)
            return entry.variants.isEmpty() ? std::nullopt : std::optional<QUuid>(entry.variants.first().id);
    }
    return std::nullopt;
}
