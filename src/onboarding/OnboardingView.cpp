#include "onboarding/OnboardingView.h"

#include "core/AppSettings.h"
#include "core/SymbolIcons.h"
#include "onboarding/OnboardingWidgets.h"
#include "onboarding/PressDemoKeyStrip.h"
#include "onboarding/WizardArtwork.h"
#include "platform/DisplayPreferences.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"
#include "ringkit/WidgetMotion.h"
#include "editors/HotkeyRecorder.h"
#include "editors/KeyStrip.h"
#include "settings/LanguagePicker.h"
#include "settings/SettingsView.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QString translated(const char* text) { return QCoreApplication::translate("Kelvaro", text); }
AppSettings& settings() { return AppSettings::shared(); }
using OnboardingStyle::accent;
using OnboardingStyle::secondary;

// The pages' running text: subtitles, steps and the access page's list.
constexpr int calloutSize = 12;

QLabel* wrapping(const QString& text, QWidget* parent, bool secondaryStyle = false, int pixelSize = calloutSize)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    QFont f = label->font();
    f.setPixelSize(pixelSize);
    label->setFont(f);
    if (secondaryStyle) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, secondary(parent));
        label->setPalette(p);
    }
    return label;
}

// A wrapped label as tall as its lines at `width` (nested layouts would
// otherwise give it the height of one line).
QLabel* fitted(QLabel* label, int width)
{
    label->setFixedSize(width, label->heightForWidth(width));
    return label;
}

} // namespace

OnboardingView::OnboardingView(const Platform& platform, std::function<void(bool)> onFinish, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_onFinish(std::move(onFinish))
    , m_permissions(platform)
{
    setFixedSize(windowSize);
    setAutoFillBackground(true);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_pageMotion = new WidgetMotion(this, 1.0);
    connect(m_pageMotion, &WidgetMotion::changed, this, &OnboardingView::showPageFade);
    // The page keeps the height of its content and scrolls, rather than
    // squeezing its rows, where a long translation makes it taller than the
    // page area.
    m_pageScroll = new QScrollArea(this);
    m_pageScroll->setObjectName(QStringLiteral("pageScroll"));
    m_pageScroll->setWidgetResizable(true);
    m_pageScroll->setFocusPolicy(Qt::NoFocus);
    m_pageScroll->setFrameShape(QFrame::NoFrame);
    m_pageScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageScroll->viewport()->setAutoFillBackground(false);
    m_pageHost = new QWidget;
    m_pageLayout = new QVBoxLayout(m_pageHost);
    m_pageLayout->setContentsMargins(0, 0, 0, 0);
    m_pageScroll->setWidget(m_pageHost);
    m_pageHost->setAutoFillBackground(false);
    column->addWidget(m_pageScroll, 1);
    // A scroll bar takes its width on the left as well, so the page stays
    // centred in the window when it comes and goes.
    connect(m_pageScroll->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int max) {
        const int bar = max > 0 ? m_pageScroll->verticalScrollBar()->sizeHint().width() : 0;
        m_pageLayout->setContentsMargins(bar, 0, 0, 0);
    });
    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Plain);
    divider->setFixedHeight(1); // the line alone, no room around it
    divider->setStyleSheet(QStringLiteral("color: palette(mid);"));
    column->addWidget(divider);

    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(20, 14, 20, 14);
    m_skip = new QPushButton(this);
    m_skip->setObjectName(QStringLiteral("skipButton"));
    m_skip->setFlat(true);
    m_skip->setCursor(Qt::PointingHandCursor);
    QPalette sp = m_skip->palette();
    sp.setColor(QPalette::ButtonText, secondary(this));
    m_skip->setPalette(sp);
    connect(m_skip, &QPushButton::clicked, this, &OnboardingView::skip);
    m_dots = new PageDots(&m_page, pageCount, this);
    m_continue = new QPushButton(this);
    m_continue->setObjectName(QStringLiteral("continueButton"));
    m_continue->setDefault(true);
    m_continue->setMinimumWidth(120);
    connect(m_continue, &QPushButton::clicked, this, &OnboardingView::advance);
    footer->addWidget(m_skip);
    footer->addStretch(1);
    footer->addWidget(m_dots);
    footer->addStretch(1);
    footer->addWidget(m_continue);
    column->addLayout(footer);

    // Return presses the continue button on every page, wherever the focus is
    // (a recording shortcut field takes every key for itself).
    for (int key : { int(Qt::Key_Return), int(Qt::Key_Enter) }) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &OnboardingView::advance);
    }

    connect(&m_permissions, &AccessibilityPermissionMonitor::trustChanged, this, [this] {
        if (m_page == 2)
            rebuild(true);
    });
    settings().onChange(this, { AppSettings::Key::language }, [this] {
        retranslateFooter();
        rebuild(false);
        // A language chosen from the keyboard keeps the keyboard on its tile.
        if (m_current && m_page == 0) {
            const QString chosen = rawValue(settings().language());
            for (QPushButton* b : m_current->findChildren<QPushButton*>()) {
                if (b->property("language").toString() == chosen)
                    b->setFocus();
            }
        }
    });
    settings().onChange(this, { AppSettings::Key::switcherHotkey }, [this] {
        // The shortcut page draws the new hotkey; a recording in progress
        // keeps its field and is redrawn when it ends.
        if (m_page == 3 && !m_choosingShortcut)
            rebuild(false);
    });
    retranslateFooter();
    rebuild(false);
}

OnboardingView::~OnboardingView() = default;

void OnboardingView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_permissions.startMonitoring();
    if (m_continue && !m_choosingShortcut)
        m_continue->setFocus();
}

void OnboardingView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_permissions.stopMonitoring();
}

QString OnboardingView::pageTitle() const { return m_title ? m_title->text() : QString(); }
double OnboardingView::pageShown() const { return std::clamp(m_pageMotion->value(), 0.0, 1.0); }
QString OnboardingView::pageSubtitle() const { return m_subtitle ? m_subtitle->text() : QString(); }

void OnboardingView::retranslateFooter()
{
    m_skip->setText(QCoreApplication::translate("Kelvaro", "Skip"));
    const bool last = m_page == lastPage;
    m_continue->setText(last ? QCoreApplication::translate("Kelvaro", "Start Using Kelvaro")
                             : QCoreApplication::translate("Kelvaro", "Continue"));
    // Filled with the accent on the way, bordered on the last page. The focus
    // ring takes the room the border always has, so a focused label keeps
    // the space it was laid out with.
    m_continue->setStyleSheet(last
            ? QStringLiteral("QPushButton { background: palette(button); color: palette(button-text);"
                             " border: 1px solid palette(mid); margin: 1px; border-radius: 6px;"
                             " padding: 7px 20px; font-weight: 600; }"
                             " QPushButton:focus { outline: none; border: 2px solid palette(highlight); margin: 0; }"
                             " QPushButton:pressed { background: palette(midlight); }")
            : QStringLiteral("QPushButton { background: palette(highlight); color: palette(highlighted-text);"
                             " border: 2px solid palette(highlight); border-radius: 6px; padding: 7px 20px;"
                             " font-weight: 600; }"
                             " QPushButton:focus { outline: none; border-color: palette(highlighted-text); }"
                             " QPushButton:pressed { background: palette(dark); border-color: palette(dark); }"));
    m_continue->setProperty("bordered", last);
    m_dots->setAccessibleName(QCoreApplication::translate("Kelvaro", "Page %1 of %2").arg(m_page + 1).arg(pageCount));
    m_dots->update();
    // The button takes its new label's width now, not once the event loop
    // has laid the window out again.
    layout()->activate();
}

void OnboardingView::advance()
{
    if (m_finished)
        return;
    if (m_page == lastPage) {
        finish(true);
        return;
    }
    ++m_page;
    m_choosingShortcut = false;
    retranslateFooter();
    rebuild(true);
    m_continue->setFocus();
}

void OnboardingView::skip()
{
    if (!m_finished)
        finish(false);
}

void OnboardingView::finish(bool fromLastPage)
{
    // Once: a second press while the owner closes the window does nothing.
    m_finished = true;
    if (m_onFinish)
        m_onFinish(fromLastPage);
}

void OnboardingView::setChoosingShortcut(bool on)
{
    if (m_choosingShortcut == on)
        return;
    m_choosingShortcut = on;
    if (m_page == 3)
        rebuild(true);
}

void OnboardingView::rebuild(bool animate)
{
    m_moving = animate && !m_platform.displayPreferences().reduceMotion() && isVisible();
    dropOutgoing();
    if (QWidget* old = m_current) {
        m_pageLayout->removeWidget(old);
        if (m_moving) {
            // Stays where it is, out of the layout, and fades out.
            old->setAttribute(Qt::WA_TransparentForMouseEvents);
            m_outgoing = old;
        } else {
            old->hide();
            old->deleteLater();
        }
    }
    m_title = nullptr;
    m_subtitle = nullptr;
    m_current = buildPage(m_page);
    m_pageLayout->addWidget(m_current);
    m_pageScroll->verticalScrollBar()->setValue(0);
    if (m_moving) {
        for (QWidget* page : { m_current.data(), m_outgoing.data() }) {
            if (page)
                page->setGraphicsEffect(new QGraphicsOpacityEffect(page));
        }
        m_pageMotion->setValue(0.0);
        m_pageMotion->animateTo(1.0, pageAnimation());
    } else {
        m_pageMotion->setValue(1.0);
    }
    m_current->show();
    m_moving = false;
    if (KeyCapTitle* title = m_title)
        setAccessibleDescription(title->accessibleName());
}

void OnboardingView::showPageFade(double shown)
{
    const double in = std::clamp(shown, 0.0, 1.0);
    if (m_current) {
        if (auto* effect = qobject_cast<QGraphicsOpacityEffect*>(m_current->graphicsEffect()))
            effect->setOpacity(in);
    }
    if (m_outgoing) {
        if (auto* effect = qobject_cast<QGraphicsOpacityEffect*>(m_outgoing->graphicsEffect()))
            effect->setOpacity(1.0 - in);
    }
    if (!m_pageMotion->isAnimating() && shown >= 1.0) {
        dropOutgoing();
        if (m_current)
            m_current->setGraphicsEffect(nullptr);
    }
}

void OnboardingView::dropOutgoing()
{
    if (QWidget* old = m_outgoing) {
        m_outgoing = nullptr;
        old->hide();
        old->deleteLater();
    }
}

QWidget* OnboardingView::buildPage(int page)
{
    switch (page) {
    case 0:
        return languageChoice();
    case 1:
        return welcome();
    case 2:
        return accessibility();
    case 3:
        return gesture();
    default:
        return menuBar();
    }
}

QWidget* OnboardingView::makePage(
    const QString& title, const QString& subtitle, int detailWidth, QWidget* artwork, QWidget* detail)
{
    auto* page = new QWidget(m_pageHost);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(32, 0, 32, 0);
    column->setSpacing(0);
    column->addSpacing(Layout::edge);
    column->addStretch(1);
    artwork->setParent(page);
    column->addWidget(artwork, 0, Qt::AlignHCenter);
    column->addSpacing(Layout::afterArtwork);
    m_title = new KeyCapTitle(title, 3, 11, Layout::proseWidth + 40, page);
    m_title->setObjectName(QStringLiteral("pageTitle"));
    m_title->setAccessibleName(title);
    column->addWidget(m_title, 0, Qt::AlignHCenter);
    // The title's shadow takes no room of its own: it lies in the gap above
    // the subtitle, which stays at least the heading gap below the key.
    column->addSpacing(std::max(0, Layout::headingGap - m_title->shadowBelowSide()));
    m_subtitle = wrapping(subtitle, page, true);
    m_subtitle->setObjectName(QStringLiteral("pageSubtitle"));
    m_subtitle->setAlignment(Qt::AlignHCenter);
    // Wrapped to the prose width and as tall as its lines: never cut.
    m_subtitle->setFixedSize(Layout::proseWidth, m_subtitle->heightForWidth(Layout::proseWidth));
    column->addWidget(m_subtitle, 0, Qt::AlignHCenter);
    if (detail) {
        detail->setParent(page);
        detail->setMaximumWidth(detailWidth);
        detail->setMinimumWidth(std::min(detailWidth, 360));
        column->addSpacing(Layout::afterHeading);
        column->addWidget(detail, 0, Qt::AlignHCenter);
    }
    column->addStretch(1);
    column->addSpacing(Layout::edge);
    return page;
}

QWidget* OnboardingView::step(const QString& symbol, const QString& text)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    row->setObjectName(QStringLiteral("step"));
    // As tall as its disc or its sentence, whichever is taller, never less.
    row->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(new StepDisc(symbol, row), 0, Qt::AlignVCenter);
    layout->addWidget(fitted(wrapping(text, row), Layout::columnWidth - 26 - 12), 1);
    return row;
}

QWidget* OnboardingView::languageChoice()
{
    auto* artwork = new ChipIcon(QStringLiteral("globe"), ChipTheme::blue, 76, -4);
    auto* picker = new LanguagePicker(m_platform.defaults(), LanguagePicker::Style::grid, true);
    return makePage(QCoreApplication::translate("Kelvaro", "Choose your language"),
        QCoreApplication::translate("Kelvaro", "Kelvaro speaks 17 languages. Pick one, or let it follow your system."),
        496, artwork, picker);
}

QWidget* OnboardingView::welcome()
{
    // The applications are read once, the first time the page is shown.
    if (m_previewApps.isEmpty())
        m_previewApps = SettingsView::runningApps(m_platform, 8);
    RingStageInput input;
    input.tab = SettingsTab::switcher;
    input.runningApps = m_previewApps;
    if (!m_previewApps.isEmpty())
        input.centerApp = m_previewApps.first();
    input.pageCount = 1;
    input.selectedIndex = 0;
    auto* artwork = new RingStagePreview(input, nullptr);
    return makePage(QCoreApplication::translate("Kelvaro", "Welcome to Kelvaro"),
        QCoreApplication::translate(
            "Kelvaro", "Every app you have open, in a ring around your pointer. One keystroke away."),
        Layout::columnWidth, artwork, nullptr);
}

QWidget* OnboardingView::accessibility()
{
    const AccessibilityState state = m_permissions.state();
    const bool trusted = state.isTrusted();
    auto* artwork = trusted ? new ChipIcon(QStringLiteral("checkmark.shield.fill"), ChipTheme::mint, 76, 3)
                            : new ChipIcon(QStringLiteral("lock.shield.fill"), ChipTheme::blue, 76, -4);
    // A change of the access swaps the shield and turns it from the tilt it had.
    if (m_shownShieldTilt && *m_shownShieldTilt != artwork->tilt())
        artwork->turnFrom(*m_shownShieldTilt, pageAnimation(), !m_moving);
    m_shownShieldTilt = artwork->tilt();
    QWidget* detail = nullptr;
    if (!trusted) {
        detail = new QWidget;
        auto* column = new QVBoxLayout(detail);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(14);

        auto* list = new QVBoxLayout;
        list->setSpacing(6);
        const struct {
            bool allowed;
            const char* text;
        } rows[] = {
            { true, QT_TRANSLATE_NOOP("Kelvaro", "Notices the one shortcut you choose") },
            { true, QT_TRANSLATE_NOOP("Kelvaro", "Switches apps and sends shortcuts you set up") },
            { false, QT_TRANSLATE_NOOP("Kelvaro", "Never reads what you type") },
            { false, QT_TRANSLATE_NOOP("Kelvaro", "Sends nothing it sees here — that stays on this computer") },
        };
        for (const auto& r : rows) {
            auto* line = new QHBoxLayout;
            line->setSpacing(9);
            const QColor mark = r.allowed ? QColor::fromRgbF(0.2f, 0.7f, 0.3f) : secondary(this);
            line->addWidget(
                new SymbolView(
                    QString::fromLatin1(r.allowed ? "checkmark.circle.fill" : "xmark.circle.fill"), mark, 15, detail),
                0, Qt::AlignTop);
            line->addWidget(fitted(wrapping(translated(r.text), detail, !r.allowed), Layout::columnWidth - 15 - 9), 1);
            list->addLayout(line);
        }
        column->addLayout(list);

        // The card shows the live state; the page changes by itself once all is on.
        column->addWidget(new DesktopAccessCard(state, detail), 0, Qt::AlignHCenter);

        auto* button
            = new QPushButton(SymbolIcons::icon(QStringLiteral("arrow.up.forward.app"), Qt::white), QString(), detail);
        button->setObjectName(QStringLiteral("accessButton"));
        button->setMinimumHeight(34);
        button->setStyleSheet(
            QStringLiteral("QPushButton { background: palette(highlight); color: palette(highlighted-text);"
                           " border: none; border-radius: 7px; padding: 7px 14px; font-weight: 600; }"
                           " QPushButton:disabled { background: palette(mid); }"));
        switch (state.missing()) {
        case AccessibilityState::Missing::x11Session:
            button->setText(QCoreApplication::translate("Kelvaro", "Needs an X11 Session"));
            button->setEnabled(false);
            column->addWidget(
                fitted(wrapping(QCoreApplication::translate("Kelvaro",
                                    "Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login "
                                    "screen, then start Kelvaro again."),
                           detail, true, 12),
                    Layout::columnWidth));
            break;
        case AccessibilityState::Missing::keyGrabs:
            button->setText(QCoreApplication::translate("Kelvaro", "Try Again"));
            column->addWidget(fitted(
                wrapping(QCoreApplication::translate("Kelvaro",
                             "The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings."),
                    detail, true, 12),
                Layout::columnWidth));
            break;
        default:
            button->setText(QCoreApplication::translate("Kelvaro", "Turn On the Accessibility Bus"));
            break;
        }
        connect(button, &QPushButton::clicked, this, [this] { m_permissions.openSystemSettings(); });
        column->addWidget(button);
    }
    return makePage(trusted ? QCoreApplication::translate("Kelvaro", "You're all set")
                            : QCoreApplication::translate("Kelvaro", "Let Kelvaro see your shortcut"),
        trusted ? QCoreApplication::translate(
            "Kelvaro", "Global keys work and the accessibility bus is on. Nothing else to set up.")
                : QCoreApplication::translate("Kelvaro",
                    "Linux needs two things for this: an X11 session for the global keys, and the "
                    "accessibility bus for reading menus and typing passwords."),
        Layout::columnWidth, artwork, detail);
}

QWidget* OnboardingView::gesture()
{
    const std::optional<Hotkey> hotkey = settings().switcherHotkey();
    // The artwork, always 213 points high.
    auto* artwork = new QWidget;
    artwork->setFixedHeight(213);
    artwork->setMinimumWidth(Layout::columnWidth);
    auto* art = new QVBoxLayout(artwork);
    art->setContentsMargins(0, 0, 0, 0);
    if (m_choosingShortcut)
        art->addWidget(
            new GlyphBadge(QStringLiteral("record.circle"), QColor::fromRgbF(0.92f, 0.26f, 0.24f), 76, {}, artwork), 0,
            Qt::AlignCenter);
    else if (!hotkey)
        art->addWidget(new GlyphBadge(QStringLiteral("keyboard"), accent(this), 96, {}, artwork), 0, Qt::AlignCenter);
    else
        art->addWidget(new PressDemoKeyStrip(*hotkey, 108, true, artwork), 0, Qt::AlignCenter);

    auto* detail = new QWidget;
    auto* column = new QVBoxLayout(detail);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(22);
    auto* chooser = new QVBoxLayout;
    chooser->setSpacing(8);
    QWidget* focusTarget = nullptr;
    if (m_choosingShortcut) {
        const HotkeyBinding b = settings().binding(HotkeyRole::switcher);
        auto* recorder = new HotkeyRecorder(
            HotkeyRecorder::Binding { b.get, b.set }, QCoreApplication::translate("Kelvaro", "Press Shortcut"), detail);
        recorder->setObjectName(QStringLiteral("shortcutRecorder"));
        recorder->setBeginsRecording(true);
        auto syncWarning = [recorder] {
            recorder->setWarning(settings().warning(settings().switcherHotkey(), HotkeyRole::switcher));
        };
        syncWarning();
        settings().onChange(recorder, { AppSettings::Key::switcherHotkey }, syncWarning);
        // After the recorder has finished with the key that ended the recording.
        connect(recorder, &HotkeyRecorder::recordingEnded, this,
            [this] { Scheduler::shared().postWhileAlive(this, [this] { setChoosingShortcut(false); }); });
        chooser->addWidget(recorder);
        focusTarget = recorder;
    } else {
        auto* box = new QFrame(detail);
        box->setObjectName(QStringLiteral("shortcutBox"));
        box->setStyleSheet(
            QStringLiteral("QFrame#shortcutBox { background: palette(base); border: 1px solid palette(mid);"
                           " border-radius: 11px; }"));
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(6, 6, 6, 6);
        row->setSpacing(8);
        if (hotkey) {
            auto* strip = new KeyStrip(box);
            QList<KeyStripItem> items;
            for (const QString& token : hotkey->displayTokens())
                items << KeyStripItem { token, token, KeyStripItem::modifierCaption(token) };
            strip->setItems(items);
            strip->setStripHeight(46);
            strip->setShowsCaptions(true);
            strip->setFillsWidth(true);
            strip->setAccessibleName(
                QCoreApplication::translate("Kelvaro", "Shortcut: %1").arg(hotkey->accessibilityLabel()));
            row->addWidget(strip, 1);
        } else {
            auto* none = wrapping(QCoreApplication::translate("Kelvaro", "No shortcut set"), box, true, 12);
            none->setAlignment(Qt::AlignCenter);
            row->addWidget(none, 1);
        }
        auto* rule = new QFrame(box);
        rule->setFrameShape(QFrame::VLine);
        rule->setFixedHeight(30);
        row->addWidget(rule);
        auto* record = new QToolButton(box);
        record->setObjectName(QStringLiteral("recordButton"));
        record->setText(QCoreApplication::translate("Kelvaro", "Record"));
        record->setIcon(SymbolIcons::icon(QStringLiteral("record.circle"), QColor::fromRgbF(0.92f, 0.26f, 0.24f)));
        record->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        record->setToolTip(QCoreApplication::translate("Kelvaro", "Record a different shortcut"));
        record->setAutoRaise(true);
        record->setFixedHeight(46);
        record->setStyleSheet(
            QStringLiteral("QToolButton { color: rgb(235,66,61); font-weight: 600; padding: 0 4px; }"));
        connect(record, &QToolButton::clicked, this,
            [this] { Scheduler::shared().postWhileAlive(this, [this] { setChoosingShortcut(true); }); });
        row->addWidget(record);
        chooser->addWidget(box);
    }
    auto* reset = new QPushButton(QCoreApplication::translate("Kelvaro", "Use the default instead"), detail);
    reset->setObjectName(QStringLiteral("useDefaultButton"));
    reset->setFlat(true);
    reset->setCursor(Qt::PointingHandCursor);
    // A plain button: its caption line and no more, underlined under the
    // pointer and the keyboard's focus.
    const QColor rc = secondary(this);
    reset->setStyleSheet(QStringLiteral("QPushButton { color: rgba(%1, %2, %3, %4); border: none; padding: 2px 4px; }"
                                        " QPushButton:hover, QPushButton:focus { text-decoration: underline; }")
                             .arg(rc.red())
                             .arg(rc.green())
                             .arg(rc.blue())
                             .arg(rc.alpha()));
    QFont rf = reset->font();
    rf.setPixelSize(11);
    reset->setFont(rf);
    connect(reset, &QPushButton::clicked, this, [this] {
        Scheduler::shared().postWhileAlive(this, [this] {
            settings().resetHotkey(HotkeyRole::switcher);
            m_choosingShortcut = false;
            rebuild(true);
        });
    });
    chooser->addWidget(reset, 0, Qt::AlignHCenter);
    column->addLayout(chooser);

    auto* steps = new QVBoxLayout;
    steps->setSpacing(12);
    steps->addWidget(
        step(QStringLiteral("hand.raised.fill"), QCoreApplication::translate("Kelvaro", "Hold it — the ring opens.")));
    steps->addWidget(step(QStringLiteral("cursorarrow.motionlines"),
        QCoreApplication::translate("Kelvaro", "Point at the app you want.")));
    steps->addWidget(step(
        QStringLiteral("hand.tap.fill"), QCoreApplication::translate("Kelvaro", "Let go — Kelvaro switches to it.")));
    column->addLayout(steps);

    QWidget* page = makePage(QCoreApplication::translate("Kelvaro", "Your shortcut"),
        QCoreApplication::translate("Kelvaro", "This is what opens the ring. Keep it, or record your own."),
        Layout::columnWidth, artwork, detail);
    if (focusTarget)
        Scheduler::shared().postWhileAlive(focusTarget, [focusTarget] { focusTarget->setFocus(); });
    return page;
}

QWidget* OnboardingView::menuBar()
{
    auto* artwork = new BannerArtwork(
        QStringLiteral("OnboardingMenuBar"), QStringLiteral("menubar.arrow.up.rectangle"), 440, 202);
    auto* detail = new QWidget;
    auto* steps = new QVBoxLayout(detail);
    steps->setContentsMargins(0, 0, 0, 0);
    steps->setSpacing(12);
    steps->addWidget(step(QStringLiteral("cursorarrow.rays"),
        QCoreApplication::translate("Kelvaro", "Click the Kelvaro icon in the tray.")));
    steps->addWidget(step(QStringLiteral("gearshape.fill"),
        QCoreApplication::translate("Kelvaro", "Settings — add apps, edit shortcuts, change keys.")));
    return makePage(QCoreApplication::translate("Kelvaro", "Kelvaro lives in the tray"),
        QCoreApplication::translate("Kelvaro",
            "It has no window of its own on purpose. Close a window and it keeps running — everything "
            "stays one click away in the tray."),
        Layout::columnWidth, artwork, detail);
}
