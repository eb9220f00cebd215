#pragma once
// SIGTERM and SIGINT end the event loop the ordinary way, so the delegate's
// termination handling runs.

namespace UnixSignals {
void quitOnTermination();
}
