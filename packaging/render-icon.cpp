// Renders the application's SVG icon at the sizes the hicolor theme keeps as PNG.
//   kelvaro-render-icon ICON.svg OUTPUT_DIR SIZE...
// writes OUTPUT_DIR/<size>x<size>/apps/<icon name>.png for each size.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: kelvaro-render-icon ICON.svg OUTPUT_DIR SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "kelvaro-render-icon: %s is not a readable SVG file\n", qPrintable(args.at(1)));
        return 1;
    }
    const QString name = QFileInfo(args.at(1)).completeBaseName();
    for (const QString& text : args.mid(3)) {
        bool ok = false;
        const int size = text.toInt(&ok);
        if (!ok || size <= 0 || size > 1024) {
            std::fprintf(stderr, "kelvaro-render-icon: %s is not a size\n", qPrintable(text));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args.at(2)).arg(size);
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "kelvaro-render-icon: could not write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
