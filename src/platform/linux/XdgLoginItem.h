#pragma once
// Which program the autostart entry starts, and which one an entry names.

#include <QString>

namespace XdgLoginItem {
// `running` is the target of /proc/self/exe: the installed program when
// Kelvaro runs installed, the build tree's otherwise. Once a package upgrade
// has replaced that file the link ends in " (deleted)", and the new file is
// at the same place; should the new version have put it elsewhere, it is the
// "kelvaro" found on the PATH. Empty when nothing names a program.
QString program(const QString& running);
// The absolute path of the program an Exec value starts (its first
// argument, unquoted); empty when it names none by its path.
QString execProgram(const QString& exec);
}
