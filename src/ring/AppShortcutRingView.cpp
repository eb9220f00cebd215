#include "ring/AppShortcutRingView.h"
#include "ring/AppShortcutRingStage.h"

#include "core/AppSettings.h"
#include "platform/DisplayPreferences.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"
#include "ring/AppShortcutRingViewModel.h"
#include "ringkit/RingAnnounce.h"
#include "ringkit/RingMotion.h"
#include "ringkit/RingPanel.h"
#include "ringkit/WindowArcGeometry.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <cmath>

using namespace shortcut_ring_view;

AppShortcutRingView::AppShortcutRingView(AppShortcutRingViewModel* model, QWidget* parent)
    : QWidget(parent)
    , m_platform(model->platform())
    , m_model(model)
    , m_centreIcon(m_platform.screens())
{
    RingElement::registerView<AppShortcutRingView>(QAccessible::Dial, &AppShortcutRingView::accessibilityDescription);

    setAttribute(Qt::WA_NoSystemBackground, true);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(accessibilityLabel());
    const int side = int(std::lround(stageSize * ringScale()));
    resize(side, side);

    connect(&AnimationEngine::shared(), &AnimationEngine::frame, this, [this] {
        if (!m_pacer.defers(blur()))
            RingPanel::updateContent(this, frameArea());
    });
    connect(&m_centreIcon, &TiltingCenterAppIcon::tiltChanged, this,
        [this] { RingPanel::updateContent(this, tiltArea()); });
    connect(&m_platform.displayPreferences(), &DisplayPreferences::changed, this, [this] {
        ++m_contentVersion;
        update();
    });

    if (model) {
        using M = AppShortcutRingViewModel;
        connect(model, &M::isVisibleChanged, this, &AppShortcutRingView::onVisibilityChanged);
        connect(model, &M::appearSessionChanged, this, &AppShortcutRingView::onSessionChanged);
        connect(model, &M::selectedIndexChanged, this, &AppShortcutRingView::onSelectionChanged);
        connect(model, &M::shortcutsChanged, this, [this] {
            rebuildWedges();
            onPageChanged();
        });
        connect(model, &M::pageIndexChanged, this, &AppShortcutRingView::onPageChanged);
        connect(model, &M::pageCountChanged, this, &AppShortcutRingView::onPageChanged);
        connect(model, &M::arcVariantsChanged, this, &AppShortcutRingView::onArcChanged);
        connect(model, &M::selectedArcIndexChanged, this, &AppShortcutRingView::onArcChanged);
        connect(model, &M::pointerSelectionEnabledChanged, this, &AppShortcutRingView::onArcChanged);
        connect(model, &M::currentAppChanged, this, &AppShortcutRingView::onCurrentAppChanged);
        connect(model, &M::ringCenterChanged, this, [this] {
            if (m_model)
                m_centreIcon.setRingCenter(m_model->ringCenter());
        });
        connect(&model->pointer(), &RingPointer::locationChanged, this, [this] {
            if (m_model)
                m_centreIcon.setPointer(m_model->pointer().location());
        });
        m_centreIcon.setRingCenter(model->ringCenter());
        onCurrentAppChanged();
    }
    snapToModel();
    m_description = accessibilityDescription();
    m_descriptionPending = false;
}

AppShortcutRingView::~AppShortcutRingView() = default;

// ---- texts -----------------------------------------------------------------------

QString AppShortcutRingView::accessibilityLabel()
{
    return QCoreApplication::translate("Kelvaro", "Shortcut Launcher");
}

QString AppShortcutRingView::accessibilityHint()
{
    return QCoreApplication::translate("Kelvaro", "Arrow keys choose, Return runs the shortcut, Escape dismisses.");
}

QString AppShortcutRingView::accessibilityDescription() const
{
    if (!m_model)
        return QCoreApplication::translate("Kelvaro", "No shortcuts");
    const auto& items = m_model->shortcuts();
    const int i = m_model->selectedIndex();
    if (i < 0 || i >= items.size())
        return QCoreApplication::translate("Kelvaro", "No shortcuts");
    const QLocale system = QLocale::system();
    return RingElement::systemLocalized(QT_TRANSLATE_NOOP("Kelvaro", "%1, %2 of %3"))
        .arg(items[i].name, system.toString(i + 1), system.toString(int(items.size())));
}

QString AppShortcutRingView::cardTitle(int index) const
{
    if (!m_model || index < 0 || index >= m_model->arcVariants().size())
        return {};
    const QString& label = m_model->arcVariants()[index].label;
    if (!label.isEmpty())
        return label;
    return QCoreApplication::translate("Kelvaro", "Password %1")
        .arg(AppSettings::shared().resolvedLocale().toString(index + 1));
}

// ---- state -----------------------------------------------------------------------

bool AppShortcutRingView::reduceMotion() const { return m_platform.displayPreferences().reduceMotion(); }

double AppShortcutRingView::ringScale() const
{
    const double s = AppSettings::shared().ringScale();
    return std::isfinite(s) && s > 0.0 ? s : 1.0;
}

bool AppShortcutRingView::showsCardArc() const
{
    return m_model && m_model->pointerSelectionEnabled() && !m_model->arcVariants().isEmpty();
}

bool AppShortcutRingView::showsPageDots() const { return m_model && m_model->pageCount() > 1; }

double AppShortcutRingView::selectedEntryAngle() const
{
    if (!m_model)
        return 0.0;
    const int n = std::max<int>(1, int(m_model->shortcuts().size()));
    return (RingAngles::twoPi / double(n)) * (double(m_model->selectedIndex()) + 0.5);
}

bool AppShortcutRingView::wedgesResting() const
{
    for (const auto& w : m_wedges) {
        if (w->visibility.isAnimating() || w->spin.isAnimating() || w->selected.isAnimating())
            return false;
    }
    return true;
}

bool AppShortcutRingView::isAnimating() const
{
    return m_ring.isAnimating() || m_band.isAnimating() || !wedgesResting() || m_arcAngle.isAnimating()
        || m_arcContent.isAnimating() || m_dotPosition.isAnimating() || m_centreIcon.isAnimating();
}

void AppShortcutRingView::rebuildWedges()
{
    const int n = m_model ? int(m_model->shortcuts().size()) : 0;
    const double v = m_model && m_model->isVisible() ? 1.0 : 0.0;
    const int selected = m_model ? m_model->selectedIndex() : -1;
    m_wedges.clear();
    for (int i = 0; i < n; ++i) {
        auto w = std::make_unique<WedgeMotion>();
        w->visibility.setValue(v);
        w->spin.setValue(v);
        w->selected.setValue(i == selected ? 1.0 : 0.0);
        m_wedges.push_back(std::move(w));
    }
    m_wedgeLayers.assign(size_t(n), RingLayerCache());
    m_labelBlurs.assign(size_t(n), RingBlurCache());
}

void AppShortcutRingView::snapToModel()
{
    const bool visible = m_model && m_model->isVisible();
    const bool rm = reduceMotion();
    m_ring.setValue(visible ? 1.0 : 0.0);
    m_band.setRadii(RingMotion::bandInnerRadius(visible, rm), RingMotion::bandOuterRadius(visible, rm));
    rebuildWedges();
    m_arcAngle.setValue(selectedEntryAngle());
    m_arcContent.setValue(1.0);
    m_dotPosition.setValue(m_model ? m_model->pageIndex() : 0);
    m_arcWasShown = showsCardArc();
    m_arcIds.clear();
    if (m_model) {
        for (const auto& v : m_model->arcVariants())
            m_arcIds.append(v.id);
    }
    ++m_contentVersion;
    update();
}

void AppShortcutRingView::onSessionChanged()
{
    // A new appearance: everything starts again from the hidden pose, and the
    // first spoken value of the new showing is not announced.
    snapToModel();
    m_description = accessibilityDescription();
    m_descriptionPending = false;
}

void AppShortcutRingView::onVisibilityChanged()
{
    if (!m_model)
        return;
    m_pacer.restart(!m_model->isVisible());
    if (m_model->animationsDisabled()) {
        snapToModel();
        return;
    }
    const bool visible = m_model->isVisible();
    const bool rm = reduceMotion();
    const double target = visible ? 1.0 : 0.0;
    const RingAnimation ringMotion
        = visible ? RingMotion::entry(rm).delayed(rm ? 0.0 : -RingMotion::entryLead) : RingMotion::exit(rm);
    const RingAnimation bandMotion
        = visible ? RingMotion::bandEntry(rm).delayed(rm ? 0.0 : -RingMotion::entryLead) : RingMotion::exit(rm);
    m_ring.animateTo(target, ringMotion);
    m_band.setRadii(RingMotion::bandInnerRadius(visible, rm), RingMotion::bandOuterRadius(visible, rm), bandMotion);
    for (size_t i = 0; i < m_wedges.size(); ++i) {
        m_wedges[i]->visibility.animateTo(target, RingMotion::segmentVisibility(int(i), visible, rm));
        m_wedges[i]->spin.animateTo(target, RingMotion::iconSpinVisibility(int(i), visible, rm));
    }
    ++m_contentVersion;
    update();
}

void AppShortcutRingView::onSelectionChanged()
{
    if (!m_model)
        return;
    const int selected = m_model->selectedIndex();
    const bool jump = m_model->animationsDisabled();
    const RingAnimation motion = RingMotion::selection(reduceMotion());
    for (size_t i = 0; i < m_wedges.size(); ++i) {
        const double target = int(i) == selected ? 1.0 : 0.0;
        if (jump)
            m_wedges[i]->selected.setValue(target);
        else
            m_wedges[i]->selected.animateTo(target, motion);
    }
    // The card arc swings to the newly selected wedge.
    if (showsCardArc() && !jump)
        m_arcAngle.animateTo(selectedEntryAngle(), motion);
    else
        m_arcAngle.setValue(selectedEntryAngle());
    ++m_contentVersion;
    refreshDescription(true);
    update();
}

void AppShortcutRingView::onArcChanged()
{
    if (!m_model)
        return;
    const bool shown = showsCardArc();
    QList<QUuid> ids;
    for (const auto& v : m_model->arcVariants())
        ids.append(v.id);
    if (shown && !m_arcWasShown) {
        m_arcAngle.setValue(selectedEntryAngle());
        m_arcContent.setValue(1.0);
    } else if (shown && ids != m_arcIds && !m_model->animationsDisabled()) {
        m_arcContent.setValue(0.0);
        m_arcContent.animateTo(1.0, RingMotion::content(reduceMotion()));
    }
    m_arcWasShown = shown;
    m_arcIds = ids;
    ++m_contentVersion;
    update();
}

void AppShortcutRingView::onPageChanged()
{
    if (!m_model)
        return;
    if (int(m_wedges.size()) != m_model->shortcuts().size())
        rebuildWedges();
    if (m_model->animationsDisabled())
        m_dotPosition.setValue(m_model->pageIndex());
    else
        m_dotPosition.animateTo(m_model->pageIndex(), RingAnimation::spring(0.18, 0.85));
    m_arcAngle.setValue(selectedEntryAngle());
    ++m_contentVersion;
    refreshDescription(true);
    update();
}

void AppShortcutRingView::onCurrentAppChanged()
{
    QIcon icon;
    if (m_model && m_model->currentApp() && !m_model->currentApp()->icon.isNull())
        icon = QIcon(QPixmap::fromImage(m_model->currentApp()->icon));
    m_centreIcon.setIcon(icon);
    update();
}

void AppShortcutRingView::refreshDescription(bool announceChange)
{
    // A page turn publishes the page, its items and the selection one after
    // another; the spoken value is taken once they have all arrived.
    if (announceChange) {
        if (m_descriptionPending)
            return;
        m_descriptionPending = true;
        QPointer<AppShortcutRingView> self(this);
        Scheduler::shared().post([self] {
            if (!self)
                return;
            self->m_descriptionPending = false;
            self->takeDescription(true);
        });
        return;
    }
    takeDescription(false);
}

void AppShortcutRingView::takeDescription(bool announce)
{
    const QString d = accessibilityDescription();
    if (d == m_description)
        return;
    m_description = d;
    if (!announce)
        return;
    RingAnnounce::announce(this, d);
}

// ---- pieces ----------------------------------------------------------------------

ShortcutRadialSegmentView AppShortcutRingView::segment(int index) const
{
    ShortcutRadialSegmentView s;
    if (m_model && index >= 0 && index < m_model->shortcuts().size())
        s.shortcut = m_model->shortcuts()[index];
    s.isSelected = m_model && m_model->selectedIndex() == index;
    s.index = index;
    s.totalShortcuts = m_model ? std::max<int>(1, int(m_model->shortcuts().size())) : 1;
    s.isVisible = m_model && m_model->isVisible();
    s.reduceMotion = reduceMotion();
    s.bandInnerRadius = RingMotion::settledInnerRadius;
    s.bandOuterRadius = RingMotion::settledOuterRadius;
    return s;
}

WindowArcSegmentView AppShortcutRingView::card(int index) const
{
    WindowArcSegmentView c;
    const auto& variants = m_model->arcVariants();
    c.title = cardTitle(index);
    c.hint = variants[index].hint;
    c.isSelected = m_model->selectedArcIndex() && *m_model->selectedArcIndex() == index;
    c.icon = variants[index].icon.isEmpty() ? QIcon()
                                            : RingItemIcons::icon(variants[index].icon, 13.0, 13.0,
                                                c.isSelected ? m_palette.primaryText() : m_palette.secondaryText());
    c.index = index;
    c.total = int(variants.size());
    c.arcCenterAngle = m_arcAngle.value();
    c.radialGapInner = 9.0;
    return c;
}

// ---- hit testing and clicks ---------------------------------------------------------

QPointF AppShortcutRingView::toStage(QPointF widgetPoint) const
{
    const double s = ringScale();
    return { (widgetPoint.x() - width() / 2.0) / s + stageHalf, (widgetPoint.y() - height() / 2.0) / s + stageHalf };
}

AppShortcutRingView::Hit AppShortcutRingView::hitTest(QPointF widgetPoint) const
{
    if (!m_model || !m_model->isVisible())
        return {};
    const QPointF p = toStage(widgetPoint);
    if (QLineF(stageCenter, p).length() > stageHalf)
        return {}; // outside the ring's circle
    if (showsCardArc()) {
        const int n = int(m_model->arcVariants().size());
        std::vector<int> order;
        if (const auto sel = m_model->selectedArcIndex(); sel && *sel >= 0 && *sel < n)
            order.push_back(*sel);
        for (int j = 0; j < n; ++j) {
            if (order.empty() || order.front() != j)
                order.push_back(j);
        }
        const QRectF stage(0, 0, stageSize, stageSize);
        for (int j : order) {
            const WindowArcSegmentView c = card(j);
            if (c.depthTransform(stageCenter).map(c.shape().path(stage)).contains(p))
                return { Hit::Kind::card, j };
        }
    }
    const int n = int(m_model->shortcuts().size());
    for (int i = 0; i < n; ++i) {
        if (segment(i).path(stageCenter).contains(p))
            return { Hit::Kind::wedge, i };
    }
    return {};
}

void AppShortcutRingView::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton ? hitTest(event->position()) : Hit {};
    event->accept();
}

void AppShortcutRingView::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const Hit pressed = m_pressed;
    m_pressed = {};
    if (event->button() != Qt::LeftButton || pressed.kind == Hit::Kind::none || hitTest(event->position()) != pressed
        || !m_model)
        return;
    if (pressed.kind == Hit::Kind::wedge) {
        // Only the highlight moves; the owner runs whatever is selected when it commits.
        m_model->setSelectedIndex(pressed.index);
        return;
    }
    // A card is a choice: it shows selected for a moment, then the owner
    // runs it. Should the pointer have taken the selection elsewhere in that
    // moment, the clicked card is chosen all the same, if it is still shown.
    m_model->setSelectedArcIndex(pressed.index);
    QPointer<AppShortcutRingViewModel> model = m_model;
    const int wedge = m_model->selectedIndex();
    const QUuid card = m_model->arcVariants().at(pressed.index).id;
    Scheduler::shared().postAfter(0.1, [model, wedge, card, index = pressed.index] {
        if (!model)
            return;
        const auto& cards = model->arcVariants();
        if (model->selectedIndex() != wedge || index >= cards.size() || cards.at(index).id != card) {
            model->hide();
            return;
        }
        model->setSelectedArcIndex(index);
        model->choose();
    });
}
