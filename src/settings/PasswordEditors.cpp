#include "settings/PasswordEditors.h"

#include "settings/PageParts.h"

#include "core/SymbolIcons.h"
#include "editors/EditorChrome.h"
#include "platform/Log.h"
#include "platform/SecretText.h"
#include "settings/IconViews.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
bool blank(const QString& text) { return text.trimmed().isEmpty(); }
}

// ---- Password editor --------------------------------------------------------------------

PasswordDraftRow::PasswordDraftRow(const PasswordVariant& variant, QString secret, bool isPlaceholder)
    : id(variant.id)
    , label(variant.label)
    , hint(variant.hint)
    , icon(variant.icon)
    , secret(std::move(secret))
    , isPlaceholder(isPlaceholder)
{
}

PasswordVariant PasswordDraftRow::asVariant() const
{
    PasswordVariant v;
    v.id = id;
    v.label = label;
    v.icon = icon;
    v.hint = hint;
    return v;
}

PasswordVariantEditorView::PasswordVariantEditorView(
    PasswordVault vault, const QUuid& entryId, const PasswordVariant& variant, QWidget* parent)
    : QDialog(parent)
    , m_vault(vault)
    , m_entryId(entryId)
{
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("password-editor"));
    if (const auto account = m_vault.entry(entryId)) {
        for (const PasswordVariant& v : account->variants) {
            if (v.id == variant.id)
                m_isEditing = true;
        }
    }
    m_rows.append(PasswordDraftRow(variant, QString(), m_isEditing));
    setFixedWidth(440);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_header = sheetHeader(this);
    column->addWidget(m_header);
    column->addWidget(horizontalDivider(this));

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus); // its fields and tiles take the focus
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setMinimumHeight(300);
    scroll->setMaximumHeight(440);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* body = new QWidget(scroll);
    auto* stack = new QVBoxLayout(body);
    stack->setContentsMargins(20, 16, 20, 16);
    stack->setSpacing(14);
    m_cardColumn = new QVBoxLayout;
    m_cardColumn->setSpacing(14);
    stack->addLayout(m_cardColumn);
    if (!m_isEditing) {
        m_addAnother = new QPushButton(SymbolIcons::icon(QStringLiteral("plus")),
            QCoreApplication::translate("Kelvaro", "Add Another Password"), body);
        m_addAnother->setAutoDefault(false);
        connect(m_addAnother, &QPushButton::clicked, this, &PasswordVariantEditorView::addRow);
        stack->addWidget(m_addAnother, 0, Qt::AlignLeft);
        stack->addWidget(plainSecondaryLabel(
            QCoreApplication::translate(
                "Kelvaro", "Each password is saved under this account. Several passwords open an arc on the ring."),
            body));
    } else {
        stack->addWidget(plainSecondaryLabel(
            QCoreApplication::translate("Kelvaro", "Shown in the arc when this account has more than one password."),
            body));
    }
    m_error = plainLabel(QString(), body);
    m_error->setWordWrap(true);
    m_error->setObjectName(QStringLiteral("error"));
    QPalette ep = m_error->palette();
    ep.setColor(QPalette::WindowText, QColor(0xd7, 0x3a, 0x2f));
    m_error->setPalette(ep);
    m_error->hide();
    stack->addWidget(m_error);
    stack->addStretch(1);
    scroll->setWidget(body);
    column->addWidget(scroll, 1);
    column->addWidget(horizontalDivider(this));

    const SheetFooter footer = addSheetFooter(column, this);
    auto* cancel = footer.cancel;
    m_save = footer.confirm;
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_save, &QPushButton::clicked, this, &PasswordVariantEditorView::save);

    rebuildCards();
    if (QLineEdit* first = labelField(0))
        first->setFocus();
}

QString PasswordVariantEditorView::headerTitle() const
{
    if (m_isEditing)
        return QCoreApplication::translate("Kelvaro", "Edit Password");
    return m_rows.size() < 2 ? QCoreApplication::translate("Kelvaro", "Add Password")
                             : QCoreApplication::translate("Kelvaro", "Add Passwords");
}

QString PasswordVariantEditorView::saveTitle() const
{
    if (m_isEditing)
        return QCoreApplication::translate("Kelvaro", "Save");
    int filled = 0;
    for (const auto& r : m_rows) {
        if (!blank(r.secret))
            ++filled;
    }
    if (filled < 2)
        return QCoreApplication::translate("Kelvaro", "Add Password");
    return QCoreApplication::translate("Kelvaro", "Add %n Passwords", nullptr, filled);
}

bool PasswordVariantEditorView::canSave() const
{
    if (m_saving)
        return false;
    for (const auto& r : m_rows) {
        if (r.isPlaceholder || !blank(r.secret))
            return true;
    }
    return false;
}

int PasswordVariantEditorView::indexOf(const QUuid& rowId) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].id == rowId)
            return i;
    }
    return -1;
}

void PasswordVariantEditorView::refresh()
{
    const QString title = headerTitle();
    m_header->setText(title);
    setWindowTitle(title);
    setAccessibleName(title);
    m_save->setText(saveTitle());
    m_save->setEnabled(canSave());
    for (int i = 0; i < m_cards.size() && i < m_rows.size(); ++i) {
        const PasswordDraftRow& row = m_rows[i];
        Card& card = m_cards[i];
        card.secret->setEchoMode(row.isRevealed ? QLineEdit::Normal : QLineEdit::Password);
        if (card.secret->text() != row.secret)
            card.secret->setText(row.secret);
        const QString eye = row.isRevealed ? QCoreApplication::translate("Kelvaro", "Hide the password")
                                           : QCoreApplication::translate("Kelvaro", "Show the password");
        card.reveal->setIcon(SymbolIcons::icon(row.isRevealed ? QStringLiteral("eye.slash") : QStringLiteral("eye")));
        card.reveal->setToolTip(eye);
        card.reveal->setAccessibleName(eye);
        card.reveal->setEnabled(!row.revealPending);
        card.remove->setVisible(!m_isEditing && m_rows.size() >= 2);
    }
}

void PasswordVariantEditorView::rebuildCards()
{
    for (Card& card : m_cards)
        delete card.frame;
    m_cards.clear();
    for (int i = 0; i < m_rows.size(); ++i) {
        const PasswordDraftRow& row = m_rows[i];
        const QUuid id = row.id;
        Card card;
        card.frame = sheetCard();
        card.frame->setObjectName(QStringLiteral("password-card"));
        auto* rowsLayout = new QVBoxLayout(card.frame);
        rowsLayout->setContentsMargins(12, 12, 12, 12);
        rowsLayout->setSpacing(10);

        auto* top = new QHBoxLayout;
        top->setSpacing(8);
        card.icon = new SymbolPickerButton(row.icon, 28, card.frame);
        top->addWidget(card.icon);
        card.label = new QLineEdit(row.label, card.frame);
        card.label->setPlaceholderText(QCoreApplication::translate("Kelvaro", "Personal"));
        card.label->setAccessibleName(QCoreApplication::translate("Kelvaro", "Label"));
        top->addWidget(card.label, 1);
        card.remove = new QToolButton(card.frame);
        card.remove->setIcon(
            SymbolIcons::icon(QStringLiteral("xmark.circle.fill"), EditorChrome::secondaryColour(palette())));
        card.remove->setAutoRaise(true);
        card.remove->setAccessibleName(QCoreApplication::translate("Kelvaro", "Remove this password"));
        card.remove->setToolTip(QCoreApplication::translate("Kelvaro", "Remove this password"));
        top->addWidget(card.remove);
        rowsLayout->addLayout(top);

        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(12);
        grid->setVerticalSpacing(10);
        QLabel* hintTitle = plainSecondaryLabel(QCoreApplication::translate("Kelvaro", "Hint (optional)"), card.frame);
        // Long translations wrap rather than lose their end.
        hintTitle->setWordWrap(true);
        hintTitle->setFixedWidth(110);
        grid->addWidget(hintTitle, 0, 0);
        card.hint = new QLineEdit(row.hint, card.frame);
        card.hint->setPlaceholderText(QCoreApplication::translate("Kelvaro", "ends 4471"));
        card.hint->setAccessibleName(QCoreApplication::translate("Kelvaro", "Hint"));
        grid->addWidget(card.hint, 0, 1);
        QLabel* secretTitle = plainSecondaryLabel(QCoreApplication::translate("Kelvaro", "Password"), card.frame);
        secretTitle->setWordWrap(true);
        secretTitle->setFixedWidth(110);
        grid->addWidget(secretTitle, 1, 0);
        auto* secretRow = new QHBoxLayout;
        secretRow->setSpacing(6);
        card.secret = new QLineEdit(row.secret, card.frame);
        card.secret->setAccessibleName(QCoreApplication::translate("Kelvaro", "Password"));
        if (row.isPlaceholder)
            card.secret->setPlaceholderText(QStringLiteral("\u2022\u2022\u2022\u2022\u2022\u2022\u2022\u2022"));
        secretRow->addWidget(card.secret, 1);
        card.reveal = new QToolButton(card.frame);
        card.reveal->setAutoRaise(true);
        secretRow->addWidget(card.reveal);
        grid->addLayout(secretRow, 1, 1);
        grid->setColumnStretch(1, 1);
        rowsLayout->addLayout(grid);

        // Keyboard order: name, hint, password, then the card's own buttons.
        QWidget::setTabOrder(card.label, card.hint);
        QWidget::setTabOrder(card.hint, card.secret);
        QWidget::setTabOrder(card.secret, card.reveal);
        QWidget::setTabOrder(card.reveal, card.remove);

        connect(card.icon, &SymbolPickerButton::symbolChosen, this, [this, id](const QString& s) {
            if (const int i = indexOf(id); i >= 0)
                m_rows[i].icon = s;
        });
        // textChanged, not textEdited: a screen reader, dictation or a braille
        // display fills a field through its accessible interface, which types
        // nothing, and Save must wake up for them as it does for keys.
        connect(card.label, &QLineEdit::textChanged, this, [this, id](const QString& t) {
            if (const int i = indexOf(id); i >= 0)
                m_rows[i].label = t;
        });
        connect(card.hint, &QLineEdit::textChanged, this, [this, id](const QString& t) {
            if (const int i = indexOf(id); i >= 0)
                m_rows[i].hint = t;
        });
        connect(card.secret, &QLineEdit::textChanged, this, [this, id](const QString& t) {
            // refresh() writing the stored secret back is no edit.
            if (const int i = indexOf(id); i >= 0 && m_rows[i].secret != t) {
                m_rows[i].secret = t;
                m_rows[i].secretEdited = true;
                refresh();
            }
        });
        connect(card.reveal, &QToolButton::clicked, this, [this, id] { toggleReveal(indexOf(id)); });
        connect(card.remove, &QToolButton::clicked, this, [this, id] { removeRow(indexOf(id)); });
        m_cardColumn->addWidget(card.frame);
        card.frame->show();
        m_cards.append(card);
    }
    refresh();
}

QLineEdit* PasswordVariantEditorView::labelField(int index) const
{
    return index >= 0 && index < m_cards.size() ? m_cards[index].label : nullptr;
}
QLineEdit* PasswordVariantEditorView::hintField(int index) const
{
    return index >= 0 && index < m_cards.size() ? m_cards[index].hint : nullptr;
}
QLineEdit* PasswordVariantEditorView::secretField(int index) const
{
    return index >= 0 && index < m_cards.size() ? m_cards[index].secret : nullptr;
}
QToolButton* PasswordVariantEditorView::revealButton(int index) const
{
    return index >= 0 && index < m_cards.size() ? m_cards[index].reveal : nullptr;
}
QToolButton* PasswordVariantEditorView::removeButton(int index) const
{
    return index >= 0 && index < m_cards.size() ? m_cards[index].remove : nullptr;
}

void PasswordVariantEditorView::addRow()
{
    if (m_isEditing)
        return;
    m_rows.append(PasswordDraftRow(PasswordVariant {}, QString(), false));
    rebuildCards();
    if (QLineEdit* field = labelField(int(m_rows.size()) - 1))
        field->setFocus();
}

void PasswordVariantEditorView::removeRow(int index)
{
    if (m_isEditing || index < 0 || index >= m_rows.size() || m_rows.size() < 2)
        return;
    m_rows.removeAt(index);
    rebuildCards();
}

void PasswordVariantEditorView::toggleReveal(int index)
{
    if (index < 0 || index >= m_rows.size())
        return;
    PasswordDraftRow& row = m_rows[index];
    if (row.isRevealed) {
        row.isRevealed = false;
    } else if (!row.isPlaceholder || row.secretEdited) {
        row.isRevealed = true; // typed here: no need to ask
    } else {
        if (row.revealPending)
            return;
        row.revealPending = true;
        const QUuid id = row.id;
        QPointer<PasswordVariantEditorView> self(this);
        m_vault.secret(id, this, [self, id](const PasswordVault::Secret& secret) {
            if (!self || self->m_closed)
                return; // the dialog is gone: the answer has nowhere to go
            const int i = self->indexOf(id);
            if (i < 0)
                return;
            PasswordDraftRow& r = self->m_rows[i];
            r.revealPending = false;
            // Text the user typed meanwhile stays: the stored secret never replaces it.
            if (secret && !r.secretEdited) {
                r.secret = QString::fromUtf8(secret->bytes());
                r.isPlaceholder = false;
                r.isRevealed = true;
            }
            self->refresh();
        });
    }
    refresh();
}

void PasswordVariantEditorView::save()
{
    if (!canSave())
        return;
    QList<PasswordDraftRow> pending;
    for (PasswordDraftRow row : std::as_const(m_rows)) {
        if (!row.isPlaceholder && blank(row.secret))
            continue;
        if (blank(row.label))
            row.label = QCoreApplication::translate("Kelvaro", "Password");
        row.secret = row.secret.trimmed();
        pending.append(row);
    }
    if (pending.isEmpty())
        return;
    m_saving = true;
    m_error->hide();
    refresh();
    saveNext(std::move(pending));
}

void PasswordVariantEditorView::saveNext(QList<PasswordDraftRow> pending)
{
    while (!pending.isEmpty() && pending.first().secret.isEmpty()) {
        // A stored password left alone: only its label, icon and hint change.
        m_vault.updateVariantMetadata(m_entryId, pending.takeFirst().asVariant());
    }
    if (pending.isEmpty()) {
        m_saving = false;
        Q_EMIT saved();
        accept();
        return;
    }
    const PasswordDraftRow row = pending.takeFirst();
    auto secret = SecretText::fromString(row.secret);
    m_vault.upsertVariant(
        m_entryId, row.asVariant(), secret, this, [this, row, pending](PasswordVault::SaveResult result) {
            if (m_closed)
                return;
            if (result == PasswordVault::SaveResult::KeyringRefused) {
                fail(row.label);
                return;
            }
            saveNext(pending);
        });
}

void PasswordVariantEditorView::fail(const QString& label)
{
    m_saving = false;
    Log::write(QStringLiteral("Kelvaro: the keyring refused to store a password; nothing was saved for it"));
    m_error->setText(QCoreApplication::translate("Kelvaro",
        "Your desktop keyring did not store the password “%1”, so it was not "
        "saved. Unlock the keyring and try again.")
                         .arg(label));
    m_error->show();
    refresh();
}

void PasswordVariantEditorView::done(int result)
{
    m_closed = true;
    // The typed secrets go with the sheet: their characters are overwritten
    // where the fields and the rows keep them (they share their buffers), and
    // emptying the fields drops what their undo history holds.
    for (const PasswordDraftRow& row : std::as_const(m_rows))
        SecretText::wipeString(row.secret);
    for (const Card& card : std::as_const(m_cards)) {
        if (card.secret) {
            SecretText::wipeString(card.secret->text());
            card.secret->setText(QString());
        }
    }
    QDialog::done(result);
}
