// kelvaro-switcher-probe: the real switcher panel for the end-to-end tests,
// without the rest of the application.
//
// Usage: kelvaro-switcher-probe [--owner]
// Makes one CircularSwitcherWindow over the real desktop backends. While the
// ring is shown, the pointer's position is fed to its model every 10 ms (as
// the application's pointer feed does). With --owner, clicks are not run by
// the panel but printed as "commit <app index> <window index or -1>".
// Reads commands from stdin, one per line, and answers on stdout:
//   show      shows the switcher with the running applications; once revealed
//             answers "shown 0x<window id> <x> <y> <side>" (Qt coordinates)
//   hide      hides it with the exit animation; "hidden" follows once it is out
//   hidenow   hides it at once
//   quit      exits
// Also prints "apps <name>,<name>,…" on each showing, "selected <index>" and
// "window <index or -1>" on every change of the selection, "hidden" after every
// finished hide, and "ready" once the panel exists.

#include "platform/Screens.h"
#include "platform/Platform.h"
#include "platform/linux/LinuxPlatform.h"
#include "switcher/CircularSwitcherView.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "switcher/CircularSwitcherWindow.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {
void say(const QString& line)
{
    std::fprintf(stdout, "%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Platform platform;
    Platform::install(&platform);
    LinuxPlatform::build(platform);
    const bool owner = app.arguments().contains(QStringLiteral("--owner"));
    CircularSwitcherWindow switcher(platform);
    CircularSwitcherViewModel* model = switcher.viewModel();
    QObject::connect(&switcher, &CircularSwitcherWindow::hidden, &switcher, [] { say(QStringLiteral("hidden")); });
    if (owner) {
        QObject::connect(
            &switcher, &CircularSwitcherWindow::commitRequested, &switcher, [](int index, std::optional<int> window) {
                say(QStringLiteral("commit %1 %2").arg(index).arg(window ? *window : -1));
            });
    }
    QObject::connect(model, &CircularSwitcherViewModel::selectedIndexChanged, model,
        [model] { say(QStringLiteral("selected %1").arg(model->selectedIndex())); });
    QObject::connect(model, &CircularSwitcherViewModel::selectedWindowIndexChanged, model, [model] {
        const auto w = model->selectedWindowIndex();
        const bool known = w && *w >= 0 && *w < model->windows().size();
        say(QStringLiteral("window %1 %2").arg(w ? *w : -1).arg(known ? model->windows()[*w].title : QString()));
    });
    bool announced = false;
    QObject::connect(model, &CircularSwitcherViewModel::isVisibleChanged, model, [&] {
        if (!model->isVisible() || announced)
            return;
        announced = true;
        const QRect g = switcher.panel()->geometry();
        say(QStringLiteral("shown 0x%1 %2 %3 %4")
                .arg(QString::number(switcher.panel()->winId(), 16))
                .arg(g.x())
                .arg(g.y())
                .arg(g.width()));
    });

    // The pointer feed.
    QTimer feed;
    feed.setInterval(10);
    QObject::connect(&feed, &QTimer::timeout, model, [&] {
        if (!switcher.isSwitcherVisible()) {
            feed.stop();
            return;
        }
        model->updatePointer(platform.screens().pointer());
    });
    say(QStringLiteral("ready"));

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof(buffer) - 1);
        if (n <= 0) {
            app.quit();
            return;
        }
        buffer[n] = 0;
        for (const QString& line : QString::fromUtf8(buffer).split(u'\n', Qt::SkipEmptyParts)) {
            const QString command = line.trimmed();
            if (command == QStringLiteral("show")) {
                announced = false;
                switcher.showSwitcher(std::nullopt);
                QStringList names;
                for (const RunningApp& a : model->runningApps())
                    names << a.name;
                say(QStringLiteral("apps ") + names.join(u','));
                feed.start();
            } else if (command == QStringLiteral("hide")) {
                switcher.hideSwitcher(true);
            } else if (command == QStringLiteral("hidenow")) {
                switcher.hideSwitcher(false);
            } else if (command == QStringLiteral("quit")) {
                app.quit();
            }
        }
    });
    return app.exec();
}
