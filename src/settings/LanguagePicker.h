#pragma once
// The interface-language picker: the system's language or one of the
// seventeen. Choosing assigns AppSettings::language, which stores and applies
// it; texts follow at once. The list style (settings) offers "Relaunch Now",
// which starts a fresh Kelvaro and then quits this one; the grid style (the
// first-run wizard) says that the rest of the guide follows the choice.

#include <QWidget>
#include <functional>

class DefaultsStore;
class QComboBox;
class QScrollArea;

class LanguagePicker : public QWidget {
    Q_OBJECT
public:
    enum class Style { grid, list };
    LanguagePicker(DefaultsStore& defaults, Style style, bool appliesImmediately, QWidget* parent = nullptr);

    QComboBox* list() const { return m_list; }
    // The grid asks for room for its planned columns beside the scroll bar.
    QSize sizeHint() const override;

    // Starts a new instance (which waits for this one to let go of the
    // single-instance lock) and then quits this one. False, with a log line,
    // when the new instance could not be started: this one keeps running.
    // `defaults` is the store the settings are written to.
    static bool relaunch(DefaultsStore& defaults);
    // The argument that tells a starting instance it replaces a running one.
    static QString relaunchArgument() { return QStringLiteral("--relaunch"); }
    // Tests replace how the new instance is started and how this one quits.
    static void setRelaunchHooks(
        std::function<bool(const QString& program, const QStringList& arguments)> start, std::function<void()> quit);

private:
    void build();
    // Marks the chosen language; the list's echo of it sets the language it already has.
    void showLanguage();
    DefaultsStore& m_defaults;
    Style m_style;
    bool m_appliesImmediately;
    QComboBox* m_list = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_grid = nullptr;
    bool m_marked = false;
};
