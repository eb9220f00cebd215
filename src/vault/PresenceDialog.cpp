#include "vault/PresenceDialog.h"

#include "vault/PasswordAuth.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PresenceDialog::PresenceDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QCoreApplication::translate("Kelvaro", "Unlock Saved Passwords"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(PasswordAuth::reason(), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setWordWrap(true);
    layout->addWidget(heading);
    m_wanted = new QLabel(PasswordAuth::wantedPassword(), this);
    m_wanted->setWordWrap(true);
    m_wanted->hide();
    layout->addWidget(m_wanted);
    m_prompt = new QLabel(this);
    layout->addWidget(m_prompt);
    m_field = new QLineEdit(this);
    m_field->setEchoMode(QLineEdit::Password);
    m_field->setAccessibleName(QCoreApplication::translate("Kelvaro", "Password"));
    layout->addWidget(m_field);
    m_message = new QLabel(this);
    m_message->setWordWrap(true);
    m_message->hide();
    layout->addWidget(m_message);
    auto* buttons = new QDialogButtonBox(this);
    m_cancel = buttons->addButton(QCoreApplication::translate("Kelvaro", "Cancel"), QDialogButtonBox::RejectRole);
    m_unlock = buttons->addButton(QCoreApplication::translate("Kelvaro", "Unlock"), QDialogButtonBox::AcceptRole);
    m_unlock->setDefault(true);
    // Sending the answer disables the field, and the focus moves on to
    // Cancel; were Cancel then the default, the dialog would take the very
    // Return that sent the answer for a click on it, and close.
    m_cancel->setAutoDefault(false);
    layout->addWidget(buttons);
    connect(m_unlock, &QPushButton::clicked, this, &PresenceDialog::submit);
    connect(m_cancel, &QPushButton::clicked, this, &PresenceDialog::reject);
    connect(m_field, &QLineEdit::returnPressed, this, &PresenceDialog::submit);
    setMinimumWidth(360);
}

PresenceDialog::~PresenceDialog()
{
    // A question still open is cancelled: the check must never wait forever.
    answerWith(nullptr);
}

void PresenceDialog::ask(
    const QString& prompt, bool echo, std::function<void(std::shared_ptr<const SecretText>)> answer)
{
    answerWith(nullptr); // a question never answered before a new one comes is cancelled
    m_answer = std::move(answer);
    m_wanted->setVisible(!echo);
    m_prompt->setText(prompt.trimmed());
    m_field->setEchoMode(echo ? QLineEdit::Normal : QLineEdit::Password);
    m_field->clear();
    m_field->setEnabled(true);
    m_unlock->setEnabled(true);
    show();
    raise();
    activateWindow();
    m_field->setFocus();
}

void PresenceDialog::inform(const QString& message, bool isError)
{
    m_messages.append(message.trimmed());
    m_message->setText(m_messages.join(QLatin1Char('\n')));
    m_message->setStyleSheet(isError ? QStringLiteral("color: palette(highlight);") : QString());
    m_message->show();
    if (!isVisible()) {
        // A message without a question (a fingerprint reader): nothing to type.
        m_field->setEnabled(false);
        m_unlock->setEnabled(false);
        show();
        raise();
    }
}

void PresenceDialog::submit()
{
    if (!m_answer)
        return;
    QString typed = m_field->text();
    // Emptied through setText, which also drops the field's undo steps; the
    // field then lets go of its characters and `typed` holds the only copy,
    // which the secret takes over and wipes.
    m_field->setText(QString());
    auto secret = SecretText::takeString(typed);
    m_field->setEnabled(false);
    m_unlock->setEnabled(false);
    // What was said was about the last answer.
    m_messages.clear();
    m_message->clear();
    m_message->hide();
    answerWith(std::move(secret));
}

void PresenceDialog::reject()
{
    answerWith(nullptr);
    QDialog::reject();
}

void PresenceDialog::answerWith(std::shared_ptr<const SecretText> answer)
{
    if (!m_answer)
        return;
    auto answerFn = std::move(m_answer);
    m_answer = nullptr;
    answerFn(std::move(answer));
}

namespace {
class DialogConversation final : public PresenceConversation {
public:
    ~DialogConversation() override { finish(); }

    void ask(const QString& prompt, bool echo, std::function<void(std::shared_ptr<const SecretText>)> answer) override
    {
        dialog()->ask(prompt, echo, std::move(answer));
    }
    void inform(const QString& message, bool isError) override { dialog()->inform(message, isError); }
    void finish() override
    {
        if (m_dialog)
            m_dialog->close(); // deletes it, cancelling a question left open
    }

private:
    PresenceDialog* dialog()
    {
        if (!m_dialog)
            m_dialog = new PresenceDialog;
        return m_dialog;
    }
    QPointer<PresenceDialog> m_dialog;
};
}

std::shared_ptr<PresenceConversation> PresenceDialog::makeConversation()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return nullptr;
    return std::make_shared<DialogConversation>();
}
