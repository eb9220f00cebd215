#include "switcher/CircularSwitcherView.h"

#include "core/AppSettings.h"
#include "platform/DisplayPreferences.h"
#include "platform/Scheduler.h"
#include "switcher/AppActivator.h"
#include "ringkit/RingAnnounce.h"
#include "ringkit/CentreAppIcon.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "ringkit/RingElement.h"
#include "ringkit/RingPanel.h"
#include "ringkit/RingMotion.h"
#include "ringkit/WindowArcCard.h"
#include "ringkit/WindowArcGeometry.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLinearGradient>
#include <QLocale>
#include <QMouseEvent>
#include <QPainterPath>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double pi = std::numbers::pi;
constexpr double twoPi = 2.0 * std::numbers::pi;

double mix(double hidden, double settled, double progress) { return hidden + (settled - hidden) * progress; }
double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
double degreesOf(double radians) { return radians * 180.0 / pi; }

// The system blue of the light and dark appearance.
QColor systemBlue(bool dark) { return dark ? QColor(10, 132, 255) : QColor(0, 122, 255); }

QColor withAlpha(QColor c, double alpha)
{
    c.setAlphaF(float(clamp01(alpha)));
    return c;
}

QColor mixColour(const QColor& a, const QColor& b, double t)
{
    t = clamp01(t);
    return QColor::fromRgbF(float(mix(a.redF(), b.redF(), t)), float(mix(a.greenF(), b.greenF(), t)),
                            float(mix(a.blueF(), b.blueF(), t)), float(mix(a.alphaF(), b.alphaF(), t)));
}


}

// ---- RadialSegmentView --------------------------------------------------------------------

QRectF RadialSegmentView::iconRect(QPointF centre) const
{
    const double side = isSelected ? selectedIconSide : iconSide;
    const QPointF c = iconCentre(centre);
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

// ---- Animated state ------------------------------------------------------------------------

struct CircularSwitcherView::WedgeState {
    RunningApp app;
    AnimatedValue presence {0.0, RingMotion::segmentPresenceRestTolerance}; // scale, sweep, opacity and icon blur
    AnimatedValue spin {0.0, RingMotion::iconSpinRestTolerance};            // the icon's turn
    AnimatedValue selection {0.0, RestTolerance::unit};
    mutable RingLayerCache shapeLayer;
    mutable RingBlurCache iconBlur;
    mutable QImage sizedIcon; // the icon reduced to about the pixels it is drawn with
    mutable int sizedWidth = 0;
    mutable qint64 sizedSource = 0;

    // The icon at most `width` pixels wide, its size in points kept.
    const QImage& iconAtWidth(int width) const
    {
        if (app.icon.isNull() || width <= 0 || app.icon.width() <= width)
            return app.icon;
        if (width != sizedWidth || app.icon.cacheKey() != sizedSource) {
            sizedIcon = app.icon.scaledToWidth(width, Qt::SmoothTransformation);
            sizedIcon.setDevicePixelRatio(app.icon.devicePixelRatio() * double(width) / double(app.icon.width()));
            sizedWidth = width;
            sizedSource = app.icon.cacheKey();
        }
        return sizedIcon;
    }
};

struct CircularSwitcherView::CardState {
    AppWindow window;
    AnimatedValue selection {0.0, RestTolerance::unit};
};

struct CircularSwitcherView::Fan {
    std::vector<std::unique_ptr<CardState>> cards;
    double frozenAngle = 0.0; // a fan fading out stays where it was

    bool sameWindows(const QList<AppWindow>& windows) const
    {
        if (windows.size() != qsizetype(cards.size()))
            return false;
        for (qsizetype i = 0; i < windows.size(); ++i) {
            if (windows[i].id != cards[size_t(i)]->window.id)
                return false;
        }
        return true;
    }
};

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
        RingPanel::updateContent(this, movingArea());
    });
    connect(m_centreIcon, &TiltingCenterAppIcon::tiltChanged, this, [this] { update(movingArea()); });
    connect(&AppSettings::shared(), &AppSettings::ringScaleChanged, this, [this] { update(); });

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
    m_previousCentreIcon = QIcon();
    ++m_revision;
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
    update();
}

void CircularSwitcherView::onVisibility()
{
    if (!m_model)
        return;
    const bool visible = m_model->isVisible();
    if (visible == m_visible)
        return;
    m_visible = visible;
    m_pacer.restart();
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
    update();
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
            m_previousCentreIcon = m_centreIcon->view().icon;
            m_centreIcon->setIcon(icon);
            if (animated && !m_previousCentreIcon.isNull()) {
                m_centreSwap.setValue(0.0);
                m_centreSwap.animateTo(1.0, RingMotion::selection(rm));
            } else {
                m_centreSwap.setValue(1.0);
                m_previousCentreIcon = QIcon();
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
    update();
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
    update();
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


// ---- Clicks --------------------------------------------------------------------------------

QPointF CircularSwitcherView::stagePoint(QPointF widgetPoint) const
{
    const double side = std::min(width(), height());
    const double scale = side > 0 ? side / stageSize : 1.0;
    const QPointF mid(width() / 2.0, height() / 2.0);
    return (widgetPoint - mid) / scale + QPointF(stageSize / 2.0, stageSize / 2.0);
}

CircularSwitcherView::Hit CircularSwitcherView::hitTest(QPointF widgetPoint) const
{
    if (!m_model || !m_model->isVisible())
        return {};
    const QPointF q = stagePoint(widgetPoint);
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const QRectF stage(0, 0, stageSize, stageSize);

    // Cards lie above the wedges: the selected one on top, then each card above the next.
    const QList<AppWindow>& windows = m_model->windows();
    if (m_model->pointerSelectionEnabled() && !windows.isEmpty()) {
        std::vector<int> order;
        const auto sel = m_model->selectedWindowIndex();
        if (sel && *sel >= 0 && *sel < windows.size())
            order.push_back(*sel);
        for (int j = 0; j < int(windows.size()); ++j) {
            if (!(sel && *sel == j))
                order.push_back(j);
        }
        for (int j : order) {
            WindowArcSegmentView card;
            card.index = j;
            card.total = int(windows.size());
            card.isSelected = sel && *sel == j;
            card.arcCenterAngle = selectedAppAngle();
            card.radialGapInner = 9.0;
            const QPainterPath path = card.depthTransform(c).map(card.shape().path(stage));
            if (path.contains(q))
                return {Hit::Kind::card, j};
        }
    }
    const int n = int(m_model->runningApps().size());
    std::vector<int> order;
    if (m_selectedIndex >= 0 && m_selectedIndex < n && !m_model->isPointingAtWindow())
        order.push_back(m_selectedIndex);
    for (int i = n - 1; i >= 0; --i) {
        if (order.empty() || order.front() != i)
            order.push_back(i);
    }
    for (int i : order) {
        if (segment(i).contains(q, c))
            return {Hit::Kind::wedge, i};
    }
    return {};
}

RadialSegmentView CircularSwitcherView::segment(int index) const
{
    RadialSegmentView s;
    if (m_model && index >= 0 && index < m_model->runningApps().size())
        s.app = m_model->runningApps()[index];
    s.index = index;
    s.totalApps = m_model ? int(m_model->runningApps().size()) : 0;
    s.isSelected = index == m_selectedIndex && !m_selectedWindow;
    s.isVisible = m_visible;
    s.reduceMotion = reduceMotion();
    s.radialGapOuter = 6.0;
    s.radialGapInner = 4.0;
    s.desiredVisualGap = 8.0;
    return s;
}

void CircularSwitcherView::clickWedge(int index)
{
    if (!m_model || index < 0 || index >= m_model->runningApps().size())
        return;
    const RunningApp app = m_model->runningApps()[index];
    const QUuid session = m_model->appearSession();
    // The wedge takes the selection (and the windows shown are its own), so
    // whatever commits now commits this application.
    m_model->setSelectedWindowIndex(std::nullopt);
    m_model->setSelectedIndex(index);
    m_model->refreshWindowsForSelection();
    QPointer<CircularSwitcherView> self(this);
    Scheduler::shared().postAfter(clickActionDelay, [self, index, app, session] {
        // Nothing of a showing that has since ended (Escape, another click's
        // hide, a new showing) may commit.
        if (!self || !self->m_model || self->m_model->appearSession() != session || !self->m_model->isVisible())
            return;
        if (self->onCommitRequest) {
            self->onCommitRequest(index, std::nullopt);
            return;
        }
        AppActivator::activate(app);
        self->m_model->hide();
    });
}

void CircularSwitcherView::clickCard(int index)
{
    if (!m_model || index < 0 || index >= m_model->windows().size())
        return;
    const QUuid session = m_model->appearSession();
    const int appIndex = m_model->selectedIndex();
    m_model->setSelectedWindowIndex(index);
    QPointer<CircularSwitcherView> self(this);
    Scheduler::shared().postAfter(clickActionDelay, [self, index, appIndex, session] {
        if (!self || !self->m_model || self->m_model->appearSession() != session || !self->m_model->isVisible())
            return;
        if (self->onCommitRequest) {
            self->onCommitRequest(appIndex, index);
            return;
        }
        self->m_model->activateSelected();
    });
}

void CircularSwitcherView::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton ? hitTest(event->position()) : Hit {};
    event->accept();
}

void CircularSwitcherView::mouseReleaseEvent(QMouseEvent* event)
{
    const Hit pressed = m_pressed;
    m_pressed = {};
    event->accept();
    if (event->button() != Qt::LeftButton || pressed.kind == Hit::Kind::none || hitTest(event->position()) != pressed)
        return;
    if (pressed.kind == Hit::Kind::wedge)
        clickWedge(pressed.index);
    else
        clickCard(pressed.index);
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

// ---- Drawing -----------------------------------------------------------------------------------

QRect CircularSwitcherView::movingArea() const
{
    // Without window cards everything drawn lies on the band's square: only
    // the part this frame draws on, and the part the last one drew on (which
    // must be cleared), is painted again and sent to the display.
    if (!m_fan->cards.empty() || m_oldFan)
        return rect();
    return reachArea() | (m_drawnArea.isNull() ? rect() : m_drawnArea);
}

double CircularSwitcherView::ringRadius() const
{
    // Out to the band's rim (which overshoots as it opens) or the farthest
    // wedge (the icons lie well inside), with its outline and a margin.
    const bool rm = reduceMotion();
    double wedgeScale = 1.0;
    for (const auto& w : m_wedges) {
        wedgeScale = std::max(wedgeScale, mix(RingMotion::segmentScale(false, rm), RingMotion::segmentScale(true, rm),
                                              w->presence.value()));
    }
    return std::max(m_band.outerRadius(), RingMotion::settledOuterRadius * wedgeScale) + 6.0;
}

double CircularSwitcherView::blur() const
{
    const bool rm = reduceMotion();
    return std::max(0.0, mix(RingMotion::wheelBlur(false, rm), RingMotion::wheelBlur(true, rm), m_ring.value()));
}

QRect CircularSwitcherView::reachArea() const
{
    const double blur = this->blur();
    // Blurred, the ring spreads as far as its layer: three times the blur
    // and a layer pixel beyond what it holds.
    const double side = std::min(width(), height());
    const double scale = side > 0 ? side / stageSize : 1.0;
    double reach = ringRadius();
    if (RingBlurLayer::isWanted(blur))
        reach += RingBlurLayer::spread(blur, devicePixelRatioF() * scale) + 2.0;
    reach = std::min(reach, RingMotion::bandCanvasSize / 2.0 + 2.0 * RingMotion::wheelBlur(false, false) + 8.0) * scale;
    const QPointF mid(width() / 2.0, height() / 2.0);
    return QRectF(mid.x() - reach, mid.y() - reach, 2.0 * reach, 2.0 * reach).toAlignedRect().intersected(rect());
}

void CircularSwitcherView::prerender(double devicePixelRatio)
{
    if (!m_model || m_visible || isAnimating())
        return;
    const bool rm = reduceMotion();
    m_visible = true;
    m_ring.setValue(1.0);
    m_band.setRadii(RingMotion::bandInnerRadius(true, rm), RingMotion::bandOuterRadius(true, rm));
    for (auto& w : m_wedges) {
        w->presence.setValue(1.0);
        w->spin.setValue(1.0);
    }
    const double dpr = std::max(1.0, devicePixelRatio);
    QImage image(QSize(std::max(1, int(std::ceil(width() * dpr))), std::max(1, int(std::ceil(height() * dpr)))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    const auto paintOnce = [&] {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paintRing(painter);
    };
    paintOnce();
    // The first frames of a showing: blurred while the ring opens, then
    // sharp with every part moving. Painted once here, their layers and
    // buffers are ready for the first showing.
    m_paintsMoving = true;
    for (const double pose : {0.3, 0.97}) {
        m_ring.setValue(pose);
        for (auto& w : m_wedges) {
            w->presence.setValue(pose);
            w->spin.setValue(pose);
        }
        paintOnce();
    }
    m_paintsMoving = false;
    // The layer of the settled ring is made again for the showing's own list.
    m_restLayer.clear();
    m_visible = false;
    m_ring.setValue(0.0);
    m_band.setRadii(RingMotion::bandInnerRadius(false, rm), RingMotion::bandOuterRadius(false, rm));
    for (auto& w : m_wedges) {
        w->presence.setValue(0.0);
        w->spin.setValue(0.0);
    }
}

void CircularSwitcherView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintRing(painter);
    m_drawnArea = reachArea();
    m_pacer.painted(blur());
}

void CircularSwitcherView::paintRing(QPainter& p) const
{
    if (!m_model)
        return;
    const double ring = m_ring.value();
    if (ring <= 0.001 && !isAnimating())
        return; // hidden: the panel stays clear
    const bool rm = reduceMotion();
    const RingPalette palette = RingPalette::current();
    const double side = std::min(width(), height());
    const double scale = side > 0 ? side / stageSize : 1.0;
    const double dpr = p.device() ? p.device()->devicePixelRatioF() : devicePixelRatioF();
    const double spin = mix(RingMotion::wheelSpin(false, rm), RingMotion::wheelSpin(true, rm), ring);
    const double blur = this->blur();

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.translate(width() / 2.0, height() / 2.0);
    p.scale(scale, scale);
    p.translate(-stageSize / 2.0, -stageSize / 2.0);
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const auto turn = [&](QPainter& q) {
        // A turn too small to see (under RestTolerance::points at the band's
        // rim) is left out: images are then copied, not resampled.
        if (std::abs(spin) * RingMotion::settledOuterRadius <= RestTolerance::points)
            return;
        q.translate(c);
        q.rotate(degreesOf(spin));
        q.translate(-c);
    };

    if (RingBlurLayer::isWanted(blur)) {
        // The whole ring blurred, turned inside the small layer so that the
        // enlargement is a plain scaling. Only the ring's square and the
        // cards hold anything.
        const double reach = ringRadius();
        QRectF content(c.x() - reach, c.y() - reach, 2.0 * reach, 2.0 * reach);
        for (const Fan* fan : {m_fan.get(), m_oldFan.get()}) {
            if (!fan)
                continue;
            const double angle = fan == m_fan.get() ? m_fanAngle.value() : fan->frozenAngle;
            for (size_t j = 0; j < fan->cards.size(); ++j) {
                for (bool selected : {false, true}) {
                    WindowArcSegmentView v;
                    v.isSelected = selected;
                    v.index = int(j);
                    v.total = int(fan->cards.size());
                    v.arcCenterAngle = angle;
                    v.radialGapInner = 9.0;
                    content |= v.bounds(c);
                }
            }
        }
        m_blurLayer.draw(p, content, blur, dpr * scale, [&](QPainter& lp, double layerScale) {
            paintStage(lp, palette, layerScale, turn, true);
        });
    } else {
        // Sharp, the spin is a third of a degree at most: the band, a ring,
        // looks the same turned by it, and is copied rather than resampled.
        paintStage(p, palette, dpr * scale, turn, false);
    }
    p.restore();
}

void CircularSwitcherView::paintStage(QPainter& p, const RingPalette& palette, double deviceScale,
                                      const std::function<void(QPainter&)>& turn, bool bandTurns) const
{
    if (bandTurns)
        turn(p);
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    if (!m_paintsMoving && isAtRest()) {
        // At rest only the centre icon moves (it follows the pointer): the
        // band, the wedges and the cards come from one layer.
        const quint64 key = (m_revision << 8) ^ (palette.dark ? 1u : 0u) ^ (palette.reduceTransparency ? 2u : 0u)
            ^ (quint64(palette.accent.rgba()) << 32);
        const QImage& layer = m_restLayer.layer(key, QSizeF(stageSize, stageSize),
                                                deviceScale, [&](QPainter& lp) {
                                                    lp.setRenderHint(QPainter::Antialiasing, true);
                                                    lp.setRenderHint(QPainter::SmoothPixmapTransform, true);
                                                    m_band.paint(lp, c, palette);
                                                    paintWedges(lp, palette, deviceScale);
                                                    paintFan(lp, *m_fan, 1.0, palette);
                                                });
        RingEffects::drawImageInBands(p, QRectF(0, 0, stageSize, stageSize), layer);
        paintCentre(p);
        return;
    }
    const double ringOpacity = clamp01(m_ring.value());
    // 1a. The band fades with the ring while its radii follow their own spring.
    if (ringOpacity > 0.0) {
        p.save();
        p.setOpacity(ringOpacity);
        m_band.paint(p, c, palette);
        p.restore();
    }
    if (!bandTurns)
        turn(p);
    // 1b. The wedges.
    paintWedges(p, palette, deviceScale);
    // 1c. The window fan, cross-faded when its list changes.
    const double swap = clamp01(m_fanSwap.value());
    if (m_oldFan && swap < 1.0)
        paintFan(p, *m_oldFan, ringOpacity * (1.0 - swap), palette);
    paintFan(p, *m_fan, ringOpacity * swap, palette);
    // 1d. The centre icon.
    paintCentre(p);
}

void CircularSwitcherView::paintWedges(QPainter& p, const RingPalette& palette, double deviceScale) const
{
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const int n = int(m_wedges.size());
    if (n == 0)
        return;
    const bool rm = reduceMotion();
    const double h = RadialSegmentView::frameSide / 2.0;
    const QRectF frame(c.x() - h, c.y() - h, RadialSegmentView::frameSide, RadialSegmentView::frameSide);

    // z-order: by index, the selected wedge on top.
    std::vector<int> order;
    for (int i = 0; i < n; ++i) {
        if (m_wedges[size_t(i)]->selection.value() < 0.5)
            order.push_back(i);
    }
    for (int i = 0; i < n; ++i) {
        if (m_wedges[size_t(i)]->selection.value() >= 0.5)
            order.push_back(i);
    }

    for (int i : order) {
        const WedgeState& w = *m_wedges[size_t(i)];
        const double presence = w.presence.value();
        const double opacity = clamp01(presence);
        if (opacity <= 0.0)
            continue;
        const double sel = w.selection.value();
        RadialSegmentView seg = segment(i);
        seg.app = w.app;

        p.save();
        p.setOpacity(p.opacity() * opacity);
        const double wedgeScale = mix(RingMotion::segmentScale(false, rm), RingMotion::segmentScale(true, rm), presence);
        const double sweep = mix(RingMotion::segmentSweep(false, rm), RingMotion::segmentSweep(true, rm), presence);
        // A turn or scale too small to see is left out: the layer is then
        // copied instead of resampled.
        if (std::abs(wedgeScale - 1.0) > 0.001 || std::abs(sweep) > 0.0005) {
            p.translate(c);
            p.rotate(degreesOf(sweep));
            p.scale(wedgeScale, wedgeScale);
            p.translate(-c);
        }

        // The wedge, from its own layer while its look stays the same.
        const QPainterPath path = seg.path(c);
        const double quantized = std::round(clamp01(sel) * 32.0) / 32.0;
        // The layer's resolution follows the device, not the wedge's scale
        // (which only springs around 1), so it is drawn once per look.
        const double sharp = std::max(0.25, std::round(deviceScale * 4.0) / 4.0);
        // Room for the outline and a clear pixel all round.
        const double pad = 2.0 + 1.5 / sharp;
        // On whole pixels of the layer, so that a wedge standing still is copied.
        const QRectF box = RingEffects::outwardToPixels(path.boundingRect().adjusted(-pad, -pad, pad, pad), sharp);
        const quint64 key = quint64(quantized * 32.0) | quint64(palette.dark ? 64 : 0) | (quint64(n) << 8)
            | (quint64(i) << 20);
        // The plain and the selected look are kept across showings (the
        // wedges of the same count are the same shapes); the looks in
        // between only while this showing's selection moves.
        RingLayerCache* cache = &w.shapeLayer;
        if (quantized == 0.0 || quantized == 1.0) {
            // Also by resolution: an opening ring draws them small while blurred.
            const quint64 kept = key | (quint64(std::min(63.0, sharp * 4.0)) << 40);
            if (m_wedgeLayers.size() >= 160 && !m_wedgeLayers.contains(kept))
                m_wedgeLayers.clear();
            cache = &m_wedgeLayers[kept];
        }
        const QImage& layer = cache->layer(key, box.size(), sharp, [&](QPainter& lp) {
            lp.translate(-box.topLeft());
            RadialSegmentView::paintShape(lp, path, frame, quantized, palette.dark);
        });
        RingEffects::drawImageInBands(p, box, layer);

        // The icon: 48 points, 64 and grown by a tenth when selected, blurred
        // and turned back while the ring opens.
        if (!w.app.icon.isNull()) {
            const double iconSide = mix(RadialSegmentView::iconSide, RadialSegmentView::selectedIconSide, clamp01(sel))
                * mix(1.0, RadialSegmentView::selectedIconScale, clamp01(sel));
            const double blur = std::max(0.0, mix(RingMotion::iconBlur(false, rm), RingMotion::iconBlur(true, rm), presence));
            const double turn = mix(RingMotion::iconSpin(false, rm), RingMotion::iconSpin(true, rm), w.spin.value());
            // A finer blur than a point cannot be seen on a moving icon. The
            // blur works on no more pixels than the icon is drawn with.
            const int drawnWidth = int(std::ceil(RadialSegmentView::selectedIconSide * RadialSegmentView::selectedIconScale
                                                 * deviceScale)) + 1;
            // Sharp, the icon is reduced once to the pixels it covers (in steps
            // of 8, as its size moves with the selection) rather than
            // resampled from its full size every frame.
            const int sharpWidth = int(std::ceil(iconSide * deviceScale / 8.0)) * 8;
            const QImage image = blur >= 1.0 ? w.iconBlur.blurred(w.app.icon, blur, true, drawnWidth) : w.iconAtWidth(sharpWidth);
            const QPointF at = seg.iconCentre(c);
            // The drawn square grows with the padding of a blurred image.
            const double grow = image.deviceIndependentSize().width() / std::max(1e-9, w.app.icon.deviceIndependentSize().width());
            const double drawn = iconSide * grow;
            p.translate(at);
            if (std::abs(turn) > 0.0005)
                p.rotate(degreesOf(turn));
            RingEffects::drawImageInBands(
                p, QRectF(-drawn / 2.0, -drawn / 2.0, drawn, drawn * double(image.height()) / double(std::max(1, image.width()))),
                image);
        }
        p.restore();
    }
}

void CircularSwitcherView::paintFan(QPainter& p, const Fan& fan, double opacity, const RingPalette& palette) const
{
    if (fan.cards.empty() || opacity <= 0.001)
        return;
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const int total = int(fan.cards.size());
    const double angle = &fan == m_fan.get() ? m_fanAngle.value() : fan.frozenAngle;
    const auto cardView = [&](int j, bool selected) {
        WindowArcSegmentView v;
        v.title = fan.cards[size_t(j)]->window.title;
        v.isSelected = selected;
        v.index = j;
        v.total = total;
        v.arcCenterAngle = angle;
        v.radialGapInner = 9.0;
        return v;
    };
    // Earlier cards above later ones; the selected card above all.
    std::vector<int> order;
    for (int j = total - 1; j >= 0; --j) {
        if (fan.cards[size_t(j)]->selection.value() < 0.5)
            order.push_back(j);
    }
    for (int j = total - 1; j >= 0; --j) {
        if (fan.cards[size_t(j)]->selection.value() >= 0.5)
            order.push_back(j);
    }
    p.save();
    const double base = p.opacity() * clamp01(opacity);
    for (int j : order) {
        const double sel = clamp01(fan.cards[size_t(j)]->selection.value());
        if (sel < 1.0) {
            p.setOpacity(base * (sel > 0.0 ? 1.0 - sel : 1.0));
            m_cards.paint(p, cardView(j, false), c, palette);
        }
        if (sel > 0.0) {
            p.setOpacity(base * sel);
            m_cards.paint(p, cardView(j, true), c, palette);
        }
    }
    p.restore();
}

void CircularSwitcherView::paintCentre(QPainter& p) const
{
    if (!m_model || !m_model->highlightedApp())
        return;
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const double opacity = clamp01(m_ring.value());
    if (opacity <= 0.0)
        return;
    const double swap = clamp01(m_centreSwap.value());
    p.save();
    if (!m_previousCentreIcon.isNull() && swap < 1.0) {
        p.setOpacity(opacity * (1.0 - swap));
        m_centrePainter.paint(p, c, m_previousCentreIcon, m_centreIcon->rotationX(), m_centreIcon->rotationY());
    }
    p.setOpacity(opacity * swap);
    m_centrePainter.paint(p, c, m_centreIcon->view().icon, m_centreIcon->rotationX(), m_centreIcon->rotationY());
    p.restore();
}
