#include "platform/FreedMemory.h"

#include <algorithm>
#include <cstdlib> // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <link.h>
#include <malloc.h>
#include <sys/auxv.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {
int g_releases = 0;

#if defined(__GLIBC__)
// The first segment of every object the dynamic linker loaded holds only what
// the linker reads while binding symbols: hash, symbol and string tables,
// version records and relocations. Qt's libraries are bound in full at load,
// so each start reads megabytes of them once, and then they would stay
// mapped into the process for good. The segment is never writable (unlike
// the part made read-only after relocation, which holds relocated data and
// must never be dropped), so dropping its pages loses nothing: they stay in
// the page cache, and a later look-up (a library loaded on first use) maps
// the pages it reads again.
int releaseLinkerTables(dl_phdr_info* info, size_t, void*)
{
    // The kernel's own object is no file mapping.
    if (info->dlpi_addr == getauxval(AT_SYSINFO_EHDR))
        return 0;
    const ElfW(Phdr)* first = nullptr;
    for (int i = 0; i < info->dlpi_phnum && !first; ++i) {
        if (info->dlpi_phdr[i].p_type == PT_LOAD)
            first = &info->dlpi_phdr[i];
    }
    // Code in the first segment (an older layout), or memory beyond the
    // file's contents: not the tables alone, left alone.
    if (!first || first->p_flags != PF_R || first->p_offset != 0 || first->p_filesz != first->p_memsz)
        return 0;
    const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
    const uintptr_t begin = (info->dlpi_addr + first->p_vaddr + page - 1) & ~(page - 1);
    uintptr_t end = (info->dlpi_addr + first->p_vaddr + first->p_filesz) & ~(page - 1);
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& p = info->dlpi_phdr[i];
        if (&p == first || (p.p_type != PT_LOAD && p.p_type != PT_GNU_RELRO))
            continue;
        // Nothing another segment shares a page with.
        const uintptr_t other = (info->dlpi_addr + p.p_vaddr) & ~(page - 1);
        if (other < end && other + p.p_memsz > begin)
            end = std::max(begin, std::min(end, other));
    }
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_DONTNEED);
    return 0;
}
#endif
}

void FreedMemory::release()
{
    ++g_releases;
#if defined(__GLIBC__)
    malloc_trim(0);
    dl_iterate_phdr(releaseLinkerTables, nullptr);
#endif
}

int FreedMemory::releaseCount() { return g_releases; }
