#pragma once
// The sheet of suggested shortcuts for one application: the catalogue's
// presets (all ticked at first) and the key equivalents read from the
// application's own menus, scanned on their own when the sheet comes on
// screen while the application runs, or on request (which starts the
// application in the background first). The ticked ones go out in one batch
// through added(); the sheet stores nothing.
//
// A scan runs off the main thread and may finish after the sheet closed:
// its result is then dropped, as is a result for another application.

#include "core/AppShortcut.h"
#include "editors/SuggestionMotion.h"
#include "ring/MenuShortcutScanner.h"
#include "ring/ShortcutPreset.h"

#include <QDialog>
#include <QList>
#include <QSet>
#include <QUuid>
#include <functional>

class QLabel;
class QPushButton;
class QVBoxLayout;

// What one presentation of the sheet shows.
class Platform;

struct ShortcutSuggestionContext {
    AppShortcut app;
    QList<ShortcutPreset> presets;
    QUuid id = QUuid::createUuid();
};

class ShortcutSuggestionsView : public QDialog {
    Q_OBJECT
public:
    ShortcutSuggestionsView(
        const Platform& platform, const ShortcutSuggestionContext& context, QWidget* parent = nullptr);
    ~ShortcutSuggestionsView() override;

    // How scans are made. The default reads the real menus, the automatic
    // scan on the global thread pool; tests install their own.
    struct ScanBackend {
        std::function<MenuShortcutScanner::ScanResult(const QString&)> scan;
        std::function<void(const QString&, MenuShortcutScanner::Completion)> openAndScan;
        std::function<void(std::function<void()>)> runInBackground;
        std::function<bool(const QString&)> isRunning;
    };
    static void setScanBackend(ScanBackend backend); // empty members: the defaults

    static constexpr int maxAutoTicks = 16;
    // "Select All" and "Deselect All" move the ticks with this spring.
    static RingAnimation selectAllAnimation() { return RingAnimation::spring(0.2, 0.85); }
    ScanSpinner* spinner() const { return m_spinner; }

    const AppShortcut& app() const { return m_app; }
    QList<ShortcutPreset> allPresets() const;
    QList<ShortcutPreset> selectedPresets() const;
    const QList<ShortcutPreset>& menuPresets() const { return m_menuPresets; }
    bool isScanning() const { return m_scanning; }
    QString scanMessage() const { return m_scanMessage; }
    bool isNewCombination(const ShortcutPreset& preset) const;
    bool appIsRunning() const;

    void setTicked(const QString& presetId, bool ticked);
    bool isTicked(const QString& presetId) const { return m_selectedIDs.contains(presetId); }
    void toggleSelectAll();
    QString addButtonTitle() const;
    QString selectAllTitle() const;

    // The scans.
    void autoScanIfRunning();
    void importFromMenus();
    // Applies a scan's result, unless the sheet closed since the scan began
    // or the result belongs to another application.
    void deliverScanResult(quint64 scanNumber, const QString& bundleIdentifier,
        const MenuShortcutScanner::ScanResult& result, bool autoSelect);
    quint64 currentScanNumber() const { return m_scanNumber; }

    // Emits added() with a new item per ticked preset and closes.
    void add();

    QPushButton* addButton() const { return m_add; }
    QPushButton* importButton() const { return m_import; }
    QPushButton* selectAllButton() const { return m_selectAll; }
    QList<TickBox*> rows() const { return m_rows; }

Q_SIGNALS:
    void added(const QList<AppShortcut>& shortcuts);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    const Platform& m_platform;
    void applyScanResult(const MenuShortcutScanner::ScanResult& result, bool autoSelect);
    // Marks a scan as under way and returns its number.
    quint64 beginScan();
    void rebuildList();
    void refresh();
    TickBox* presetRow(const ShortcutPreset& preset, QWidget* parent);

    AppShortcut m_app;
    QList<ShortcutPreset> m_presets;
    QSet<QString> m_selectedIDs;
    QList<ShortcutPreset> m_menuPresets;
    bool m_scanning = false;
    bool m_closed = false;
    quint64 m_scanNumber = 0;
    QString m_scanMessage;

    QPushButton* m_import = nullptr;
    QLabel* m_message = nullptr;
    QVBoxLayout* m_listColumn = nullptr;
    QWidget* m_list = nullptr;
    QList<TickBox*> m_rows;
    ScanSpinner* m_spinner = nullptr;
    QPushButton* m_selectAll = nullptr;
    QPushButton* m_add = nullptr;
};
