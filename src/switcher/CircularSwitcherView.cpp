#include "switcher/CircularSwitcherView.h"

#include "core/AppSettings.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"
#include "ringkit/RingAnnounce.h"
#include "ringkit/CenterAppIcon.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "ringkit/RingElement.h"
#include "ringkit/RingPanel.h"
#include "ringkit/RingMotion.h"
#include "ringkit/WindowArcCard.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLinearGradient>
#include <QLocale>
#include <QPainterPath>
#include <QPainter>
#include <algorithm>
#include <cmath>

using namespace switcher_view;

using WedgeState = SwitcherLayout::WedgeState;
using CardState = SwitcherLayout::CardState;
using Fan = SwitcherLayout::Fan;

// ---- CircularSwitcherView ----------------------------------------------------------------------

CircularSwitcherView::CircularSwitcherView(CircularSwitcherViewModel* viewModel, QWidget* parent)
    : QWidget(parent)
    , m_model(viewModel)
    , m_centreIcon(new TiltingCenterAppIcon(viewModel->platform().screens(), this))
{
    m_layout.model = viewModel;
    m_layout.centreIcon = m_centreIcon;
    RingElement::registerView<CircularSwitcherView>(QAccessible::Grouping, &CircularSwitcherView::accessibilityValue);

    setAttribute(Qt::WA_TranslucentBackground, true);
    setAttribute(Qt::WA_NoSystemBackground, true);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("CircularSwitcherView"));

    connect(&AnimationEngine::shared(), &AnimationEngine::frame, this, [this] {
        if (!isVisible())
            return;
        // An exit that has faded everything out draws nothing the window's
        // hiding a moment later would not show anyway.
        const auto faded = [](const AnimatedValue& v) { return v.target() <= 0.0 && v.value() <= 0.001; };
        if (!m_layout.visible && faded(m_layout.ring)
            && std::all_of(
                m_layout.wedges.begin(), m_layout.wedges.end(), [&](const auto& w) { return faded(w->presence); }))
            return;
        if (m_pacer.defers(m_layout.blur()))
            return;
        RingPanel::updateContent(this, changedArea());
    });
    connect(m_centreIcon, &TiltingCenterAppIcon::tiltChanged, this, [this] {
        if (isVisible())
            RingPanel::updateContent(this, changedArea());
    });
    AppSettings::shared().onChange(this, { AppSettings::Key::ringScale }, [this] { update(); });

    if (!m_model)
        return;
    CircularSwitcherViewModel* m = m_model;
    connect(m, &CircularSwitcherViewModel::appearSessionChanged, this, &CircularSwitcherView::onAppearSession);
    connect(m, &CircularSwitcherViewModel::runningAppsChanged, this, &CircularSwitcherView::onRunningApps);
    connect(m, &CircularSwitcherViewModel::isVisibleChanged, this, &CircularSwitcherView::onVisibility);
    connect(m, &CircularSwitcherViewModel::selectedIndexChanged, this, &CircularSwitcherView::onSelection);
    connect(m, &CircularSwitcherViewModel::selectedWindowIndexChanged, this, &CircularSwitcherView::onSelection);
    connect(m, &CircularSwitcherViewModel::windowsChanged, this, &CircularSwitcherView::onWindows);
    connect(m, &CircularSwitcherViewModel::pointerSelectionEnabledChanged, this, &CircularSwitcherView::onWindows);
    connect(m, &CircularSwitcherViewModel::ringCenterChanged, this, [this] {
        if (m_model)
            m_centreIcon->setRingCenter(m_model->ringCenter());
    });
    connect(m->pointer(), &RingPointer::locationChanged, this, [this] {
        if (m_model)
            m_centreIcon->setPointer(m_model->pointer()->location());
    });
    m_session = m->appearSession();
    m_centreIcon->setRingCenter(m->ringCenter());
    syncAll(false);
    scheduleAccessibilityCheck();
}

CircularSwitcherView::~CircularSwitcherView() = default;

QSize CircularSwitcherView::sizeHint() const
{
    const int side = int(std::lround(stageSize * AppSettings::shared().ringScale()));
    return { side, side };
}

QIcon CircularSwitcherView::iconFor(const RunningApp& app) const
{
    // One QIcon per application image, so the centre icon's renders are cached.
    const QString key = app.bundleIdentifier + u'|' + QString::number(app.icon.cacheKey());
    auto it = m_icons.find(key);
    if (it == m_icons.end()) {
        if (m_icons.size() > 64)
            m_icons.clear();
        it = m_icons.insert(key, app.icon.isNull() ? QIcon() : QIcon(QPixmap::fromImage(app.icon)));
    }
    return *it;
}

// ---- Following the model ----------------------------------------------------------------

void CircularSwitcherView::onAppearSession()
{
    if (!m_model)
        return;
    // A new tree: everything starts from the model's state without animation,
    // and the first description of the new showing is not announced.
    m_session = m_model->appearSession();
    m_publishedValue.reset();
    m_layout.oldFan.reset();
    // A hidden window is painted whole when it is shown again: nothing of
    // the last showing (its cards) needs clearing.
    if (!isVisible())
        m_repaint.forgetDrawn();
    syncAll(false);
    scheduleAccessibilityCheck();
}

void CircularSwitcherView::syncAll(bool animated)
{
    if (!m_model)
        return;
    m_layout.visible = m_model->isVisible();
    m_layout.selectedIndex = m_model->selectedIndex();
    m_layout.selectedWindow = m_model->selectedWindowIndex();
    const bool rm = m_layout.reduceMotion();
    m_layout.ring.setValue(m_layout.visible ? 1.0 : 0.0);
    m_layout.band.setRadii(
        RingMotion::bandInnerRadius(m_layout.visible, rm), RingMotion::bandOuterRadius(m_layout.visible, rm));
    onRunningApps();
    for (auto& w : m_layout.wedges) {
        w->presence.setValue(m_layout.visible ? 1.0 : 0.0);
        w->spin.setValue(m_layout.visible ? 1.0 : 0.0);
    }
    syncWedgeSelection(false);
    m_layout.fanAngle.setValue(m_layout.selectedAppAngle());
    syncFan(animated);
    m_layout.centreSwap.setValue(1.0);
    m_layout.previousCenterIcon = QIcon();
    ++m_layout.revision;
    // Window cards reach beyond the ring: a compact window takes them in.
    if (!m_layout.fan->cards.empty())
        RingPanel::updateContent(this, rect());
    update();
}

void CircularSwitcherView::onRunningApps()
{
    if (!m_model)
        return;
    const QList<RunningApp>& apps = m_model->runningApps();
    std::vector<std::unique_ptr<WedgeState>> next;
    next.reserve(size_t(apps.size()));
    for (const RunningApp& app : apps) {
        auto found = std::find_if(m_layout.wedges.begin(), m_layout.wedges.end(),
            [&](const auto& w) { return w && w->app.bundleIdentifier == app.bundleIdentifier; });
        std::unique_ptr<WedgeState> state;
        if (found != m_layout.wedges.end()) {
            state = std::move(*found);
            if (state->app.icon.cacheKey() != app.icon.cacheKey())
                state->iconBlur.clear();
        } else {
            // A wedge that joins takes the ring's present pose.
            state = std::make_unique<WedgeState>();
            state->presence.setValue(m_layout.visible ? 1.0 : 0.0);
            state->spin.setValue(m_layout.visible ? 1.0 : 0.0);
        }
        state->app = app;
        next.push_back(std::move(state));
    }
    m_layout.wedges = std::move(next);
    m_layout.selectedIndex = m_model->selectedIndex();
    syncWedgeSelection(false);
    // The centre shows the highlighted application.
    const auto highlighted = m_model->highlightedApp();
    const QIcon icon = highlighted ? iconFor(*highlighted) : QIcon();
    if (icon.cacheKey() != m_centreIcon->view().icon.cacheKey())
        m_centreIcon->setIcon(icon);
    ++m_layout.revision;
    scheduleAccessibilityCheck();
    repaintMoving();
}

void CircularSwitcherView::onVisibility()
{
    if (!m_model)
        return;
    const bool visible = m_model->isVisible();
    if (visible == m_layout.visible)
        return;
    m_layout.visible = visible;
    m_pacer.restart(!visible);
    const bool rm = m_layout.reduceMotion();
    if (m_model->animationsDisabled()) {
        syncAll(false);
        return;
    }
    const RingAnimation ringMotion
        = visible ? RingMotion::entry(rm).delayed(rm ? 0.0 : -RingMotion::entryLead) : RingMotion::exit(rm);
    const RingAnimation bandMotion
        = visible ? RingMotion::bandEntry(rm).delayed(rm ? 0.0 : -RingMotion::entryLead) : RingMotion::exit(rm);
    m_layout.ring.animateTo(visible ? 1.0 : 0.0, ringMotion);
    m_layout.band.setRadii(
        RingMotion::bandInnerRadius(visible, rm), RingMotion::bandOuterRadius(visible, rm), bandMotion);
    for (size_t i = 0; i < m_layout.wedges.size(); ++i) {
        m_layout.wedges[i]->presence.animateTo(visible ? 1.0 : 0.0, RingMotion::segmentVisibility(int(i), visible, rm));
        m_layout.wedges[i]->spin.animateTo(visible ? 1.0 : 0.0, RingMotion::iconSpinVisibility(int(i), visible, rm));
    }
    scheduleAccessibilityCheck();
    repaintMoving();
}

void CircularSwitcherView::onSelection()
{
    if (!m_model)
        return;
    const bool animated = !m_model->animationsDisabled();
    const bool indexChanged = m_model->selectedIndex() != m_layout.selectedIndex;
    m_layout.selectedIndex = m_model->selectedIndex();
    m_layout.selectedWindow = m_model->selectedWindowIndex();
    // The wedges animate changes of the selected application; a window taking
    // the selection only changes their look.
    syncWedgeSelection(animated && indexChanged);
    if (indexChanged) {
        const bool rm = m_layout.reduceMotion();
        // The fan turns the short way round to the newly selected application.
        double target = m_layout.selectedAppAngle();
        const double now = m_layout.fanAngle.value();
        target += twoPi * std::round((now - target) / twoPi);
        if (animated && !m_layout.fan->cards.empty())
            m_layout.fanAngle.animateTo(target, RingMotion::selection(rm));
        else
            m_layout.fanAngle.setValue(target);
        // The centre icon cross-fades to the new application.
        const auto highlighted = m_model->highlightedApp();
        const QIcon icon = highlighted ? iconFor(*highlighted) : QIcon();
        if (icon.cacheKey() != m_centreIcon->view().icon.cacheKey()) {
            m_layout.previousCenterIcon = m_centreIcon->view().icon;
            m_centreIcon->setIcon(icon);
            if (animated && !m_layout.previousCenterIcon.isNull()) {
                m_layout.centreSwap.setValue(0.0);
                m_layout.centreSwap.animateTo(1.0, RingMotion::selection(rm));
            } else {
                m_layout.centreSwap.setValue(1.0);
                m_layout.previousCenterIcon = QIcon();
            }
        }
    }
    // Cards follow the selected window with the selection curve.
    const bool rm = m_layout.reduceMotion();
    for (size_t j = 0; j < m_layout.fan->cards.size(); ++j) {
        const double target = m_layout.selectedWindow && *m_layout.selectedWindow == int(j) ? 1.0 : 0.0;
        if (animated)
            m_layout.fan->cards[j]->selection.animateTo(target, RingMotion::selection(rm));
        else
            m_layout.fan->cards[j]->selection.setValue(target);
    }
    ++m_layout.revision;
    scheduleAccessibilityCheck();
    repaintMoving();
}

void CircularSwitcherView::syncWedgeSelection(bool animated)
{
    const bool rm = m_layout.reduceMotion();
    for (size_t i = 0; i < m_layout.wedges.size(); ++i) {
        const double target = (int(i) == m_layout.selectedIndex && !m_layout.selectedWindow) ? 1.0 : 0.0;
        if (animated)
            m_layout.wedges[i]->selection.animateTo(target, RingMotion::selection(rm));
        else
            m_layout.wedges[i]->selection.setValue(target);
    }
}

void CircularSwitcherView::onWindows()
{
    if (!m_model)
        return;
    syncFan(!m_model->animationsDisabled());
    ++m_layout.revision;
    scheduleAccessibilityCheck();
    repaintMoving();
}

void CircularSwitcherView::syncFan(bool animated)
{
    if (!m_model)
        return;
    const QList<AppWindow> shown = m_model->pointerSelectionEnabled() ? m_model->windows() : QList<AppWindow>();
    if (m_layout.fan->sameWindows(shown)) {
        for (qsizetype j = 0; j < shown.size(); ++j)
            m_layout.fan->cards[size_t(j)]->window = shown[j];
        return;
    }
    const bool wasEmpty = m_layout.fan->cards.empty();
    auto fan = std::make_unique<Fan>();
    for (qsizetype j = 0; j < shown.size(); ++j) {
        auto card = std::make_unique<CardState>();
        card->window = shown[j];
        card->selection.setValue(m_layout.selectedWindow && *m_layout.selectedWindow == int(j) ? 1.0 : 0.0);
        fan->cards.push_back(std::move(card));
    }
    if (wasEmpty || !animated) {
        // A fan that appears stands at its application at once.
        double target = m_layout.selectedAppAngle();
        target += twoPi * std::round((m_layout.fanAngle.value() - target) / twoPi);
        m_layout.fanAngle.setValue(target);
    }
    if (animated && !(wasEmpty && shown.isEmpty())) {
        m_layout.fan->frozenAngle = m_layout.fanAngle.value();
        m_layout.oldFan = wasEmpty ? nullptr : std::move(m_layout.fan);
        m_layout.fanSwap.setValue(0.0);
        m_layout.fanSwap.animateTo(1.0, RingMotion::content(m_layout.reduceMotion()));
    } else {
        m_layout.oldFan.reset();
        m_layout.fanSwap.setValue(1.0);
    }
    m_layout.fan = std::move(fan);
}

// ---- Accessibility ------------------------------------------------------------------------

QString CircularSwitcherView::accessibilityLabel() { return QCoreApplication::translate("Kelvaro", "App Switcher"); }

QString CircularSwitcherView::accessibilityHint()
{
    return QCoreApplication::translate("Kelvaro", "Arrow keys choose, Return switches, Escape dismisses.");
}

QString CircularSwitcherView::accessibilityDescription() const
{
    const AppSettings& settings = AppSettings::shared();
    if (!m_model)
        return QCoreApplication::translate("Kelvaro", "No apps");
    const auto app = m_model->highlightedApp();
    if (!app)
        return QCoreApplication::translate("Kelvaro", "No apps");
    const QList<AppWindow>& windows = m_model->windows();
    if (const auto w = m_model->selectedWindowIndex(); w && *w >= 0 && *w < windows.size()) {
        const QLocale system = QLocale::system();
        // One pass over the placeholders: names and titles may contain "%1".
        return RingElement::systemLocalized(QT_TRANSLATE_NOOP("Kelvaro", "%1, window %2 of %3: %4"))
            .arg(app->name, system.toString(*w + 1), system.toString(int(windows.size())), windows[*w].title);
    }
    const QList<RunningApp>& apps = m_model->runningApps();
    int position = 1;
    for (qsizetype i = 0; i < apps.size(); ++i) {
        if (apps[i].bundleIdentifier == app->bundleIdentifier) {
            position = int(i) + 1;
            break;
        }
    }
    const QLocale locale = settings.resolvedLocale();
    return QCoreApplication::translate("Kelvaro", "%1, %2 of %3")
        .arg(app->name, locale.toString(position), locale.toString(int(apps.size())));
}

void CircularSwitcherView::scheduleAccessibilityCheck()
{
    // Several model signals make up one change (a new selection and its
    // windows): the description is read once they have all arrived.
    if (m_accessibilityCheckPending)
        return;
    m_accessibilityCheckPending = true;
    QPointer<CircularSwitcherView> self(this);
    Scheduler::shared().post([self] {
        if (self)
            self->publishAccessibility();
    });
}

void CircularSwitcherView::publishAccessibility()
{
    m_accessibilityCheckPending = false;
    const QString description = accessibilityDescription();
    if (!m_publishedValue) {
        // The first value of a showing's tree is not announced.
        m_publishedValue = description;
        return;
    }
    if (*m_publishedValue == description)
        return;
    m_publishedValue = description;
    // Only what the user sees changing is spoken: not the list emptied after a hide.
    if (m_model && m_model->isVisible())
        RingAnnounce::announce(this, description);
}

// ---- State for checks ------------------------------------------------------------------------

double CircularSwitcherView::ringPresence() const { return m_layout.ring.value(); }

double CircularSwitcherView::wedgePresence(int index) const
{
    return index >= 0 && size_t(index) < m_layout.wedges.size() ? m_layout.wedges[size_t(index)]->presence.value()
                                                                : 0.0;
}

double CircularSwitcherView::wedgeSelection(int index) const
{
    return index >= 0 && size_t(index) < m_layout.wedges.size() ? m_layout.wedges[size_t(index)]->selection.value()
                                                                : 0.0;
}

double CircularSwitcherView::bandInnerRadius() const { return m_layout.band.innerRadius(); }
double CircularSwitcherView::bandOuterRadius() const { return m_layout.band.outerRadius(); }
double CircularSwitcherView::fanAngle() const { return m_layout.fanAngle.value(); }
bool CircularSwitcherView::isFanShown() const { return !m_layout.fan->cards.empty(); }

bool CircularSwitcherView::isAnimating() const { return m_layout.isAnimating(); }
