#include "settings/SettingsView.h"

#include "core/AppSettings.h"
#include "ring/AppShortcutRingViewModel.h"
#include "ring/CapturedTabStore.h"
#include "ring/ShortcutSegmentView.h"
#include "editors/KeyStrip.h"
#include "ringkit/CenterAppIcon.h"
#include "ringkit/RingGlass.h"
#include "ringkit/RingShapes.h"
#include "ringkit/RingText.h"
#include "platform/Platform.h"
#include "platform/Workspace.h"
#include "services/UpdateChecker.h"
#include "settings/CapturedTabsSettingsView.h"
#include "settings/GeneralSettingsView.h"
#include "settings/IconViews.h"
#include "settings/KeyBindingSection.h"
#include "settings/LauncherSettingsView.h"
#include "settings/PasswordsSettingsView.h"
#include "settings/SettingsMotion.h"
#include "settings/ShortcutsSettingsView.h"
#include "switcher/CircularSwitcherView.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "switcher/LauncherApps.h"
#include "vault/PasswordVault.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <cmath>

namespace {
AppSettings& settings() { return AppSettings::shared(); }

// Kelvaro's own icon: the application's window icon, else the tray icon.
QImage ownIcon()
{
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull() && QFile::exists(QStringLiteral(":/MenuBarIcon.svg")))
        icon = QIcon(QStringLiteral(":/MenuBarIcon.svg"));
    return icon.isNull() ? QImage() : RunningApp::thumbnail(icon, 64);
}
}

// ---- Tabs ----------------------------------------------------------------------------------------------

namespace {
constexpr EnumRow<SettingsTab> kTabs[] = {
    { SettingsTab::general, "general", QT_TRANSLATE_NOOP("Kelvaro", "General"), "gearshape.fill" },
    { SettingsTab::switcher, "switcher", QT_TRANSLATE_NOOP("Kelvaro", "Switcher"), "rectangle.2.swap" },
    { SettingsTab::controller, "controller", QT_TRANSLATE_NOOP("Kelvaro", "Shortcuts"), "keyboard.fill" },
    { SettingsTab::launcher, "launcher", QT_TRANSLATE_NOOP("Kelvaro", "Launcher"), "paperplane.fill" },
    { SettingsTab::passwords, "passwords", QT_TRANSLATE_NOOP("Kelvaro", "Passwords"), "key.fill" },
    { SettingsTab::capturedTabs, "capturedTabs", QT_TRANSLATE_NOOP("Kelvaro", "Tabs"), "square.on.square" },
};
}

std::span<const EnumRow<SettingsTab>> enumRows(SettingsTab) { return kTabs; }

// ---- What the preview draws -------------------------------------------------------------------------------

bool RingStageInput::drawsShortcuts() const
{
    return tab == SettingsTab::controller || tab == SettingsTab::passwords || tab == SettingsTab::capturedTabs;
}

QString RingStageInput::hint() const
{
    if (tab == SettingsTab::passwords && shortcuts.isEmpty())
        return QCoreApplication::translate("Kelvaro", "No passwords yet");
    if (tab == SettingsTab::controller && shortcuts.isEmpty())
        return centerApp ? QCoreApplication::translate("Kelvaro", "No shortcuts yet")
                         : QCoreApplication::translate("Kelvaro", "Select an app");
    return {};
}

RingPreview::RingPreview(const Platform& platform, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_ringScale(settings().ringScale())
{
    connect(&AnimationEngine::shared(), &AnimationEngine::frame, this, [this] {
        if (m_ringScale.isAnimating() || m_ringScale.value() != m_drawnScale)
            update();
    });
    setAccessibleName(QCoreApplication::translate("Kelvaro", "Ring preview"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(16);
    column->addStretch(1);
    column->addSpacing(ringSlot); // the ring, drawn in paintEvent
    m_caption = new SecondaryLabel(QString(), this);
    m_caption->setAlignment(Qt::AlignCenter);
    column->addWidget(m_caption);
    m_keys = new KeyStrip(this);
    m_keys->setStripHeight(46);
    m_keys->setShowsCaptions(true);
    m_keys->setFillsWidth(true);
    m_keys->setFixedWidth(220);
    column->addWidget(m_keys, 0, Qt::AlignHCenter);
    m_noShortcut = new SecondaryLabel(QCoreApplication::translate("Kelvaro", "No shortcut assigned"), this);
    m_noShortcut->setAlignment(Qt::AlignCenter);
    column->addWidget(m_noShortcut);
    column->addStretch(1);
}

double RingPreview::previewScale(double ringScale)
{
    // Whatever the stored size, the drawing stays inside its slot, clear of the key caps.
    return std::min(((ringScale - 0.7) * 0.5 + 0.7) * 0.72 / 0.85, ringSlot / canvasSide);
}

QRectF RingPreview::ringRect() const
{
    // The ring's slot sits above the caption and the key caps.
    const QWidget* below = m_caption->isVisible() ? static_cast<const QWidget*>(m_caption)
        : m_keys->isVisible()                     ? static_cast<const QWidget*>(m_keys)
                                                  : m_noShortcut;
    const double slotTop = below->y() - 16 - ringSlot;
    const QPointF centre(width() / 2.0, slotTop + ringSlot / 2.0);
    const double side = canvasSide * previewScale(m_ringScale.value());
    return QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side);
}

QString RingPreview::signature(const RingStageInput& input, const std::optional<Hotkey>& hotkey, const QString& caption)
{
    // What a person sees change: another ring, another application, a shortcut
    // more or fewer, another hotkey. A renamed item or a new ring size is not a
    // change of scene.
    QStringList parts { QString::number(int(input.tab)), caption,
        input.centerApp ? input.centerApp->bundleIdentifier : QString(), QString::number(input.shortcuts.size()),
        QString::number(input.runningApps.size()), QString::number(input.pageCount),
        hotkey ? hotkey->displayTokens().join(QLatin1Char('+')) : QString() };
    return parts.join(QLatin1Char('|'));
}

void RingPreview::setInput(RingStageInput input, std::optional<Hotkey> hotkey, const QString& caption)
{
    const QString scene = signature(input, hotkey, caption);
    // The old scene dissolves into the new one along the preview's spring.
    const QPixmap before = (scene != m_scene && !m_scene.isEmpty()) ? Crossfade::snapshot(this) : QPixmap();
    m_scene = scene;
    m_input = std::move(input);
    const double scale = settings().ringScale();
    if (SettingsMotion::reduced() || !isVisible())
        m_ringScale.setValue(scale);
    else
        m_ringScale.animateTo(scale, RingAnimation::spring(0.25, 0.85));
    m_caption->setText(caption);
    m_caption->setVisible(!caption.isEmpty());
    if (hotkey) {
        QList<KeyStripItem> items;
        for (const QString& token : hotkey->displayTokens())
            items << KeyStripItem { token, token, KeyStripItem::printedName(token) };
        m_keys->setItems(items);
        m_keys->setAccessibleName(
            QCoreApplication::translate("Kelvaro", "Shortcut: %1").arg(hotkey->accessibilityLabel()));
    }
    m_keys->setVisible(bool(hotkey));
    m_noShortcut->setVisible(!hotkey);
    update();
    Crossfade::over(this, before, SettingsMotion::tabChange());
}

void RingPreview::paintStage(QPainter& p, const RingStageInput& input, bool dark)
{
    const RingPalette palette = RingPalette::current(dark);
    const QPointF centre(0, 0);
    const double r = canvasSide / 2.0;
    p.save();
    QPainterPath clip;
    clip.addEllipse(centre, r, r);
    p.setClipPath(clip);
    RingBand::paintDirect(p, centre, 60.0, 190.0, palette);
    if (input.drawsShortcuts()) {
        const int n = int(input.shortcuts.size());
        for (int i = 0; i < n; ++i) {
            ShortcutRadialSegmentView s;
            s.shortcut = input.shortcuts[i];
            s.isSelected = i == input.selectedIndex;
            s.index = i;
            s.totalShortcuts = n;
            s.paintWedge(p, centre, palette, s.isSelected ? 1.0 : 0.0);
            RingText::draw(p, s.labelCenter(centre), s.labelStack(palette, s.isSelected), s.isSelected ? 1.06 : 1.0);
        }
    } else {
        const int n = int(input.runningApps.size());
        for (int i = 0; i < n; ++i) {
            RadialSegmentView s;
            s.app = input.runningApps[i];
            s.isSelected = i == input.selectedIndex;
            s.index = i;
            s.totalApps = n;
            s.paint(p, centre, dark);
        }
    }
    if (input.pageCount >= 2) {
        RingPageDots dots;
        dots.current = 0;
        dots.total = input.pageCount;
        dots.isDark = dark;
        dots.paint(p, centre, 0.0);
    } else if (input.centerApp && !input.centerApp->icon.isNull()) {
        CenterAppIconView::paint(p, centre, QIcon(QPixmap::fromImage(input.centerApp->icon)), 0.0, 0.0);
    }
    const QString hint = input.hint();
    if (!hint.isEmpty()) {
        p.setPen(palette.secondaryText());
        p.drawText(QRectF(-150, 120 - 12, 300, 24), Qt::AlignCenter, hint);
    }
    p.restore();
}

void RingPreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    p.fillRect(rect(), palette().color(QPalette::Base).darker(dark ? 90 : 103));
    DottedPattern::paint(p, size(), 2.0, 18.0, dark);
    const QRectF ring = ringRect();
    const double s = previewScale(m_ringScale.value());
    m_drawnScale = m_ringScale.value();
    p.translate(ring.center());
    p.scale(s, s);
    paintStage(p, m_input, dark);
}

// ---- The window's content ----------------------------------------------------------------------------------

SettingsView::SettingsView(const Platform& platform, UpdateChecker& updates, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_updates(updates)
{
    setObjectName(QStringLiteral("SettingsView"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_preview = new RingPreview(m_platform, this);
    m_preview->setFixedWidth(400);
    row->addWidget(m_preview);
    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Plain);
    divider->setFixedWidth(1); // 400 + 1 + 520: a wider line pushes the pages out of the window
    row->addWidget(divider);
    auto* side = new QWidget(this);
    side->setFixedWidth(520);
    row->addWidget(side);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 14, 0, 0);
    column->setSpacing(0);
    m_title = new QLabel(side);
    m_title->setAlignment(Qt::AlignCenter);
    QFont tf = m_title->font();
    tf.setBold(true);
    m_title->setFont(tf);
    column->addWidget(m_title);
    auto* strip = new QHBoxLayout;
    strip->setContentsMargins(16, 10, 16, 10);
    strip->setSpacing(6);
    strip->addStretch(1);
    m_tabs = new QButtonGroup(this);
    m_tabs->setExclusive(true);
    for (SettingsTab tab : allCases<SettingsTab>()) {
        auto* b = new TabButton(symbolName(tab), side);
        b->setObjectName(rawValue(tab));
        m_tabs->addButton(b, int(tab));
        strip->addWidget(b);
    }
    strip->addStretch(1);
    column->addLayout(strip);
    auto* rule = new QFrame(side);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    column->addWidget(rule);
    m_pageHost = new QWidget(side);
    auto* host = new QVBoxLayout(m_pageHost);
    host->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_pageHost, 1);
    connect(m_tabs, &QButtonGroup::idClicked, this, [this](int id) { selectTab(SettingsTab(id)); });
    // Assistive tools toggle a tab rather than click it.
    connect(m_tabs, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            selectTab(SettingsTab(id));
    });

    using Key = AppSettings::Key;
    settings().onChange(this, AppSettings::roleHotkeyKeys() << Key::ringScale << Key::launcherGroups << Key::appearance,
        [this] { updatePreview(); });
    settings().onChange(this, { Key::language }, [this] {
        retranslate();
        buildPage();
        updatePreview();
    });
    retranslate();
    m_tabs->button(int(m_selectedTab))->setChecked(true);
    buildPage();
    refreshSources();
}

SettingsView::~SettingsView() = default;

void SettingsView::retranslate()
{
    m_title->setText(QCoreApplication::translate("Kelvaro", "Settings"));
    for (SettingsTab tab : allCases<SettingsTab>()) {
        QAbstractButton* b = m_tabs->button(int(tab));
        b->setText(title(tab));
        b->setAccessibleName(title(tab));
    }
}

void SettingsView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        m_preview->update();
    QWidget::changeEvent(event);
}

void SettingsView::selectTab(SettingsTab tab)
{
    m_tabs->button(int(tab))->setChecked(true);
    if (tab == m_selectedTab)
        return;
    m_selectedTab = tab;
    // The page left dissolves into the new one; the preview follows on its own.
    const QPixmap before = Crossfade::snapshot(m_pageHost);
    buildPage();
    refreshSources();
    Crossfade::over(m_pageHost, before, SettingsMotion::tabChange());
}

void SettingsView::buildPage()
{
    // A page lives only while its tab is selected.
    if (m_page) {
        m_page->hide();
        m_page->deleteLater();
        m_page = nullptr;
    }
    switch (m_selectedTab) {
    case SettingsTab::general:
        m_page = new GeneralSettingsView(m_platform, m_updates, m_pageHost);
        break;
    case SettingsTab::switcher:
        m_page = new SwitcherSettingsView(m_platform, m_pageHost);
        break;
    case SettingsTab::controller: {
        auto* page = new ShortcutsSettingsView(m_platform, controllerApp, m_pageHost);
        connect(page, &ShortcutsSettingsView::previewChanged, this,
            [this](const std::optional<AppShortcut>& app, const QList<AppShortcut>& shortcuts) {
                controllerApp = app;
                controllerShortcuts = shortcuts;
                updatePreview();
            });
        m_page = page;
        break;
    }
    case SettingsTab::passwords: {
        auto* page = new PasswordsSettingsView(PasswordVault(m_platform), m_platform, m_pageHost);
        connect(page, &PasswordsSettingsView::vaultChanged, this, [this] {
            m_passwordPreviewItems = PasswordVault(m_platform).ringItems();
            updatePreview();
        });
        m_page = page;
        break;
    }
    case SettingsTab::launcher: {
        auto* page = new LauncherSettingsView(m_platform, launcherGroupID, m_pageHost);
        connect(page, &LauncherSettingsView::selectionChanged, this, [this](std::optional<QUuid> id) {
            launcherGroupID = id;
            updatePreview();
        });
        m_page = page;
        break;
    }
    case SettingsTab::capturedTabs: {
        auto* page = new CapturedTabsSettingsView(m_platform, m_pageHost);
        connect(page, &CapturedTabsSettingsView::storeChanged, this, &SettingsView::refreshTabPreview);
        m_page = page;
        break;
    }
    default: {
        // The editors of these rings come with their own pages.
        auto* note = new SecondaryLabel(
            QCoreApplication::translate("Kelvaro", "This page is not available in this version yet."), m_pageHost);
        note->setAlignment(Qt::AlignCenter);
        m_page = note;
        break;
    }
    }
    m_page->setObjectName(QStringLiteral("page-") + rawValue(m_selectedTab));
    m_pageHost->layout()->addWidget(m_page);
    m_page->show();
}

void SettingsView::refreshSources()
{
    m_previewApps = runningApps(m_platform, 8);
    m_passwordPreviewItems = PasswordVault(m_platform).ringItems();
    refreshTabPreview();
}

void SettingsView::refreshTabPreview()
{
    const QList<AppShortcut> items = CapturedTabStore(m_platform).ringItems();
    const int n = int(items.size());
    m_tabPreviewItems = AppShortcutRingViewModel::page(0, items);
    m_tabPreviewPageCount = std::max(int(std::ceil(double(n) / AppShortcutRingViewModel::pageSize)), 1);
    updatePreview();
}

std::optional<LauncherGroup> SettingsView::selectedLauncherGroup() const
{
    const QList<LauncherGroup> groups = settings().launcherGroups();
    if (groups.isEmpty())
        return std::nullopt;
    for (const LauncherGroup& g : groups) {
        if (launcherGroupID && g.id == *launcherGroupID)
            return g;
    }
    return groups.first();
}

std::optional<Hotkey> SettingsView::activePreviewHotkey() const
{
    switch (m_selectedTab) {
    case SettingsTab::general:
    case SettingsTab::switcher:
        return settings().switcherHotkey();
    case SettingsTab::controller:
        return settings().launcherHotkey();
    case SettingsTab::launcher: {
        const auto group = selectedLauncherGroup();
        return group ? group->hotkey : std::nullopt;
    }
    case SettingsTab::passwords:
        return settings().passwordHotkey();
    case SettingsTab::capturedTabs:
        return settings().capturedTabsHotkey();
    }
    return std::nullopt;
}

std::optional<RunningApp> SettingsView::previewCenterApp() const
{
    switch (m_selectedTab) {
    case SettingsTab::passwords:
        return RunningApp { QCoreApplication::translate("Kelvaro", "Passwords"), ownIcon(), AppShortcut::passwordMarker,
            false };
    case SettingsTab::capturedTabs:
        return RunningApp { QCoreApplication::translate("Kelvaro", "Saved Tabs"), ownIcon(), AppShortcut::tabsMarker,
            false };
    case SettingsTab::controller: {
        if (!controllerApp)
            return std::nullopt;
        const auto icon = AppIcons::appIcon(m_platform.workspace(), controllerApp->bundleIdentifier);
        if (!icon)
            return std::nullopt;
        return RunningApp { controllerApp->name, RunningApp::thumbnail(*icon, 64), controllerApp->bundleIdentifier,
            false };
    }
    default:
        if (m_previewApps.isEmpty())
            return std::nullopt;
        return m_previewApps.first();
    }
}

RingStageInput SettingsView::stageInput() const
{
    RingStageInput in;
    in.tab = m_selectedTab;
    in.centerApp = previewCenterApp();
    if (m_selectedTab == SettingsTab::launcher) {
        const auto group = selectedLauncherGroup();
        in.runningApps = group ? LauncherApps::resolved(m_platform, group->bundleIdentifiers) : QList<RunningApp>();
        // The launcher ring opens on its own group: its first app is the centre.
        in.centerApp = in.runningApps.isEmpty() ? std::nullopt : std::optional<RunningApp>(in.runningApps.first());
    } else {
        in.runningApps = m_previewApps;
    }
    if (m_selectedTab == SettingsTab::capturedTabs) {
        in.shortcuts = m_tabPreviewItems;
        in.pageCount = m_tabPreviewPageCount;
    } else {
        // Shown as the ring shows them: the first page, and dots for the others.
        const QList<AppShortcut>& all
            = m_selectedTab == SettingsTab::passwords ? m_passwordPreviewItems : controllerShortcuts;
        in.shortcuts = AppShortcutRingViewModel::page(0, all);
        in.pageCount = in.drawsShortcuts()
            ? std::max(1, int(std::ceil(double(all.size()) / AppShortcutRingViewModel::pageSize)))
            : 1;
    }
    in.selectedIndex = 0;
    return in;
}

void SettingsView::updatePreview()
{
    const QString caption
        = (m_selectedTab == SettingsTab::controller && controllerApp) ? controllerApp->name : QString();
    m_preview->setInput(stageInput(), activePreviewHotkey(), caption);
}

QList<RunningApp> SettingsView::runningApps(const Platform& platform, int limit)
{
    QList<RunningApp> out;
    QStringList iconless;
    QList<qsizetype> iconlessAt;
    const auto frontmost = platform.workspace().frontmostApplicationPID();
    int taken = 0;
    for (const RunningApplication& app : platform.workspace().runningApplications()) {
        if (app.activationPolicy != RunningApplication::ActivationPolicy::Regular)
            continue;
        if (taken++ >= limit)
            break;
        if (app.bundleIdentifier.isEmpty() || app.localizedName.isEmpty())
            continue;
        const QImage icon = RunningApp::thumbnail(app.icon, 64);
        if (icon.isNull()) {
            iconless << app.localizedName;
            iconlessAt << out.size();
        }
        out << RunningApp { app.localizedName, icon, app.bundleIdentifier, frontmost && *frontmost == app.pid };
    }
    // An app without an icon is drawn as the switcher draws it, its tile
    // unlike the others'.
    const QList<QImage> tiles = RunningApp::placeholderIcons(iconless, 64);
    for (qsizetype i = 0; i < iconlessAt.size(); ++i)
        out[iconlessAt[i]].icon = tiles[i];
    return out;
}
