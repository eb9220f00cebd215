// SIGTERM ends the program whatever its main thread is doing: the ordinary
// way through the event loop when the loop runs, else after a short grace,
// and at once when it comes twice. Each case runs in a child process (this
// binary again, in the child test below).

#include "app/UnixSignals.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What the child does once its handlers are in place: "loop" runs the event
// loop, "stuck" blocks its main thread in open() on a FIFO nobody writes to.
TEST(UnixSignalsChild, WaitsForTheSignal)
{
    const QByteArray mode = qgetenv("KELVARO_SIGNAL_CHILD");
    if (mode.isEmpty())
        GTEST_SKIP() << "only runs as the child of UnixSignals tests";
    UnixSignals::quitOnTermination();
    std::printf("KELVARO_CHILD_READY\n");
    std::fflush(stdout);
    if (mode == "loop") {
        QCoreApplication::exec();
        std::printf("KELVARO_LOOP_ENDED\n");
        std::fflush(stdout);
        return;
    }
    const int fd = ::open(qgetenv("KELVARO_SIGNAL_FIFO").constData(), O_RDONLY);
    ::close(fd);
    ADD_FAILURE() << "the FIFO was opened";
}

struct Ending {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::NormalExit;
    int code = -1;
    qint64 ms = 0;
    QByteArray output;
};

// Starts the child in `mode`, sends it `signals` SIGTERMs once it is ready and
// waits at most ten seconds for it to end.
Ending terminate(const char* mode, int signals)
{
    QTemporaryDir dir(TestSupport::tempRoot() + QStringLiteral("/signals-XXXXXX"));
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ::mkfifo(fifo.toLocal8Bit().constData(), 0600);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KELVARO_SIGNAL_CHILD"), QString::fromLatin1(mode));
    env.insert(QStringLiteral("KELVARO_SIGNAL_FIFO"), fifo);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--gtest_filter=UnixSignalsChild.*") });
    Ending e;
    QElapsedTimer ready;
    ready.start();
    while (!e.output.contains("KELVARO_CHILD_READY") && ready.elapsed() < 20000 && child.waitForReadyRead(20000))
        e.output += child.readAllStandardOutput();
    if (!e.output.contains("KELVARO_CHILD_READY")) {
        child.kill();
        child.waitForFinished();
        return e;
    }
    QThread::msleep(100); // into open() or the loop
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < signals; ++i) {
        ::kill(pid_t(child.processId()), SIGTERM);
        QThread::msleep(50);
    }
    e.finished = child.waitForFinished(10000);
    e.ms = clock.elapsed();
    if (!e.finished) {
        child.kill();
        child.waitForFinished();
    }
    e.status = child.exitStatus();
    e.code = child.exitCode();
    e.output += child.readAllStandardOutput();
    return e;
}

TEST(UnixSignals, TerminationEndsTheProgramEvenWhenItsMainThreadIsStuck)
{
    // The loop runs: it quits the ordinary way, at once.
    const Ending loop = terminate("loop", 1);
    ASSERT_TRUE(loop.finished) << loop.output.constData();
    EXPECT_EQ(loop.status, QProcess::NormalExit);
    EXPECT_EQ(loop.code, 0);
    EXPECT_TRUE(loop.output.contains("KELVARO_LOOP_ENDED"));
    EXPECT_LT(loop.ms, 2000);

    // The main thread is stuck: the grace passes, then the process ends.
    const Ending stuck = terminate("stuck", 1);
    ASSERT_TRUE(stuck.finished) << "SIGTERM was ignored";
    EXPECT_EQ(stuck.status, QProcess::CrashExit); // by the signal, not a return
    EXPECT_GE(stuck.ms, qint64(UnixSignals::graceSeconds) * 1000 - 500);
    EXPECT_LT(stuck.ms, qint64(UnixSignals::graceSeconds) * 1000 + 3000);

    // Asked twice: no more waiting.
    const Ending twice = terminate("stuck", 2);
    ASSERT_TRUE(twice.finished) << "SIGTERM was ignored";
    EXPECT_EQ(twice.status, QProcess::CrashExit);
    EXPECT_LT(twice.ms, 1500);
}

}
