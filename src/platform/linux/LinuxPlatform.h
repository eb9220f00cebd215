#pragma once
// The platform of the program users run: every port answered by its Linux
// backend (X11 through XCB, D-Bus, AT-SPI, PAM, the XDG folders). Only the
// app layer builds it.

class Platform;

namespace LinuxPlatform {
// Fills every port of `platform` not already provided (a benchmark keeps its
// own settings store, the test build its own PAM folder). The platform
// should already be installed: some backends start timers or read settings
// while they are made.
void build(Platform& platform);
}
