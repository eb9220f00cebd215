#include "editors/HotkeyRecorder.h"

#include "core/HotkeyRecordingSession.h"
#include "platform/KeyCodes.h"
#include "platform/KeyModifiers.h"
#include "platform/Scheduler.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

HotkeyRecorderSession::HotkeyRecorderSession(QObject* parent)
    : QObject(parent)
{
}

HotkeyRecorderSession::~HotkeyRecorderSession()
{
    // Destroyed mid-recording: the counter and the grabs still come back, but
    // nobody is told any more.
    blockSignals(true);
    teardown();
}

void HotkeyRecorderSession::start(QWidget* window)
{
    if (m_recording)
        return;
    m_recording = true;
    HotkeyRecordingSession::recordingStarted();
    m_resumeTap = KeyTapSuspension::begin();
    m_liveModifiers = 0;
    m_rejection.reset();
    m_ignoreResignUntil = Scheduler::shared().now() + resignGrace;
    if (window) {
        m_window = window;
        window->installEventFilter(this);
    }
    Q_EMIT changed();
}

void HotkeyRecorderSession::modifiersChanged(std::uint64_t modifiers)
{
    if (!m_recording)
        return;
    m_liveModifiers = modifiers & Modifier::Mask;
    m_rejection.reset();
    Q_EMIT changed();
}

void HotkeyRecorderSession::keyPressed(std::uint16_t keyCode, std::uint64_t modifiers)
{
    if (!m_recording)
        return;
    const std::uint64_t masked = modifiers & Modifier::Mask;
    if (keyCode == KeyCodes::Escape && masked == 0) {
        teardown();
        return;
    }
    if ((keyCode == KeyCodes::Delete || keyCode == forwardDeleteKey) && masked == 0) {
        teardown();
        Q_EMIT committed(std::nullopt);
        return;
    }
    const Hotkey candidate(keyCode, masked);
    if (!candidate.isValid()) {
        m_rejection = QCoreApplication::translate("Kelvaro", "Include Ctrl, Alt or Super.");
        Q_EMIT changed();
        return;
    }
    teardown();
    Q_EMIT committed(candidate);
}

void HotkeyRecorderSession::teardown()
{
    const bool wasRecording = m_recording;
    if (wasRecording)
        HotkeyRecordingSession::recordingEnded();
    m_recording = false;
    m_liveModifiers = 0;
    m_rejection.reset();
    m_ignoreResignUntil = 0;
    if (m_window) {
        m_window->removeEventFilter(this);
        m_window = nullptr;
    }
    if (m_resumeTap) {
        auto resume = std::move(m_resumeTap);
        m_resumeTap = nullptr;
        resume();
    }
    if (wasRecording) {
        Q_EMIT ended();
        Q_EMIT changed();
    }
}

bool HotkeyRecorderSession::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && m_recording) {
        if (event->type() == QEvent::WindowDeactivate && Scheduler::shared().now() >= m_ignoreResignUntil)
            teardown();
        else if (event->type() == QEvent::Hide || event->type() == QEvent::Close)
            teardown();
    }
    return QObject::eventFilter(watched, event);
}
