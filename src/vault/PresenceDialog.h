#pragma once
// The small dialog of the presence check: what Kelvaro wants, which password
// a secret question wants, the authentication stack's own question
// ("Password:"), a field for the answer, Cancel and Unlock, and the messages
// the stack (or the vault) sends: a fingerprint reader's "Place your
// finger…", a refused answer. Messages stay until the next answer is sent,
// so a question asked again shows why. It is the conversation of one check.

#include "platform/PresenceCheck.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

class PresenceDialog : public QDialog {
    Q_OBJECT
public:
    explicit PresenceDialog(QWidget* parent = nullptr);
    ~PresenceDialog() override;

    void ask(const QString& prompt, bool echo, std::function<void(std::shared_ptr<const SecretText>)> answer);
    void inform(const QString& message, bool isError);

    // The conversation of one check, showing a dialog while it is asked.
    static std::shared_ptr<PresenceConversation> makeConversation();

    QLineEdit* answerField() const { return m_field; }
    QPushButton* unlockButton() const { return m_unlock; }
    QPushButton* cancelButton() const { return m_cancel; }
    QLabel* promptLabel() const { return m_prompt; }
    QLabel* wantedLabel() const { return m_wanted; }
    QLabel* messageLabel() const { return m_message; }

protected:
    void reject() override;

private:
    void submit();
    void answerWith(std::shared_ptr<const SecretText> answer);

    QLabel* m_wanted = nullptr;
    QLabel* m_prompt = nullptr;
    QLabel* m_message = nullptr;
    QLineEdit* m_field = nullptr;
    QPushButton* m_unlock = nullptr;
    QPushButton* m_cancel = nullptr;
    QStringList m_messages; // shown since the last answer
    std::function<void(std::shared_ptr<const SecretText>)> m_answer;
};
