#include "settings/CapturedTabsSettingsView.h"

#include "core/AppSettings.h"
#include "core/SymbolIcons.h"
#include "platform/Platform.h"
#include "settings/CapturePopupButton.h"
#include "settings/IconViews.h"
#include "settings/KeyBindingSection.h"
#include "settings/PageParts.h"
#include "settings/PasswordsSettingsView.h"
#include "settings/SettingsMotion.h"
#include "settings/TabCapture.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>

namespace {
// Why a change to the captures was not made, when writing them would lose some.
QString leftInPlaceText()
{
    return QCoreApplication::translate("Kelvaro",
        "Your saved captures were not changed: some of them could not be read, and there is no room in your settings "
        "file to keep a copy of them. They are left as they are.");
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
    auto* up = new RowActionButton(
        QStringLiteral("chevron.up"), QCoreApplication::translate("Kelvaro", "Move up"), false, this);
    up->setEnabled(canMoveUp);
    connect(up, &QAbstractButton::clicked, this, &CapturedTabRow::moveUp);
    line->addWidget(up);
    auto* down = new RowActionButton(
        QStringLiteral("chevron.down"), QCoreApplication::translate("Kelvaro", "Move down"), false, this);
    down->setEnabled(canMoveDown);
    connect(down, &QAbstractButton::clicked, this, &CapturedTabRow::moveDown);
    line->addWidget(down);
    auto* remove = new RowActionButton(QStringLiteral("xmark.circle.fill"),
        QCoreApplication::translate("Kelvaro", "Remove %1").arg(tab.title), RowActionButton::Ink::Secondary, this);
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
    return QCoreApplication::translate("Kelvaro", "Captured %n tabs — %1.", nullptr, total)
        .arg(parts.join(QStringLiteral(", ")));
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

QString CapturedTabsSettingsView::leftOutNote(const BrowserTabs::LeftOut& leftOut)
{
    QStringList notes;
    const QLocale locale;
    if (leftOut.longAddress > 0)
        notes << QCoreApplication::translate("Kelvaro",
            "%Ln tabs were left out: their addresses are longer than %1 characters.", nullptr, leftOut.longAddress)
                     .arg(locale.toString(BrowserTabs::maxAddressLength));
    if (leftOut.beyondLimit > 0)
        notes << QCoreApplication::translate(
            "Kelvaro", "%Ln tabs were left out: a capture keeps at most %1 tabs.", nullptr, leftOut.beyondLimit)
                     .arg(locale.toString(BrowserTabs::maxTabs));
    if (leftOut.tooLarge > 0)
        notes << QCoreApplication::translate("Kelvaro",
            "%Ln tabs were left out: the capture would have been too large to keep.", nullptr, leftOut.tooLarge);
    return notes.join(QLatin1Char(' '));
}

QString CapturedTabsSettingsView::browserSummary(const CapturedSession& session)
{
    const int n = int(session.tabs.size());
    QString count = n == 1 ? QCoreApplication::translate("Kelvaro", "1 tab")
                           : QCoreApplication::translate("Kelvaro", "%n tabs", nullptr, n);
    const QStringList names = browsers(session.tabs);
    if (names.isEmpty())
        return count;
    return count + QStringLiteral(" · ") + names.join(QStringLiteral(", "));
}

std::optional<QIcon> CapturedTabsSettingsView::sessionIcon(const CapturedSession& session) const
{
    const QStringList names = browsers(session.tabs);
    if (names.size() != 1)
        return std::nullopt;
    for (const Browser& b : Browser::all())
        if (b.name == names.first())
            return AppIcons::appIcon(m_platform.workspace(), b.id);
    return std::nullopt;
}

// ---- Page -------------------------------------------------------------------------------------

CapturedTabsSettingsView::CapturedTabsSettingsView(const Platform& platform, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_store(m_platform)
{
    m_capturing = TabCapture::isRunning();
    // A capture started from an earlier page ends on this one.
    connect(&TabCapture::events(), &TabCapture::ended, this, &CapturedTabsSettingsView::finishCapture);
    connect(&TabCapture::events(), &TabCapture::iconsFilled, this, [this](const QUuid& id) {
        const auto shown = selected();
        m_sessions = m_store.sessions();
        if (shown && shown->id == id)
            rebuild();
        Q_EMIT storeChanged();
    });
    QVBoxLayout* column = scrollingPage(this, QMargins(20, 16, 20, 16), 16);
    QWidget* body = column->parentWidget();
    m_keyBinding = new KeyBindingSection(m_platform, HotkeyRole::capturedTabs, body);
    column->addWidget(m_keyBinding);
    auto* section = new QGroupBox(
        QCoreApplication::translate("Kelvaro", "Browsers & Tabs").replace(QLatin1Char('&'), QStringLiteral("&&")),
        body);
    section->setObjectName(QStringLiteral("browsers"));
    m_sectionColumn = new QVBoxLayout(section);
    m_sectionColumn->setSpacing(12);
    QLabel* footer
        = plainLabel(QCoreApplication::translate("Kelvaro",
                         "Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from "
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
    reload();
}

void CapturedTabsSettingsView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    reload();
}

void CapturedTabsSettingsView::reload()
{
    m_sessions = m_store.sessions();
    m_selectedID = m_store.activeID();
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
    QVBoxLayout* column = replaceContent(m_content, 12);
    QWidget* content = m_content;
    m_rows.clear();
    m_picker = nullptr;
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    const auto session = selected();
    if (!session) {
        row->addWidget(plainLabel(QCoreApplication::translate("Kelvaro", "Nothing captured yet"), content, true));
        row->addStretch(1);
    } else {
        m_picker = new CapturePopupButton(rowControlHeight, content);
        m_picker->setCapture(sessionIcon(*session), session->name, browserSummary(*session));
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
        QToolButton* rename = symbolToolButton(QStringLiteral("pencil"),
            QCoreApplication::translate("Kelvaro", "Rename this capture"), QStringLiteral("rename-capture"), content);
        connect(rename, &QToolButton::clicked, this, &CapturedTabsSettingsView::renameSelected);
        row->addWidget(rename);
        QToolButton* remove = symbolToolButton(QStringLiteral("trash"),
            QCoreApplication::translate("Kelvaro", "Delete this capture"), QStringLiteral("delete-capture"), content);
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
    if (tabs.isEmpty())
        return emptyListState(listHeight, QCoreApplication::translate("Kelvaro", "No tabs captured yet."),
            QCoreApplication::translate("Kelvaro", "Open a browser and capture what it has open."), true, nullptr);
    const ScrollingList parts = scrollingList(listHeight, nullptr);
    QWidget* list = parts.list;
    QVBoxLayout* rows = parts.rows;
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
    return parts.scroll;
}

void CapturedTabsSettingsView::capture()
{
    if (m_capturing || !TabCapture::start(m_platform))
        return;
    m_capturing = true;
    m_message.clear();
    m_failed = false;
    rebuild();
}

void CapturedTabsSettingsView::finishCapture(
    const BrowserTabs::CaptureResult& result, const CapturedTabStore::Added& added)
{
    m_capturing = false;
    // What each running browser gave when it was not all it has: said even
    // when other browsers gave tabs.
    QStringList said;
    for (const BrowserTabs::Reading& reading : result.readings) {
        const QString text = reading.description();
        if (!text.isEmpty() && !said.contains(text))
            said << text;
    }
    if (!result.ok()) {
        m_failed = true;
        m_message = said.isEmpty() ? result.error->errorDescription() : said.join(QLatin1Char(' '));
        rebuild();
        return;
    }
    const ContentFade fade(m_content, SettingsMotion::list());
    const bool refused = !result.tabs.isEmpty() && !added.stored;
    m_failed = result.tabs.isEmpty() || refused;
    m_sessions = m_store.sessions();
    m_selectedID = m_store.activeID();
    BrowserTabs::LeftOut leftOut = result.leftOut;
    leftOut += added.leftOut;
    if (refused && added.leftInPlace) {
        m_message = leftInPlaceText();
    } else if (added.full) {
        m_message = QCoreApplication::translate("Kelvaro",
            "The capture was not kept: the saved captures take all the room there is. Delete captures you no "
            "longer need, then capture again.");
    } else if (refused) {
        m_message = QCoreApplication::translate(
            "Kelvaro", "The capture was not kept: your settings file would have grown too large.");
    } else if (result.tabs.isEmpty()) {
        // Tabs that were all left out are said below.
        if (!said.isEmpty())
            m_message = said.join(QLatin1Char(' '));
        else if (!leftOut.any())
            m_message = QCoreApplication::translate("Kelvaro", "No open tabs to capture.");
    } else {
        m_message = summary(result.tabs.mid(0, result.tabs.size() - added.leftOut.tooLarge));
        const QString kept = keptNote(m_sessions, m_selectedID.value_or(QUuid::createUuid()));
        if (!kept.isEmpty())
            m_message += QLatin1Char(' ') + kept;
        if (!said.isEmpty())
            m_message += QLatin1Char(' ') + said.join(QLatin1Char(' '));
    }
    const QString note = refused ? QString() : leftOutNote(leftOut);
    if (!note.isEmpty())
        m_message += (m_message.isEmpty() ? QString() : QStringLiteral(" ")) + note;
    rebuild();
    Q_EMIT storeChanged();
}

void CapturedTabsSettingsView::choose(const QUuid& id)
{
    const ContentFade fade(m_content, SettingsMotion::list());
    if (m_menu)
        m_menu->close();
    m_selectedID = id;
    m_store.setActiveID(id);
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
    for (CapturedSession s : m_store.sessions()) {
        if (s.id != session->id)
            continue;
        s.name = trimmed;
        if (!m_store.update(s)) {
            m_failed = true;
            m_message = leftInPlaceText();
        }
    }
    m_sessions = m_store.sessions();
    rebuild();
}

void CapturedTabsSettingsView::renameSelected()
{
    const auto session = selected();
    if (!session)
        return;
    askForName(this, QStringLiteral("rename-capture"), QCoreApplication::translate("Kelvaro", "Rename Capture"),
        session->name, [this](const QString& name) { applyRename(name); });
}

void CapturedTabsSettingsView::deleteSelected()
{
    const auto session = selected();
    if (!session)
        return;
    const ContentFade fade(m_content, SettingsMotion::list());
    const bool removed = m_store.remove(session->id);
    m_sessions = m_store.sessions();
    m_selectedID = m_store.activeID();
    m_failed = !removed;
    m_message = removed ? QString() : leftInPlaceText();
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
    if (!m_store.update(*session)) {
        m_failed = true;
        m_message = leftInPlaceText();
    }
    const ContentFade fade(m_content, SettingsMotion::list());
    m_sessions = m_store.sessions();
    rebuild();
    Q_EMIT storeChanged();
}

void CapturedTabsSettingsView::remove(int position)
{
    auto session = selected();
    if (!session || position < 0 || position >= session->tabs.size())
        return;
    session->tabs.removeAt(position);
    if (!m_store.update(*session)) {
        m_failed = true;
        m_message = leftInPlaceText();
    }
    const ContentFade fade(m_content, SettingsMotion::list());
    m_sessions = m_store.sessions();
    rebuild();
    Q_EMIT storeChanged();
}

void CapturedTabsSettingsView::toggleCaptureMenu()
{
    if (m_menu) {
        m_menu->close();
        return;
    }
    const QString title = QCoreApplication::translate("Kelvaro", "Captures");
    const PopupList popup = popupList(this, QStringLiteral("capture-menu"), title, 260, m_picker);
    QFrame* menu = popup.frame;
    QVBoxLayout* column = popup.column;
    addPopupHeading(column, new SecondaryLabel(title.toUpper(), menu));
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
    dropDownUnder(menu, m_picker, this);
}
