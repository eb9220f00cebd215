#pragma once
// SIGTERM and SIGINT end the event loop the ordinary way, so the delegate's
// termination handling runs. Should the loop not have ended the process
// within a few seconds (its thread stuck in a read or a system call), the
// process ends anyway; a second signal ends it at once.

namespace UnixSignals {
void quitOnTermination();
// How long the ordinary way is given before the process ends anyway.
constexpr unsigned graceSeconds = 3;
}
