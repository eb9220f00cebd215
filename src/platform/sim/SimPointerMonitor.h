#pragma once
// A scripted pointer for tests: send() delivers an event to every live
// global monitor, as the display would.

#include "platform/PointerMonitor.h"

#include <QList>
#include <memory>

class SimPointerMonitor final : public PointerMonitor {
public:
    std::unique_ptr<PointerMonitorSession> addGlobalMonitor(Handler handler) override
    {
        if (refuses)
            return nullptr;
        ++monitorsAdded;
        return std::make_unique<Session>(this, std::move(handler));
    }
    bool seesOwnWindows() const override { return seesOwn; }

    void send(const PointerEvent& event)
    {
        const auto handlers = m_handlers; // a handler may remove its monitor
        for (const auto& h : handlers) {
            if (auto live = h.lock())
                (*live)(event);
        }
    }
    void move() { send({ PointerEvent::Type::MouseMoved, 0, false }); }
    void wheel(double notches) { send({ PointerEvent::Type::ScrollWheel, notches, false }); }
    void swipe(double points) { send({ PointerEvent::Type::ScrollWheel, points, true }); }

    int liveMonitors() const
    {
        int n = 0;
        for (const auto& h : m_handlers)
            n += h.expired() ? 0 : 1;
        return n;
    }

    bool refuses = false;
    bool seesOwn = true;
    int monitorsAdded = 0;

private:
    class Session final : public PointerMonitorSession {
    public:
        Session(SimPointerMonitor* owner, Handler handler)
            : m_handler(std::make_shared<Handler>(std::move(handler)))
        {
            owner->m_handlers.removeIf([](const std::weak_ptr<Handler>& h) { return h.expired(); });
            owner->m_handlers << m_handler;
        }

    private:
        std::shared_ptr<Handler> m_handler;
    };
    QList<std::weak_ptr<Handler>> m_handlers;
};
