#include "switcher/CircularSwitcherView.h"
#include "switcher/CircularSwitcherViewState.h"

#include "platform/Scheduler.h"
#include "switcher/AppActivator.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "ringkit/RingPanel.h"
#include "ringkit/WindowArcCard.h"

#include <QMouseEvent>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

using namespace switcher_view;

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
    m_pressed = event->button() == Qt::LeftButton ? hitTest(RingPanel::contentPoint(this, event)) : Hit {};
    event->accept();
}

void CircularSwitcherView::mouseReleaseEvent(QMouseEvent* event)
{
    const Hit pressed = m_pressed;
    m_pressed = {};
    event->accept();
    if (event->button() != Qt::LeftButton || pressed.kind == Hit::Kind::none)
        return;
    if (hitTest(RingPanel::contentPoint(this, event)) != pressed)
        return;
    if (pressed.kind == Hit::Kind::wedge)
        clickWedge(pressed.index);
    else
        clickCard(pressed.index);
}
