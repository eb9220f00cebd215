#include "app/CommandLine.h"
#include "app/KelvaroApp.h"

#ifdef KELVARO_TEST_HOOKS
#include "app/TestHooks.h"
#endif

int main(int argc, char** argv)
{
    // Help, the version and a missing X11 session are answered before Qt
    // looks for a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (const auto answer = CommandLine::answer(arguments, CommandLine::systemEnvironment()))
        return CommandLine::print(*answer);
#ifdef KELVARO_TEST_HOOKS
    TestHooks::applyFromEnvironment();
#endif
    return KelvaroApp::main(argc, argv);
}
