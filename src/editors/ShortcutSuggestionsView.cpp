#include "editors/ShortcutSuggestionsView.h"

#include "core/AppSettings.h"
#include "core/SymbolIcons.h"
#include "editors/EditorChrome.h"
#include "ringkit/RingAnimation.h"
#include "platform/Platform.h"
#include "platform/Workspace.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QThreadPool>
#include <QVBoxLayout>

namespace {
ShortcutSuggestionsView::ScanBackend& installedBackend()
{
    static ShortcutSuggestionsView::ScanBackend backend;
    return backend;
}

MenuShortcutScanner::ScanResult scanNow(const Platform& platform, const QString& bundleIdentifier)
{
    const auto& b = installedBackend();
    return b.scan ? b.scan(bundleIdentifier) : MenuShortcutScanner::scan(platform, bundleIdentifier);
}

void openAndScan(const Platform& platform, const QString& bundleIdentifier, MenuShortcutScanner::Completion completion)
{
    const auto& b = installedBackend();
    if (b.openAndScan)
        b.openAndScan(bundleIdentifier, std::move(completion));
    else
        MenuShortcutScanner::openAndScan(platform, bundleIdentifier, std::move(completion));
}

void runInBackground(std::function<void()> work)
{
    const auto& b = installedBackend();
    if (b.runInBackground)
        b.runInBackground(std::move(work));
    else
        QThreadPool::globalInstance()->start(std::move(work));
}
}

void ShortcutSuggestionsView::setScanBackend(ScanBackend backend) { installedBackend() = std::move(backend); }

ShortcutSuggestionsView::ShortcutSuggestionsView(
    const Platform& platform, const ShortcutSuggestionContext& context, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_app(context.app)
    , m_presets(context.presets)
{
    for (const ShortcutPreset& p : std::as_const(m_presets))
        m_selectedIDs.insert(p.id);

    setObjectName(QStringLiteral("shortcut-suggestions"));
    setWindowTitle(QCoreApplication::translate("Kelvaro", "Suggested shortcuts for %1").arg(m_app.name));
    setWindowModality(Qt::WindowModal);
    setFixedSize(460, 520);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    // Header.
    auto* header = new QVBoxLayout;
    header->setContentsMargins(20, 20, 20, 20);
    header->setSpacing(12);
    auto* first = new QHBoxLayout;
    first->setSpacing(12);
    auto* icon = new QLabel(this);
    icon->setFixedSize(36, 36);
    icon->setAlignment(Qt::AlignCenter);
    if (const auto appIcon = EditorChrome::appIcon(m_platform.workspace(), m_app.bundleIdentifier))
        icon->setPixmap(appIcon->pixmap(QSize(36, 36), devicePixelRatioF()));
    else
        icon->setPixmap(SymbolIcons::pixmap(
            QStringLiteral("app.fill"), 22, EditorChrome::secondaryColour(palette()), devicePixelRatioF()));
    first->addWidget(icon);
    auto* titles = new QVBoxLayout;
    titles->setSpacing(2);
    QLabel* title = EditorChrome::plainLabel(
        QCoreApplication::translate("Kelvaro", "Suggested shortcuts for %1").arg(m_app.name), this);
    QFont tf = title->font();
    tf.setBold(true);
    title->setFont(tf);
    titles->addWidget(title);
    QLabel* sub = EditorChrome::secondaryLabel(
        QCoreApplication::translate("Kelvaro", "Pick the ones you want on the ring. You can edit them later."), this);
    sub->setWordWrap(true);
    titles->addWidget(sub);
    first->addLayout(titles, 1);
    header->addLayout(first);
    auto* second = new QHBoxLayout;
    second->setSpacing(10);
    m_import = new QPushButton(this);
    m_import->setObjectName(QStringLiteral("import-from-menus"));
    m_import->setAutoDefault(false);
    connect(m_import, &QPushButton::clicked, this, &ShortcutSuggestionsView::importFromMenus);
    m_spinner = new ScanSpinner(m_import);
    second->addWidget(m_import);
    m_message = EditorChrome::secondaryLabel(QString(), this, true);
    m_message->setObjectName(QStringLiteral("scan-message"));
    m_message->setWordWrap(true);
    second->addWidget(m_message, 1);
    header->addLayout(second);
    root->addLayout(header);
    root->addWidget(EditorChrome::divider(this));

    // The list.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("suggestion-list"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list = new QWidget(scroll);
    m_listColumn = new QVBoxLayout(m_list);
    m_listColumn->setContentsMargins(16, 8, 16, 8);
    m_listColumn->setSpacing(2);
    scroll->setWidget(m_list);
    root->addWidget(scroll, 1);
    root->addWidget(EditorChrome::divider(this));

    // Footer.
    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(20, 14, 20, 14);
    footer->setSpacing(12);
    m_selectAll = new QPushButton(this);
    m_selectAll->setObjectName(QStringLiteral("select-all"));
    m_selectAll->setFlat(true);
    m_selectAll->setAutoDefault(false);
    connect(m_selectAll, &QPushButton::clicked, this, &ShortcutSuggestionsView::toggleSelectAll);
    footer->addWidget(m_selectAll);
    footer->addStretch(1);
    auto* skip = new QPushButton(QCoreApplication::translate("Kelvaro", "Skip"), this);
    skip->setObjectName(QStringLiteral("skip"));
    skip->setAutoDefault(false);
    connect(skip, &QPushButton::clicked, this, &QDialog::reject);
    footer->addWidget(skip);
    m_add = new QPushButton(this);
    m_add->setObjectName(QStringLiteral("add-suggestions"));
    m_add->setDefault(true);
    connect(m_add, &QPushButton::clicked, this, &ShortcutSuggestionsView::add);
    footer->addWidget(m_add);
    root->addLayout(footer);

    rebuildList();
}

ShortcutSuggestionsView::~ShortcutSuggestionsView() = default;

// ---- Derived values -----------------------------------------------------------------------------

QList<ShortcutPreset> ShortcutSuggestionsView::allPresets() const
{
    QList<ShortcutPreset> out = m_presets;
    QSet<QString> taken;
    for (const ShortcutPreset& p : m_presets)
        taken.insert(p.combinationText());
    for (const ShortcutPreset& p : m_menuPresets) {
        const QString text = p.combinationText();
        if (taken.contains(text))
            continue;
        taken.insert(text);
        out << p;
    }
    return out;
}

QList<ShortcutPreset> ShortcutSuggestionsView::selectedPresets() const
{
    QList<ShortcutPreset> out;
    for (const ShortcutPreset& p : allPresets()) {
        if (m_selectedIDs.contains(p.id))
            out << p;
    }
    return out;
}

bool ShortcutSuggestionsView::isNewCombination(const ShortcutPreset& preset) const
{
    const QString text = preset.combinationText();
    for (const ShortcutPreset& p : m_presets) {
        if (p.combinationText() == text)
            return false;
    }
    return true;
}

bool ShortcutSuggestionsView::appIsRunning() const
{
    const auto& b = installedBackend();
    if (b.isRunning)
        return b.isRunning(m_app.bundleIdentifier);
    return m_platform.workspace().runningApplication(m_app.bundleIdentifier).has_value();
}

QString ShortcutSuggestionsView::addButtonTitle() const
{
    const int n = int(selectedPresets().size());
    if (n == 1)
        return QCoreApplication::translate("Kelvaro", "Add 1 Shortcut");
    if (n == 0)
        return QCoreApplication::translate("Kelvaro", "Add Shortcuts");
    return QCoreApplication::translate("Kelvaro", "Add %n Shortcuts", nullptr, n);
}

QString ShortcutSuggestionsView::selectAllTitle() const
{
    const qsizetype total = allPresets().size();
    return (m_selectedIDs.size() == total && total != 0) ? QCoreApplication::translate("Kelvaro", "Deselect All")
                                                         : QCoreApplication::translate("Kelvaro", "Select All");
}

// ---- Ticks --------------------------------------------------------------------------------------

void ShortcutSuggestionsView::setTicked(const QString& presetId, bool ticked)
{
    if (ticked)
        m_selectedIDs.insert(presetId);
    else
        m_selectedIDs.remove(presetId);
    for (TickBox* row : std::as_const(m_rows)) {
        if (row->property("presetId").toString() == presetId && row->isChecked() != ticked) {
            const QSignalBlocker quiet(row);
            row->setChecked(ticked);
        }
    }
    refresh();
}

void ShortcutSuggestionsView::toggleSelectAll()
{
    const QList<ShortcutPreset> all = allPresets();
    if (m_selectedIDs.size() != all.size()) {
        m_selectedIDs.clear();
        for (const ShortcutPreset& p : all)
            m_selectedIDs.insert(p.id);
    } else {
        m_selectedIDs.clear();
    }
    const bool still = AnimationEngine::shared().reduceMotion();
    for (TickBox* row : std::as_const(m_rows)) {
        const QSignalBlocker quiet(row);
        row->setCheckedEased(m_selectedIDs.contains(row->property("presetId").toString()), selectAllAnimation(), still);
    }
    refresh();
}

// ---- Scans --------------------------------------------------------------------------------------

void ShortcutSuggestionsView::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    autoScanIfRunning();
}

void ShortcutSuggestionsView::done(int result)
{
    // A scan still under way reports into nothing from now on.
    m_closed = true;
    ++m_scanNumber;
    m_spinner->stop();
    QDialog::done(result);
}

quint64 ShortcutSuggestionsView::beginScan()
{
    m_scanning = true;
    m_scanMessage.clear();
    refresh();
    return ++m_scanNumber;
}

void ShortcutSuggestionsView::autoScanIfRunning()
{
    if (m_closed || !appIsRunning() || !m_menuPresets.isEmpty() || m_scanning)
        return;
    const quint64 number = beginScan();
    const QString bundle = m_app.bundleIdentifier;
    QPointer<ShortcutSuggestionsView> self(this);
    runInBackground([&platform = m_platform, self, number, bundle] {
        const MenuShortcutScanner::ScanResult result = scanNow(platform, bundle);
        QCoreApplication* app = QCoreApplication::instance();
        if (!app)
            return; // the program is ending
        QMetaObject::invokeMethod(
            app,
            [self, number, bundle, result] {
                if (self)
                    self->deliverScanResult(number, bundle, result, false);
            },
            Qt::QueuedConnection);
    });
}

void ShortcutSuggestionsView::importFromMenus()
{
    if (m_scanning || m_closed)
        return;
    const quint64 number = beginScan();
    const QString bundle = m_app.bundleIdentifier;
    QPointer<ShortcutSuggestionsView> self(this);
    openAndScan(m_platform, bundle, [self, number, bundle](const MenuShortcutScanner::ScanResult& result) {
        if (self)
            self->deliverScanResult(number, bundle, result, true);
    });
}

void ShortcutSuggestionsView::deliverScanResult(
    quint64 scanNumber, const QString& bundleIdentifier, const MenuShortcutScanner::ScanResult& result, bool autoSelect)
{
    if (m_closed || scanNumber != m_scanNumber || bundleIdentifier != m_app.bundleIdentifier)
        return; // a late answer to a question nobody asks any more
    applyScanResult(result, autoSelect);
}

void ShortcutSuggestionsView::applyScanResult(const MenuShortcutScanner::ScanResult& result, bool autoSelect)
{
    using Kind = MenuShortcutScanner::ScanResult::Kind;
    m_scanning = false;
    switch (result.kind) {
    case Kind::success: {
        m_menuPresets = result.presets;
        if (autoSelect) {
            int ticked = 0;
            for (const ShortcutPreset& p : std::as_const(m_menuPresets)) {
                if (ticked >= maxAutoTicks)
                    break;
                if (!isNewCombination(p))
                    continue;
                m_selectedIDs.insert(p.id);
                ++ticked;
            }
        }
        m_scanMessage = QCoreApplication::translate(
            "Kelvaro", "Found %n shortcuts in the menus.", nullptr, int(result.presets.size()));
        break;
    }
    case Kind::appNotRunning:
        m_scanMessage = QCoreApplication::translate("Kelvaro", "Open the app first, then import again.");
        break;
    case Kind::needsAccessibility:
        m_scanMessage = QCoreApplication::translate(
            "Kelvaro", "Reading menus needs the desktop's accessibility bus, which is off.");
        break;
    case Kind::failed:
        m_scanMessage = QCoreApplication::translate("Kelvaro", "Couldn't read this app's menus.");
        break;
    }
    rebuildList();
}

void ShortcutSuggestionsView::add()
{
    const QList<ShortcutPreset> chosen = selectedPresets();
    if (chosen.isEmpty())
        return;
    const QLocale locale = AppSettings::shared().resolvedLocale();
    QList<AppShortcut> items;
    for (const ShortcutPreset& p : chosen)
        items << p.makeShortcut(m_app.bundleIdentifier, locale);
    Q_EMIT added(items);
    accept();
}

// ---- View ---------------------------------------------------------------------------------------

TickBox* ShortcutSuggestionsView::presetRow(const ShortcutPreset& preset, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(12, 6, 12, 6);
    line->setSpacing(10);
    // A menu item's title is another program's text: a check box shows it as it is.
    const QString name = preset.displayName(AppSettings::shared().resolvedLocale());
    // "&" would mark a mnemonic and vanish: doubled, it shows as written.
    auto* box = new TickBox(QString(name).replace(QLatin1Char('&'), QStringLiteral("&&")), row);
    box->setIcon(SymbolIcons::icon(preset.icon, palette().color(QPalette::Highlight)));
    box->setIconSize(QSize(18, 18));
    box->setAccessibleName(name);
    box->setProperty("presetId", preset.id);
    box->setChecked(m_selectedIDs.contains(preset.id));
    const QString id = preset.id;
    connect(box, &QCheckBox::toggled, this, [this, id](bool on) { setTicked(id, on); });
    line->addWidget(box, 1);
    QLabel* combination = EditorChrome::secondaryLabel(preset.hotkey.displayString(), row);
    combination->setObjectName(QStringLiteral("combination"));
    combination->setFont(EditorChrome::combinationFont(combination->font()));
    line->addWidget(combination);
    m_listColumn->addWidget(row);
    m_rows << box;
    return box;
}

void ShortcutSuggestionsView::rebuildList()
{
    m_rows.clear();
    while (QLayoutItem* item = m_listColumn->takeAt(0)) {
        if (QWidget* w = item->widget()) {
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
    auto sectionHeader = [this](const QString& text) {
        QLabel* label = EditorChrome::sectionTitle(text, m_list);
        label->setContentsMargins(4, 10, 4, 4);
        m_listColumn->addWidget(label);
    };
    if (!m_presets.isEmpty()) {
        sectionHeader(QCoreApplication::translate("Kelvaro", "Suggested"));
        for (const ShortcutPreset& p : std::as_const(m_presets))
            presetRow(p, m_list);
    }
    if (!m_menuPresets.isEmpty()) {
        sectionHeader(QCoreApplication::translate("Kelvaro", "From Menus"));
        for (const ShortcutPreset& p : std::as_const(m_menuPresets)) {
            if (isNewCombination(p))
                presetRow(p, m_list);
        }
    }
    m_listColumn->addStretch(1);
    refresh();
}

void ShortcutSuggestionsView::refresh()
{
    if (m_scanning) {
        m_import->setText(QCoreApplication::translate("Kelvaro", "Reading menus…"));
        m_spinner->start(AnimationEngine::shared().reduceMotion());
    } else if (!appIsRunning() && m_menuPresets.isEmpty()) {
        m_import->setText(QCoreApplication::translate("Kelvaro", "Open App & Import Menus")
                              .replace(QLatin1Char('&'), QStringLiteral("&&")));
        m_import->setIcon(SymbolIcons::icon(QStringLiteral("menubar.rectangle")));
    } else {
        m_import->setText(QCoreApplication::translate("Kelvaro", "Import from Menus"));
        m_import->setIcon(SymbolIcons::icon(QStringLiteral("menubar.rectangle")));
    }
    if (!m_scanning)
        m_spinner->stop();
    m_import->setAccessibleName(m_import->text().replace(QStringLiteral("&&"), QStringLiteral("&")));
    m_import->setEnabled(!m_scanning);
    m_message->setText(m_scanMessage);
    m_message->setVisible(!m_scanMessage.isEmpty());
    m_selectAll->setText(selectAllTitle());
    m_selectAll->setEnabled(!allPresets().isEmpty());
    m_add->setText(addButtonTitle());
    m_add->setEnabled(!selectedPresets().isEmpty());
}
