#pragma once
// What the command line and the environment decide before any application
// object exists: a request for help or the version, answered without a
// display, or a start that cannot succeed because there is no X11 session
// to connect to. Qt's own answer to the last is an abort with advice to
// reinstall, which helps nobody.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace CommandLine {

struct Answer {
    int exitCode = 0;
    QString output; // for standard output
    QString error; // for standard error
};

struct Environment {
    // The value of a variable; empty when it is unset.
    std::function<QString(const char*)> variable;
    // Whether an X connection to the display opens (nothing: the default display).
    std::function<bool(const QString&)> displayOpens;
    // The interface language's code ("de", …): the stored choice, else the
    // system's. Nothing: the texts stay English.
    std::function<QString()> languageCode;
};

// The process's environment, with a real connection attempt to the display
// and the interface language read from the settings file without changing it.
Environment systemEnvironment();

// Nothing when Kelvaro should start; otherwise what to print and the exit
// status: 0 for help and the version, 1 without an X11 session, 2 for an
// option Kelvaro does not know (the usage goes to standard error).
std::optional<Answer> answer(const QStringList& arguments, const Environment& environment);

// Prints the answer and returns its exit status.
int print(const Answer& answer);

}
