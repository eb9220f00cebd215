#include "editors/IconPickerSheet.h"

#include "core/SymbolIcons.h"
#include "editors/EditorChrome.h"
#include "editors/SymbolLibrary.h"
#include "input/KeyTapSuspension.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

// ---- Cells --------------------------------------------------------------------------------------

IconCell::IconCell(QString symbol, QWidget* parent)
    : HoverButton(parent)
    , m_symbol(std::move(symbol))
{
    setFixedSize(52, 46);
    setToolTip(m_symbol);
    setAccessibleName(m_symbol);
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
}

void IconCell::setSelected(bool selected)
{
    m_selected = selected;
    setChecked(selected);
    update();
}

void IconCell::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    const QColor accent = palette().color(QPalette::Highlight);
    if (m_selected) {
        p.fillPath(shape, accent);
    } else if (isHovering() || hasFocus()) {
        QColor tint = palette().color(QPalette::WindowText);
        tint.setAlphaF(0.08f);
        p.fillPath(shape, tint);
    }
    if (hasFocus() && !m_selected) {
        p.setPen(QPen(accent, 1.5));
        p.drawPath(shape);
    }
    const QColor ink = m_selected ? QColor(Qt::white) : palette().color(QPalette::WindowText);
    SymbolIcons::paint(p, QRectF((width() - 22) / 2.0, (height() - 22) / 2.0, 22, 22), m_symbol, ink);
}

// ---- Sheet --------------------------------------------------------------------------------------

IconPickerSheet::IconPickerSheet(QString selectedIcon, QWidget* parent)
    : QDialog(parent)
    , m_draft(std::move(selectedIcon))
{
    setObjectName(QStringLiteral("icon-picker"));
    setWindowTitle(QCoreApplication::translate("Kelvaro", "Choose an icon"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(480, 460);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    auto* searchBar = new QHBoxLayout;
    searchBar->setContentsMargins(16, 12, 16, 12);
    searchBar->setSpacing(12);
    QLabel* label = EditorChrome::plainLabel(QCoreApplication::translate("Kelvaro", "Search Icon"), this);
    QFont lf = label->font();
    lf.setWeight(QFont::DemiBold);
    label->setFont(lf);
    searchBar->addWidget(label);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("icon-search"));
    m_search->setPlaceholderText(QCoreApplication::translate("Kelvaro", "Icon Name"));
    m_search->setAccessibleName(QCoreApplication::translate("Kelvaro", "Search Icon"));
    m_search->setClearButtonEnabled(true);
    label->setBuddy(m_search);
    connect(m_search, &QLineEdit::textChanged, this, [this] { layoutGrid(); });
    searchBar->addWidget(m_search, 1);
    root->addLayout(searchBar);
    root->addWidget(EditorChrome::divider(this));

    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid = new QWidget(m_scroll);
    auto* gridColumn = new QVBoxLayout(m_grid);
    gridColumn->setContentsMargins(16, 16, 16, 16);
    m_gridLayout = new QGridLayout;
    m_gridLayout->setHorizontalSpacing(8);
    m_gridLayout->setVerticalSpacing(8);
    gridColumn->addLayout(m_gridLayout);
    m_noResults = EditorChrome::secondaryLabel(QString(), m_grid);
    m_noResults->setObjectName(QStringLiteral("no-results"));
    m_noResults->setAlignment(Qt::AlignCenter);
    m_noResults->setWordWrap(true);
    m_noResults->setContentsMargins(0, 40, 0, 0);
    gridColumn->addWidget(m_noResults);
    gridColumn->addStretch(1);
    for (const QString& symbol : SymbolLibrary::all()) {
        auto* cell = new IconCell(symbol, m_grid);
        connect(cell, &QAbstractButton::clicked, this, [this, symbol] { setDraft(symbol); });
        m_cells << cell;
    }
    m_scroll->setWidget(m_grid);
    root->addWidget(m_scroll, 1);
    root->addWidget(EditorChrome::divider(this));

    // What an own picture may be, said before one is chosen rather than
    // after it is refused.
    auto* limits = EditorChrome::secondaryLabel(
        QCoreApplication::translate("Kelvaro", "Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels."), this,
        true);
    limits->setObjectName(QStringLiteral("upload-limits"));
    limits->setWordWrap(true);
    limits->setContentsMargins(16, 10, 16, 0);
    root->addWidget(limits);
    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(16, 8, 16, 12);
    auto* upload = new QPushButton(SymbolIcons::icon(QStringLiteral("photo.badge.plus")),
        QCoreApplication::translate("Kelvaro", "Upload PNG…"), this);
    upload->setObjectName(QStringLiteral("upload-png"));
    upload->setToolTip(QCoreApplication::translate("Kelvaro", "Use your own image, up to 1 MB"));
    upload->setAutoDefault(false);
    connect(upload, &QPushButton::clicked, this, &IconPickerSheet::chooseFile);
    footer->addWidget(upload);
    footer->addStretch(1);
    auto* cancel = new QPushButton(QCoreApplication::translate("Kelvaro", "Cancel"), this);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    footer->addWidget(cancel);
    auto* pickButton = new QPushButton(QCoreApplication::translate("Kelvaro", "Pick Icon"), this);
    pickButton->setObjectName(QStringLiteral("pick-icon"));
    pickButton->setDefault(true);
    connect(pickButton, &QPushButton::clicked, this, &IconPickerSheet::pick);
    footer->addWidget(pickButton);
    root->addLayout(footer);

    layoutGrid();
    setDraft(m_draft);
}

void IconPickerSheet::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_search->setFocus();
    // The icon it opened with is in view, once the grid is laid out.
    QTimer::singleShot(0, this, [this] {
        for (IconCell* cell : std::as_const(m_cells)) {
            if (cell->isSelected() && !cell->isHidden())
                m_scroll->ensureWidgetVisible(cell, 0, 16);
        }
    });
}

void IconPickerSheet::setSearchText(const QString& text) { m_search->setText(text); }

void IconPickerSheet::setDraft(const QString& symbol)
{
    m_draft = symbol;
    for (IconCell* cell : std::as_const(m_cells))
        cell->setSelected(cell->symbol() == symbol);
}

QList<IconCell*> IconPickerSheet::visibleCells() const
{
    QList<IconCell*> out;
    for (IconCell* cell : m_cells) {
        if (!cell->isHidden())
            out << cell;
    }
    return out;
}

void IconPickerSheet::layoutGrid()
{
    m_results = SymbolLibrary::search(m_search->text());
    while (m_gridLayout->count() > 0)
        delete m_gridLayout->takeAt(0);
    int index = 0;
    for (IconCell* cell : std::as_const(m_cells)) {
        const bool shown = m_results.contains(cell->symbol());
        cell->setVisible(shown);
        if (shown) {
            m_gridLayout->addWidget(cell, index / columns, index % columns);
            ++index;
        }
    }
    // Keep the columns in place when only a few symbols are left.
    for (int c = 0; c < columns; ++c)
        m_gridLayout->setColumnMinimumWidth(c, 52);
    m_noResults->setText(QCoreApplication::translate("Kelvaro", "No Results for “%1”").arg(m_search->text()));
    m_noResults->setVisible(m_results.isEmpty());
}

void IconPickerSheet::pick()
{
    Q_EMIT iconChosen(m_draft);
    accept();
}

void IconPickerSheet::chooseFile()
{
    if (m_chooser)
        return;
    auto* chooser = new QFileDialog(this, QCoreApplication::translate("Kelvaro", "Upload PNG…"),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
        QCoreApplication::translate("Kelvaro", "PNG images (*.png)"));
    chooser->setObjectName(QStringLiteral("icon-file-chooser"));
    chooser->setFileMode(QFileDialog::ExistingFile);
    chooser->setAcceptMode(QFileDialog::AcceptOpen);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    chooser->setWindowModality(Qt::WindowModal);
    // Global hotkeys stay off while the chooser is open.
    auto resume = std::make_shared<KeyTapSuspension::Resume>(KeyTapSuspension::begin());
    // On again when it is answered, and also when it goes away unanswered
    // (the picker closing under it); a second call does nothing.
    auto tapOn = [resume] {
        if (*resume)
            (*resume)();
    };
    connect(chooser, &QDialog::finished, this, tapOn);
    connect(chooser, &QObject::destroyed, tapOn);
    connect(chooser, &QFileDialog::fileSelected, this, [this](const QString& path) {
        // Let the chooser close before the import closes this sheet or shows an alert.
        QTimer::singleShot(0, this, [this, path] { handleImport(path); });
    });
    m_chooser = chooser;
    chooser->open();
}

void IconPickerSheet::handleImport(const QString& path)
{
    if (path.isEmpty())
        return;
    const SymbolLibrary::ImportResult result = SymbolLibrary::importCustomIcon(path);
    if (result.iconName) {
        Q_EMIT iconChosen(*result.iconName);
        accept();
        return;
    }
    if (m_alert)
        m_alert->close();
    auto* alert = new QMessageBox(QMessageBox::NoIcon, QCoreApplication::translate("Kelvaro", "Could not add icon"),
        QString(), QMessageBox::Ok, this);
    EditorChrome::setAlertSymbol(alert, true);
    alert->setObjectName(QStringLiteral("icon-import-alert"));
    alert->setTextFormat(Qt::PlainText);
    alert->setText(result.message);
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    m_alert = alert;
    alert->open();
}
