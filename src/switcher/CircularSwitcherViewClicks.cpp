#include "switcher/CircularSwitcherView.h"

#include "platform/Scheduler.h"
#include "switcher/AppActivator.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "switcher/SwitcherHitTest.h"
#include "ringkit/RingPanel.h"

#include <QMouseEvent>

// ---- Clicks --------------------------------------------------------------------------------

QPointF CircularSwitcherView::stagePoint(QPointF widgetPoint) const
{
    return SwitcherHitTest::stagePoint(widgetPoint, QSizeF(size()));
}

CircularSwitcherView::Hit CircularSwitcherView::hitTest(QPointF widgetPoint) const
{
    if (!m_model || !m_model->isVisible())
        return {};
    // Cards follow the model's windows and selection, the wedges the ring's own.
    SwitcherHitTest hits;
    hits.apps = int(m_model->runningApps().size());
    hits.selectedApp = m_layout.selectedIndex;
    hits.wedgeSelected = !m_layout.selectedWindow;
    hits.pointingAtWindow = m_model->isPointingAtWindow();
    hits.cards = m_model->pointerSelectionEnabled() ? int(m_model->windows().size()) : 0;
    hits.selectedCard = m_model->selectedWindowIndex();
    hits.fanAngle = m_layout.selectedAppAngle();
    hits.visible = m_layout.visible;
    hits.reduceMotion = m_layout.reduceMotion();
    return hits.at(stagePoint(widgetPoint));
}

RadialSegmentView CircularSwitcherView::segment(int index) const { return m_layout.segment(index); }

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
        AppActivator::activate(self->m_model->platform(), app);
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
