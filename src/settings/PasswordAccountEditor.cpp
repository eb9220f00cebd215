#include "settings/PasswordAccountEditor.h"

#include "settings/PageParts.h"

#include "editors/EditorChrome.h"
#include "editors/IconPickerSheet.h"
#include "settings/IconViews.h"
#include "vault/PasswordVault.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

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
    QLabel* head = sheetHeader(this);
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

bool PasswordAccountEditorView::canSave() const
{
    return !m_entry.label.trimmed().isEmpty() || !m_entry.account.trimmed().isEmpty();
}

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
