#include "core/HotkeyRecordingSession.h"

#include <atomic>

namespace {
std::atomic<int> g_activeCount { 0 };
}

int HotkeyRecordingSession::activeCount() { return g_activeCount.load(); }

void HotkeyRecordingSession::recordingStarted() { ++g_activeCount; }

void HotkeyRecordingSession::recordingEnded()
{
    int current = g_activeCount.load();
    while (current > 0 && !g_activeCount.compare_exchange_weak(current, current - 1)) { }
}
