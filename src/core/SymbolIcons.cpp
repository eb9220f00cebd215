#include "core/SymbolIcons.h"

#include "platform/Log.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QRectF>
#include <algorithm>
#include <cstring>
#include <iterator>

namespace {
struct Entry {
    const char* symbol;
    const char* material;
    char32_t codepoint;
};

// Symbol name -> Material Icons name and code point, sorted by symbol name.
constexpr Entry table[] = {
    { "1.magnifyingglass", "manage_search", 0xf02f },
    { "airplane", "flight", 0xe539 },
    { "alarm", "alarm", 0xe855 },
    { "app", "crop_square", 0xe3c6 },
    { "app.dashed", "crop_free", 0xe3c2 },
    { "app.fill", "stop", 0xe047 },
    { "archivebox", "archive", 0xe149 },
    { "arrow.clockwise", "refresh", 0xe5d5 },
    { "arrow.counterclockwise", "replay", 0xe042 },
    { "arrow.down", "arrow_downward", 0xe5db },
    { "arrow.down.circle", "arrow_circle_down", 0xf181 },
    { "arrow.down.left", "south_west", 0xf1e5 },
    { "arrow.down.right", "south_east", 0xf1e4 },
    { "arrow.down.right.and.arrow.up.left", "close_fullscreen", 0xf1cf },
    { "arrow.left", "arrow_back", 0xe5c4 },
    { "arrow.right", "arrow_forward", 0xe5c8 },
    { "arrow.right.square", "logout", 0xe9ba },
    { "arrow.triangle.2.circlepath", "sync", 0xe627 },
    { "arrow.turn.left.up", "turn_left", 0xeba6 },
    { "arrow.up", "arrow_upward", 0xe5d8 },
    { "arrow.up.arrow.down", "swap_vert", 0xe8d5 },
    { "arrow.up.forward.app", "open_in_new", 0xe89e },
    { "arrow.up.left", "north_west", 0xf1e2 },
    { "arrow.up.left.and.arrow.down.right", "open_in_full", 0xf1ce },
    { "arrow.up.right", "north_east", 0xf1e1 },
    { "arrow.uturn.backward", "undo", 0xe166 },
    { "arrow.uturn.forward", "redo", 0xe15a },
    { "arrow.uturn.left", "undo", 0xe166 },
    { "arrow.uturn.right", "redo", 0xe15a },
    { "arrowshape.turn.up.left", "reply", 0xe15e },
    { "arrowshape.turn.up.left.2", "reply_all", 0xe15f },
    { "arrowshape.turn.up.right", "forward", 0xe154 },
    { "at", "alternate_email", 0xe0e6 },
    { "backward", "fast_rewind", 0xe020 },
    { "backward.end", "skip_previous", 0xe045 },
    { "bag", "shopping_bag", 0xf1cc },
    { "battery.100", "battery_full", 0xe1a4 },
    { "bell", "notifications", 0xe7f4 },
    { "bell.slash", "notifications_off", 0xe7f6 },
    { "bold", "format_bold", 0xe238 },
    { "bolt", "bolt", 0xea0b },
    { "bolt.circle", "offline_bolt", 0xe932 },
    { "bookmark", "bookmark_border", 0xe867 },
    { "bubble.left", "chat_bubble_outline", 0xe0cb },
    { "bubble.left.and.bubble.right", "forum", 0xe0bf },
    { "building.2", "apartment", 0xea40 },
    { "calendar", "calendar_today", 0xe935 },
    { "calendar.badge.clock", "schedule", 0xe8b5 },
    { "calendar.day.timeline.left", "view_day", 0xe8ed },
    { "camera", "photo_camera", 0xe412 },
    { "capslock", "keyboard_capslock", 0xe318 },
    { "car", "directions_car", 0xe531 },
    { "cart", "shopping_cart", 0xe8cc },
    { "chart.bar", "bar_chart", 0xe26b },
    { "checklist", "checklist", 0xe6b1 },
    { "checkmark", "check", 0xe5ca },
    { "checkmark.circle", "check_circle_outline", 0xe92d },
    { "checkmark.circle.fill", "check_circle", 0xe86c },
    { "checkmark.diamond", "verified", 0xef76 },
    { "checkmark.shield.fill", "verified_user", 0xe8e8 },
    { "checkmark.square", "check_box", 0xe834 },
    { "chevron.down", "expand_more", 0xe5cf },
    { "chevron.left", "chevron_left", 0xe5cb },
    { "chevron.left.forwardslash.chevron.right", "code", 0xe86f },
    { "chevron.right", "chevron_right", 0xe5cc },
    { "chevron.up", "expand_less", 0xe5ce },
    { "circle", "circle", 0xef4a },
    { "circle.lefthalf.filled", "contrast", 0xeb37 },
    { "clock", "schedule", 0xe8b5 },
    // The modifier-key symbols draw a keyboard: the glyphs of another
    // platform's modifier keys mean nothing on a Linux keyboard.
    { "command", "keyboard", 0xe312 },
    { "control", "keyboard", 0xe312 },
    { "cpu", "memory", 0xe322 },
    { "creditcard", "credit_card", 0xe870 },
    { "curlybraces", "data_object", 0xead3 },
    { "cursorarrow", "near_me", 0xe569 },
    { "cursorarrow.motionlines", "mouse", 0xe323 },
    { "cursorarrow.rays", "ads_click", 0xe762 },
    { "delete.left", "backspace", 0xe14a },
    { "delete.right", "backspace", 0xe14a },
    { "doc", "description", 0xe873 },
    { "doc.badge.plus", "note_add", 0xe89c },
    { "doc.on.clipboard", "content_paste", 0xe14f },
    { "doc.on.doc", "content_copy", 0xe14d },
    { "doc.plaintext", "article", 0xef42 },
    { "doc.text", "article", 0xef42 },
    { "ellipsis.circle", "pending", 0xef64 },
    { "envelope", "mail", 0xe158 },
    { "eraser", "backspace", 0xe14a },
    { "escape", "cancel_presentation", 0xe0e9 },
    { "exclamationmark.circle.fill", "error", 0xe000 },
    { "exclamationmark.triangle", "warning_amber", 0xf083 },
    { "exclamationmark.triangle.fill", "warning", 0xe002 },
    { "externaldrive", "save", 0xe161 },
    { "eye", "visibility", 0xe8f4 },
    { "eye.slash", "visibility_off", 0xe8f5 },
    { "face.smiling", "sentiment_satisfied", 0xe813 },
    { "film", "movie", 0xe02c },
    { "flag", "flag", 0xe153 },
    { "folder", "folder", 0xe2c7 },
    { "folder.badge.plus", "create_new_folder", 0xe2cc },
    { "forward", "fast_forward", 0xe01f },
    { "forward.end", "skip_next", 0xe044 },
    { "gear", "settings", 0xe8b8 },
    { "gearshape", "settings", 0xe8b8 },
    { "gearshape.fill", "settings", 0xe8b8 },
    { "gift", "card_giftcard", 0xe8f6 },
    { "globe", "language", 0xe894 },
    { "hammer", "construction", 0xea3c },
    { "hand.raised", "back_hand", 0xe764 },
    { "hand.raised.fill", "back_hand", 0xe764 },
    { "hand.tap.fill", "touch_app", 0xe913 },
    { "heart", "favorite_border", 0xe87e },
    { "highlighter", "highlight", 0xe25f },
    { "house", "home", 0xe88a },
    { "info.circle", "info", 0xe88e },
    { "internaldrive", "storage", 0xe1db },
    { "italic", "format_italic", 0xe23f },
    { "key", "vpn_key", 0xe0da },
    { "key.fill", "vpn_key", 0xe0da },
    { "keyboard", "keyboard", 0xe312 },
    { "keyboard.chevron.compact.down", "keyboard_hide", 0xe31a },
    { "keyboard.fill", "keyboard", 0xe312 },
    { "ladybug", "bug_report", 0xe868 },
    { "link", "link", 0xe157 },
    { "list.bullet", "format_list_bulleted", 0xe241 },
    { "list.number", "format_list_numbered", 0xe242 },
    { "location", "near_me", 0xe569 },
    { "lock", "lock", 0xe897 },
    { "lock.open", "lock_open", 0xe898 },
    { "lock.shield", "security", 0xe32a },
    { "lock.shield.fill", "security", 0xe32a },
    { "macwindow", "web_asset", 0xe069 },
    { "macwindow.on.rectangle", "filter_none", 0xe3e0 },
    { "magnifyingglass", "search", 0xe8b6 },
    { "map", "map", 0xe55b },
    { "memorychip", "memory", 0xe322 },
    { "menubar.arrow.up.rectangle", "vertical_align_top", 0xe25a },
    { "menubar.rectangle", "web_asset", 0xe069 },
    { "mic", "mic", 0xe029 },
    { "mic.slash", "mic_off", 0xe02b },
    { "minus", "remove", 0xe15b },
    { "minus.magnifyingglass", "zoom_out", 0xe900 },
    { "moon", "dark_mode", 0xe51c },
    { "music.note", "music_note", 0xe405 },
    { "network", "lan", 0xeb2f },
    { "option", "keyboard_alt", 0xf028 },
    { "paperclip", "attach_file", 0xe226 },
    { "paperplane", "send", 0xe163 },
    { "paperplane.fill", "send", 0xe163 },
    { "pause", "pause", 0xe034 },
    { "pencil", "edit", 0xe3c9 },
    { "pencil.circle", "edit", 0xe3c9 },
    { "pencil.tip", "draw", 0xe746 },
    { "person", "person", 0xe7fd },
    { "person.2", "people", 0xe7fb },
    { "person.and.background.dotted", "person_outline", 0xe7ff },
    { "person.crop.circle", "account_circle", 0xe853 },
    { "phone", "phone", 0xe0cd },
    { "photo", "image", 0xe3f4 },
    { "photo.badge.plus", "add_photo_alternate", 0xe43e },
    { "photo.on.rectangle", "collections", 0xe3b6 },
    { "pin", "push_pin", 0xf10d },
    { "play", "play_arrow", 0xe037 },
    { "play.fill", "play_arrow", 0xe037 },
    { "play.rectangle", "smart_display", 0xf06a },
    { "playpause", "pause_circle", 0xe1a2 },
    { "plus", "add", 0xe145 },
    { "plus.magnifyingglass", "zoom_in", 0xe8ff },
    { "plus.rectangle", "add_box", 0xe146 },
    { "plus.square.on.square", "library_add", 0xe02e },
    { "power", "power_settings_new", 0xe8ac },
    { "printer", "print", 0xe8ad },
    { "questionmark.circle", "help_outline", 0xe8fd },
    { "record.circle", "radio_button_checked", 0xe837 },
    { "rectangle", "crop_landscape", 0xe3c3 },
    { "rectangle.2.swap", "swap_horiz", 0xe8d4 },
    { "rectangle.3.group", "dashboard", 0xe871 },
    { "rectangle.center.inset.filled", "center_focus_strong", 0xe3b4 },
    { "rectangle.inset.filled.and.person.filled", "co_present", 0xeaf0 },
    { "rectangle.on.rectangle", "tab", 0xe8d8 },
    { "rectangle.split.1x2", "horizontal_split", 0xe947 },
    { "rectangle.split.2x1", "view_column", 0xe8ec },
    { "rectangle.split.3x1", "view_week", 0xe8f3 },
    { "rectangle.stack.badge.plus", "queue", 0xe03c },
    { "return", "keyboard_return", 0xe31b },
    { "rotate.left", "rotate_left", 0xe419 },
    { "safari", "explore", 0xe87a },
    { "scissors", "content_cut", 0xe14e },
    { "server.rack", "dns", 0xe875 },
    { "shield", "shield", 0xe9e0 },
    { "shift", "upgrade", 0xf0fb },
    { "shuffle", "shuffle", 0xe043 },
    { "sidebar.left", "vertical_split", 0xe949 },
    { "sidebar.right", "vertical_split", 0xe949 },
    { "slider.horizontal.3", "tune", 0xe429 },
    { "space", "space_bar", 0xe256 },
    { "sparkles", "auto_awesome", 0xe65f },
    { "speaker.slash", "volume_off", 0xe04f },
    { "speaker.wave.2", "volume_up", 0xe050 },
    { "square", "crop_square", 0xe3c6 },
    { "square.and.arrow.down", "save_alt", 0xe171 },
    { "square.and.arrow.up", "ios_share", 0xe6b8 },
    { "square.and.pencil", "edit_note", 0xe745 },
    { "square.grid.2x2", "grid_view", 0xe9b0 },
    { "square.grid.2x2.fill", "grid_view", 0xe9b0 },
    { "square.grid.3x3", "apps", 0xe5c3 },
    { "square.on.square", "filter_none", 0xe3e0 },
    { "star", "star_border", 0xe83a },
    { "star.fill", "star", 0xe838 },
    { "stop", "stop", 0xe047 },
    { "stop.fill", "stop", 0xe047 },
    { "sun.max", "light_mode", 0xe518 },
    { "switch.2", "toggle_on", 0xe9f6 },
    { "tag", "sell", 0xf05b },
    { "terminal", "terminal", 0xeb8e },
    { "text.aligncenter", "format_align_center", 0xe234 },
    { "text.alignleft", "format_align_left", 0xe236 },
    { "text.bubble", "chat_bubble_outline", 0xe0cb },
    { "text.magnifyingglass", "find_in_page", 0xe880 },
    { "textformat", "text_format", 0xe165 },
    { "timer", "timer", 0xe425 },
    { "trash", "delete", 0xe872 },
    { "tray", "inbox", 0xe156 },
    { "tray.full", "all_inbox", 0xe97f },
    { "underline", "format_underlined", 0xe249 },
    { "video", "videocam", 0xe04b },
    { "wand.and.stars", "auto_fix_high", 0xe663 },
    { "waveform", "graphic_eq", 0xe1b8 },
    { "wifi", "wifi", 0xe63e },
    { "wrench.and.screwdriver", "build", 0xe869 },
    { "xmark", "close", 0xe5cd },
    { "xmark.circle", "highlight_off", 0xe888 },
    { "xmark.circle.fill", "cancel", 0xe5c9 },
};

const Entry* find(const QString& symbolName)
{
    const QByteArray key = symbolName.toUtf8();
    auto it = std::lower_bound(std::begin(table), std::end(table), key,
        [](const Entry& e, const QByteArray& k) { return std::strcmp(e.symbol, k.constData()) < 0; });
    if (it != std::end(table) && key == it->symbol)
        return it;
    return nullptr;
}

QString& fontFamily()
{
    static QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(SymbolIcons::fontPath));
        const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
        if (families.isEmpty()) {
            Log::write(QStringLiteral("Kelvaro: the icon font %1 could not be loaded; icons are drawn as boxes")
                           .arg(QString::fromLatin1(SymbolIcons::fontPath)));
            return QString();
        }
        return families.first();
    }();
    return family;
}

class SymbolIconEngine final : public QIconEngine {
public:
    SymbolIconEngine(QString name, QColor color)
        : m_name(std::move(name))
        , m_color(color)
    {
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        QColor c = m_color.isValid() ? m_color : QGuiApplication::palette().color(QPalette::WindowText);
        if (mode == QIcon::Disabled)
            c.setAlphaF(c.alphaF() * 0.4f);
        SymbolIcons::paint(*painter, rect, m_name, c);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }
    QIconEngine* clone() const override { return new SymbolIconEngine(m_name, m_color); }
    QString key() const override { return QStringLiteral("KelvaroSymbol"); }

private:
    QString m_name;
    QColor m_color;
};
}

bool SymbolIcons::contains(const QString& symbolName) { return find(symbolName) != nullptr; }

QString SymbolIcons::materialName(const QString& symbolName)
{
    const Entry* e = find(symbolName);
    return e ? QString::fromLatin1(e->material) : QString();
}

char32_t SymbolIcons::codepoint(const QString& symbolName)
{
    const Entry* e = find(symbolName);
    return e ? e->codepoint : fallbackCodepoint;
}

QString SymbolIcons::glyph(const QString& symbolName)
{
    const char32_t cp = codepoint(symbolName);
    return QString::fromUcs4(&cp, 1);
}

QStringList SymbolIcons::knownSymbols()
{
    QStringList names;
    for (const Entry& e : table)
        names.append(QString::fromLatin1(e.symbol));
    return names;
}

bool SymbolIcons::fontAvailable() { return !fontFamily().isEmpty(); }

QFont SymbolIcons::font(qreal pixelSize)
{
    QFont f(fontFamily());
    f.setPixelSize(std::max(1, qRound(pixelSize)));
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

void SymbolIcons::paint(QPainter& painter, const QRectF& rect, const QString& symbolName, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(color);
    const qreal side = std::min(rect.width(), rect.height());
    if (fontAvailable()) {
        painter.setFont(font(side));
        painter.drawText(rect, Qt::AlignCenter, glyph(symbolName));
    } else {
        // No icon font: a boxed question mark keeps the item visible.
        const QRectF box(rect.center().x() - side * 0.4, rect.center().y() - side * 0.4, side * 0.8, side * 0.8);
        QPen pen(color, std::max<qreal>(1.0, side / 14));
        painter.setPen(pen);
        painter.drawRoundedRect(box, side * 0.12, side * 0.12);
        QFont f = painter.font();
        f.setPixelSize(std::max(1, qRound(side * 0.55)));
        painter.setFont(f);
        painter.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
    }
    painter.restore();
}

QPixmap SymbolIcons::pixmap(const QString& symbolName, int side, const QColor& color, qreal devicePixelRatio)
{
    const int px = std::max(1, qRound(side * devicePixelRatio));
    QPixmap pm(px, px);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        paint(p, QRectF(0, 0, px, px), symbolName, color);
    }
    pm.setDevicePixelRatio(devicePixelRatio);
    return pm;
}

QIcon SymbolIcons::icon(const QString& symbolName, const QColor& color)
{
    return QIcon(new SymbolIconEngine(symbolName, color));
}
