#pragma once
// Whether Kelvaro can do its work on this desktop, kept fresh while a view
// that shows it is on screen. On Linux that takes three things: an X11
// session (under Wayland no program may watch global keys or move other
// programs' windows), key grabs that the X server grants, and the
// accessibility bus switched on (org.a11y.Status.IsEnabled), through which
// other programs' windows, menus and text fields are read.
//
// AccessibilityWarningRow is the banner that says which is missing, in plain
// words, with a button that switches the accessibility bus on (or, under
// Wayland, explains that global hotkeys need an X11 session).

#include <QObject>
#include <QWidget>

class Platform;
class QLabel;
class QPushButton;

struct AccessibilityState {
    bool x11Session = true;
    bool keyGrabs = true;
    bool accessibilityBus = true;

    enum class Missing { nothing, x11Session, keyGrabs, accessibilityBus };
    // The first missing piece, in the order above.
    Missing missing() const;
    bool isTrusted() const { return missing() == Missing::nothing; }
    bool operator==(const AccessibilityState&) const = default;
};

class AccessibilityPermissionMonitor : public QObject {
    Q_OBJECT
public:
    // Reads the session and the accessibility bus from the platform's desktop
    // access, and whether key grabs are granted from its key tap while the
    // dispatcher's tap is not running; the platform must outlive the monitor.
    explicit AccessibilityPermissionMonitor(const Platform& platform, QObject* parent = nullptr);
    ~AccessibilityPermissionMonitor() override;

    bool isTrusted() const { return m_state.isTrusted(); }
    AccessibilityState state() const { return m_state; }

    // Reads now, then every 1.5 s until stopMonitoring; a second start does nothing.
    void startMonitoring();
    void stopMonitoring();
    bool isMonitoring() const { return m_timer != 0; }
    // Turns the accessibility bus on (the banner's button). The next poll shows the result.
    void openSystemSettings();

    static constexpr double pollInterval = 1.5;

Q_SIGNALS:
    // Only when the state changed, never on every poll.
    void trustChanged();

private:
    void refresh();
    void apply(AccessibilityState state);

    const Platform& m_platform;
    AccessibilityState m_state;
    quint64 m_timer = 0;
    bool m_waiting = false;
};

class AccessibilityWarningRow : public QWidget {
    Q_OBJECT
public:
    explicit AccessibilityWarningRow(AccessibilityPermissionMonitor& monitor, QWidget* parent = nullptr);

    QString titleText() const;
    QString detailText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void sync();
    AccessibilityPermissionMonitor& m_monitor;
    QLabel* m_title = nullptr;
    QLabel* m_detail = nullptr;
    QPushButton* m_button = nullptr;
};
