#pragma once
// The icon picker: the symbol library in a grid, filtered by what is typed
// into the search field, and the import of a PNG picture of the user's own.
// A click only highlights a symbol; "Pick Icon" hands the highlighted one
// out through iconChosen(). A successful import hands out the new custom
// icon's name at once and closes; a refused file is explained in an alert.

#include "editors/EditorChrome.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

// One symbol of the grid.
class IconCell : public HoverButton {
    Q_OBJECT
public:
    IconCell(QString symbol, QWidget* parent = nullptr);
    QString symbol() const { return m_symbol; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    QSize sizeHint() const override { return { 52, 46 }; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_symbol;
    bool m_selected = false;
};

class IconPickerSheet : public QDialog {
    Q_OBJECT
public:
    IconPickerSheet(QString selectedIcon, QWidget* parent = nullptr);

    static constexpr int columns = 7;

    QString draft() const { return m_draft; }
    void setDraft(const QString& symbol);
    void setSearchText(const QString& text);
    // The symbols the grid shows now.
    QStringList results() const { return m_results; }
    // "Pick Icon": hands out the highlighted symbol (or the icon it opened
    // with) and closes.
    void pick();
    // The file chooser's answer: imports the file, or shows why not.
    void handleImport(const QString& path);
    // Opens the file chooser (PNG files only).
    void chooseFile();

    QLineEdit* searchField() const { return m_search; }
    QList<IconCell*> visibleCells() const;
    QLabel* noResultsLabel() const { return m_noResults; }
    QMessageBox* importAlert() const { return m_alert; }

Q_SIGNALS:
    void iconChosen(const QString& icon);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void layoutGrid();

    QString m_draft;
    QStringList m_results;
    QLineEdit* m_search = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_grid = nullptr;
    QGridLayout* m_gridLayout = nullptr;
    QLabel* m_noResults = nullptr;
    QList<IconCell*> m_cells;
    QPointer<QMessageBox> m_alert;
    QPointer<QFileDialog> m_chooser;
};
