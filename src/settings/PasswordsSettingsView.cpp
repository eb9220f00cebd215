#include "settings/PasswordsSettingsView.h"

#include "settings/PageParts.h"

#include "core/SymbolIcons.h"
#include "editors/EditorChrome.h"
#include "settings/IconViews.h"
#include "settings/KeyBindingSection.h"
#include "settings/PasswordEditors.h"
#include "settings/SettingsMotion.h"
#include "vault/PasswordVault.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QPushButton* addPasswordButton(QWidget* parent)
{
    auto* b = new QPushButton(
        SymbolIcons::icon(QStringLiteral("plus")), QCoreApplication::translate("Kelvaro", "Add Password"), parent);
    b->setObjectName(QStringLiteral("add-password"));
    return b;
}
}

// ---- Account pop-up button --------------------------------------------------------------

AccountPopupButton::AccountPopupButton(QWidget* parent)
    : PopupPickerButton(QStringLiteral("account-popup"), PasswordsSettingsView::rowControlHeight, parent)
{
}

void AccountPopupButton::setAccount(QString icon, QString title, std::optional<QString> detail)
{
    m_icon = std::move(icon);
    m_title = std::move(title);
    m_detail = std::move(detail);
    setAccessibleName(m_detail ? m_title + QStringLiteral(", ") + *m_detail : m_title);
    setToolTip(QString());
    update();
}

void AccountPopupButton::paintContent(
    QPainter& p, const QRectF& field, const QRectF& iconRect, double textLeft, double right, const QColor& accent)
{
    EditorChrome::paintIcon(p, iconRect, m_icon.isEmpty() ? QStringLiteral("key.fill") : m_icon, accent);
    double x = textLeft;
    const QFontMetricsF fm(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QString title = fm.elidedText(m_title, Qt::ElideRight, std::max(0.0, right - x));
    p.drawText(QRectF(x, field.top(), right - x, field.height()), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
        title);
    x += fm.horizontalAdvance(title) + 8;
    // The detail is extra (the list under the button says it too, and the
    // accessible name carries it): shown whole where it fits, else left out,
    // never cut.
    if (m_detail && x + fm.horizontalAdvance(*m_detail) <= right) {
        p.setPen(SecondaryLabel::colour(palette()));
        p.drawText(QRectF(x, field.top(), right - x, field.height()),
            Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, *m_detail);
    }
}

// ---- Page -------------------------------------------------------------------------------

PasswordsSettingsView::PasswordsSettingsView(PasswordVault vault, const Platform& platform, QWidget* parent)
    : QWidget(parent)
    , m_vault(vault)
    , m_platform(platform)
{
    auto* column = scrollingPage(this, QMargins(20, 16, 20, 16), 16);
    auto* body = column->parentWidget();
    m_keyBinding = new KeyBindingSection(m_platform, HotkeyRole::passwords, body);
    column->addWidget(m_keyBinding);

    // A group box title reads "&" as a mnemonic marker: doubled, it shows as typed.
    auto* section = new QGroupBox(
        QCoreApplication::translate("Kelvaro", "Accounts & Passwords").replace(QLatin1Char('&'), QStringLiteral("&&")),
        body);
    section->setObjectName(QStringLiteral("accounts"));
    m_vaultColumn = new QVBoxLayout(section);
    m_vaultColumn->setSpacing(12);
    auto* footer = plainSecondaryLabel(
        QCoreApplication::translate("Kelvaro",
            "Stored in your desktop keyring (Secret Service), readable only while your session is "
            "unlocked. Choosing one fills the focused text field when you can type, otherwise "
            "copies to the clipboard (cleared after 45 seconds). An account with more than one "
            "password shows them in an arc beside its wedge."),
        section);
    m_vaultColumn->addWidget(footer);
    column->addWidget(section);
    column->addStretch(1);
}

void PasswordsSettingsView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    reload();
}

QString PasswordsSettingsView::accountTitle(const std::optional<PasswordEntry>& entry)
{
    if (!entry)
        return {};
    const QString account = entry->account.trimmed();
    return account.isEmpty() ? entry->label : account;
}

std::optional<QString> PasswordsSettingsView::accountDetail(const std::optional<PasswordEntry>& entry)
{
    if (!entry)
        return std::nullopt;
    const QString account = entry->account.trimmed();
    const QString label = entry->label.trimmed();
    if (account.isEmpty() || label.isEmpty() || account == label)
        return std::nullopt;
    return label;
}

QString PasswordsSettingsView::countText(int count)
{
    if (count <= 0)
        return {};
    if (count == 1)
        return QCoreApplication::translate("Kelvaro", "1 password");
    return QCoreApplication::translate("Kelvaro", "%n passwords", nullptr, count);
}

QString PasswordsSettingsView::rowName(const PasswordVariant& variant)
{
    return variant.label.isEmpty() ? QCoreApplication::translate("Kelvaro", "Password") : variant.label;
}

std::optional<PasswordEntry> PasswordsSettingsView::selectedEntry() const
{
    for (const PasswordEntry& e : m_entries) {
        if (m_selectedEntryID && e.id == *m_selectedEntryID)
            return e;
    }
    if (m_entries.isEmpty())
        return std::nullopt;
    return m_entries.first();
}

void PasswordsSettingsView::reload()
{
    m_entries = m_vault.entries();
    bool found = false;
    for (const PasswordEntry& e : std::as_const(m_entries)) {
        if (m_selectedEntryID && e.id == *m_selectedEntryID)
            found = true;
    }
    if (!found)
        m_selectedEntryID = m_entries.isEmpty() ? std::nullopt : std::optional<QUuid>(m_entries.first().id);
    rebuild();
}

void PasswordsSettingsView::select(const QUuid& entryId)
{
    const ContentFade fade(m_vaultContent, SettingsMotion::list());
    m_selectedEntryID = entryId;
    if (m_picker)
        m_picker->close();
    rebuild();
}

void PasswordsSettingsView::changed()
{
    reload();
    Q_EMIT vaultChanged();
}

void PasswordsSettingsView::rebuild()
{
    if (m_picker)
        m_picker->close();
    QVBoxLayout* column = replaceContent(m_vaultContent, 12);
    QWidget* content = m_vaultContent;
    m_rowWidgets.clear();
    m_count = nullptr;
    m_accountButton = nullptr;

    auto* accountRow = new QHBoxLayout;
    accountRow->setSpacing(8);
    const auto selected = selectedEntry();
    if (m_entries.isEmpty()) {
        accountRow->addWidget(plainSecondaryLabel(QCoreApplication::translate("Kelvaro", "No accounts yet"), content));
        accountRow->addStretch(1);
    } else {
        m_accountButton = new AccountPopupButton(content);
        m_accountButton->setAccount(selected->icon, accountTitle(selected), accountDetail(selected));
        connect(m_accountButton, &QAbstractButton::clicked, this, &PasswordsSettingsView::toggleAccountMenu);
        accountRow->addWidget(m_accountButton, 1);
    }
    auto* add = new QPushButton(
        SymbolIcons::icon(QStringLiteral("plus")), QCoreApplication::translate("Kelvaro", "Add Account"), content);
    add->setObjectName(QStringLiteral("add-account"));
    connect(add, &QPushButton::clicked, this, [this] { addAccount(); });
    accountRow->addWidget(add);
    if (selected) {
        QToolButton* edit = symbolToolButton(QStringLiteral("pencil"),
            QCoreApplication::translate("Kelvaro", "Edit this account"), QStringLiteral("edit-account"), content);
        connect(edit, &QToolButton::clicked, this, [this] { editAccount(); });
        accountRow->addWidget(edit);
        QToolButton* remove = symbolToolButton(QStringLiteral("trash"),
            QCoreApplication::translate("Kelvaro", "Delete this account"), QStringLiteral("delete-account"), content);
        connect(remove, &QToolButton::clicked, this, &PasswordsSettingsView::deleteAccount);
        accountRow->addWidget(remove);
    }
    column->addLayout(accountRow);
    if (selected) {
        column->addWidget(passwordPanel(*selected));
    } else {
        auto* hint = plainSecondaryLabel(
            QCoreApplication::translate("Kelvaro", "Add an account, then add passwords under it."), content);
        hint->setContentsMargins(0, 4, 0, 4);
        column->addWidget(hint);
    }
    m_vaultColumn->insertWidget(0, content);
    content->show();
}

QWidget* PasswordsSettingsView::passwordPanel(const PasswordEntry& entry)
{
    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    const int total = int(entry.variants.size());
    if (total == 0) {
        column->addWidget(
            emptyListState(listHeight, QCoreApplication::translate("Kelvaro", "No passwords for this account yet."),
                QCoreApplication::translate("Kelvaro", "Add the passwords that belong to this email."), false, panel,
                [this](QWidget* box) {
                    QPushButton* add = addPasswordButton(box);
                    connect(add, &QPushButton::clicked, this, [this] { addPassword(); });
                    return add;
                }));
    } else {
        const ScrollingList parts = scrollingList(listHeight, panel);
        QVBoxLayout* rows = parts.rows;
        for (int i = 0; i < total; ++i) {
            QWidget* row = passwordRow(entry, entry.variants[i], i, total);
            m_rowWidgets.append(row);
            rows->addWidget(row);
        }
        rows->addStretch(1);
        column->addWidget(parts.scroll);
    }
    column->addWidget(horizontalDivider(panel));
    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(0, 8, 0, 0);
    QPushButton* add = addPasswordButton(panel);
    connect(add, &QPushButton::clicked, this, [this] { addPassword(); });
    footer->addWidget(add);
    footer->addStretch(1);
    m_count = plainSecondaryLabel(countText(total), panel);
    m_count->setWordWrap(false);
    m_count->setVisible(total > 0);
    footer->addWidget(m_count);
    column->addLayout(footer);
    return panel;
}

QWidget* PasswordsSettingsView::passwordRow(const PasswordEntry&, const PasswordVariant& variant, int index, int total)
{
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("password-row"));
    row->setAccessibleName(rowName(variant));
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 3, 0, 3);
    line->setSpacing(10);
    auto* icon = new QLabel(row);
    icon->setFixedWidth(20);
    icon->setPixmap(
        EditorChrome::iconPixmap(variant.icon, 18, palette().color(QPalette::Highlight), devicePixelRatioF()));
    line->addWidget(icon);
    auto* text = new QVBoxLayout;
    text->setSpacing(1);
    text->addWidget(plainLabel(rowName(variant), row));
    if (!variant.hint.isEmpty()) {
        QLabel* hint = plainSecondaryLabel(variant.hint, row);
        hint->setWordWrap(false);
        text->addWidget(hint);
    }
    line->addLayout(text, 1);
    auto* up = new RowActionButton(
        QStringLiteral("chevron.up"), QCoreApplication::translate("Kelvaro", "Move up"), false, row);
    up->setEnabled(index > 0);
    connect(up, &QAbstractButton::clicked, this, [this, index] { movePassword(index, -1); });
    line->addWidget(up);
    auto* down = new RowActionButton(
        QStringLiteral("chevron.down"), QCoreApplication::translate("Kelvaro", "Move down"), false, row);
    down->setEnabled(index < total - 1);
    connect(down, &QAbstractButton::clicked, this, [this, index] { movePassword(index, 1); });
    line->addWidget(down);
    auto* edit = new RowActionButton(
        QStringLiteral("pencil"), QCoreApplication::translate("Kelvaro", "Edit this password"), false, row);
    connect(edit, &QAbstractButton::clicked, this, [this, index] { editPassword(index); });
    line->addWidget(edit);
    auto* remove = new RowActionButton(QStringLiteral("xmark.circle.fill"),
        QCoreApplication::translate("Kelvaro", "Remove %1").arg(rowName(variant)), RowActionButton::Ink::Secondary,
        row);
    remove->setToolTip(QString());
    connect(remove, &QAbstractButton::clicked, this, [this, index] { removePassword(index); });
    line->addWidget(remove);
    return row;
}

void PasswordsSettingsView::toggleAccountMenu()
{
    if (m_picker) {
        m_picker->close();
        return;
    }
    const QString title = QCoreApplication::translate("Kelvaro", "Accounts");
    const PopupList popup = popupList(this, QStringLiteral("account-picker"), title, 260, m_accountButton);
    QFrame* picker = popup.frame;
    QVBoxLayout* column = popup.column;
    addPopupHeading(column, plainSecondaryLabel(title.toUpper(), picker));
    const auto selected = selectedEntry();
    for (const PasswordEntry& e : std::as_const(m_entries)) {
        auto* row = new IconMenuRow(
            accountTitle(e), accountDetail(e), std::nullopt, e.icon, selected && selected->id == e.id, picker);
        row->setAccessibleName(accountTitle(e));
        const QUuid id = e.id;
        connect(row, &QAbstractButton::clicked, this, [this, id] { select(id); });
        column->addWidget(row);
    }
    m_picker = picker;
    dropDownUnder(picker, m_accountButton, this);
}

PasswordAccountEditorView* PasswordsSettingsView::addAccount()
{
    PasswordEntry fresh;
    fresh.icon = QStringLiteral("key.fill");
    auto* editor = new PasswordAccountEditorView(m_vault, fresh, this);
    connect(editor, &PasswordAccountEditorView::saved, this, [this](const QUuid& id) {
        m_selectedEntryID = id;
        changed();
    });
    editor->open();
    return editor;
}

PasswordAccountEditorView* PasswordsSettingsView::editAccount()
{
    const auto selected = selectedEntry();
    if (!selected)
        return nullptr;
    auto* editor = new PasswordAccountEditorView(m_vault, *selected, this);
    connect(editor, &PasswordAccountEditorView::saved, this, [this](const QUuid& id) {
        m_selectedEntryID = id;
        changed();
    });
    editor->open();
    return editor;
}

void PasswordsSettingsView::deleteAccount()
{
    const auto selected = selectedEntry();
    if (!selected)
        return;
    auto* box = new QMessageBox(QMessageBox::NoIcon, QCoreApplication::translate("Kelvaro", "Delete this account"),
        QString(), QMessageBox::NoButton, this);
    EditorChrome::setAlertSymbol(box, true);
    box->setTextFormat(Qt::PlainText);
    box->setText(QCoreApplication::translate("Kelvaro", "Delete the account “%1”?").arg(accountTitle(selected)));
    box->setInformativeText(QCoreApplication::translate("Kelvaro",
        "Its %n password(s) will be removed from your desktop keyring.", nullptr, int(selected->variants.size())));
    box->setObjectName(QStringLiteral("delete-account-confirmation"));
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* confirm
        = box->addButton(QCoreApplication::translate("Kelvaro", "Delete"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box->addButton(QCoreApplication::translate("Kelvaro", "Cancel"), QMessageBox::RejectRole);
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    const QUuid id = selected->id;
    connect(confirm, &QPushButton::clicked, this, [this, id] {
        const ContentFade fade(m_vaultContent, SettingsMotion::list());
        // Delete what is stored now, not the copy the question was asked about.
        if (const auto stored = m_vault.entry(id))
            m_vault.remove(*stored);
        changed();
    });
    box->open();
}

PasswordVariantEditorView* PasswordsSettingsView::addPassword()
{
    const auto selected = selectedEntry();
    if (!selected)
        return nullptr;
    PasswordVariant fresh;
    fresh.icon = QStringLiteral("key.fill");
    auto* editor = new PasswordVariantEditorView(m_vault, selected->id, fresh, this);
    connect(editor, &QDialog::finished, this, &PasswordsSettingsView::changed);
    editor->open();
    return editor;
}

PasswordVariantEditorView* PasswordsSettingsView::editPassword(int index)
{
    const auto selected = selectedEntry();
    if (!selected || index < 0 || index >= selected->variants.size())
        return nullptr;
    auto* editor = new PasswordVariantEditorView(m_vault, selected->id, selected->variants[index], this);
    connect(editor, &QDialog::finished, this, &PasswordsSettingsView::changed);
    editor->open();
    return editor;
}

void PasswordsSettingsView::movePassword(int index, int offset)
{
    const auto selected = selectedEntry();
    if (!selected)
        return;
    m_vault.moveVariant(selected->id, index, offset);
    const ContentFade fade(m_vaultContent, SettingsMotion::list());
    changed();
}

void PasswordsSettingsView::removePassword(int index)
{
    const auto selected = selectedEntry();
    if (!selected || index < 0 || index >= selected->variants.size())
        return;
    m_vault.removeVariant(selected->variants[index].id, selected->id);
    const ContentFade fade(m_vaultContent, SettingsMotion::list());
    changed();
}
