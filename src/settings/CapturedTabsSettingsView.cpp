#include "settings/CapturedTabsSettingsView.h"

#include "core/AppSettings.h"
#include "core/SymbolIcons.h"
#include "input/KeyTapSuspension.h"
#include "platform/DefaultsStore.h"
#include "ring/FaviconFetcher.h"
#include "services/Telemetry.h"
#include "settings/IconViews.h"
#include "settings/KeyBindingSection.h"
#include "settings/PasswordsSettingsView.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>
#include <thread>

namespace {
// One capture at a time for the whole process, whichever page started it.
bool captureRunning = false;

QLabel* plainLabel(const QString& text, QWidget* parent, bool secondary = false)
{
    QLabel* label = secondary ? new SecondaryLabel(QString(), parent) : new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

// The distinct browser names of the tabs, in order of first appearance.
QStringList browsers(const QList<BrowserTabs::Tab>& tabs)
{
    QStringList names;
    for (const BrowserTabs::Tab& t : tabs)
        if (t.browser && !t.browser->isEmpty() && !names.contains(*t.browser))
            names << *t.browser;
    return names;
}

// The 26-point tile of a tab: its favicon, else a globe.
class TabTile : public QWidget {
public:
    TabTile(const std::optional<QString>& iconFile, QWidget* parent)
        : QWidget(parent)
    {
        setFixedSize(26, 26);
        if (iconFile && !iconFile->isEmpty()) {
            m_icon = new CustomIconView(*iconFile, 16, this);
            m_icon->move(5, 5);
        }
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QColor fill = palette().color(QPalette::WindowText);
        fill.setAlphaF(0.06);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()), 6, 6);
        p.fillPath(shape, fill);
        if (!m_icon)
            SymbolIcons::paint(p, QRectF(7, 7, 12, 12), QStringLiteral("globe"), SecondaryLabel::colour(palette()));
    }

private:
    CustomIconView* m_icon = nullptr;
};
}

// ---- One tab -----------------------------------------------------------------------------------

QString CapturedTabRow::hostText(const QString& url)
{
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid() || parsed.host().isEmpty())
        return url;
    return parsed.host().remove(QStringLiteral("www."));
}

CapturedTabRow::CapturedTabRow(const BrowserTabs::Tab& tab, bool canMoveUp, bool canMoveDown, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("captured-tab-row"));
    setAccessibleName(tab.title);
    setToolTip(tab.url.toHtmlEscaped());
    auto* line = new QHBoxLayout(this);
    line->setContentsMargins(0, 2, 0, 2);
    line->setSpacing(11);
    line->addWidget(new TabTile(tab.iconFile, this));
    auto* text = new QVBoxLayout;
    text->setSpacing(1);
    QLabel* title = plainLabel(tab.title, this);
    title->setMinimumWidth(1);
    title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    text->addWidget(title);
    QLabel* host = plainLabel(hostText(tab.url), this, true);
    host->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QFont small = host->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    host->setFont(small);
    text->addWidget(host);
    line->addLayout(text, 1);
    auto* up = new RowActionButton(QStringLiteral("chevron.up"), QCoreApplication::translate("Kelvaro", "Move up"), false, this);
    up->setEnabled(canMoveUp);
    connect(up, &QAbstractButton::clicked, this, &CapturedTabRow::moveUp);
    line->addWidget(up);
    auto* down = new RowActionButton(QStringLiteral("chevron.down"), QCoreApplication::translate("Kelvaro", "Move down"), false, this);
    down->setEnabled(canMoveDown);
    connect(down, &QAbstractButton::clicked, this, &CapturedTabRow::moveDown);
    line->addWidget(down);
    auto* remove = new RowActionButton(QStringLiteral("xmark.circle.fill"),
                                       QCoreApplication::translate("Kelvaro", "Remove %1").arg(tab.title), true, this);
    remove->setToolTip(QString());
    connect(remove, &QAbstractButton::clicked, this, &CapturedTabRow::remove);
    line->addWidget(remove);
}

// ---- Texts ------------------------------------------------------------------------------------

QString CapturedTabsSettingsView::summary(const QList<BrowserTabs::Tab>& tabs)
{
    const int total = int(tabs.size());
    const QStringList names = browsers(tabs);
    if (names.isEmpty())
        return QCoreApplication::translate("Kelvaro", "Captured %n tabs.", nullptr, total);
    if (names.size() == 1)
        return QCoreApplication::translate("Kelvaro", "Captured %n tabs from %1.", nullptr, total).arg(names.first());
    QStringList parts;
    for (const QString& name : names) {
        int count = 0;
        for (const BrowserTabs::Tab& t : tabs)
            count += t.browser == name ? 1 : 0;
        parts << QCoreApplication::translate("Kelvaro", "%1 from %2").arg(count).arg(name);
    }
    return QCoreApplication::translate("Kelvaro", "Captured %n tabs — %1.", nullptr, total).arg(parts.join(QStringLiteral(", ")));
}

QString CapturedTabsSettingsView::keptNote(const QList<CapturedSession>& sessions, const QUuid& excluding)
{
    int others = 0;
    for (const CapturedSession& s : sessions)
        others += s.id != excluding ? 1 : 0;
    if (others == 0)
        return {};
    if (others == 1)
        return QCoreApplication::translate("Kelvaro", "1 earlier capture kept.");
    return QCoreApplication::translate("Kelvaro", "%n earlier captures kept.", nullptr, others);
}

QString CapturedTabsSettingsView::browserSummary(const CapturedSession& session)
{
    const int n = int(session.tabs.size());
    const QString count = n == 1 ? QCoreApplication::translate("Kelvaro", "1 tab")
                                 : QCoreApplication::translate("Kelvaro", "%n tabs", nullptr, n);
    const QStringList names = browsers(session.tabs);
    if (names.isEmpty())
        return count;
    return count + QStringLiteral(" · ") + names.join(QStringLiteral(", "));
}

std::optional<QIcon> CapturedTabsSettingsView::sessionIcon(const CapturedSession& session)
{
    const QStringList names = browsers(session.tabs);
    if (names.size() != 1)
        return std::nullopt;
    for (const Browser& b : Browser::all())
        if (b.name == names.first())
            return AppIcons::appIcon(b.id);
    return std::nullopt;
}

// ---- Page -------------------------------------------------------------------------------------

CapturedTabsSettingsView::CapturedTabsSettingsView(QWidget* parent)
    : QWidget(parent)
{
    m_capturing = captureRunning;
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll);
    auto* body = new QWidget(scroll);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(20, 16, 20, 16);
    column->setSpacing(16);
    m_keyBinding = new KeyBindingSection(HotkeyRole::capturedTabs, body);
    column->addWidget(m_keyBinding);
    auto* section = new QGroupBox(QCoreApplication::translate("Kelvaro", "Browsers & Tabs").replace(QLatin1Char('&'), QStringLiteral("&&")), body);
    section->setObjectName(QStringLiteral("browsers"));
    m_sectionColumn = new QVBoxLayout(section);
    m_sectionColumn->setSpacing(12);
    QLabel* footer = plainLabel(
        QCoreApplication::translate("Kelvaro", "Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from "
                                    "the session files in their profile folders, and keeps them here so you can reopen them "
                                    "after the browser is closed. Each capture is kept as its own session; the ring shows "
                                    "the chosen one, ten tabs at a time."),
        section, true);
    footer->setWordWrap(true);
    QFont small = footer->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    footer->setFont(small);
    m_sectionColumn->addWidget(footer);
    column->addWidget(section);
    column->addStretch(1);
    scroll->setWidget(body);
    reload();
}

void CapturedTabsSettingsView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    reload();
}

void CapturedTabsSettingsView::reload()
{
    m_sessions = CapturedTabStore::sessions();
    m_selectedID = CapturedTabStore::activeID();
    rebuild();
}

std::optional<CapturedSession> CapturedTabsSettingsView::selected() const
{
    for (const CapturedSession& s : m_sessions)
        if (m_selectedID && s.id == *m_selectedID)
            return s;
    if (m_sessions.isEmpty())
        return std::nullopt;
    return m_sessions.last();
}

void CapturedTabsSettingsView::rebuild()
{
    if (m_menu)
        m_menu->close();
    if (m_content) {
        m_content->hide();
        m_content->deleteLater();
    }
    m_rows.clear();
    m_picker = nullptr;
    auto* content = new QWidget;
    m_content = content;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    const auto session = selected();
    if (!session) {
        row->addWidget(plainLabel(QCoreApplication::translate("Kelvaro", "Nothing captured yet"), content, true));
        row->addStretch(1);
    } else {
        m_picker = new AccountPopupButton(content);
        m_picker->setObjectName(QStringLiteral("capture-popup"));
        m_picker->setAccount(QStringLiteral("square.on.square"), session->name, browserSummary(*session));
        connect(m_picker, &QAbstractButton::clicked, this, &CapturedTabsSettingsView::toggleCaptureMenu);
        row->addWidget(m_picker, 1);
    }
    m_captureButton = new QPushButton(SymbolIcons::icon(QStringLiteral("arrow.down.circle")),
                                      m_capturing ? QCoreApplication::translate("Kelvaro", "Capturing…")
                                                  : QCoreApplication::translate("Kelvaro", "Capture Tabs"),
                                      content);
    m_captureButton->setObjectName(QStringLiteral("capture-tabs"));
    m_captureButton->setEnabled(!m_capturing);
    connect(m_captureButton, &QPushButton::clicked, this, &CapturedTabsSettingsView::capture);
    row->addWidget(m_captureButton);
    if (m_capturing) {
        auto* progress = new QProgressBar(content);
        progress->setObjectName(QStringLiteral("capture-progress"));
        progress->setRange(0, 0); // indeterminate
        progress->setTextVisible(false);
        progress->setFixedSize(48, 12);
        progress->setAccessibleName(QCoreApplication::translate("Kelvaro", "Capturing…"));
        row->addWidget(progress);
    }
    if (session) {
        auto* rename = new QToolButton(content);
        rename->setIcon(SymbolIcons::icon(QStringLiteral("pencil")));
        rename->setToolTip(QCoreApplication::translate("Kelvaro", "Rename this capture"));
        rename->setAccessibleName(QCoreApplication::translate("Kelvaro", "Rename this capture"));
        rename->setObjectName(QStringLiteral("rename-capture"));
        connect(rename, &QToolButton::clicked, this, &CapturedTabsSettingsView::renameSelected);
        row->addWidget(rename);
        auto* remove = new QToolButton(content);
        remove->setIcon(SymbolIcons::icon(QStringLiteral("trash")));
        remove->setToolTip(QCoreApplication::translate("Kelvaro", "Delete this capture"));
        remove->setAccessibleName(QCoreApplication::translate("Kelvaro", "Delete this capture"));
        remove->setObjectName(QStringLiteral("delete-capture"));
        connect(remove, &QToolButton::clicked, this, &CapturedTabsSettingsView::deleteSelected);
        row->addWidget(remove);
    }
    column->addLayout(row);
    column->addWidget(tabList(session));
    m_messageLabel = plainLabel(m_message, content, !m_failed);
    m_messageLabel->setObjectName(QStringLiteral("capture-message"));
    m_messageLabel->setWordWrap(true);
    m_messageLabel->setVisible(!m_message.isEmpty());
    if (m_failed) {
        QPalette pal = m_messageLabel->palette();
        pal.setColor(QPalette::WindowText, QColor(0xd0, 0x30, 0x30));
        m_messageLabel->setPalette(pal);
    }
    column->addWidget(m_messageLabel);
    m_sectionColumn->insertWidget(0, content);
    content->show();
}

QWidget* CapturedTabsSettingsView::tabList(const std::optional<CapturedSession>& session)
{
    const QList<BrowserTabs::Tab> tabs = session ? session->tabs : QList<BrowserTabs::Tab>();
    if (tabs.isEmpty()) {
        auto* empty = new QWidget;
        empty->setFixedHeight(listHeight);
        auto* stack = new QVBoxLayout(empty);
        stack->setContentsMargins(16, 0, 16, 0);
        stack->setSpacing(10);
        stack->addStretch(1);
        QLabel* title = plainLabel(QCoreApplication::translate("Kelvaro", "No tabs captured yet."), empty);
        title->setAlignment(Qt::AlignCenter);
        QFont f = title->font();
        f.setWeight(QFont::Medium);
        title->setFont(f);
        stack->addWidget(title);
        QLabel* hint = plainLabel(QCoreApplication::translate("Kelvaro", "Open a browser and capture what it has open."), empty, true);
        hint->setAlignment(Qt::AlignCenter);
        hint->setWordWrap(true);
        stack->addWidget(hint);
        stack->addStretch(1);
        return empty;
    }
    auto* scroll = new QScrollArea;
    scroll->setFixedHeight(listHeight);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* list = new QWidget(scroll);
    auto* rows = new QVBoxLayout(list);
    rows->setContentsMargins(0, 4, 14, 4);
    rows->setSpacing(10);
    const int n = int(tabs.size());
    for (int i = 0; i < n; ++i) {
        auto* r = new CapturedTabRow(tabs[i], i > 0, i < n - 1, list);
        connect(r, &CapturedTabRow::moveUp, this, [this, i] { move(i, -1); });
        connect(r, &CapturedTabRow::moveDown, this, [this, i] { move(i, 1); });
        connect(r, &CapturedTabRow::remove, this, [this, i] { remove(i); });
        m_rows << r;
        rows->addWidget(r);
    }
    rows->addStretch(1);
    scroll->setWidget(list);
    return scroll;
}

void CapturedTabsSettingsView::capture()
{
    if (m_capturing || captureRunning)
        return;
    captureRunning = true;
    m_capturing = true;
    m_message.clear();
    m_failed = false;
    rebuild();
    // The browsers' files are read and the icons fetched on a worker thread;
    // the result comes back to the main thread with a queued call. A page
    // closed meanwhile no longer hears of it, but the capture is still stored.
    // A thread of its own, detached: quitting in the middle of a capture must
    // not wait for a browser's files or a favicon download.
    QPointer<CapturedTabsSettingsView> page = this;
    std::thread([page] {
        BrowserTabs::CaptureResult result = BrowserTabs::captureAll();
        if (result.ok())
            result.tabs = FaviconFetcher::attachIcons(result.tabs);
        QMetaObject::invokeMethod(QCoreApplication::instance(), [page, result] {
            captureRunning = false;
            if (result.ok() && !result.tabs.isEmpty()) {
                QJsonObject properties;
                properties.insert(QStringLiteral("tab_count"), int(result.tabs.size()));
                properties.insert(QStringLiteral("browser_count"), int(browsers(result.tabs).size()));
                // Only when the user turned usage data on (an absent setting is off here).
                const auto enabled = DefaultsStore::shared().value(QStringLiteral("telemetryEnabled"));
                if (enabled && enabled->toBool())
                    Telemetry::shared().capture(Telemetry::Event::TabsCaptured, properties);
                CapturedTabStore::add(result.tabs);
            }
            if (page)
                page->finishCapture(result);
        }, Qt::QueuedConnection);
    }).detach();
}

void CapturedTabsSettingsView::finishCapture(const BrowserTabs::CaptureResult& result)
{
    m_capturing = false;
    if (!result.ok()) {
        m_failed = true;
        m_message = result.error->errorDescription();
        rebuild();
        return;
    }
    m_failed = result.tabs.isEmpty();
    m_sessions = CapturedTabStore::sessions();
    m_selectedID = CapturedTabStore::activeID();
    if (result.tabs.isEmpty()) {
        m_message = QCoreApplication::translate("Kelvaro", "No open tabs to capture.");
    } else {
        m_message = summary(result.tabs);
        const QString kept = keptNote(m_sessions, m_selectedID.value_or(QUuid::createUuid()));
        if (!kept.isEmpty())
            m_message += QLatin1Char(' ') + kept;
    }
    rebuild();
    Q_EMIT storeChanged();
}

void CapturedTabsSettingsView::choose(const QUuid& id)
{
    if (m_menu)
        m_menu->close();
    m_selectedID = id;
    CapturedTabStore::setActiveID(id);
    rebuild();
    Q_EMIT storeChanged();
}

void CapturedTabsSettingsView::applyRename(const QString& name)
{
    const QString trimmed = name.trimmed();
    auto session = selected();
    if (trimmed.isEmpty() || !session)
        return;
    // Rename what is stored now: the capture's tabs may have changed meanwhile.
    for (CapturedSession s : CapturedTabStore::sessions()) {
        if (s.id != session->id)
            continue;
        s.name = trimmed;
        CapturedTabStore::update(s);
    }
    m_sessions = CapturedTabStore::sessions();
    rebuild();
}

void CapturedTabsSettingsView::renameSelected()
{
    const auto session = selected();
    if (!session)
        return;
    QPointer<QInputDialog> dialog = new QInputDialog(this);
    dialog->setObjectName(QStringLiteral("rename-capture"));
    dialog->setWindowTitle(QCoreApplication::translate("Kelvaro", "Rename Capture"));
    dialog->setLabelText(QCoreApplication::translate("Kelvaro", "Rename Capture"));
    dialog->setOkButtonText(QCoreApplication::translate("Kelvaro", "Rename"));
    dialog->setCancelButtonText(QCoreApplication::translate("Kelvaro", "Cancel"));
    dialog->setTextValue(session->name);
    if (auto* field = dialog->findChild<QLineEdit*>())
        field->setMinimumWidth(220);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // No global hotkey may fire while the name is typed: the key tap is off
    // from here until the dialog closes, however it closes.
    auto resume = std::make_shared<KeyTapSuspension::Resume>(KeyTapSuspension::begin());
    const auto resumeOnce = [resume] {
        if (*resume)
            (*resume)();
        *resume = nullptr;
    };
    // A page closed with the dialog up takes the dialog along: the tap comes back then too.
    connect(dialog, &QObject::destroyed, resumeOnce);
    connect(dialog, &QDialog::finished, this, [this, dialog, resumeOnce](int result) {
        resumeOnce();
        if (result == QDialog::Accepted && dialog)
            applyRename(dialog->textValue());
    });
    dialog->open();
}

void CapturedTabsSettingsView::deleteSelected()
{
    const auto session = selected();
    if (!session)
        return;
    CapturedTabStore::remove(session->id);
    m_sessions = CapturedTabStore::sessions();
    m_selectedID = CapturedTabStore::activeID();
    m_message.clear();
    m_failed = false;
    rebuild();
    Q_EMIT storeChanged();
}

void CapturedTabsSettingsView::move(int position, int by)
{
    auto session = selected();
    const int target = position + by;
    if (!session || position < 0 || position >= session->tabs.size() || target < 0 || target >= session->tabs.size())
        return;
    session->tabs.swapItemsAt(position, target);
    CapturedTabStore::update(*session);
    m_sessions = CapturedTabStore::sessions();
    rebuild();
    Q_EMIT storeChanged();
}

void CapturedTabsSettingsView::remove(int position)
{
    auto session = selected();
    if (!session || position < 0 || position >= session->tabs.size())
        return;
    session->tabs.removeAt(position);
    CapturedTabStore::update(*session);
    m_sessions = CapturedTabStore::sessions();
    rebuild();
    Q_EMIT storeChanged();
}

void CapturedTabsSettingsView::toggleCaptureMenu()
{
    if (m_menu) {
        m_menu->close();
        return;
    }
    auto* menu = new QFrame(this, Qt::Popup);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setFrameShape(QFrame::StyledPanel);
    menu->setObjectName(QStringLiteral("capture-menu"));
    menu->setAccessibleName(QCoreApplication::translate("Kelvaro", "Captures"));
    menu->setMinimumWidth(std::max(260, m_picker ? m_picker->width() : 0));
    auto* column = new QVBoxLayout(menu);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(2);
    auto* head = new SecondaryLabel(QCoreApplication::translate("Kelvaro", "Captures").toUpper(), menu);
    QFont f = head->font();
    f.setBold(true);
    head->setFont(f);
    head->setContentsMargins(10, 8, 10, 4);
    column->addWidget(head);
    const auto current = selected();
    // Newest first.
    for (auto it = m_sessions.crbegin(); it != m_sessions.crend(); ++it) {
        auto* row = new IconMenuRow(it->name, browserSummary(*it), sessionIcon(*it), QStringLiteral("square.on.square"),
                                    current && current->id == it->id, menu);
        const QUuid id = it->id;
        connect(row, &QAbstractButton::clicked, this, [this, id] { choose(id); });
        column->addWidget(row);
    }
    m_menu = menu;
    if (m_picker) {
        m_picker->setOpen(true);
        QPointer<AccountPopupButton> button = m_picker;
        connect(menu, &QObject::destroyed, this, [button] {
            if (button)
                button->setOpen(false);
        });
        menu->move(m_picker->mapToGlobal(QPoint(0, m_picker->height() + 2)));
    }
    menu->show();
}
