#include "platform/Log.h"

#include <QByteArray>
#include <chrono>
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

namespace {
// Identical lines in a row: the first few go out, the rest within the window
// are counted and summed up in one line when something else is written or
// the window has passed.
constexpr int kRepeatsShown = 3;
constexpr auto kRepeatWindow = std::chrono::seconds(10);

struct Repeats {
    QString line;
    int count = 0; // times `line` came in a row
    std::chrono::steady_clock::time_point since;
};
Repeats& repeats()
{
    static Repeats r;
    return r;
}

void emitLine(const QString& line);
}

void Log::write(const QString& line)
{
    QString summary;
    {
        std::lock_guard lock(sinkMutex());
        Repeats& r = repeats();
        const auto now = std::chrono::steady_clock::now();
        if (line == r.line && now - r.since < kRepeatWindow) {
            if (++r.count > kRepeatsShown)
                return;
        } else {
            if (r.count > kRepeatsShown)
                summary = QStringLiteral("Kelvaro: the previous message was repeated %1 more times")
                              .arg(r.count - kRepeatsShown);
            r = { line, 1, now };
        }
    }
    if (!summary.isEmpty())
        emitLine(summary);
    emitLine(line);
}

namespace {
void emitLine(const QString& line)
{
    Log::Sink sink;
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
    sd_journal_send("MESSAGE=%s", utf8.constData(), "PRIORITY=%i", LOG_NOTICE, "SYSLOG_IDENTIFIER=kelvaro", nullptr);
#endif
}
}

void Log::setSink(Sink sink)
{
    std::lock_guard lock(sinkMutex());
    sinkRef() = std::move(sink);
    repeats() = {}; // a new listener hears the next line whatever came before
}
