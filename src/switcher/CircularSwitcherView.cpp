#include "switcher/CircularSwitcherView.h"
#include "switcher/CircularSwitcherViewState.h"

#include "core/AppSettings.h"
#include "platform/DisplayPreferences.h"
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

// ---- RadialSegmentView --------------------------------------------------------------------

QRectF RadialSegmentView::iconRect(QPointF centre) const
{
    const double side = isSelected ? selectedIconSide : iconSide;
    const QPointF c = iconCenter(centre);
    return {c.x() - side / 2.0, c.y() - side / 2.0, side, side};
}

bool RadialSegmentView::contains(QPointF p, QPointF centre) const
{
    if (path(centre).contains(p))
        return true;
    const double grow = isSelected ? selectedIconScale : 1.0;
    const QRectF r = iconRect(centre);
    const QPointF c = r.center();
    const QRectF scaled(c.x() - r.width() * grow / 2.0, c.y() - r.height() * grow / 2.0, r.width() * grow,
                        r.height() * grow);
    return scaled.contains(p);
}

void RadialSegmentView::paintShape(QPainter& painter, const QPainterPath& path, QRectF frame, double selection, bool dark)
{
    const QColor blue = systemBlue(dark);
    const QColor white(255, 255, 255);
    QLinearGradient fill(frame.topLeft(), frame.bottomRight());
    fill.setColorAt(0.0, mixColour(withAlpha(white, 0.15), withAlpha(blue, 0.4), selection));
    fill.setColorAt(1.0, mixColour(withAlpha(white, 0.05), withAlpha(blue, 0.2), selection));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(withAlpha(blue, mix(0.2, 0.6, selection)), mix(1.0, 2.0, selection)));
    painter.drawPath(path);
    painter.restore();
}

void RadialSegmentView::paint(QPainter& painter, QPointF centre, bool dark) const
{
    const double h = frameSide / 2.0;
    const QRectF frame(centre.x() - h, centre.y() - h, frameSide, frameSide);
    paintShape(painter, path(centre), frame, isSelected ? 1.0 : 0.0, dark);
    if (app.icon.isNull())
        return;
    const QRectF r = iconRect(centre);
    const double grow = isSelected ? selectedIconScale : 1.0;
    const QPointF c = r.center();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(c.x() - r.width() * grow / 2.0, c.y() - r.height() * grow / 2.0, r.width() * grow,
                             r.height() * grow),
                      app.icon);
    painter.restore();
}

// ---- CircularSwitcherView ----------------------------------------------------------------------

CircularSwitcherView::CircularSwitcherView(CircularSwitcherViewModel* viewModel, QWidget* parent)
    : QWidget(parent), m_model(viewModel), m_fan(std::make_unique<Fan>()), m_centreIcon(new TiltingCenterAppIcon(this))
{
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
        if (!m_visible && faded(m_ring)
            && std::all_of(m_wedges.begin(), m_wedges.end(), [&](const auto& w) { return faded(w->presence); }))
            return;
        if (m_pacer.defers(blur()))
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
    return {side, side};
}

bool CircularSwitcherView::reduceMotion() const { return DisplayPreferences::shared().reduceMotion(); }

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

double CircularSwitcherView::selectedAppAngle() const
{
    const int n = m_model ? int(m_model->runningApps().size()) : 0;
    return (twoPi / double(std::max(n, 1))) * (double(m_selectedIndex) + 0.5);
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
    m_oldFan.reset();
    // A hidden window is painted whole when it is shown again: nothing of
    // the last showing (its cards) needs clearing.
    if (!isVisible())
        m_drawnArea = QRegion();
    syncAll(false);
    scheduleAccessibilityCheck();
}

void CircularSwitcherView::syncAll(bool animated)
{
    if (!m_model)
        return;
    m_visible = m_model->isVisible();
    m_selectedIndex = m_model->selectedIndex();
    m_selectedWindow = m_model->selectedWindowIndex();
    const bool rm = reduceMotion();
    m_ring.setValue(m_visible ? 1.0 : 0.0);
    m_band.setRadii(RingMotion::bandInnerRadius(m_visible, rm), RingMotion::bandOuterRadius(m_visible, rm));
    onRunningApps();
    for (auto& w : m_wedges) {
        w->presence.setValue(m_visible ? 1.0 : 0.0);
        w->spin.setValue(m_visible ? 1.0 : 0.0);
    }
    syncWedgeSelection(false);
    m_fanAngle.setValue(selectedAppAngle());
    syncFan(animated);
    m_centreSwap.setValue(1.0);
    m_previousCenterIcon = QIcon();
    ++m_revision;
    // Window cards reach beyond the ring: a compact window takes them in.
    if (!m_fan->cards.empty())
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
        auto found = std::find_if(m_wedges.begin(), m_wedges.end(),
                                  [&](const auto& w) { return w && w->app.bundleIdentifier == app.bundleIdentifier; });
        std::unique_ptr<WedgeState> state;
        if (found != m_wedges.end()) {
            state = std::move(*found);
            if (state->app.icon.cacheKey() != app.icon.cacheKey())
                state->iconBlur.clear();
        } else {
            // A wedge that joins takes the ring's present pose.
            state = std::make_unique<WedgeState>();
            state->presence.setValue(m_visible ? 1.0 : 0.0);
            state->spin.setValue(m_visible ? 1.0 : 0.0);
        }
        state->app = app;
        next.push_back(std::move(state));
    }
    m_wedges = std::move(next);
    m_selectedIndex = m_model->selectedIndex();
    syncWedgeSelection(false);
    // The centre shows the highlighted application.
    const auto highlighted = m_model->highlightedApp();
    const QIcon icon = highlighted ? iconFor(*highlighted) : QIcon();
    if (icon.cacheKey() != m_centreIcon->view().icon.cacheKey())
        m_centreIcon->setIcon(icon);
    ++m_revision;
    scheduleAccessibilityCheck();
    repaintMoving();
}

void CircularSwitcherView::onVisibility()
{
    if (!m_model)
        return;
    const bool visible = m_model->isVisible();
    if (visible == m_visible)
        return;
    m_visible = visible;
    m_pacer.restart(!visible);
    const bool rm = reduceMotion();
    if (m_model->animationsDisabled()) {
        syncAll(false);
        return;
    }
    const RingAnimation ringMotion
        = visible ? RingMotion::entry(rm).delayed(rm ? 0.0 : -RingMotion::entryLead) : RingMotion::exit(rm);
    const RingAnimation bandMotion
        = visible ? RingMotion::bandEntry(rm).delayed(rm ? 0.0 : -RingMotion::entryLead) : RingMotion::exit(rm);
    m_ring.animateTo(visible ? 1.0 : 0.0, ringMotion);
    m_band.setRadii(RingMotion::bandInnerRadius(visible, rm), RingMotion::bandOuterRadius(visible, rm), bandMotion);
    for (size_t i = 0; i < m_wedges.size(); ++i) {
        m_wedges[i]->presence.animateTo(visible ? 1.0 : 0.0, RingMotion::segmentVisibility(int(i), visible, rm));
        m_wedges[i]->spin.animateTo(visible ? 1.0 : 0.0, RingMotion::iconSpinVisibility(int(i), visible, rm));
    }
    scheduleAccessibilityCheck();
    repaintMoving();
}

void CircularSwitcherView::onSelection()
{
    if (!m_model)
        return;
    const bool animated = !m_model->animationsDisabled();
    const bool indexChanged = m_model->selectedIndex() != m_selectedIndex;
    m_selectedIndex = m_model->selectedIndex();
    m_selectedWindow = m_model->selectedWindowIndex();
    // The wedges animate changes of the selected application; a window taking
    // the selection only changes their look.
    syncWedgeSelection(animated && indexChanged);
    if (indexChanged) {
        const bool rm = reduceMotion();
        // The fan turns the short way round to the newly selected application.
        double target = selectedAppAngle();
        const double now = m_fanAngle.value();
        target += twoPi * std::round((now - target) / twoPi);
        if (animated && !m_fan->cards.empty())
            m_fanAngle.animateTo(target, RingMotion::selection(rm));
        else
            m_fanAngle.setValue(target);
        // The centre icon cross-fades to the new application.
        const auto highlighted = m_model->highlightedApp();
        const QIcon icon = highlighted ? iconFor(*highlighted) : QIcon();
        if (icon.cacheKey() != m_centreIcon->view().icon.cacheKey()) {
            m_previousCenterIcon = m_centreIcon->view().icon;
            m_centreIcon->setIcon(icon);
            if (animated && !m_previousCenterIcon.isNull()) {
                m_centreSwap.setValue(0.0);
                m_centreSwap.animateTo(1.0, RingMotion::selection(rm));
            } else {
                m_centreSwap.setValue(1.0);
                m_previousCenterIcon = QIcon();
            }
        }
    }
    // Cards follow the selected window with the selection curve.
    const bool rm = reduceMotion();
    for (size_t j = 0; j < m_fan->cards.size(); ++j) {
        const double target = m_selectedWindow && *m_selectedWindow == int(j) ? 1.0 : 0.0;
        if (animated)
            m_fan->cards[j]->selection.animateTo(target, RingMotion::selection(rm));
        else
            m_fan->cards[j]->selection.setValue(target);
    }
    ++m_revision;
    scheduleAccessibilityCheck();
    repaintMoving();
}

void CircularSwitcherView::syncWedgeSelection(bool animated)
{
    const bool rm = reduceMotion();
    for (size_t i = 0; i < m_wedges.size(); ++i) {
        const double target = (int(i) == m_selectedIndex && !m_selectedWindow) ? 1.0 : 0.0;
        if (animated)
            m_wedges[i]->selection.animateTo(target, RingMotion::selection(rm));
        else
            m_wedges[i]->selection.setValue(target);
    }
}

void CircularSwitcherView::onWindows()
{
    if (!m_model)
        return;
    syncFan(!m_model->animationsDisabled());
    ++m_revision;
    scheduleAccessibilityCheck();
    repaintMoving();
}

void CircularSwitcherView::syncFan(bool animated)
{
    if (!m_model)
        return;
    const QList<AppWindow> shown = m_model->pointerSelectionEnabled() ? m_model->windows() : QList<AppWindow>();
    if (m_fan->sameWindows(shown)) {
        for (qsizetype j = 0; j < shown.size(); ++j)
            m_fan->cards[size_t(j)]->window = shown[j];
        return;
    }
    const bool wasEmpty = m_fan->cards.empty();
    auto fan = std::make_unique<Fan>();
    for (qsizetype j = 0; j < shown.size(); ++j) {
        auto card = std::make_unique<CardState>();
        card->window = shown[j];
        card->selection.setValue(m_selectedWindow && *m_selectedWindow == int(j) ? 1.0 : 0.0);
        fan->cards.push_back(std::move(card));
    }
    if (wasEmpty || !animated) {
        // A fan that appears stands at its application at once.
        double target = selectedAppAngle();
        target += twoPi * std::round((m_fanAngle.value() - target) / twoPi);
        m_fanAngle.setValue(target);
    }
    if (animated && !(wasEmpty && shown.isEmpty())) {
        m_fan->frozenAngle = m_fanAngle.value();
        m_oldFan = wasEmpty ? nullptr : std::move(m_fan);
        m_fanSwap.setValue(0.0);
        m_fanSwap.animateTo(1.0, RingMotion::content(reduceMotion()));
    } else {
        m_oldFan.reset();
        m_fanSwap.setValue(1.0);
    }
    m_fan = std::move(fan);
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

double CircularSwitcherView::ringPresence() const { return m_ring.value(); }

double CircularSwitcherView::wedgePresence(int index) const
{
    return index >= 0 && size_t(index) < m_wedges.size() ? m_wedges[size_t(index)]->presence.value() : 0.0;
}

double CircularSwitcherView::wedgeSelection(int index) const
{
    return index >= 0 && size_t(index) < m_wedges.size() ? m_wedges[size_t(index)]->selection.value() : 0.0;
}

double CircularSwitcherView::bandInnerRadius() const { return m_band.innerRadius(); }
double CircularSwitcherView::bandOuterRadius() const { return m_band.outerRadius(); }
double CircularSwitcherView::fanAngle() const { return m_fanAngle.value(); }
bool CircularSwitcherView::isFanShown() const { return !m_fan->cards.empty(); }

bool CircularSwitcherView::isAnimating() const
{
    if (m_ring.isAnimating() || m_band.isAnimating() || m_fanSwap.isAnimating() || m_fanAngle.isAnimating()
        || m_centreSwap.isAnimating())
        return true;
    for (const auto& w : m_wedges) {
        if (w->presence.isAnimating() || w->spin.isAnimating() || w->selection.isAnimating())
            return true;
    }
    for (const auto& c : m_fan->cards) {
        if (c->selection.isAnimating())
            return true;
    }
    return false;
}

bool CircularSwitcherView::isAtRest() const
{
    // Springs take a while to come to rest after the last visible movement:
    // once everything is within a fraction of a pixel of its target, the ring
    // is drawn from its rest layer.
    if (!m_visible)
        return false;
    const auto near = [](const AnimatedValue& v, double tolerance) { return std::abs(v.value() - v.target()) <= tolerance; };
    if (!near(m_ring, 0.002) || !near(m_fanSwap, 0.002) || !near(m_fanAngle, 0.0005) || !near(m_centreSwap, 0.01)
        || std::abs(m_band.innerRadius() - RingMotion::settledInnerRadius) > 0.2
        || std::abs(m_band.outerRadius() - RingMotion::settledOuterRadius) > 0.2)
        return false;
    for (const auto& w : m_wedges) {
        if (!near(w->presence, 0.002) || !near(w->spin, 0.002) || !near(w->selection, 0.005))
            return false;
    }
    for (const auto& c : m_fan->cards) {
        if (!near(c->selection, 0.005))
            return false;
    }
    return true;
}
