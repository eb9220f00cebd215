#include "editors/ShortcutEditorView.h"

#include "platform/Platform.h"

#include "core/CustomIcons.h"
#include "core/SymbolIcons.h"
#include "editors/EditorChrome.h"
#include "editors/HotkeyRecorder.h"
#include "editors/IconPickerSheet.h"
#include "editors/SegmentButton.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace ShortcutActions {
QString rawValue(ShortcutAction action)
{
    switch (action) {
    case ShortcutAction::keyboard:
        return QStringLiteral("keyboard");
    case ShortcutAction::text:
        return QStringLiteral("text");
    case ShortcutAction::link:
        return QStringLiteral("link");
    }
    return {};
}

std::optional<ShortcutAction> fromRawValue(const QString& raw)
{
    for (ShortcutAction a : all()) {
        if (rawValue(a) == raw)
            return a;
    }
    return std::nullopt;
}

QList<ShortcutAction> all() { return { ShortcutAction::keyboard, ShortcutAction::text, ShortcutAction::link }; }

QString title(ShortcutAction action)
{
    switch (action) {
    case ShortcutAction::keyboard:
        return QCoreApplication::translate("Kelvaro", "Keystroke");
    case ShortcutAction::text:
        return QCoreApplication::translate("Kelvaro", "Text");
    case ShortcutAction::link:
        return QCoreApplication::translate("Kelvaro", "Link");
    }
    return {};
}

QString prompt(ShortcutAction action)
{
    switch (action) {
    case ShortcutAction::keyboard:
        return QCoreApplication::translate("Kelvaro", "Sent to the app in front, as if you pressed it yourself.");
    case ShortcutAction::text:
        return QCoreApplication::translate("Kelvaro", "Copied to the clipboard, ready to paste.");
    case ShortcutAction::link:
        return QCoreApplication::translate("Kelvaro", "Opened in your default browser.");
    }
    return {};
}

QString defaultIcon(ShortcutAction action)
{
    switch (action) {
    case ShortcutAction::keyboard:
        return QStringLiteral("command");
    case ShortcutAction::text:
        return QStringLiteral("doc.on.clipboard");
    case ShortcutAction::link:
        return QStringLiteral("link");
    }
    return {};
}

QString trimmedBlanks(const QString& text)
{
    auto blank = [](QChar c) { return c.isSpace() && c != QLatin1Char('\n') && c != QLatin1Char('\r'); };
    qsizetype begin = 0, end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}
}

namespace {
// The square behind the icon preview: control background, separator edge.
class IconTileButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
        p.fillPath(shape, palette().color(QPalette::Button));
        QColor edge = palette().color(hasFocus() ? QPalette::Highlight : QPalette::Mid);
        p.setPen(QPen(edge, hasFocus() ? 1.5 : 1));
        p.drawPath(shape);
    }
};

QWidget* section(const QString& title, QWidget* content, QWidget* parent, QLabel** titleLabel = nullptr)
{
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(5);
    QLabel* label = EditorChrome::sectionTitle(title, box);
    if (titleLabel)
        *titleLabel = label;
    column->addWidget(label);
    content->setParent(box);
    column->addWidget(content);
    return box;
}
}

ShortcutEditorView::ShortcutEditorView(
    const Platform& platform, AppShortcut app, std::optional<AppShortcut> existing, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_app(std::move(app))
    , m_existing(std::move(existing))
{
    using namespace ShortcutActions;
    // Initial state from the edited item.
    if (m_existing) {
        if (!m_existing->shortcut.isEmpty())
            m_action = ShortcutAction::keyboard;
        else if (m_existing->url)
            m_action = ShortcutAction::link;
        else if (m_existing->textSnippet)
            m_action = ShortcutAction::text;
        m_icon = m_existing->icon;
        if (!m_existing->shortcut.isEmpty())
            m_hotkey = Hotkey::fromDisplayString(m_existing->shortcut);
    } else {
        m_icon = defaultIcon(ShortcutAction::keyboard);
    }

    setObjectName(QStringLiteral("shortcut-editor"));
    const QString heading = m_existing ? QCoreApplication::translate("Kelvaro", "Edit Shortcut")
                                       : QCoreApplication::translate("Kelvaro", "New Shortcut");
    setWindowTitle(heading);
    setWindowModality(Qt::WindowModal);
    setFixedWidth(460);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    // Header: the application, and what the sheet does.
    auto* header = new QHBoxLayout;
    header->setContentsMargins(20, 16, 20, 16);
    header->setSpacing(12);
    auto* appIcon = new QLabel(this);
    appIcon->setFixedSize(32, 32);
    if (const auto icon = EditorChrome::appIcon(m_platform.workspace(), m_app.bundleIdentifier))
        appIcon->setPixmap(icon->pixmap(QSize(32, 32), devicePixelRatioF()));
    else
        appIcon->setPixmap(SymbolIcons::pixmap(
            QStringLiteral("app.dashed"), 22, EditorChrome::secondaryColour(palette()), devicePixelRatioF()));
    appIcon->setAlignment(Qt::AlignCenter);
    header->addWidget(appIcon);
    auto* titles = new QVBoxLayout;
    titles->setSpacing(1);
    QLabel* headline = EditorChrome::plainLabel(heading, this);
    QFont tf = headline->font();
    tf.setBold(true);
    headline->setFont(tf);
    titles->addWidget(headline);
    titles->addWidget(
        EditorChrome::secondaryLabel(QCoreApplication::translate("Kelvaro", "for %1").arg(m_app.name), this));
    header->addLayout(titles, 1);
    root->addLayout(header);
    root->addWidget(EditorChrome::divider(this));

    // Content.
    auto* content = new QWidget(this);
    content->setFixedHeight(280);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(20, 16, 20, 16);
    column->setSpacing(14);
    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(10);
    m_iconButton = new IconTileButton(content);
    m_iconButton->setObjectName(QStringLiteral("choose-icon"));
    m_iconButton->setFixedSize(32, 32);
    m_iconButton->setToolTip(QCoreApplication::translate("Kelvaro", "Choose an icon"));
    m_iconButton->setAccessibleName(QCoreApplication::translate("Kelvaro", "Choose an icon"));
    auto* tile = new QHBoxLayout(m_iconButton);
    tile->setContentsMargins(6, 6, 6, 6);
    m_iconPreview = new IconPreview(m_icon, 20, m_iconButton);
    tile->addWidget(m_iconPreview);
    connect(m_iconButton, &QToolButton::clicked, this, [this] { chooseIcon(); });
    nameRow->addWidget(m_iconButton);
    m_name = new QLineEdit(content);
    m_name->setObjectName(QStringLiteral("shortcut-name"));
    m_name->setAccessibleName(QCoreApplication::translate("Kelvaro", "Name"));
    m_name->setPlaceholderText(QCoreApplication::translate("Kelvaro", "Empty Bin"));
    m_name->setText(m_existing ? m_existing->name : QString());
    connect(m_name, &QLineEdit::textChanged, this, &ShortcutEditorView::refresh);
    nameRow->addWidget(m_name, 1);
    column->addLayout(nameRow);

    // The kind of action: a segmented choice and a line on what it does.
    auto* kinds = new QWidget;
    auto* kindColumn = new QVBoxLayout(kinds);
    kindColumn->setContentsMargins(0, 0, 0, 0);
    kindColumn->setSpacing(5);
    auto* segments = new QHBoxLayout;
    m_kinds = new QButtonGroup(this);
    m_kinds->setExclusive(true);
    for (ShortcutAction a : all()) {
        auto* b = new SegmentButton(title(a), kinds);
        b->setObjectName(QStringLiteral("kind-") + rawValue(a));
        b->setAccessibleName(title(a));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        m_kinds->addButton(b, int(a));
    }
    Segments::join(m_kinds, segments);
    kindColumn->addLayout(segments);
    m_prompt = EditorChrome::secondaryLabel(QString(), kinds, true);
    m_prompt->setWordWrap(true);
    kindColumn->addWidget(m_prompt);
    connect(m_kinds, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            setAction(ShortcutAction(id));
    });
    column->addWidget(section(QCoreApplication::translate("Kelvaro", "Action"), kinds, content));

    // What the chosen kind needs.
    m_payload = new QStackedWidget;
    m_recorder = new HotkeyRecorder(HotkeyRecorder::Binding {
                                        [this] { return m_hotkey; },
                                        [this](std::optional<Hotkey> h) { setHotkey(h); },
                                    },
        QCoreApplication::translate("Kelvaro", "Press Shortcut"), m_payload);
    // Told apart from the settings page's own recorder behind the sheet.
    m_recorder->setAccessibleName(QCoreApplication::translate("Kelvaro", "Keystroke to send"));
    m_payload->addWidget(m_recorder);
    m_snippet = new QPlainTextEdit(m_payload);
    m_snippet->setObjectName(QStringLiteral("shortcut-text"));
    m_snippet->setAccessibleName(QCoreApplication::translate("Kelvaro", "Text"));
    m_snippet->setFixedHeight(70);
    m_snippet->setTabChangesFocus(true);
    m_snippet->setPlainText(m_existing ? m_existing->textSnippet.value_or(QString()) : QString());
    connect(m_snippet, &QPlainTextEdit::textChanged, this, &ShortcutEditorView::refresh);
    m_payload->addWidget(m_snippet);
    auto* linkPage = new QWidget(m_payload);
    auto* linkColumn = new QVBoxLayout(linkPage);
    linkColumn->setContentsMargins(0, 0, 0, 0);
    m_link = new QLineEdit(linkPage);
    m_link->setObjectName(QStringLiteral("shortcut-link"));
    m_link->setAccessibleName(QCoreApplication::translate("Kelvaro", "Link"));
    m_link->setPlaceholderText(QStringLiteral("https://example.com"));
    m_link->setText(m_existing ? m_existing->url.value_or(QString()) : QString());
    connect(m_link, &QLineEdit::textChanged, this, &ShortcutEditorView::refresh);
    linkColumn->addWidget(m_link);
    linkColumn->addStretch(1);
    m_payload->addWidget(linkPage);
    column->addWidget(section(QString(), m_payload, content, &m_payloadTitle));
    column->addStretch(1);
    root->addWidget(content);
    root->addWidget(EditorChrome::divider(this));

    // Footer.
    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(20, 14, 20, 14);
    m_problem = EditorChrome::secondaryLabel(QString(), this, true);
    m_problem->setObjectName(QStringLiteral("validation-problem"));
    m_problem->setWordWrap(true);
    footer->addWidget(m_problem, 1);
    auto* cancel = new QPushButton(QCoreApplication::translate("Kelvaro", "Cancel"), this);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    footer->addWidget(cancel);
    m_save = new QPushButton(m_existing ? QCoreApplication::translate("Kelvaro", "Save")
                                        : QCoreApplication::translate("Kelvaro", "Add Shortcut"),
        this);
    m_save->setObjectName(QStringLiteral("save-shortcut"));
    m_save->setDefault(true);
    connect(m_save, &QPushButton::clicked, this, &ShortcutEditorView::save);
    footer->addWidget(m_save);
    root->addLayout(footer);

    m_kinds->button(int(m_action))->setChecked(true);
    m_name->setFocus();
    refresh();
}

ShortcutEditorView::~ShortcutEditorView() = default;

void ShortcutEditorView::setAction(ShortcutAction action)
{
    using namespace ShortcutActions;
    if (action != m_action) {
        // A default icon follows the kind; an icon the user chose stays.
        for (ShortcutAction a : all()) {
            if (m_icon == defaultIcon(a)) {
                setIcon(defaultIcon(action));
                break;
            }
        }
        m_action = action;
    }
    if (QAbstractButton* b = m_kinds->button(int(action)); b && !b->isChecked())
        b->setChecked(true);
    refresh();
}

void ShortcutEditorView::setIcon(const QString& icon)
{
    m_icon = icon;
    m_iconPreview->setIcon(icon);
}

void ShortcutEditorView::setHotkey(std::optional<Hotkey> hotkey)
{
    m_hotkey = hotkey;
    m_recorder->refresh();
    refresh();
}

std::optional<QString> ShortcutEditorView::validationProblem() const
{
    using namespace ShortcutActions;
    if (trimmedBlanks(m_name->text()).isEmpty())
        return QCoreApplication::translate("Kelvaro", "Give the shortcut a name.");
    switch (m_action) {
    case ShortcutAction::keyboard:
        if (!m_hotkey)
            return QCoreApplication::translate("Kelvaro", "Record the keystroke to send.");
        break;
    case ShortcutAction::text:
        if (m_snippet->toPlainText().isEmpty())
            return QCoreApplication::translate("Kelvaro", "Enter the text to copy.");
        break;
    case ShortcutAction::link: {
        const QString link = trimmedBlanks(m_link->text());
        if (link.isEmpty())
            return QCoreApplication::translate("Kelvaro", "Enter a link to open.");
        const QUrl url(link, QUrl::StrictMode);
        if (!url.isValid() || url.scheme().isEmpty() || url.host().isEmpty())
            return QCoreApplication::translate("Kelvaro", "That doesn't look like a valid link.");
        break;
    }
    }
    return std::nullopt;
}

AppShortcut ShortcutEditorView::draft() const
{
    using namespace ShortcutActions;
    AppShortcut out(trimmedBlanks(m_name->text()), m_icon,
        m_action == ShortcutAction::keyboard && m_hotkey ? m_hotkey->storedText() : QString(), m_app.bundleIdentifier);
    if (m_existing)
        out.id = m_existing->id;
    if (m_action == ShortcutAction::text)
        out.textSnippet = m_snippet->toPlainText();
    if (m_action == ShortcutAction::link)
        out.url = trimmedBlanks(m_link->text());
    return out;
}

void ShortcutEditorView::save()
{
    if (validationProblem())
        return;
    Q_EMIT saved(draft());
    accept();
}

IconPickerSheet* ShortcutEditorView::chooseIcon()
{
    if (m_picker)
        return m_picker;
    auto* picker = new IconPickerSheet(m_icon, this);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    connect(picker, &IconPickerSheet::iconChosen, this, [this](const QString& icon) { setIcon(icon); });
    m_picker = picker;
    picker->open();
    return picker;
}

void ShortcutEditorView::refresh()
{
    using namespace ShortcutActions;
    m_prompt->setText(prompt(m_action));
    m_payloadTitle->setText(title(m_action).toUpper());
    m_payload->setCurrentIndex(int(m_action));
    const auto problem = validationProblem();
    m_problem->setText(problem.value_or(QString()));
    m_save->setEnabled(!problem);
}
