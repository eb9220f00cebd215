#include "settings/ShortcutsSettingsView.h"

#include "core/ShortcutStorage.h"
#include "core/SymbolIcons.h"
#include "editors/EditorChrome.h"
#include "editors/ShortcutEditorView.h"
#include "editors/ShortcutSuggestionsView.h"
#include "platform/Platform.h"
#include "platform/Workspace.h"
#include "ring/ShortcutPresets.h"
#include "settings/IconViews.h"
#include "settings/KeyBindingSection.h"
#include "settings/PageParts.h"
#include "settings/SettingsMotion.h"
#include "switcher/LauncherApps.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
ShortcutStorage& storage() { return ShortcutStorage::shared(); }

QPushButton* addShortcutButton(QWidget* parent)
{
    auto* b = new QPushButton(
        SymbolIcons::icon(QStringLiteral("plus")), QCoreApplication::translate("Kelvaro", "Add Shortcut"), parent);
    b->setObjectName(QStringLiteral("add-shortcut"));
    return b;
}

QPushButton* makeSuggestButton(QWidget* parent)
{
    auto* b = new QPushButton(
        SymbolIcons::icon(QStringLiteral("sparkles")), QCoreApplication::translate("Kelvaro", "Suggest"), parent);
    b->setObjectName(QStringLiteral("suggest"));
    return b;
}
}

// ---- Application pop-up button ------------------------------------------------------------------

AppPopupButton::AppPopupButton(QWidget* parent)
    : PopupPickerButton(QStringLiteral("app-popup"), ShortcutsSettingsView::rowControlHeight, parent)
{
}

void AppPopupButton::setApp(std::optional<QIcon> icon, const QString& name)
{
    m_icon = std::move(icon);
    setText(name);
    setAccessibleName(name);
    update();
}

void AppPopupButton::paintContent(
    QPainter& p, const QRectF& field, const QRectF& iconRect, double textLeft, double right, const QColor&)
{
    if (m_icon)
        m_icon->paint(&p, iconRect.toRect());
    else
        SymbolIcons::paint(
            p, iconRect.adjusted(2, 2, -2, -2), QStringLiteral("app.fill"), SecondaryLabel::colour(palette()));
    const QFontMetricsF fm(font());
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(textLeft, field.top(), std::max(0.0, right - textLeft), field.height()),
        Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
        fm.elidedText(text(), Qt::ElideRight, std::max(0.0, right - textLeft)));
}

// ---- Page ---------------------------------------------------------------------------------------

ShortcutsSettingsView::ShortcutsSettingsView(
    const Platform& platform, std::optional<AppShortcut> selectedApp, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_selected(std::move(selectedApp))
{
    QVBoxLayout* column = scrollingPage(this, QMargins(20, 16, 20, 16), 16);
    QWidget* body = column->parentWidget();
    m_keyBinding = new KeyBindingSection(m_platform, HotkeyRole::launcher, body);
    column->addWidget(m_keyBinding);
    // A group box title reads "&" as a mnemonic marker: doubled, it shows as typed.
    auto* section = new QGroupBox(
        QCoreApplication::translate("Kelvaro", "Apps & Shortcuts").replace(QLatin1Char('&'), QStringLiteral("&&")),
        body);
    section->setObjectName(QStringLiteral("apps"));
    m_sectionColumn = new QVBoxLayout(section);
    m_sectionColumn->setSpacing(12);
    column->addWidget(section);
    column->addStretch(1);
}

void ShortcutsSettingsView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        loadSavedShortcuts();
}

AppShortcut ShortcutsSettingsView::appEntry(const QString& name, const QString& bundleIdentifier)
{
    return AppShortcut(name, QStringLiteral("app"), QString(), bundleIdentifier);
}

bool ShortcutsSettingsView::isAppEntry(const AppShortcut& item)
{
    return item.shortcut.isEmpty() && !item.textSnippet && !item.url;
}

QString ShortcutsSettingsView::countText(int count)
{
    if (count <= 0)
        return {};
    if (count == 1)
        return QCoreApplication::translate("Kelvaro", "1 shortcut");
    return QCoreApplication::translate("Kelvaro", "%n shortcuts", nullptr, count);
}

std::optional<QString> ShortcutsSettingsView::starterAppIdentifier() const
{
    // The desktop's file manager, as the switcher identifies it.
    static const char* const candidates[] = { "org.gnome.Nautilus", "org.xfce.thunar", "thunar", "org.kde.dolphin",
        "nemo", "caja", "pcmanfm-qt", "pcmanfm" };
    for (const char* id : candidates) {
        const QString bundle = QString::fromLatin1(id);
        if (m_platform.workspace().urlForApplication(bundle))
            return bundle;
    }
    return std::nullopt;
}

QList<AppShortcut> ShortcutsSettingsView::registeredApps() const
{
    QList<AppShortcut> out;
    for (const AppShortcut& a : m_apps) {
        if (isAppEntry(a))
            out << a;
    }
    return out;
}

QList<AppShortcut> ShortcutsSettingsView::shortcuts(const AppShortcut& app) const
{
    QList<AppShortcut> out;
    for (const AppShortcut& s : storage().getShortcuts(app.bundleIdentifier)) {
        if (!isAppEntry(s))
            out << s;
    }
    return out;
}

void ShortcutsSettingsView::select(const std::optional<AppShortcut>& app)
{
    const ContentFade fade(m_content, SettingsMotion::shortcutsList());
    const QString before = m_selected ? m_selected->bundleIdentifier : QString();
    m_selected = app;
    if (m_picker)
        m_picker->close();
    rebuild();
    if ((app ? app->bundleIdentifier : QString()) != before)
        publishPreview();
}

void ShortcutsSettingsView::loadSavedShortcuts()
{
    m_apps = storage().getAllShortcuts();
    if (registeredApps().isEmpty()) {
        if (const auto starter = starterAppIdentifier()) {
            const auto url = m_platform.workspace().urlForApplication(*starter);
            storage().addShortcut(appEntry(url ? LauncherApps::displayName(*url, *starter) : *starter, *starter));
            m_apps = storage().getAllShortcuts();
        }
    }
    const QList<AppShortcut> registered = registeredApps();
    std::optional<AppShortcut> selection;
    if (m_selected) {
        for (const AppShortcut& a : registered) {
            if (a.bundleIdentifier == m_selected->bundleIdentifier) {
                selection = a; // the stored record, so a changed name shows
                break;
            }
        }
    } else {
        const auto starter = starterAppIdentifier();
        for (const AppShortcut& a : registered) {
            if (starter && a.bundleIdentifier == *starter) {
                selection = a;
                break;
            }
        }
        if (!selection && !registered.isEmpty())
            selection = registered.first();
    }
    m_selected = selection;
    rebuild();
    publishPreview();
}

void ShortcutsSettingsView::publishPreview()
{
    Q_EMIT previewChanged(m_selected, m_selected ? shortcuts(*m_selected) : QList<AppShortcut>());
}

void ShortcutsSettingsView::selectAppDirectly()
{
    QPointer<ShortcutsSettingsView> self(this);
    LauncherApps::presentAppPicker(m_platform, QCoreApplication::translate("Kelvaro", "Select App"),
        QCoreApplication::translate("Kelvaro", "Choose an application to add shortcuts for"),
        [self](std::optional<QString> bundle) {
            if (!self || !bundle || bundle->isEmpty())
                return;
            const auto url = self->m_platform.workspace().urlForApplication(*bundle);
            const QString name = url ? LauncherApps::displayName(*url, *bundle) : *bundle;
            if (name.isEmpty())
                return;
            self->addApp(appEntry(name, *bundle));
        });
}

void ShortcutsSettingsView::addApp(const AppShortcut& entry)
{
    for (const AppShortcut& a : std::as_const(m_apps)) {
        // Registered already: just pick it. (A list holding only texts or
        // links has no entry of its own yet, and gets one.)
        if (a.bundleIdentifier == entry.bundleIdentifier && isAppEntry(a)) {
            select(a);
            return;
        }
    }
    m_apps << entry;
    storage().addShortcut(entry);
    select(entry);
    presentSuggestionsIfNeeded(entry);
}

void ShortcutsSettingsView::presentSuggestionsIfNeeded(const AppShortcut& app)
{
    const QList<ShortcutPreset> missing = ShortcutPresets::missingSuggestions(app.bundleIdentifier, shortcuts(app));
    if (missing.isEmpty())
        return;
    // After the change that added the application has been drawn.
    QMetaObject::invokeMethod(
        this, [this, app, missing] { presentSuggestions(app, missing); }, Qt::QueuedConnection);
}

ShortcutSuggestionsView* ShortcutsSettingsView::presentSuggestions(
    const AppShortcut& app, const QList<ShortcutPreset>& presets)
{
    if (m_suggestions)
        return m_suggestions;
    const ShortcutSuggestionContext context { app, presets };
    auto* sheet = new ShortcutSuggestionsView(m_platform, context, this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &ShortcutSuggestionsView::added, this, [this](const QList<AppShortcut>& items) {
        const ContentFade fade(m_content, SettingsMotion::shortcutsList());
        for (const AppShortcut& s : items)
            storage().addShortcut(s);
        loadSavedShortcuts();
    });
    m_suggestions = sheet;
    sheet->open();
    return sheet;
}

ShortcutSuggestionsView* ShortcutsSettingsView::suggest()
{
    if (!m_selected)
        return nullptr;
    const QList<AppShortcut> existing = shortcuts(*m_selected);
    return presentSuggestions(*m_selected, ShortcutPresets::missingSuggestions(m_selected->bundleIdentifier, existing));
}

ShortcutEditorView* ShortcutsSettingsView::addShortcut()
{
    if (!m_selected || m_editor)
        return nullptr;
    auto* editor = new ShortcutEditorView(m_platform, *m_selected, std::nullopt, this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor, &ShortcutEditorView::saved, this, [this](const AppShortcut& saved) {
        const ContentFade fade(m_content, SettingsMotion::shortcutsList());
        m_apps << saved;
        storage().addShortcut(saved);
        rebuild();
        publishPreview();
    });
    m_editor = editor;
    editor->open();
    return editor;
}

ShortcutEditorView* ShortcutsSettingsView::editShortcut(const AppShortcut& shortcut)
{
    if (!m_selected || m_editor)
        return nullptr;
    auto* editor = new ShortcutEditorView(m_platform, *m_selected, shortcut, this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor, &ShortcutEditorView::saved, this, [this](const AppShortcut& saved) {
        const ContentFade fade(m_content, SettingsMotion::shortcutsList());
        storage().updateShortcut(saved);
        loadSavedShortcuts();
    });
    m_editor = editor;
    editor->open();
    return editor;
}

void ShortcutsSettingsView::deleteShortcut(const AppShortcut& shortcut)
{
    const ContentFade fade(m_content, SettingsMotion::shortcutsList());
    m_apps.removeIf([&](const AppShortcut& a) { return a.id == shortcut.id; });
    storage().removeShortcut(shortcut);
    rebuild();
    publishPreview();
}

void ShortcutsSettingsView::move(const AppShortcut& shortcut, int offset)
{
    // Only among the shown shortcuts: never past the ends, never onto the
    // application's own entry.
    const QList<AppShortcut> shown = storage().getShortcuts(shortcut.bundleIdentifier);
    qsizetype at = -1;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i].id == shortcut.id)
            at = i;
    }
    const qsizetype target = at + offset;
    if (at < 0 || target < 0 || target >= shown.size() || isAppEntry(shown[target]))
        return;
    if (!storage().moveShortcut(shortcut, offset))
        return;
    const ContentFade fade(m_content, SettingsMotion::shortcutsList());
    loadSavedShortcuts();
}

void ShortcutsSettingsView::removeSelectedApp()
{
    if (!m_selected)
        return;
    const ContentFade fade(m_content, SettingsMotion::shortcutsList());
    const QString bundle = m_selected->bundleIdentifier;
    m_selected = std::nullopt;
    m_apps.removeIf([&](const AppShortcut& a) { return a.bundleIdentifier == bundle; });
    storage().removeApp(bundle);
    rebuild();
    publishPreview();
}

// ---- View ---------------------------------------------------------------------------------------

void ShortcutsSettingsView::rebuild()
{
    if (m_picker)
        m_picker->close();
    QVBoxLayout* column = replaceContent(m_content, 12);
    QWidget* content = m_content;
    m_rows.clear();
    m_count = nullptr;
    m_suggest = nullptr;
    m_appButton = nullptr;

    auto* appRow = new QHBoxLayout;
    appRow->setSpacing(8);
    const QList<AppShortcut> registered = registeredApps();
    if (registered.isEmpty()) {
        appRow->addWidget(
            EditorChrome::secondaryLabel(QCoreApplication::translate("Kelvaro", "No apps added yet"), content));
        appRow->addStretch(1);
    } else {
        m_appButton = new AppPopupButton(content);
        const AppShortcut& shown = m_selected ? *m_selected : registered.first();
        m_appButton->setApp(
            m_selected ? EditorChrome::appIcon(m_platform.workspace(), m_selected->bundleIdentifier) : std::nullopt,
            shown.name);
        connect(m_appButton, &QAbstractButton::clicked, this, &ShortcutsSettingsView::toggleAppMenu);
        appRow->addWidget(m_appButton, 1);
    }
    auto* add = new QPushButton(
        SymbolIcons::icon(QStringLiteral("plus")), QCoreApplication::translate("Kelvaro", "Add App"), content);
    add->setObjectName(QStringLiteral("add-app"));
    connect(add, &QPushButton::clicked, this, &ShortcutsSettingsView::selectAppDirectly);
    appRow->addWidget(add);
    if (m_selected) {
        QToolButton* remove = symbolToolButton(QStringLiteral("trash"),
            QCoreApplication::translate("Kelvaro", "Remove this app"), QStringLiteral("remove-app"), content);
        connect(remove, &QToolButton::clicked, this, &ShortcutsSettingsView::removeSelectedApp);
        appRow->addWidget(remove);
    }
    column->addLayout(appRow);
    if (m_selected)
        column->addWidget(shortcutPanel(*m_selected));
    m_sectionColumn->insertWidget(0, content);
    content->show();
}

QWidget* ShortcutsSettingsView::shortcutPanel(const AppShortcut& app)
{
    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    const QList<AppShortcut> list = shortcuts(app);
    const int n = int(list.size());
    if (n == 0) {
        column->addWidget(emptyState(app, panel));
    } else {
        const ScrollingList parts = scrollingList(shortcutListHeight, panel);
        QWidget* listWidget = parts.list;
        QVBoxLayout* rows = parts.rows;
        for (int i = 0; i < n; ++i) {
            const AppShortcut& s = list[i];
            ShortcutRowView::Actions actions;
            actions.onDelete = [this, s] { deleteShortcut(s); };
            actions.onMoveUp = [this, s] { move(s, -1); };
            actions.onMoveDown = [this, s] { move(s, 1); };
            actions.onEdit = [this, s] { editShortcut(s); };
            actions.canMoveUp = i > 0;
            actions.canMoveDown = i < n - 1;
            auto* row = new ShortcutRowView(s, actions, listWidget);
            row->setObjectName(QStringLiteral("shortcut-row"));
            row->setAccessibleName(s.name);
            m_rows << row;
            rows->addWidget(row);
        }
        rows->addStretch(1);
        column->addWidget(parts.scroll);
    }
    column->addWidget(EditorChrome::divider(panel));
    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(0, 8, 0, 0);
    QPushButton* add = addShortcutButton(panel);
    connect(add, &QPushButton::clicked, this, [this] { addShortcut(); });
    footer->addWidget(add);
    const QList<ShortcutPreset> missing = ShortcutPresets::missingSuggestions(app.bundleIdentifier, list);
    if (n > 0 && !missing.isEmpty()) {
        m_suggest = makeSuggestButton(panel);
        m_suggest->setToolTip(QCoreApplication::translate("Kelvaro", "Add suggested shortcuts for this app"));
        connect(m_suggest, &QPushButton::clicked, this, [this] { suggest(); });
        footer->addWidget(m_suggest);
    }
    footer->addStretch(1);
    m_count = EditorChrome::secondaryLabel(countText(n), panel, true);
    m_count->setObjectName(QStringLiteral("shortcut-count"));
    m_count->setVisible(n > 0);
    footer->addWidget(m_count);
    column->addLayout(footer);
    return panel;
}

QWidget* ShortcutsSettingsView::emptyState(const AppShortcut& app, QWidget* parent)
{
    auto* empty = new QWidget(parent);
    empty->setFixedHeight(shortcutListHeight);
    auto* stack = new QVBoxLayout(empty);
    stack->setContentsMargins(16, 16, 16, 16);
    stack->setSpacing(10);
    stack->addStretch(1);
    auto* symbol = new QLabel(empty);
    symbol->setPixmap(SymbolIcons::pixmap(
        QStringLiteral("plus.rectangle"), 28, SecondaryLabel::colour(palette()), devicePixelRatioF()));
    symbol->setAlignment(Qt::AlignCenter);
    stack->addWidget(symbol);
    QLabel* title = EditorChrome::plainLabel(QCoreApplication::translate("Kelvaro", "No shortcuts yet"), empty);
    title->setAlignment(Qt::AlignCenter);
    QFont f = title->font();
    f.setWeight(QFont::Medium);
    title->setFont(f);
    stack->addWidget(title);
    QLabel* note = EditorChrome::secondaryLabel(
        QCoreApplication::translate("Kelvaro", "Add keyboard shortcuts, text snippets or links for %1.").arg(app.name),
        empty, true);
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    stack->addWidget(note);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    QPushButton* add = addShortcutButton(empty);
    connect(add, &QPushButton::clicked, this, [this] { addShortcut(); });
    buttons->addWidget(add);
    if (!ShortcutPresets::missingSuggestions(app.bundleIdentifier, {}).isEmpty()) {
        m_suggest = makeSuggestButton(empty);
        connect(m_suggest, &QPushButton::clicked, this, [this] { suggest(); });
        buttons->addWidget(m_suggest);
    }
    buttons->addStretch(1);
    stack->addLayout(buttons);
    stack->addStretch(1);
    return empty;
}

void ShortcutsSettingsView::toggleAppMenu()
{
    if (m_picker) {
        m_picker->close();
        return;
    }
    const QString title = QCoreApplication::translate("Kelvaro", "Applications");
    const PopupList popup = popupList(this, QStringLiteral("app-picker"), title, 240, m_appButton);
    QFrame* picker = popup.frame;
    QVBoxLayout* column = popup.column;
    addPopupHeading(column, EditorChrome::secondaryLabel(title.toUpper(), picker, true));
    for (const AppShortcut& a : registeredApps()) {
        auto* row
            = new IconMenuRow(a.name, std::nullopt, EditorChrome::appIcon(m_platform.workspace(), a.bundleIdentifier),
                QStringLiteral("app.fill"), m_selected && m_selected->bundleIdentifier == a.bundleIdentifier, picker);
        row->setObjectName(QStringLiteral("app-") + a.bundleIdentifier);
        connect(row, &QAbstractButton::clicked, this, [this, a] { select(a); });
        column->addWidget(row);
    }
    m_picker = picker;
    dropDownUnder(picker, m_appButton, this);
}
