#include "platform/sim/SimKeyTap.h"

#include <algorithm>

class SimKeyTap::Tap final : public KeyTapSession {
public:
    Tap(SimKeyTap& owner, Handler handler, MonitorHandler fallback)
        : owner(owner)
        , handler(std::move(handler))
        , fallback(std::move(fallback))
    {
    }
    ~Tap() override
    {
        if (owner.m_tap == this)
            owner.m_tap = nullptr;
    }
    void setEnabled(bool on) override { enabled = on; }
    bool isEnabled() const override { return enabled; }
    void setGrabs(const std::vector<KeyGrab>& combinations) override { grabs = combinations; }
    std::optional<std::uint64_t> currentModifiers() override
    {
        ++owner.m_liveQueries;
        if (!owner.m_liveFlags)
            return std::nullopt;
        return *owner.m_liveFlags & Modifier::Mask;
    }

    SimKeyTap& owner;
    Handler handler;
    MonitorHandler fallback;
    bool enabled = true;
    std::vector<KeyGrab> grabs;
};

class SimKeyTap::Monitor final : public KeyMonitorSession {
public:
    Monitor(SimKeyTap& owner, MonitorHandler handler)
        : owner(owner)
        , handler(std::move(handler))
    {
    }
    ~Monitor() override
    {
        if (owner.m_monitor == this)
            owner.m_monitor = nullptr;
    }
    SimKeyTap& owner;
    MonitorHandler handler;
};

std::unique_ptr<KeyTapSession> SimKeyTap::createTap(Handler handler, MonitorHandler fallback)
{
    if (!m_trusted || m_refusesTap)
        return nullptr;
    auto tap = std::make_unique<Tap>(*this, std::move(handler), std::move(fallback));
    m_tap = tap.get();
    ++m_tapsCreated;
    return tap;
}

std::unique_ptr<KeyMonitorSession> SimKeyTap::addGlobalMonitor(MonitorHandler handler)
{
    auto monitor = std::make_unique<Monitor>(*this, std::move(handler));
    m_monitor = monitor.get();
    return monitor;
}

bool SimKeyTap::grabbedElsewhere(std::uint16_t keyCode, std::uint64_t flags) const
{
    return std::any_of(
        m_elsewhere.begin(), m_elsewhere.end(), [&](const KeyGrab& g) { return g.covers(keyCode, flags); });
}

bool SimKeyTap::press(std::uint16_t keyCode, std::uint64_t flags, bool isAutoRepeat)
{
    flags &= Modifier::Mask;
    m_liveFlags = flags;
    const KeyTapEvent event { KeyTapEvent::Type::KeyDown, keyCode, flags, isAutoRepeat };
    bool swallowed = false;
    if (m_tap && m_tap->enabled) {
        const auto& grabs = m_tap->grabs;
        if (std::any_of(grabs.begin(), grabs.end(), [&](const KeyGrab& g) { return g.covers(keyCode, flags); })) {
            if (grabbedElsewhere(keyCode, flags)) {
                if (m_tap->fallback)
                    m_tap->fallback(event);
            } else if (m_tap->handler) {
                swallowed = m_tap->handler(event);
            }
        }
    }
    if (m_monitor && m_monitor->handler)
        m_monitor->handler(event);
    if (!swallowed)
        m_delivered.append({ keyCode, flags, isAutoRepeat });
    return swallowed;
}

void SimKeyTap::changeFlags(std::uint64_t flags)
{
    m_liveFlags = flags & Modifier::Mask;
    const KeyTapEvent event { KeyTapEvent::Type::FlagsChanged, 0, flags & Modifier::Mask, false };
    if (m_tap && m_tap->enabled && m_tap->handler)
        m_tap->handler(event);
    if (m_monitor && m_monitor->handler)
        m_monitor->handler(event);
}

std::vector<KeyGrab> SimKeyTap::activeGrabs() const
{
    if (!m_tap || !m_tap->enabled)
        return {};
    return m_tap->grabs;
}

bool SimKeyTap::tapEnabled() const { return m_tap && m_tap->enabled; }
