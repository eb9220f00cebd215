#pragma once
// Memory the allocator holds after it was freed, handed back to the system.
// A showing of a ring frees several megabytes of short-lived images; the
// allocator keeps those pages for the next allocation, so an idle process
// would go on counting them as its own. The same goes for the symbol tables
// the dynamic linker read at start.

namespace FreedMemory {
// Returns the free pages of every heap, and the mapped pages of the loaded
// libraries' linking tables, to the system (a few hundred microseconds;
// pages touched again afterwards are faulted back in, so this belongs where
// nothing is about to be drawn).
void release();
// How many times release() ran in this process (for checks).
int releaseCount();
}
