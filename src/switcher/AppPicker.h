#pragma once
// The chooser of an application: a dialog listing the desktop applications
// and the running ones that have no desktop entry (name and icon, sorted by
// name; each identified as the switcher identifies it) with a search field, a
// title, a message and a confirm button. LauncherApps::presentAppPicker shows it.

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Platform;

class AppPickerDialog final : public QDialog {
    Q_OBJECT
public:
    AppPickerDialog(const Platform& platform, const QString& title, const QString& message, QWidget* parent = nullptr);

    // The entry chosen now (the selected row), as its bundle identifier.
    std::optional<QString> chosenBundleIdentifier() const;
    // The desktop entry file of the selected row.
    std::optional<QString> chosenURL() const;

    // Shows only the rows whose name or identifier contains `text`, ignoring case.
    void setSearchText(const QString& text);
    // Selects the first visible row whose identifier is `bundleIdentifier`.
    bool select(const QString& bundleIdentifier);
    int visibleRowCount() const;
    QStringList visibleNames() const;
    QString message() const;
    QString confirmTitle() const;

    // A text of the picker (a QT_TRANSLATE_NOOP("Kelvaro", …) literal) in the
    // system's language, not the interface language chosen in the settings.
    static QString processLocalized(const char* english);

private:
    void fill(const Platform& platform);
    void updateConfirm();

    QLabel* m_message;
    QLineEdit* m_search;
    QListWidget* m_list;
    QPushButton* m_confirm;
};
