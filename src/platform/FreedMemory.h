#pragma once
// Memory the allocator holds after it was freed, handed back to the system.
// A showing of a ring frees several megabytes of short-lived images; the
// allocator keeps those pages for the next allocation, so an idle process
// would go on counting them as its own.

namespace FreedMemory {
// Returns the free pages of every heap to the system (a few hundred
// microseconds; pages touched again afterwards are faulted back in, so this
// belongs where nothing is about to be drawn).
void release();
// How many times release() ran in this process (for checks).
int releaseCount();
}
