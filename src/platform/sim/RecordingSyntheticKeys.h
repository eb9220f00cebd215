#pragma once
#include "platform/SyntheticKeys.h"

#include <vector>

// Records every posted key press for tests, as a key-down and a key-up event
// carrying the same modifiers.
class RecordingSyntheticKeys final : public SyntheticKeys {
public:
    struct Event {
        std::uint16_t keyCode = 0;
        std::uint64_t modifiers = 0;
        bool down = false;
        bool operator==(const Event&) const = default;
    };

    bool postKeyPress(std::uint16_t keyCode, std::uint64_t modifiers) override
    {
        const std::uint64_t mods = modifiers & 0x1E0000;
        m_events.push_back({ keyCode, mods, true });
        m_events.push_back({ keyCode, mods, false });
        return true;
    }

    const std::vector<Event>& events() const { return m_events; }
    void clear() { m_events.clear(); }

private:
    std::vector<Event> m_events;
};
