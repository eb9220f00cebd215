#pragma once
// A scripted keyboard for tests, with the X11 tap's rules: a press reaches
// the handler only when its combination is grabbed (and not held by another
// client, in which case the fallback sees it and cannot swallow it); every
// other press, and every press the handler answers false for, reaches the
// focused window, which the sim records in `delivered()`.

#include "platform/KeyTap.h"

#include <QList>
#include <optional>
#include <set>

class SimKeyTap final : public KeyTap {
public:
    struct Delivered {
        std::uint16_t keyCode;
        std::uint64_t flags;
        bool isAutoRepeat;
        bool operator==(const Delivered&) const = default;
    };

    bool isTrusted() override { return m_trusted; }
    std::unique_ptr<KeyTapSession> createTap(Handler handler, MonitorHandler fallback) override;
    std::unique_ptr<KeyMonitorSession> addGlobalMonitor(MonitorHandler handler) override;

    void setTrusted(bool trusted) { m_trusted = trusted; }
    void setRefusesTap(bool refuses) { m_refusesTap = refuses; }
    // Combinations another client has grabbed: ours fail for them.
    void setGrabbedElsewhere(std::vector<KeyGrab> combinations) { m_elsewhere = std::move(combinations); }

    // A key press (flags are modifier bits). Answers whether it was swallowed.
    bool press(std::uint16_t keyCode, std::uint64_t flags = 0, bool isAutoRepeat = false);
    // The modifiers now held changed (also what currentModifiers() reports).
    void changeFlags(std::uint64_t flags);
    // The modifiers held, as a live query sees them, without any event: a
    // release the tap never saw. Nothing makes the query fail.
    void setLiveFlags(std::optional<std::uint64_t> flags) { m_liveFlags = flags; }
    std::optional<std::uint64_t> liveFlags() const { return m_liveFlags; }
    int liveQueries() const { return m_liveQueries; }

    const QList<Delivered>& delivered() const { return m_delivered; }
    void clearDelivered() { m_delivered.clear(); }
    // The live tap's grab set (empty without a tap or while it is disabled).
    std::vector<KeyGrab> activeGrabs() const;
    bool hasTap() const { return m_tap != nullptr; }
    bool tapEnabled() const;
    bool hasMonitor() const { return m_monitor != nullptr; }
    int tapsCreated() const { return m_tapsCreated; }

private:
    class Tap;
    class Monitor;
    bool grabbedElsewhere(std::uint16_t keyCode, std::uint64_t flags) const;

    bool m_trusted = true;
    bool m_refusesTap = false;
    std::vector<KeyGrab> m_elsewhere;
    Tap* m_tap = nullptr;
    Monitor* m_monitor = nullptr;
    int m_tapsCreated = 0;
    std::optional<std::uint64_t> m_liveFlags = 0;
    int m_liveQueries = 0;
    QList<Delivered> m_delivered;
};
