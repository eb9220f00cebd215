// kelvaro-panel-probe: shows one of the application's panels on its own, for
// the end-to-end tests.
//
// Usage: kelvaro-panel-probe [--ring | --switcher [--owner]]
// Prints "ready" once the panel exists, then reads commands from stdin, one
// per line, and answers on stdout. "quit" exits.
//
// Without options, or with --ring: one RingPanel of 300 x 300 points whose
// content paints a filled disc and reports clicks; with --ring it is 700 x 700
// and the content is an AppShortcutRingView over a model of 12 items (two
// pages), revealed.
//   front <x> <y>  orders the panel front with its top-left corner at Qt (x, y);
//                  answers "front 0x<window id>"
//   out            orders it out; answers "out"
// Every click on the disc prints "click <x> <y>" (content coordinates); with
// --ring every change of the ring's selection prints "selected <index>".
//
// With --switcher: the real switcher panel (a CircularSwitcherWindow over the
// real desktop backends). While it is shown, the pointer's position is fed to
// its model every 10 ms, as the application's pointer feed does. With --owner,
// clicks are not run by the panel but printed as
// "commit <app index> <window index or -1>".
//   show      shows the switcher with the running applications; once revealed
//             answers "shown 0x<window id> <x> <y> <side>" (Qt coordinates)
//   hide      hides it with the exit animation; "hidden" follows once it is out
//   hidenow   hides it at once
// Also prints "apps <name>,<name>,…" on each showing, "selected <index>" and
// "window <index or -1> <title>" on every change of the selection and
// "hidden" after every finished hide.

#include "core/AppShortcut.h"
#include "core/Hotkey.h"
#include "platform/Platform.h"
#include "platform/Screens.h"
#include "platform/linux/LinuxPlatform.h"
#include "ring/AppShortcutRingView.h"
#include "ring/AppShortcutRingViewModel.h"
#include "ringkit/RingPanel.h"
#include "switcher/CircularSwitcherView.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "switcher/CircularSwitcherWindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {
void say(const QString& line)
{
    std::fprintf(stdout, "%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

class Disc : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 120, 220, 200));
        p.drawEllipse(QRectF(rect()).adjusted(2, 2, -2, -2));
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        say(QStringLiteral("click %1 %2").arg(int(e->position().x())).arg(int(e->position().y())));
    }
};

// Runs `command` for every line that arrives on stdin; quits at "quit" or
// at the end of the input.
void readCommands(QApplication& app, std::function<void(const QStringList&)> command)
{
    auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &app);
    QObject::connect(input, &QSocketNotifier::activated, &app, [&app, command = std::move(command)] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof(buffer) - 1);
        if (n <= 0) {
            app.quit();
            return;
        }
        buffer[n] = 0;
        for (const QString& line : QString::fromUtf8(buffer).split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
            if (parts.value(0) == QStringLiteral("quit"))
                app.quit();
            else
                command(parts);
        }
    });
}

int runRingPanel(QApplication& app, Platform& platform, bool ring)
{
    RingPanel panel(platform.screens(), platform.panelHints());
    AppShortcutRingViewModel model { platform };
    if (ring) {
        QList<AppShortcut> items;
        for (int i = 0; i < 12; ++i) {
            items.append(AppShortcut(QStringLiteral("Item %1").arg(i + 1), QStringLiteral("star"),
                QStringLiteral("⌘%1").arg(i), QStringLiteral("org.kelvaro.Probe")));
        }
        RunningApp centre;
        centre.name = QStringLiteral("Probe");
        centre.bundleIdentifier = QStringLiteral("org.kelvaro.Probe");
        model.loadShortcuts(centre, items);
        auto* view = new AppShortcutRingView(&model);
        QObject::connect(&model, &AppShortcutRingViewModel::selectedIndexChanged, &model,
            [&model] { say(QStringLiteral("selected %1").arg(model.selectedIndex())); });
        panel.setContent(view);
    } else {
        panel.setContent(new Disc);
    }
    say(QStringLiteral("ready"));

    readCommands(app, [&](const QStringList& parts) {
        if (parts.value(0) == QStringLiteral("front")) {
            const double side = ring ? 700.0 : 300.0;
            const QPointF topLeftQt(parts.value(1).toDouble(), parts.value(2).toDouble());
            const QRectF yUp = platform.screens().fromQt(QRectF(topLeftQt, QSizeF(side, side)));
            panel.setFrameYUp(yUp);
            if (ring)
                model.setRingCenter(yUp.center());
            panel.orderFront();
            if (ring)
                model.reveal();
            say(QStringLiteral("front 0x%1").arg(QString::number(panel.winId(), 16)));
        } else if (parts.value(0) == QStringLiteral("out")) {
            panel.orderOut();
            say(QStringLiteral("out"));
        }
    });
    return app.exec();
}

int runSwitcher(QApplication& app, Platform& platform, bool owner)
{
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

    readCommands(app, [&](const QStringList& parts) {
        const QString command = parts.value(0);
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
        }
    });
    return app.exec();
}
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Platform platform;
    Platform::install(&platform);
    LinuxPlatform::build(platform);
    Hotkey::useLayout(&platform.keyboardLayout()); // key names and typed keys follow the session's layout
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--switcher")))
        return runSwitcher(app, platform, args.contains(QStringLiteral("--owner")));
    return runRingPanel(app, platform, args.contains(QStringLiteral("--ring")));
}
