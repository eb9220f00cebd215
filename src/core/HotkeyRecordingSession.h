#pragma once
// How many hotkey recorders are recording right now. While one is, the key
// tap lets every key through (unless a ring is visible), so the recorder
// sees the combination instead of the action bound to it.

class HotkeyRecordingSession {
public:
    static int activeCount();
    // A recorder calls this when it starts recording…
    static void recordingStarted();
    // …and this when recording ends; the count never goes below 0.
    static void recordingEnded();

    HotkeyRecordingSession() = delete;
};
