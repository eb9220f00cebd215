#include "ring/ShortcutPresets.h"

#include "core/AppShortcut.h"

#include <QHash>
#include <QSet>

namespace {

constexpr std::uint64_t Ctrl = Modifier::Ctrl;
constexpr std::uint64_t Shift = Modifier::Shift;
constexpr std::uint64_t Alt = Modifier::Alt;
constexpr std::uint64_t Super = Modifier::Super;

// Virtual key codes of the ANSI layout used below.
enum Key : std::uint16_t {
    A = 0,
    S = 1,
    D = 2,
    F = 3,
    H = 4,
    G = 5,
    Z = 6,
    C = 8,
    V = 9,
    B = 11,
    W = 13,
    E = 14,
    R = 15,
    T = 17,
    K1 = 18,
    K2 = 19,
    K3 = 20,
    K4 = 21,
    Equal = 24,
    Minus = 27,
    K0 = 29,
    O = 31,
    U = 32,
    I = 34,
    P = 35,
    Return = 36,
    L = 37,
    J = 38,
    K = 40,
    Backslash = 42,
    N = 45,
    M = 46,
    Period = 47,
    Space = 49,
    Grave = 50,
    Left = 123,
    Right = 124,
    Up = 126,
};

// `name` is the English name and the key of its translations.
ShortcutPreset key(const char* id, const char* name, const char* symbol, std::uint16_t keyCode, std::uint64_t modifiers)
{
    return ShortcutPreset { QString::fromUtf8(id), QString::fromUtf8(name), QString::fromUtf8(symbol),
        Hotkey(keyCode, modifiers), true, false };
}

struct Catalog {
    QList<ShortcutPreset> common, finder, safari, chrome, firefox, mail, notes, messages, calendar, terminal, xcode,
        vscode, slack, discord, preview, music, spotify, photos, zoom, notion, figma, pages, numbers, keynote;
    QHash<QString, QList<ShortcutPreset>> byBundle;

    Catalog()
    {
        common = {
            key("common.new", QT_TRANSLATE_NOOP("Kelvaro", "New"), "plus", N, Ctrl),
            key("common.open", QT_TRANSLATE_NOOP("Kelvaro", "Open…"), "folder", O, Ctrl),
            key("common.save", QT_TRANSLATE_NOOP("Kelvaro", "Save"), "square.and.arrow.down", S, Ctrl),
            key("common.close", QT_TRANSLATE_NOOP("Kelvaro", "Close Window"), "xmark", W, Ctrl),
            key("common.undo", QT_TRANSLATE_NOOP("Kelvaro", "Undo"), "arrow.uturn.backward", Z, Ctrl),
            key("common.copy", QT_TRANSLATE_NOOP("Kelvaro", "Copy"), "doc.on.doc", C, Ctrl),
            key("common.paste", QT_TRANSLATE_NOOP("Kelvaro", "Paste"), "doc.on.clipboard", V, Ctrl),
            key("common.find", QT_TRANSLATE_NOOP("Kelvaro", "Find"), "magnifyingglass", F, Ctrl),
        };
        finder = {
            key("finder.newWindow", QT_TRANSLATE_NOOP("Kelvaro", "New Finder Window"), "macwindow", N, Ctrl),
            key("finder.newFolder", QT_TRANSLATE_NOOP("Kelvaro", "New Folder"), "folder.badge.plus", N, Shift | Ctrl),
            key("finder.getInfo", QT_TRANSLATE_NOOP("Kelvaro", "Get Info"), "info.circle", I, Ctrl),
            key("finder.duplicate", QT_TRANSLATE_NOOP("Kelvaro", "Duplicate"), "plus.square.on.square", D, Ctrl),
            key("finder.goDownloads", QT_TRANSLATE_NOOP("Kelvaro", "Go to Downloads"), "arrow.down.circle", L,
                Alt | Ctrl),
            key("finder.showViewOptions", QT_TRANSLATE_NOOP("Kelvaro", "Show View Options"), "slider.horizontal.3", J,
                Ctrl),
        };
        safari = {
            key("safari.newTab", QT_TRANSLATE_NOOP("Kelvaro", "New Tab"), "plus.square.on.square", T, Ctrl),
            key("safari.newWindow", QT_TRANSLATE_NOOP("Kelvaro", "New Window"), "macwindow", N, Ctrl),
            key("safari.closeTab", QT_TRANSLATE_NOOP("Kelvaro", "Close Tab"), "xmark", W, Ctrl),
            key("safari.reopenTab", QT_TRANSLATE_NOOP("Kelvaro", "Reopen Last Tab"), "arrow.uturn.backward", T,
                Shift | Ctrl),
            key("safari.reload", QT_TRANSLATE_NOOP("Kelvaro", "Reload Page"), "arrow.clockwise", R, Ctrl),
            key("safari.find", QT_TRANSLATE_NOOP("Kelvaro", "Find"), "magnifyingglass", F, Ctrl),
            key("safari.reader", QT_TRANSLATE_NOOP("Kelvaro", "Show Reader"), "doc.plaintext", R, Shift | Ctrl),
            key("safari.private", QT_TRANSLATE_NOOP("Kelvaro", "New Private Window"), "eye.slash", N, Shift | Ctrl),
        };
        chrome = {
            key("chrome.newTab", QT_TRANSLATE_NOOP("Kelvaro", "New Tab"), "plus.square.on.square", T, Ctrl),
            key("chrome.newWindow", QT_TRANSLATE_NOOP("Kelvaro", "New Window"), "macwindow", N, Ctrl),
            key("chrome.closeTab", QT_TRANSLATE_NOOP("Kelvaro", "Close Tab"), "xmark", W, Ctrl),
            key("chrome.reopenTab", QT_TRANSLATE_NOOP("Kelvaro", "Reopen Closed Tab"), "arrow.uturn.backward", T,
                Shift | Ctrl),
            key("chrome.reload", QT_TRANSLATE_NOOP("Kelvaro", "Reload"), "arrow.clockwise", R, Ctrl),
            key("chrome.find", QT_TRANSLATE_NOOP("Kelvaro", "Find"), "magnifyingglass", F, Ctrl),
            key("chrome.devTools", QT_TRANSLATE_NOOP("Kelvaro", "Developer Tools"),
                "chevron.left.forwardslash.chevron.right", I, Shift | Ctrl),
            key("chrome.incognito", QT_TRANSLATE_NOOP("Kelvaro", "New Incognito Window"), "eye.slash", N, Shift | Ctrl),
        };
        firefox = {
            key("firefox.newTab", QT_TRANSLATE_NOOP("Kelvaro", "New Tab"), "plus.square.on.square", T, Ctrl),
            key("firefox.newWindow", QT_TRANSLATE_NOOP("Kelvaro", "New Window"), "macwindow", N, Ctrl),
            key("firefox.closeTab", QT_TRANSLATE_NOOP("Kelvaro", "Close Tab"), "xmark", W, Ctrl),
            key("firefox.reopenTab", QT_TRANSLATE_NOOP("Kelvaro", "Reopen Closed Tab"), "arrow.uturn.backward", T,
                Shift | Ctrl),
            key("firefox.reload", QT_TRANSLATE_NOOP("Kelvaro", "Reload"), "arrow.clockwise", R, Ctrl),
            key("firefox.find", QT_TRANSLATE_NOOP("Kelvaro", "Find"), "magnifyingglass", F, Ctrl),
            key("firefox.private", QT_TRANSLATE_NOOP("Kelvaro", "New Private Window"), "eye.slash", P, Shift | Ctrl),
        };
        mail = {
            key("mail.newMessage", QT_TRANSLATE_NOOP("Kelvaro", "New Message"), "square.and.pencil", N, Ctrl),
            key("mail.reply", QT_TRANSLATE_NOOP("Kelvaro", "Reply"), "arrowshape.turn.up.left", R, Ctrl),
            key("mail.replyAll", QT_TRANSLATE_NOOP("Kelvaro", "Reply All"), "arrowshape.turn.up.left.2", R,
                Shift | Ctrl),
            key("mail.forward", QT_TRANSLATE_NOOP("Kelvaro", "Forward"), "arrowshape.turn.up.right", F, Shift | Ctrl),
            key("mail.send", QT_TRANSLATE_NOOP("Kelvaro", "Send"), "paperplane", Return, Shift | Ctrl),
            key("mail.mailboxSearch", QT_TRANSLATE_NOOP("Kelvaro", "Mailbox Search"), "magnifyingglass", F, Alt | Ctrl),
        };
        notes = {
            key("notes.newNote", QT_TRANSLATE_NOOP("Kelvaro", "New Note"), "square.and.pencil", N, Ctrl),
            key("notes.newFolder", QT_TRANSLATE_NOOP("Kelvaro", "New Folder"), "folder.badge.plus", N, Shift | Ctrl),
            key("notes.find", QT_TRANSLATE_NOOP("Kelvaro", "Find"), "magnifyingglass", F, Ctrl),
            key("notes.checklist", QT_TRANSLATE_NOOP("Kelvaro", "Checklist"), "checklist", L, Shift | Ctrl),
            key("notes.attach", QT_TRANSLATE_NOOP("Kelvaro", "Attach File"), "paperclip", A, Shift | Ctrl),
        };
        messages = {
            key("messages.newMessage", QT_TRANSLATE_NOOP("Kelvaro", "New Message"), "square.and.pencil", N, Ctrl),
            key("messages.search", QT_TRANSLATE_NOOP("Kelvaro", "Search"), "magnifyingglass", F, Ctrl),
            key("messages.emoji", QT_TRANSLATE_NOOP("Kelvaro", "Emoji & Symbols"), "face.smiling", Space, Super | Ctrl),
        };
        calendar = {
            key("calendar.newEvent", QT_TRANSLATE_NOOP("Kelvaro", "New Event"), "plus", N, Ctrl),
            key("calendar.today", QT_TRANSLATE_NOOP("Kelvaro", "Go to Today"), "calendar.badge.clock", T, Ctrl),
            key("calendar.day", QT_TRANSLATE_NOOP("Kelvaro", "Day View"), "calendar.day.timeline.left", K1, Ctrl),
            key("calendar.week", QT_TRANSLATE_NOOP("Kelvaro", "Week View"), "calendar", K2, Ctrl),
            key("calendar.month", QT_TRANSLATE_NOOP("Kelvaro", "Month View"), "calendar", K3, Ctrl),
        };
        terminal = {
            key("terminal.newWindow", QT_TRANSLATE_NOOP("Kelvaro", "New Window"), "macwindow", N, Shift | Ctrl),
            key("terminal.newTab", QT_TRANSLATE_NOOP("Kelvaro", "New Tab"), "plus.square.on.square", T, Shift | Ctrl),
            key("terminal.close", QT_TRANSLATE_NOOP("Kelvaro", "Close Tab"), "xmark", W, Shift | Ctrl),
            key("terminal.clear", QT_TRANSLATE_NOOP("Kelvaro", "Clear Screen"), "eraser", K, Shift | Ctrl),
            key("terminal.split", QT_TRANSLATE_NOOP("Kelvaro", "Split Pane"), "rectangle.split.1x2", D, Ctrl),
        };
        xcode = {
            key("xcode.run", QT_TRANSLATE_NOOP("Kelvaro", "Run"), "play.fill", R, Ctrl),
            key("xcode.build", QT_TRANSLATE_NOOP("Kelvaro", "Build"), "hammer", B, Ctrl),
            key("xcode.stop", QT_TRANSLATE_NOOP("Kelvaro", "Stop"), "stop.fill", Period, Ctrl),
            key("xcode.test", QT_TRANSLATE_NOOP("Kelvaro", "Test"), "checkmark.diamond", U, Ctrl),
            key("xcode.quickOpen", QT_TRANSLATE_NOOP("Kelvaro", "Open Quickly"), "magnifyingglass", O, Shift | Ctrl),
            key("xcode.assistant", QT_TRANSLATE_NOOP("Kelvaro", "Show Canvas / Assistant"), "rectangle.split.2x1",
                Return, Alt | Ctrl),
        };
        vscode = {
            key("vscode.quickOpen", QT_TRANSLATE_NOOP("Kelvaro", "Quick Open"), "magnifyingglass", P, Ctrl),
            key("vscode.commandPalette", QT_TRANSLATE_NOOP("Kelvaro", "Command Palette"), "command", P, Shift | Ctrl),
            key("vscode.terminal", QT_TRANSLATE_NOOP("Kelvaro", "Toggle Terminal"), "terminal", Grave, Ctrl),
            key("vscode.sidebar", QT_TRANSLATE_NOOP("Kelvaro", "Toggle Sidebar"), "sidebar.left", B, Ctrl),
            key("vscode.newFile", QT_TRANSLATE_NOOP("Kelvaro", "New File"), "doc.badge.plus", N, Ctrl),
            key("vscode.find", QT_TRANSLATE_NOOP("Kelvaro", "Find"), "magnifyingglass", F, Ctrl),
        };
        slack = {
            key("slack.quickSwitcher", QT_TRANSLATE_NOOP("Kelvaro", "Quick Switcher"), "magnifyingglass", K, Ctrl),
            key("slack.newMessage", QT_TRANSLATE_NOOP("Kelvaro", "New Message"), "square.and.pencil", N, Ctrl),
            key("slack.search", QT_TRANSLATE_NOOP("Kelvaro", "Search"), "magnifyingglass", G, Ctrl),
            key("slack.threads", QT_TRANSLATE_NOOP("Kelvaro", "Threads"), "bubble.left.and.bubble.right", T,
                Shift | Ctrl),
            key("slack.mentions", QT_TRANSLATE_NOOP("Kelvaro", "Mentions & Reactions"), "at", M, Shift | Ctrl),
        };
        discord = {
            key("discord.search", QT_TRANSLATE_NOOP("Kelvaro", "Search"), "magnifyingglass", F, Ctrl),
            key("discord.mute", QT_TRANSLATE_NOOP("Kelvaro", "Toggle Mute"), "mic.slash", M, Shift | Ctrl),
            key("discord.deafen", QT_TRANSLATE_NOOP("Kelvaro", "Toggle Deafen"), "speaker.slash", D, Shift | Ctrl),
            key("discord.inbox", QT_TRANSLATE_NOOP("Kelvaro", "Inbox"), "tray", I, Ctrl),
            key("discord.emoji", QT_TRANSLATE_NOOP("Kelvaro", "Emoji Picker"), "face.smiling", E, Ctrl),
        };
        preview = {
            key("preview.actualSize", QT_TRANSLATE_NOOP("Kelvaro", "Actual Size"), "1.magnifyingglass", K0, Ctrl),
            key("preview.zoomIn", QT_TRANSLATE_NOOP("Kelvaro", "Zoom In"), "plus.magnifyingglass", Equal, Ctrl),
            key("preview.zoomOut", QT_TRANSLATE_NOOP("Kelvaro", "Zoom Out"), "minus.magnifyingglass", Minus, Ctrl),
            key("preview.slideshow", QT_TRANSLATE_NOOP("Kelvaro", "Slideshow"), "play.rectangle", F, Shift | Ctrl),
            key("preview.rotate", QT_TRANSLATE_NOOP("Kelvaro", "Rotate Left"), "rotate.left", L, Ctrl),
        };
        music = {
            key("music.playPause", QT_TRANSLATE_NOOP("Kelvaro", "Play/Pause"), "playpause", Space, Alt),
            key("music.next", QT_TRANSLATE_NOOP("Kelvaro", "Next Track"), "forward.end", Right, Ctrl),
            key("music.previous", QT_TRANSLATE_NOOP("Kelvaro", "Previous Track"), "backward.end", Left, Ctrl),
            key("music.search", QT_TRANSLATE_NOOP("Kelvaro", "Search"), "magnifyingglass", F, Ctrl),
            key("music.shuffle", QT_TRANSLATE_NOOP("Kelvaro", "Shuffle"), "shuffle", S, Alt | Ctrl),
        };
        spotify = {
            key("spotify.playPause", QT_TRANSLATE_NOOP("Kelvaro", "Play/Pause"), "playpause", Space, Alt),
            key("spotify.next", QT_TRANSLATE_NOOP("Kelvaro", "Next Track"), "forward.end", Right, Ctrl),
            key("spotify.previous", QT_TRANSLATE_NOOP("Kelvaro", "Previous Track"), "backward.end", Left, Ctrl),
            key("spotify.search", QT_TRANSLATE_NOOP("Kelvaro", "Search"), "magnifyingglass", L, Ctrl),
            key("spotify.queue", QT_TRANSLATE_NOOP("Kelvaro", "Show Queue"), "list.bullet", 12 /* Q */, Alt | Ctrl),
        };
        photos = {
            key("photos.import", QT_TRANSLATE_NOOP("Kelvaro", "Import"), "square.and.arrow.down", I, Shift | Ctrl),
            key("photos.newAlbum", QT_TRANSLATE_NOOP("Kelvaro", "New Album"), "rectangle.stack.badge.plus", N, Ctrl),
            key("photos.search", QT_TRANSLATE_NOOP("Kelvaro", "Search"), "magnifyingglass", F, Ctrl),
            key("photos.favorite", QT_TRANSLATE_NOOP("Kelvaro", "Favourite"), "heart", Period, Ctrl),
            key("photos.info", QT_TRANSLATE_NOOP("Kelvaro", "Get Info"), "info.circle", I, Ctrl),
        };
        zoom = {
            key("zoom.mute", QT_TRANSLATE_NOOP("Kelvaro", "Mute Audio"), "mic.slash", A, Shift | Ctrl),
            key("zoom.video", QT_TRANSLATE_NOOP("Kelvaro", "Start Video"), "video", V, Shift | Ctrl),
            key("zoom.share", QT_TRANSLATE_NOOP("Kelvaro", "Share Screen"), "rectangle.inset.filled.and.person.filled",
                S, Shift | Ctrl),
            key("zoom.chat", QT_TRANSLATE_NOOP("Kelvaro", "Show Chat"), "bubble.left", H, Shift | Ctrl),
            key("zoom.participants", QT_TRANSLATE_NOOP("Kelvaro", "Show Participants"), "person.2", U, Ctrl),
        };
        notion = {
            key("notion.newPage", QT_TRANSLATE_NOOP("Kelvaro", "New Page"), "doc.badge.plus", N, Ctrl),
            key("notion.search", QT_TRANSLATE_NOOP("Kelvaro", "Search"), "magnifyingglass", P, Ctrl),
            key("notion.comment", QT_TRANSLATE_NOOP("Kelvaro", "Add Comment"), "text.bubble", M, Shift | Ctrl),
            key("notion.todo", QT_TRANSLATE_NOOP("Kelvaro", "To-do List"), "checkmark.square", K4, Alt | Ctrl),
            key("notion.duplicate", QT_TRANSLATE_NOOP("Kelvaro", "Duplicate"), "plus.square.on.square", D, Ctrl),
        };
        figma = {
            key("figma.frame", QT_TRANSLATE_NOOP("Kelvaro", "Frame Tool"), "rectangle", F, 0),
            key("figma.move", QT_TRANSLATE_NOOP("Kelvaro", "Move Tool"), "arrow.up.left.and.arrow.down.right", V, 0),
            key("figma.text", QT_TRANSLATE_NOOP("Kelvaro", "Text Tool"), "textformat", T, 0),
            key("figma.pen", QT_TRANSLATE_NOOP("Kelvaro", "Pen Tool"), "pencil.tip", P, 0),
            key("figma.group", QT_TRANSLATE_NOOP("Kelvaro", "Group Selection"), "rectangle.3.group", G, Ctrl),
        };
        pages = {
            key("pages.new", QT_TRANSLATE_NOOP("Kelvaro", "New Document"), "doc.badge.plus", N, Ctrl),
            key("pages.save", QT_TRANSLATE_NOOP("Kelvaro", "Save"), "square.and.arrow.down", S, Ctrl),
            key("pages.find", QT_TRANSLATE_NOOP("Kelvaro", "Find"), "magnifyingglass", F, Ctrl),
            key("pages.bold", QT_TRANSLATE_NOOP("Kelvaro", "Bold"), "bold", B, Ctrl),
            key("pages.export", QT_TRANSLATE_NOOP("Kelvaro", "Export to PDF"), "square.and.arrow.up", E, Alt | Ctrl),
        };
        numbers = {
            key("numbers.new", QT_TRANSLATE_NOOP("Kelvaro", "New Spreadsheet"), "doc.badge.plus", N, Ctrl),
            key("numbers.save", QT_TRANSLATE_NOOP("Kelvaro", "Save"), "square.and.arrow.down", S, Ctrl),
            key("numbers.find", QT_TRANSLATE_NOOP("Kelvaro", "Find"), "magnifyingglass", F, Ctrl),
            key("numbers.addRow", QT_TRANSLATE_NOOP("Kelvaro", "Add Row Above"), "plus", Up, Alt | Ctrl),
            key("numbers.chart", QT_TRANSLATE_NOOP("Kelvaro", "Insert Chart"), "chart.bar", C, Alt | Ctrl),
        };
        keynote = {
            key("keynote.new", QT_TRANSLATE_NOOP("Kelvaro", "New Presentation"), "doc.badge.plus", N, Ctrl),
            key("keynote.play", QT_TRANSLATE_NOOP("Kelvaro", "Play Slideshow"), "play.fill", P, Alt | Ctrl),
            key("keynote.newSlide", QT_TRANSLATE_NOOP("Kelvaro", "New Slide"), "plus.rectangle", N, Shift | Ctrl),
            key("keynote.presenter", QT_TRANSLATE_NOOP("Kelvaro", "Presenter Display"), "person.and.background.dotted",
                P, Alt | Shift | Ctrl),
            key("keynote.save", QT_TRANSLATE_NOOP("Kelvaro", "Save"), "square.and.arrow.down", S, Ctrl),
        };

        // Linux applications by the identifiers they have here (reverse-DNS
        // desktop ids, or the alias table's); the other desktop's identifiers
        // follow as aliases, for lists saved there.
        const std::pair<const char*, const QList<ShortcutPreset>*> rows[] = {
            { "org.chromium.Chromium", &chrome },
            { "com.brave.Browser", &chrome },
            { "com.vivaldi.Vivaldi", &chrome },
            { "org.gnome.Terminal", &terminal },
            { "org.kde.konsole", &terminal },
            { "xfce4-terminal", &terminal },
            { "com.apple.finder", &finder },
            { "com.apple.Safari", &safari },
            { "com.google.Chrome", &chrome },
            { "com.microsoft.edgemac", &chrome },
            { "company.thebrowser.Browser", &chrome },
            { "org.mozilla.firefox", &firefox },
            { "com.apple.mail", &mail },
            { "com.apple.Notes", &notes },
            { "com.apple.MobileSMS", &messages },
            { "com.apple.iCal", &calendar },
            { "com.apple.Terminal", &terminal },
            { "com.googlecode.iterm2", &terminal },
            { "com.apple.dt.Xcode", &xcode },
            { "com.microsoft.VSCode", &vscode },
            { "com.tinyspeck.slackmacgap", &slack },
            { "com.hnc.Discord", &discord },
            { "com.apple.Preview", &preview },
            { "com.apple.Music", &music },
            { "com.spotify.client", &spotify },
            { "com.apple.Photos", &photos },
            { "us.zoom.xos", &zoom },
            { "notion.id", &notion },
            { "com.figma.Desktop", &figma },
            { "com.apple.Pages", &pages },
            { "com.apple.Numbers", &numbers },
            { "com.apple.iWork.Keynote", &keynote },
        };
        for (const auto& [bundle, list] : rows)
            byBundle.insert(QString::fromLatin1(bundle), *list);
    }
};

const Catalog& catalogData()
{
    static const Catalog c;
    return c;
}

} // namespace

const QList<ShortcutPreset>& ShortcutPresets::common() { return catalogData().common; }

const QHash<QString, QList<ShortcutPreset>>& ShortcutPresets::catalog() { return catalogData().byBundle; }

QList<QList<ShortcutPreset>> ShortcutPresets::allLists()
{
    const Catalog& c = catalogData();
    return { c.common, c.finder, c.safari, c.chrome, c.firefox, c.mail, c.notes, c.messages, c.calendar, c.terminal,
        c.xcode, c.vscode, c.slack, c.discord, c.preview, c.music, c.spotify, c.photos, c.zoom, c.notion, c.figma,
        c.pages, c.numbers, c.keynote };
}

QList<ShortcutPreset> ShortcutPresets::suggestions(const QString& bundleIdentifier)
{
    const auto& byBundle = catalog();
    const auto it = byBundle.constFind(bundleIdentifier);
    return it == byBundle.constEnd() ? common() : *it;
}

QList<ShortcutPreset> ShortcutPresets::missingSuggestions(
    const QString& bundleIdentifier, const QList<AppShortcut>& existing)
{
    QSet<QString> present;
    for (const AppShortcut& shortcut : existing)
        present.insert(shortcut.shortcut);
    QList<ShortcutPreset> result;
    for (const ShortcutPreset& preset : suggestions(bundleIdentifier)) {
        if (!present.contains(preset.combinationText()))
            result.append(preset);
    }
    return result;
}
