#pragma once
// The whole content of the "Software Update" window: the checker's current
// outcome as a symbol, a headline, an optional detail line and, for an
// available update, the release notes, with the matching buttons. It follows
// the checker live and never starts a check itself. Every button calls
// `onClose` last. Texts from the feed are shown as plain text only.

#include <QColor>
#include <QSize>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;
class UpdateChecker;

class UpdateNoticeView : public QWidget {
    Q_OBJECT
public:
    UpdateNoticeView(UpdateChecker& checker, std::function<void()> onClose, QWidget* parent = nullptr);

    // The fixed size of the view and the content size of its window.
    static QSize windowSize() { return { 440, 280 }; }
    // The window title, localized.
    static QString windowTitle();

    // The parts, for the host window and for tests.
    QLabel* symbolLabel() const { return m_symbol; }
    QLabel* headlineLabel() const { return m_headline; }
    QLabel* detailLabel() const { return m_detail; }
    QScrollArea* notesArea() const { return m_notesArea; }
    QLabel* notesLabel() const { return m_notes; }
    QPushButton* skipButton() const { return m_skip; }
    QPushButton* laterButton() const { return m_later; }
    QPushButton* downloadButton() const { return m_download; }
    QPushButton* okButton() const { return m_ok; }
    // The button Return presses in the current state (nullptr while none may).
    QPushButton* defaultButton() const;
    // The symbol name shown for the current outcome.
    QString symbolName() const { return m_symbolName; }
    QColor symbolTint() const { return m_symbolTint; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void render();
    void pressDefault();

    UpdateChecker& m_checker;
    std::function<void()> m_onClose;
    QString m_symbolName;
    QColor m_symbolTint;
    QLabel* m_symbol = nullptr;
    QLabel* m_headline = nullptr;
    QLabel* m_detail = nullptr;
    QScrollArea* m_notesArea = nullptr;
    QLabel* m_notes = nullptr;
    QWidget* m_availableRow = nullptr;
    QWidget* m_otherRow = nullptr;
    QPushButton* m_skip = nullptr;
    QPushButton* m_later = nullptr;
    QPushButton* m_download = nullptr;
    QPushButton* m_ok = nullptr;
};
