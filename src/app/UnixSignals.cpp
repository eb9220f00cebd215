#include "app/UnixSignals.h"

#include "platform/Log.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2] = { -1, -1 };
volatile sig_atomic_t pendingSignal = 0; // the first termination signal received

// Ends the process by `number` with its default action (so the parent sees
// what ended it), from a signal handler: only async-signal-safe calls.
[[noreturn]] void endNow(int number)
{
    struct sigaction fallback { };
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(number, &fallback, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, number);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(number);
    ::_exit(128 + number);
}

void onSignal(int number)
{
    if (pendingSignal != 0)
        endNow(pendingSignal); // asked twice: no more waiting
    pendingSignal = number;
    // The loop quits when it reads this; should it be stuck, the alarm ends
    // the process in its stead.
    ::alarm(UnixSignals::graceSeconds);
    const char byte = char(number);
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

void onAlarm(int) { endNow(pendingSignal != 0 ? pendingSignal : SIGTERM); }
}

namespace UnixSignals {
void quitOnTermination()
{
    if (signalPipe[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        Log::write(QStringLiteral("Kelvaro: could not watch for termination signals"));
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction action { };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaddset(&action.sa_mask, SIGTERM); // one handler at a time, whichever came
    sigaddset(&action.sa_mask, SIGINT);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    struct sigaction alarmAction { };
    alarmAction.sa_handler = onAlarm;
    sigemptyset(&alarmAction.sa_mask);
    ::sigaction(SIGALRM, &alarmAction, nullptr);
}
}
