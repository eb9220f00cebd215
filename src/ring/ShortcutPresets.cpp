#include "ring/ShortcutPresets.h"

#include "core/AppShortcut.h"

#include <QHash>
#include <QSet>

namespace {

constexpr std::uint64_t Cmd = Modifier::Command;
constexpr std::uint64_t Shift = Modifier::Shift;
constexpr std::uint64_t Opt = Modifier::Option;
constexpr std::uint64_t Ctrl = Modifier::Control;

// Virtual key codes of the ANSI layout used below.
enum Key : std::uint16_t {
    A = 0, S = 1, D = 2, F = 3, H = 4, G = 5, Z = 6, C = 8, V = 9, B = 11, W = 13, E = 14, R = 15,
    T = 17, K1 = 18, K2 = 19, K3 = 20, K4 = 21, Equal = 24, Minus = 27, K0 = 29, O = 31, U = 32,
    I = 34, P = 35, Return = 36, L = 37, J = 38, K = 40, Backslash = 42, N = 45, M = 46, Period = 47,
    Space = 49, Left = 123, Right = 124, Up = 126,
};

ShortcutPreset key(const char* id, const char* name, const char* symbol, std::uint16_t keyCode, std::uint64_t modifiers)
{
    return ShortcutPreset { QString::fromUtf8(id), QString::fromUtf8(name), QString::fromUtf8(symbol),
                            Hotkey(keyCode, modifiers), true, false };
}

struct Catalog {
    QList<ShortcutPreset> common, finder, safari, chrome, firefox, mail, notes, messages, calendar, terminal,
        xcode, vscode, slack, discord, preview, music, spotify, photos, zoom, notion, figma, pages, numbers, keynote;
    QHash<QString, QList<ShortcutPreset>> byBundle;

    Catalog()
    {
        common = {
            key("common.new", "New", "plus", N, Cmd),
            key("common.open", "Open…", "folder", O, Cmd),
            key("common.save", "Save", "square.and.arrow.down", S, Cmd),
            key("common.close", "Close Window", "xmark", W, Cmd),
            key("common.undo", "Undo", "arrow.uturn.backward", Z, Cmd),
            key("common.copy", "Copy", "doc.on.doc", C, Cmd),
            key("common.paste", "Paste", "doc.on.clipboard", V, Cmd),
            key("common.find", "Find", "magnifyingglass", F, Cmd),
        };
        finder = {
            key("finder.newWindow", "New Finder Window", "macwindow", N, Cmd),
            key("finder.newFolder", "New Folder", "folder.badge.plus", N, Shift | Cmd),
            key("finder.getInfo", "Get Info", "info.circle", I, Cmd),
            key("finder.duplicate", "Duplicate", "plus.square.on.square", D, Cmd),
            key("finder.goDownloads", "Go to Downloads", "arrow.down.circle", L, Opt | Cmd),
            key("finder.showViewOptions", "Show View Options", "slider.horizontal.3", J, Cmd),
        };
        safari = {
            key("safari.newTab", "New Tab", "plus.square.on.square", T, Cmd),
            key("safari.newWindow", "New Window", "macwindow", N, Cmd),
            key("safari.closeTab", "Close Tab", "xmark", W, Cmd),
            key("safari.reopenTab", "Reopen Last Tab", "arrow.uturn.backward", T, Shift | Cmd),
            key("safari.reload", "Reload Page", "arrow.clockwise", R, Cmd),
            key("safari.find", "Find", "magnifyingglass", F, Cmd),
            key("safari.reader", "Show Reader", "doc.plaintext", R, Shift | Cmd),
            key("safari.private", "New Private Window", "eye.slash", N, Shift | Cmd),
        };
        chrome = {
            key("chrome.newTab", "New Tab", "plus.square.on.square", T, Cmd),
            key("chrome.newWindow", "New Window", "macwindow", N, Cmd),
            key("chrome.closeTab", "Close Tab", "xmark", W, Cmd),
            key("chrome.reopenTab", "Reopen Closed Tab", "arrow.uturn.backward", T, Shift | Cmd),
            key("chrome.reload", "Reload", "arrow.clockwise", R, Cmd),
            key("chrome.find", "Find", "magnifyingglass", F, Cmd),
            key("chrome.devTools", "Developer Tools", "chevron.left.forwardslash.chevron.right", I, Opt | Cmd),
            key("chrome.incognito", "New Incognito Window", "eye.slash", N, Shift | Cmd),
        };
        firefox = {
            key("firefox.newTab", "New Tab", "plus.square.on.square", T, Cmd),
            key("firefox.newWindow", "New Window", "macwindow", N, Cmd),
            key("firefox.closeTab", "Close Tab", "xmark", W, Cmd),
            key("firefox.reopenTab", "Reopen Closed Tab", "arrow.uturn.backward", T, Shift | Cmd),
            key("firefox.reload", "Reload", "arrow.clockwise", R, Cmd),
            key("firefox.find", "Find", "magnifyingglass", F, Cmd),
            key("firefox.private", "New Private Window", "eye.slash", P, Shift | Cmd),
        };
        mail = {
            key("mail.newMessage", "New Message", "square.and.pencil", N, Cmd),
            key("mail.reply", "Reply", "arrowshape.turn.up.left", R, Cmd),
            key("mail.replyAll", "Reply All", "arrowshape.turn.up.left.2", R, Shift | Cmd),
            key("mail.forward", "Forward", "arrowshape.turn.up.right", F, Shift | Cmd),
            key("mail.send", "Send", "paperplane", Return, Shift | Cmd),
            key("mail.mailboxSearch", "Mailbox Search", "magnifyingglass", F, Opt | Cmd),
        };
        notes = {
            key("notes.newNote", "New Note", "square.and.pencil", N, Cmd),
            key("notes.newFolder", "New Folder", "folder.badge.plus", N, Shift | Cmd),
            key("notes.find", "Find", "magnifyingglass", F, Cmd),
            key("notes.checklist", "Checklist", "checklist", L, Shift | Cmd),
            key("notes.attach", "Attach File", "paperclip", A, Shift | Cmd),
        };
        messages = {
            key("messages.newMessage", "New Message", "square.and.pencil", N, Cmd),
            key("messages.search", "Search", "magnifyingglass", F, Cmd),
            key("messages.emoji", "Emoji & Symbols", "face.smiling", Space, Ctrl | Cmd),
        };
        calendar = {
            key("calendar.newEvent", "New Event", "plus", N, Cmd),
            key("calendar.today", "Go to Today", "calendar.badge.clock", T, Cmd),
            key("calendar.day", "Day View", "calendar.day.timeline.left", K1, Cmd),
            key("calendar.week", "Week View", "calendar", K2, Cmd),
            key("calendar.month", "Month View", "calendar", K3, Cmd),
        };
        terminal = {
            key("terminal.newWindow", "New Window", "macwindow", N, Cmd),
            key("terminal.newTab", "New Tab", "plus.square.on.square", T, Cmd),
            key("terminal.close", "Close Tab", "xmark", W, Cmd),
            key("terminal.clear", "Clear Screen", "eraser", K, Cmd),
            key("terminal.split", "Split Pane", "rectangle.split.1x2", D, Cmd),
        };
        xcode = {
            key("xcode.run", "Run", "play.fill", R, Cmd),
            key("xcode.build", "Build", "hammer", B, Cmd),
            key("xcode.stop", "Stop", "stop.fill", Period, Cmd),
            key("xcode.test", "Test", "checkmark.diamond", U, Cmd),
            key("xcode.quickOpen", "Open Quickly", "magnifyingglass", O, Shift | Cmd),
            key("xcode.assistant", "Show Canvas / Assistant", "rectangle.split.2x1", Return, Opt | Cmd),
        };
        vscode = {
            key("vscode.quickOpen", "Quick Open", "magnifyingglass", P, Cmd),
            key("vscode.commandPalette", "Command Palette", "command", P, Shift | Cmd),
            key("vscode.terminal", "Toggle Terminal", "terminal", Backslash, Ctrl | Cmd),
            key("vscode.sidebar", "Toggle Sidebar", "sidebar.left", B, Cmd),
            key("vscode.newFile", "New File", "doc.badge.plus", N, Cmd),
            key("vscode.find", "Find", "magnifyingglass", F, Cmd),
        };
        slack = {
            key("slack.quickSwitcher", "Quick Switcher", "magnifyingglass", K, Cmd),
            key("slack.newMessage", "New Message", "square.and.pencil", N, Cmd),
            key("slack.search", "Search", "magnifyingglass", G, Cmd),
            key("slack.threads", "Threads", "bubble.left.and.bubble.right", T, Shift | Cmd),
            key("slack.mentions", "Mentions & Reactions", "at", M, Shift | Cmd),
        };
        discord = {
            key("discord.search", "Search", "magnifyingglass", F, Cmd),
            key("discord.mute", "Toggle Mute", "mic.slash", M, Shift | Cmd),
            key("discord.deafen", "Toggle Deafen", "speaker.slash", D, Shift | Cmd),
            key("discord.inbox", "Inbox", "tray", I, Cmd),
            key("discord.emoji", "Emoji Picker", "face.smiling", E, Cmd),
        };
        preview = {
            key("preview.actualSize", "Actual Size", "1.magnifyingglass", K0, Cmd),
            key("preview.zoomIn", "Zoom In", "plus.magnifyingglass", Equal, Cmd),
            key("preview.zoomOut", "Zoom Out", "minus.magnifyingglass", Minus, Cmd),
            key("preview.slideshow", "Slideshow", "play.rectangle", F, Shift | Cmd),
            key("preview.rotate", "Rotate Left", "rotate.left", L, Cmd),
        };
        music = {
            key("music.playPause", "Play/Pause", "playpause", Space, Opt),
            key("music.next", "Next Track", "forward.end", Right, Cmd),
            key("music.previous", "Previous Track", "backward.end", Left, Cmd),
            key("music.search", "Search", "magnifyingglass", F, Cmd),
            key("music.shuffle", "Shuffle", "shuffle", S, Opt | Cmd),
        };
        spotify = {
            key("spotify.playPause", "Play/Pause", "playpause", Space, Opt),
            key("spotify.next", "Next Track", "forward.end", Right, Cmd),
            key("spotify.previous", "Previous Track", "backward.end", Left, Cmd),
            key("spotify.search", "Search", "magnifyingglass", L, Cmd),
            key("spotify.queue", "Show Queue", "list.bullet", 12 /* Q */, Opt | Cmd),
        };
        photos = {
            key("photos.import", "Import", "square.and.arrow.down", I, Shift | Cmd),
            key("photos.newAlbum", "New Album", "rectangle.stack.badge.plus", N, Cmd),
            key("photos.search", "Search", "magnifyingglass", F, Cmd),
            key("photos.favorite", "Favourite", "heart", Period, Cmd),
            key("photos.info", "Get Info", "info.circle", I, Cmd),
        };
        zoom = {
            key("zoom.mute", "Mute Audio", "mic.slash", A, Shift | Cmd),
            key("zoom.video", "Start Video", "video", V, Shift | Cmd),
            key("zoom.share", "Share Screen", "rectangle.inset.filled.and.person.filled", S, Shift | Cmd),
            key("zoom.chat", "Show Chat", "bubble.left", H, Shift | Cmd),
            key("zoom.participants", "Show Participants", "person.2", U, Cmd),
        };
        notion = {
            key("notion.newPage", "New Page", "doc.badge.plus", N, Cmd),
            key("notion.search", "Search", "magnifyingglass", P, Cmd),
            key("notion.comment", "Add Comment", "text.bubble", M, Shift | Cmd),
            key("notion.todo", "To-do List", "checkmark.square", K4, Opt | Cmd),
            key("notion.duplicate", "Duplicate", "plus.square.on.square", D, Cmd),
        };
        figma = {
            key("figma.frame", "Frame Tool", "rectangle", F, 0),
            key("figma.move", "Move Tool", "arrow.up.left.and.arrow.down.right", V, 0),
            key("figma.text", "Text Tool", "textformat", T, 0),
            key("figma.pen", "Pen Tool", "pencil.tip", P, 0),
            key("figma.group", "Group Selection", "rectangle.3.group", G, Cmd),
        };
        pages = {
            key("pages.new", "New Document", "doc.badge.plus", N, Cmd),
            key("pages.save", "Save", "square.and.arrow.down", S, Cmd),
            key("pages.find", "Find", "magnifyingglass", F, Cmd),
            key("pages.bold", "Bold", "bold", B, Cmd),
            key("pages.export", "Export to PDF", "square.and.arrow.up", E, Opt | Cmd),
        };
        numbers = {
            key("numbers.new", "New Spreadsheet", "doc.badge.plus", N, Cmd),
            key("numbers.save", "Save", "square.and.arrow.down", S, Cmd),
            key("numbers.find", "Find", "magnifyingglass", F, Cmd),
            key("numbers.addRow", "Add Row Above", "plus", Up, Opt | Cmd),
            key("numbers.chart", "Insert Chart", "chart.bar", C, Opt | Cmd),
        };
        keynote = {
            key("keynote.new", "New Presentation", "doc.badge.plus", N, Cmd),
            key("keynote.play", "Play Slideshow", "play.fill", P, Opt | Cmd),
            key("keynote.newSlide", "New Slide", "plus.rectangle", N, Shift | Cmd),
            key("keynote.presenter", "Presenter Display", "person.and.background.dotted", P, Opt | Shift | Cmd),
            key("keynote.save", "Save", "square.and.arrow.down", S, Cmd),
        };

        const std::pair<const char*, const QList<ShortcutPreset>*> rows[] = {
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

const QList<ShortcutPreset>& ShortcutPresets::common()
{
    return catalogData().common;
}

const QHash<QString, QList<ShortcutPreset>>& ShortcutPresets::catalog()
{
    return catalogData().byBundle;
}

QList<QList<ShortcutPreset>> ShortcutPresets::allLists()
{
    const Catalog& c = catalogData();
    return { c.common, c.finder, c.safari, c.chrome, c.firefox, c.mail, c.notes, c.messages, c.calendar,
             c.terminal, c.xcode, c.vscode, c.slack, c.discord, c.preview, c.music, c.spotify, c.photos,
             c.zoom, c.notion, c.figma, c.pages, c.numbers, c.keynote };
}

QList<ShortcutPreset> ShortcutPresets::suggestions(const QString& bundleIdentifier)
{
    const auto& byBundle = catalog();
    const auto it = byBundle.constFind(bundleIdentifier);
    return it == byBundle.constEnd() ? common() : *it;
}

QList<ShortcutPreset> ShortcutPresets::missingSuggestions(const QString& bundleIdentifier, const QList<AppShortcut>& existing)
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
