#include "platform/linux/OptionalLibrary.h"

#include "platform/Log.h"

#include <QString>

#include <dlfcn.h>

OptionalLibrary::OptionalLibrary(const char* soname, const char* consequence)
    : m_soname(soname)
    , m_consequence(consequence)
{
    // Bound in full now: a function missing from an older version shows
    // here, not as a crash in the middle of a call.
    m_handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!m_handle)
        Log::write(QStringLiteral("Kelvaro: %1 could not be loaded (%2); %3")
                       .arg(QString::fromUtf8(soname), QString::fromUtf8(dlerror()), QString::fromUtf8(consequence)));
}

void* OptionalLibrary::symbol(const char* name)
{
    if (!m_handle)
        return nullptr;
    dlerror();
    void* found = dlsym(m_handle, name);
    if (!found) {
        Log::write(QStringLiteral("Kelvaro: %1 has no function %2; %3")
                       .arg(QString::fromUtf8(m_soname), QString::fromUtf8(name), QString::fromUtf8(m_consequence)));
    }
    return found;
}
