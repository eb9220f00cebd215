#include "settings/PasswordEditors.h"

#include "settings/PageParts.h"

#include "core/SymbolIcons.h"
#include "editors/EditorChrome.h"
#include "editors/IconPickerSheet.h"
#include "platform/Log.h"
#include "platform/SecretText.h"
#include "settings/IconViews.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
QLabel* header(QWidget* parent)
{
    auto* label = plainLabel(QString(), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setContentsMargins(20, 16, 20, 16);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed); // as tall as its script's lines
    return label;
}

bool blank(const QString& text) { return text.trimmed().isEmpty(); }
}

// ---- Symbol picker ----------------------------------------------------------------------

SymbolPickerButton::SymbolPickerButton(QString symbol, int side, QWidget* parent)
    : QToolButton(parent)
    , m_symbol(std::move(symbol))
{
    setFixedSize(side, side);
    setToolTip(QCoreApplication::translate("Kelvaro", "Choose an icon"));
    setAccessibleName(QCoreApplication::translate("Kelvaro", "Choose an icon"));
    connect(this, &QToolButton::clicked, this, [this] {
        if (m_picker)
            return;
        auto* picker = new IconPickerSheet(m_symbol, this);
        picker->setAttribute(Qt::WA_DeleteOnClose);
        connect(picker, &IconPickerSheet::iconChosen, this, [this](const QString& icon) {
            setSymbol(icon);
            Q_EMIT symbolChosen(icon);
        });
        m_picker = picker;
        picker->open();
    });
}

void SymbolPickerButton::setSymbol(const QString& symbol)
{
    m_symbol = symbol;
    update();
}

void SymbolPickerButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = width() >= 40 ? 8 : 6;
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    p.fillPath(path, palette().color(QPalette::Base));
    QColor border = palette().color(QPalette::Mid);
    if (underMouse() || hasFocus())
        border = palette().color(QPalette::Highlight);
    p.setPen(QPen(border, 1));
    p.drawPath(path);
    const double glyph = width() >= 40 ? 22 : 16;
    const QRectF g(r.center().x() - glyph / 2, r.center().y() - glyph / 2, glyph, glyph);
    EditorChrome::paintIcon(p, g, m_symbol, palette().color(QPalette::Highlight));
}

// ---- Account editor ---------------------------------------------------------------------

PasswordAccountEditorView::PasswordAccountEditorView(PasswordVault vault, PasswordEntry entry, QWidget* parent)
    : QDialog(parent)
    , m_vault(vault)
    , m_entry(std::move(entry))
{
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("account-editor"));
    for (const PasswordEntry& stored : m_vault.entries()) {
        if (stored.id == m_entry.id) {
            m_isEditing = true;
            break;
        }
    }
    const QString title = m_isEditing ? QCoreApplication::translate("Kelvaro", "Edit Account")
                                      : QCoreApplication::translate("Kelvaro", "Add Account");
    setWindowTitle(title);
    setAccessibleName(title);
    setFixedWidth(420);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    QLabel* head = header(this);
    head->setText(title);
    column->addWidget(head);
    column->addWidget(horizontalDivider(this));

    auto* form = new QWidget(this);
    form->setMinimumHeight(220);
    auto* fields = new QVBoxLayout(form);
    fields->setContentsMargins(20, 16, 20, 16);
    fields->setSpacing(18);
    auto* top = new QGridLayout;
    top->setHorizontalSpacing(12);
    top->setVerticalSpacing(6);
    m_icon = new SymbolPickerButton(m_entry.icon, 44, form);
    top->addWidget(m_icon, 0, 0, Qt::AlignHCenter);
    top->addWidget(plainSecondaryLabel(QCoreApplication::translate("Kelvaro", "Icon"), form), 1, 0, Qt::AlignHCenter);
    m_name = new QLineEdit(m_entry.label, form);
    m_name->setPlaceholderText(QCoreApplication::translate("Kelvaro", "Work mail"));
    m_name->setAccessibleName(QCoreApplication::translate("Kelvaro", "Name"));
    m_name->setMinimumHeight(44);
    top->addWidget(m_name, 0, 1);
    top->addWidget(plainSecondaryLabel(QCoreApplication::translate("Kelvaro", "Name"), form), 1, 1, Qt::AlignHCenter);
    top->setColumnStretch(1, 1);
    fields->addLayout(top);

    auto* accountBlock = new QVBoxLayout;
    accountBlock->setSpacing(5);
    QLabel* heading = plainSecondaryLabel(QCoreApplication::translate("Kelvaro", "Email / Account").toUpper(), form);
    QFont hf = heading->font();
    hf.setBold(true);
    heading->setFont(hf);
    accountBlock->addWidget(heading);
    m_account = new QLineEdit(m_entry.account, form);
    m_account->setPlaceholderText(QStringLiteral("name@example.com"));
    m_account->setAccessibleName(QCoreApplication::translate("Kelvaro", "Account"));
    accountBlock->addWidget(m_account);
    fields->addLayout(accountBlock);
    fields->addWidget(plainSecondaryLabel(
        QCoreApplication::translate("Kelvaro", "Add passwords for this account from the list after saving."), form));
    fields->addStretch(1);
    column->addWidget(form, 1);
    column->addWidget(horizontalDivider(this));

    const SheetFooter footer = addSheetFooter(column, this);
    auto* cancel = footer.cancel;
    m_save = footer.confirm;
    m_save->setText(m_isEditing ? QCoreApplication::translate("Kelvaro", "Save")
                                : QCoreApplication::translate("Kelvaro", "Add Account"));

    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_save, &QPushButton::clicked, this, &PasswordAccountEditorView::save);
    connect(m_name, &QLineEdit::textChanged, this, [this](const QString& t) {
        m_entry.label = t;
        refresh();
    });
    connect(m_account, &QLineEdit::textChanged, this, [this](const QString& t) {
        m_entry.account = t;
        refresh();
    });
    connect(m_icon, &SymbolPickerButton::symbolChosen, this, [this](const QString& s) { m_entry.icon = s; });
    refresh();
    m_name->setFocus();
}

bool PasswordAccountEditorView::canSave() const { return !blank(m_entry.label) || !blank(m_entry.account); }

void PasswordAccountEditorView::refresh() { m_save->setEnabled(canSave()); }

void PasswordAccountEditorView::save()
{
    if (!canSave())
        return;
    m_entry.label = m_entry.label.trimmed();
    m_entry.account = m_entry.account.trimmed();
    if (m_entry.label.isEmpty())
        m_entry.label = m_entry.account;
    if (m_entry.account.isEmpty())
        m_entry.account = m_entry.label;
    if (!m_isEditing) {
        m_entry.variants.clear();
    } else if (const auto stored = m_vault.entry(m_entry.id)) {
        // The passwords stay as stored now: this dialog never adds or drops one.
        m_entry.variants = stored->variants;
    }
    m_vault.upsert(m_entry);
    Q_EMIT saved(m_entry.id);
    accept();
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
    m_header = header(this);
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
        auto* frame = new QFrame;
        frame->setFrameShape(QFrame::StyledPanel);
        card.frame = frame;
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
        card.remove->setIcon(SymbolIcons::icon(QStringLiteral("xmark.circle.fill")));
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
    auto secret = SecretText::fromUtf8(row.secret.toUtf8());
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
    QDialog::done(result);
}
