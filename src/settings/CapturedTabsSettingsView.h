#pragma once
// The Tabs page of the settings window: the tabs ring's key-binding section,
// then the saved captures of browser tabs: a pop-up that picks the active
// capture, the button that captures what the running browsers have open (off
// the main thread, with progress shown), rename and delete, and the tabs of
// the active capture with buttons to reorder and remove them. Everything is
// stored through CapturedTabStore; `storeChanged` asks the window to redraw
// its preview of the tabs ring.

#include "ring/CapturedTabStore.h"

#include <QIcon>
#include <QList>
#include <QPointer>
#include <QUuid>
#include <QWidget>
#include <optional>

class CapturePopupButton;
class Platform;
class KeyBindingSection;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

// One tab of the list: its icon, title and host, and its buttons.
class CapturedTabRow : public QWidget {
    Q_OBJECT
public:
    CapturedTabRow(const BrowserTabs::Tab& tab, bool canMoveUp, bool canMoveDown, QWidget* parent = nullptr);
    // The host without any "www.", or the whole address when it has none.
    static QString hostText(const QString& url);

Q_SIGNALS:
    void moveUp();
    void moveDown();
    void remove();
};

class Platform;

class CapturedTabsSettingsView : public QWidget {
    Q_OBJECT
public:
    explicit CapturedTabsSettingsView(const Platform& platform, QWidget* parent = nullptr);

    static constexpr int rowControlHeight = 34;
    static constexpr int listHeight = 208;

    // "Captured 5 tabs — 3 from Chrome, 2 from Firefox." and its simpler forms.
    static QString summary(const QList<BrowserTabs::Tab>& tabs);
    // "1 earlier capture kept." / "%n earlier captures kept." for the others; empty when none.
    static QString keptNote(const QList<CapturedSession>& sessions, const QUuid& excluding);
    // What a capture left out, a sentence for each reason; empty when nothing was.
    static QString leftOutNote(const BrowserTabs::LeftOut& leftOut);
    // "3 tabs · Chrome, Firefox".
    static QString browserSummary(const CapturedSession& session);
    // The browser's application icon when every tab came from one installed browser.
    std::optional<QIcon> sessionIcon(const CapturedSession& session) const;

    const QList<CapturedSession>& sessions() const { return m_sessions; }
    std::optional<CapturedSession> selected() const;
    bool isCapturing() const { return m_capturing; }
    QString message() const { return m_message; }
    bool failed() const { return m_failed; }

    // The actions of the page's buttons (also what its tests drive).
    void capture();
    void choose(const QUuid& id);
    void renameSelected(); // asks for the name
    void applyRename(const QString& name); // trimmed; blank changes nothing
    void deleteSelected();
    void move(int position, int by);
    void remove(int position);
    void toggleCaptureMenu();

    // Hands a finished capture and how it was stored to the page (main thread).
    void finishCapture(const BrowserTabs::CaptureResult& result, const CapturedTabStore::Added& added);

    KeyBindingSection* keyBinding() const { return m_keyBinding; }
    QList<CapturedTabRow*> rows() const { return m_rows; }
    QPushButton* captureButton() const { return m_captureButton; }
    QLabel* messageLabel() const { return m_messageLabel; }

Q_SIGNALS:
    // What the tabs ring shows changed.
    void storeChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void reload();
    void rebuild();
    QWidget* tabList(const std::optional<CapturedSession>& session);

    // The platform the page reads the browsers and the captures through.
    const Platform& m_platform;
    CapturedTabStore m_store;
    QList<CapturedSession> m_sessions;
    std::optional<QUuid> m_selectedID;
    QString m_message;
    bool m_failed = false;
    bool m_capturing = false;
    KeyBindingSection* m_keyBinding = nullptr;
    QVBoxLayout* m_sectionColumn = nullptr;
    QWidget* m_content = nullptr;
    CapturePopupButton* m_picker = nullptr;
    QPushButton* m_captureButton = nullptr;
    QLabel* m_messageLabel = nullptr;
    QList<CapturedTabRow*> m_rows;
    QPointer<QFrame> m_menu;
};
