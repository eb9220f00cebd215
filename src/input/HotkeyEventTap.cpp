#include "input/HotkeyEventTap.h"

HotkeyEventTap::HotkeyEventTap(KeyTap& keyTap, Handler handler, MonitorHandler fallback)
    : m_keyTapPort(keyTap)
    , m_handler(std::move(handler))
    , m_fallback(std::move(fallback))
{
}

HotkeyEventTap::~HotkeyEventTap() { stop(); }

bool HotkeyEventTap::start()
{
    if (m_session)
        return true;
    m_session = m_keyTapPort.createTap(m_handler, m_fallback);
    if (!m_session)
        return false;
    m_session->setGrabs(m_grabs);
    m_session->setEnabled(true);
    return true;
}

void HotkeyEventTap::stop() { m_session.reset(); }

void HotkeyEventTap::setEnabled(bool enabled)
{
    if (m_session)
        m_session->setEnabled(enabled);
}

bool HotkeyEventTap::isEnabled() const { return m_session && m_session->isEnabled(); }

std::optional<std::uint64_t> HotkeyEventTap::currentModifiers()
{
    if (!m_session)
        return std::nullopt;
    return m_session->currentModifiers();
}

void HotkeyEventTap::setGrabs(const std::vector<KeyGrab>& combinations)
{
    if (combinations == m_grabs)
        return;
    m_grabs = combinations;
    if (m_session)
        m_session->setGrabs(m_grabs);
}
