#include "switcher/CircularSwitcherWindow.h"

#include "core/AppSettings.h"
#include "platform/DisplayPreferences.h"
#include "platform/Platform.h"
#include "platform/LatencyTrace.h"
#include "platform/Scheduler.h"
#include "switcher/AppActivator.h"
#include "switcher/CircularSwitcherView.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "ringkit/RingMotion.h"
#include "ringkit/RingPanel.h"

#include <QMetaMethod>
#include <QPointer>

namespace {
QRectF switcherFrame()
{
    const AppSettings& settings = AppSettings::shared();
    return settings.ringFrame(CircularSwitcherView::stageSize * settings.ringScale());
}

// Until window cards appear, the window need hold only the ring.
void placeSwitcher(RingPanel* panel, const QRectF& frame)
{
    panel->setCompactSide(CircularSwitcherView::ringSide(AppSettings::shared().ringScale()));
    panel->setGlassSide(RingMotion::bandCanvasSize * AppSettings::shared().ringScale());
    panel->setFrameYUp(frame);
}
}

CircularSwitcherWindow::CircularSwitcherWindow(const Platform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
{
    m_panel = new RingPanel(platform.screens(), platform.panelHints());
    m_panel->setTitle(QT_TRANSLATE_NOOP("Kelvaro", "Kelvaro App Switcher"));
    m_frame = switcherFrame();
    placeSwitcher(m_panel, m_frame);

    m_viewModel = new CircularSwitcherViewModel(m_platform, this);
    m_view = new CircularSwitcherView(m_viewModel);
    m_panel->setContent(m_view);

    connect(m_viewModel, &CircularSwitcherViewModel::hideRequested, this, [this] { hideSwitcher(true); });
    connect(m_viewModel, &CircularSwitcherViewModel::appSelected, this, [this](const RunningApp& app) {
        // The ring starts leaving before the desktop switch and activation.
        hideSwitcher(true);
        AppActivator::activate(m_platform, app);
    });
    QPointer<CircularSwitcherWindow> self(this);
    m_view->onCommitRequest = [self](int index, std::optional<int> windowIndex) {
        if (!self)
            return;
        static const QMetaMethod request = QMetaMethod::fromSignal(&CircularSwitcherWindow::commitRequested);
        if (self->isSignalConnected(request)) {
            Q_EMIT self->commitRequested(index, windowIndex);
            return;
        }
        // No delegate: the model's own action for what was clicked.
        CircularSwitcherViewModel* model = self->m_viewModel;
        if (windowIndex) {
            model->activateSelected();
        } else if (index >= 0 && index < model->runningApps().size()) {
            const RunningApp app = model->runningApps()[index];
            AppActivator::activate(self->m_platform, app);
            model->hide();
        }
    };
}

CircularSwitcherWindow::~CircularSwitcherWindow()
{
    if (m_viewModel)
        disconnect(m_viewModel, nullptr, this, nullptr);
    delete m_panel;
}

QWidget* CircularSwitcherWindow::panel() const { return m_panel; }

bool CircularSwitcherWindow::isSwitcherVisible() const { return m_panel && m_panel->isPanelVisible(); }

void CircularSwitcherWindow::showSwitcher(std::optional<QList<RunningApp>> apps)
{
    const quint64 generation = ++m_revealGeneration;
    ++m_hideGeneration; // the end of an exit still pending does nothing now
    m_viewModel->snapHidden();

    // The ring scale may have changed since the last showing.
    m_frame = switcherFrame();
    m_viewModel->setRingCenter(m_frame.center());
    placeSwitcher(m_panel, m_frame);

    if (apps)
        m_viewModel->loadGroup(*apps);
    else
        m_viewModel->loadRunningApps();
    LatencyTrace::mark("switcher listed");

    // The window is mapped with the reveal, so the first frame it shows
    // already has the ring in it, never a transparent one.
    m_panel->orderFront(RingPanel::Mapping::withReveal);
    LatencyTrace::mark("switcher ordered front");
    m_isExiting = false;

    QPointer<CircularSwitcherWindow> self(this);
    Scheduler::shared().post([self, generation] {
        if (!self || self->m_revealGeneration != generation || !self->isSwitcherVisible())
            return;
        LatencyTrace::mark("switcher reveal");
        self->m_viewModel->reveal();
        self->m_panel->mapOrderedPanel();
    });
}

void CircularSwitcherWindow::releaseMotionBuffers()
{
    if (!isSwitcherVisible() && !m_isExiting)
        m_view->releaseMotionBuffers();
}

void CircularSwitcherWindow::prepare()
{
    if (isSwitcherVisible() || m_isExiting)
        return;
    m_frame = switcherFrame();
    m_viewModel->setRingCenter(m_frame.center());
    placeSwitcher(m_panel, m_frame);
    m_viewModel->loadRunningApps();
    m_view->prerender(m_panel->devicePixelRatioF());
    m_viewModel->snapHidden();
    m_viewModel->finishHide();
    m_panel->warmUp();
}

void CircularSwitcherWindow::hideSwitcher(bool animated)
{
    ++m_revealGeneration; // a reveal still pending is cancelled
    // Over a copy of the desktop (no compositor) an exit would show that
    // stale copy over whatever the commit just brought forward: go at once.
    if (m_panel && m_panel->paintsCapturedBackdrop())
        animated = false;
    if (animated) {
        if (m_isExiting)
            return; // an exit is already running
        if (m_viewModel->isVisible()) {
            const quint64 generation = ++m_hideGeneration;
            m_isExiting = true;
            Q_EMIT hidingStarted();
            const bool reduceMotion = m_platform.displayPreferences().reduceMotion();
            // The view animates the change of isVisible with the exit curve.
            m_viewModel->beginExit();
            QPointer<CircularSwitcherWindow> self(this);
            Scheduler::shared().postAfter(RingMotion::exitDuration(reduceMotion), [self, generation] {
                if (self && self->m_hideGeneration == generation)
                    self->finishHide();
            });
            return;
        }
    }
    // At once.
    ++m_hideGeneration;
    const bool wasShowing = isSwitcherVisible() || m_isExiting;
    m_isExiting = false;
    if (wasShowing)
        Q_EMIT hidingStarted();
    m_viewModel->snapHidden();
    finishHide();
}

void CircularSwitcherWindow::finishHide()
{
    m_isExiting = false;
    m_viewModel->finishHide();
    m_panel->orderOut();
    Q_EMIT hidden();
}
