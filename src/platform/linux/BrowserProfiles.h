#pragma once
// Where the browsers keep their profiles on this machine: the folder of the
// distribution's own build (under $XDG_CONFIG_HOME, and Firefox's older
// ~/.mozilla), the Snap and Flatpak sandboxes, and whatever folder a running
// browser was started with (--user-data-dir=…, -profile …), read from the
// command lines of the user's processes.

#include <QList>
#include <QString>
#include <QStringList>

namespace BrowserProfiles {
struct Places {
    QString home;
    QString configHome;
    QString procRoot = QStringLiteral("/proc");
    // $HOME, $XDG_CONFIG_HOME (else ~/.config) and /proc.
    static Places current();
};

// A browser process of this user: the bundle identifier its program stands
// for, and its arguments after the program.
struct Process {
    QString bundleIdentifier;
    QStringList arguments;
};
QList<Process> running(const QString& procRoot);

// True for the Chromium-family browsers with a Linux build.
bool isChromiumFamily(const QString& bundleIdentifier);
// The folders holding a Chromium-family browser's profiles ("Default",
// "Profile 1", …), existing ones only, each once, the usual one first.
QStringList chromiumDataFolders(const QString& bundleIdentifier, const Places& places);

struct FirefoxFolders {
    QStringList roots; // folders with a profiles.ini
    QStringList profiles; // profile folders named on a command line
};
FirefoxFolders firefoxFolders(const Places& places);

// `path` with its links resolved, to tell two names of one folder apart.
QString identity(const QString& path);
}
