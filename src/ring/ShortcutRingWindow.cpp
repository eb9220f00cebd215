#include "ring/ShortcutRingWindow.h"

#include "core/AppSettings.h"
#include "core/AppShortcut.h"
#include "platform/DisplayPreferences.h"
#include "platform/Platform.h"
#include "platform/LatencyTrace.h"
#include "platform/Scheduler.h"
#include "ring/AppShortcutRingView.h"
#include "ring/AppShortcutRingViewModel.h"
#include "ringkit/RingMotion.h"
#include "ringkit/RingPanel.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

ShortcutRingWindow::ShortcutRingWindow(const Platform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_panel(new RingPanel(platform.screens(), platform.panelHints()))
{
}

ShortcutRingWindow::~ShortcutRingWindow()
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    delete m_panel; // and the view with it
    delete m_model.data();
}

bool ShortcutRingWindow::isVisible() const { return m_panel->isPanelVisible(); }

void ShortcutRingWindow::show(const RunningApp& centre, const QList<AppShortcut>& items)
{
    const quint64 generation = ++m_revealGeneration;
    ++m_hideGeneration;
    m_isExiting = false;

    auto* model = new AppShortcutRingViewModel(m_platform, this);
    model->loadShortcuts(centre, items);
    connect(model, &AppShortcutRingViewModel::hideRequested, this, [this] { hide(true); });
    connect(model, &AppShortcutRingViewModel::chooseRequested, this, &ShortcutRingWindow::commitRequested);
    QPointer<AppShortcutRingViewModel> previous = m_model;
    if (previous)
        disconnect(previous, nullptr, this, nullptr);
    m_model = model;
    // The old view goes with the content it replaces; its model after it.
    m_panel->setContent(new AppShortcutRingView(model));
    if (previous)
        previous->deleteLater();

    const AppSettings& settings = AppSettings::shared();
    const QRectF frame = settings.ringFrame(AppShortcutRingView::stageSize * settings.ringScale());
    m_panel->setGlassSide(RingMotion::bandCanvasSize * settings.ringScale());
    m_panel->setFrameYUp(frame);
    model->setRingCenter(frame.center());
    LatencyTrace::mark("ring view made");

    // The window is mapped with the reveal, so the first frame it shows
    // already has the ring in it.
    m_panel->orderFront(RingPanel::Mapping::withReveal);
    LatencyTrace::mark("ring ordered front");

    Scheduler::shared().postWhileAlive(this, [this, generation] {
        if (generation != m_revealGeneration || !isVisible() || !m_model)
            return;
        LatencyTrace::mark("ring reveal");
        m_model->reveal();
        m_panel->mapOrderedPanel();
    });
}

void ShortcutRingWindow::prepare(const RunningApp& centre, const QList<AppShortcut>& items)
{
    if (isVisible() || m_isExiting)
        return;
    AppShortcutRingViewModel model(m_platform);
    model.loadShortcuts(centre, items);
    model.setIsVisible(true);
    AppShortcutRingView view(&model);
    const AppSettings& settings = AppSettings::shared();
    const double side = AppShortcutRingView::stageSize * settings.ringScale();
    view.resize(std::max(1, int(std::lround(side))), std::max(1, int(std::lround(side))));
    const double dpr = std::max(1.0, m_panel->devicePixelRatioF());
    QImage image(QSize(int(std::ceil(view.width() * dpr)), int(std::ceil(view.height() * dpr))),
        QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    view.renderFrame(painter);
    m_panel->warmUp();
}

void ShortcutRingWindow::hide(bool animated)
{
    ++m_revealGeneration; // a reveal still pending is cancelled
    // Over a copy of the desktop (no compositor) an exit would show that
    // stale copy over whatever the item just opened: go at once.
    if (m_panel && m_panel->paintsCapturedBackdrop())
        animated = false;
    if (animated && m_isExiting)
        return;
    if (isVisible() || m_model)
        Q_EMIT hidingStarted();
    if (animated && m_model && m_model->isVisible()) {
        const quint64 generation = ++m_hideGeneration;
        m_isExiting = true;
        // The view animates the change with the exit curve.
        m_model->beginExit();
        const bool reduceMotion = m_platform.displayPreferences().reduceMotion();
        Scheduler::shared().postAfterWhileAlive(RingMotion::exitDuration(reduceMotion), this, [this, generation] {
            if (generation != m_hideGeneration)
                return;
            m_isExiting = false;
            release();
        });
        return;
    }
    ++m_hideGeneration;
    m_isExiting = false;
    release();
}

void ShortcutRingWindow::release()
{
    if (AppShortcutRingViewModel* model = m_model) {
        disconnect(model, nullptr, this, nullptr);
        model->snapHidden();
        m_model = nullptr;
        m_panel->orderOut();
        m_panel->setContent(nullptr);
        model->deleteLater();
    } else {
        m_panel->orderOut();
        m_panel->setContent(nullptr);
    }
    Q_EMIT hidden();
}
