#pragma once
// The pointer over the rings' own windows, seen through Qt: motion, button
// presses and wheel steps on any widget of a ring panel. Installed on the
// application while a ring is up; events pass on unchanged, so the ring's
// widgets still get their clicks and scrolls.

#include "platform/PointerMonitor.h"

#include <QEvent>
#include <QObject>
#include <functional>

class RingLocalPointerMonitor final : public QObject {
public:
    // `isRingWindow` tells whether a top-level widget is a ring panel.
    RingLocalPointerMonitor(std::function<bool(const QObject* window)> isRingWindow, PointerMonitor::Handler handler);
    ~RingLocalPointerMonitor() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(const QObject*)> m_isRingWindow;
    PointerMonitor::Handler m_handler;
    const QEvent* m_last = nullptr;
    quint64 m_lastTimestamp = 0;
};
