#include "platform/FreedMemory.h"

#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {
int g_releases = 0;
}

void FreedMemory::release()
{
    ++g_releases;
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

int FreedMemory::releaseCount() { return g_releases; }
