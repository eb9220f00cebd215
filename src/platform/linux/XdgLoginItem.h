#pragma once
// Which program the autostart entry starts, and which one an entry names.

#include <QString>
#include <optional>

namespace XdgLoginItem {
// `running` is the target of /proc/self/exe: the installed program when
// Kelvaro runs installed, the build tree's otherwise. Once a package upgrade
// has replaced that file the link ends in " (deleted)", and the new file is
// at the same place; should the new version have put it elsewhere, it is the
// "kelvaro" found on the PATH. Empty when nothing names a program.
QString program(const QString& running);
// The autostart entry that starts `program`, as the file's text; nothing
// when the path cannot be written so that desktops start it, with the reason
// in `refusal`. The program is one quoted Exec argument, escaped for the
// quotes and then as a string; a path with '%' (written "%%") is started
// through env, since some desktops look for the Exec's first word as it is
// written. A line break or other control character cannot be held.
std::optional<QString> entryText(const QString& program, QString* refusal = nullptr);
// The absolute path of the program an Exec value (as the desktop entry
// reader gives it) starts, past an env prefix; empty when it names none by
// its path.
QString execProgram(const QString& exec);
}
