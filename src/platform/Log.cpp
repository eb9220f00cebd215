#include "platform/Log.h"

#include <QByteArray>
#include <cstdio>
#include <mutex>

#ifdef KELVARO_HAVE_SYSTEMD
#include <syslog.h>
#include <systemd/sd-journal.h>
#endif

namespace {
std::mutex& sinkMutex()
{
    static std::mutex m;
    return m;
}
Log::Sink& sinkRef()
{
    static Log::Sink sink;
    return sink;
}
}

void Log::write(const QString& line)
{
    Sink sink;
    {
        std::lock_guard lock(sinkMutex());
        sink = sinkRef();
    }
    if (sink) {
        sink(line);
        return;
    }
    const QByteArray utf8 = line.toUtf8();
    std::fprintf(stderr, "%s\n", utf8.constData());
    std::fflush(stderr);
#ifdef KELVARO_HAVE_SYSTEMD
    sd_journal_send("MESSAGE=%s", utf8.constData(), "PRIORITY=%i", LOG_NOTICE,
                    "SYSLOG_IDENTIFIER=kelvaro", nullptr);
#endif
}

void Log::setSink(Sink sink)
{
    std::lock_guard lock(sinkMutex());
    sinkRef() = std::move(sink);
}
