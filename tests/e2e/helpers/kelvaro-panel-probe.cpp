// kelvaro-panel-probe: shows a ring panel for the end-to-end tests.
//
// Usage: kelvaro-panel-probe [--ring]
// Makes one RingPanel of 300 x 300 points whose content paints a filled disc
// and reports clicks. Without --ring the content is a plain disc; with --ring
// it is an AppShortcutRingView over a model of 12 items (two pages), revealed.
// Reads commands from stdin, one per line, and answers on stdout:
//   front <x> <y>  orders the panel front with its top-left corner at Qt (x, y);
//                  answers "front 0x<window id>"
//   out            orders it out; answers "out"
//   quit           exits
// Every click on the content prints "click <x> <y>" (content coordinates);
// with --ring every change of the ring's selection prints "selected <index>".
// Prints "ready" once the panel exists.

#include "core/AppShortcut.h"
#include "platform/Screens.h"
#include "platform/Platform.h"
#include "platform/linux/LinuxPlatform.h"
#include "ring/AppShortcutRingView.h"
#include "ring/AppShortcutRingViewModel.h"
#include "ringkit/RingPanel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSocketNotifier>
#include <QTextStream>
#include <cstdio>
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
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Platform platform;
    Platform::install(&platform);
    LinuxPlatform::build(platform);
    const bool ring = app.arguments().contains(QStringLiteral("--ring"));
    RingPanel panel(platform.screens(), platform.panelHints());
    AppShortcutRingViewModel model;
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
            const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
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
            } else if (parts.value(0) == QStringLiteral("quit")) {
                app.quit();
            }
        }
    });
    return app.exec();
}
