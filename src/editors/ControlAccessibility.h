#pragma once
// What a screen reader meets in the editors' drawn controls. A strip whose
// caps can be tapped shows every cap as a toggle of its own (named by its key,
// checked while held, toggled by the reader's action as by a click); a
// shortcut field is a button that starts and ends a recording. Both are
// single widgets that were otherwise unnamed fillers that could only take
// the focus.

class KeyStrip;

namespace ControlAccessibility {
// Makes Qt's accessibility use these for every KeyStrip and HotkeyRecorder; idempotent.
void install();
// Tells a screen reader that cap `index` of `strip` was pressed or let go.
void announceChecked(KeyStrip* strip, int index);
}
