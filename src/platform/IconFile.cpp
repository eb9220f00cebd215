#include "platform/IconFile.h"

#include "platform/ImageCheck.h"
#include "platform/Log.h"
#include "platform/SafeFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <memory>

namespace {

// A scalable icon drawn from SVG text held in memory, at whatever size it is
// asked for (what QIcon's own SVG engine does with a file name).
class SvgBytesEngine final : public QIconEngine {
public:
    explicit SvgBytesEngine(std::shared_ptr<QSvgRenderer> renderer)
        : m_renderer(std::move(renderer))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        m_renderer->render(painter, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        if (size.isEmpty() || size.width() > 4096 || size.height() > 4096)
            return {};
        const quint64 key = (quint64(quint32(size.width())) << 32) | quint32(size.height());
        if (const auto it = m_pixmaps.constFind(key); it != m_pixmaps.cend())
            return *it;
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            paint(&painter, image.rect(), mode, state);
        }
        QPixmap pm = QPixmap::fromImage(image);
        if (m_pixmaps.size() > 16)
            m_pixmaps.clear();
        m_pixmaps.insert(key, pm);
        return pm;
    }

    QIconEngine* clone() const override { return new SvgBytesEngine(m_renderer); }
    QString key() const override { return QStringLiteral("KelvaroSvgBytes"); }

private:
    std::shared_ptr<QSvgRenderer> m_renderer;
    QHash<quint64, QPixmap> m_pixmaps;
};

QIcon refuse(const QString& path, const QString& why)
{
    Log::write(QStringLiteral("Kelvaro: icon file %1 not used: %2").arg(path, why));
    return {};
}

}

QIcon IconFile::load(const QString& path)
{
    if (path.isEmpty())
        return {};
    const SafeFile::Result file = SafeFile::read(path, maxBytes);
    if (!file.ok())
        return refuse(path, file.reason);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg") || suffix == QLatin1String("svgz")) {
        auto renderer = std::make_shared<QSvgRenderer>(file.bytes);
        if (!renderer->isValid())
            return refuse(path, QStringLiteral("not a readable SVG picture"));
        renderer->setAspectRatioMode(Qt::KeepAspectRatio);
        return QIcon(new SvgBytesEngine(std::move(renderer)));
    }
    // A picture of a format checked here must hold up before its decoder
    // sees it; others (XPM) go to their decoder as they are.
    const ImageCheck::Verdict verdict
        = ImageCheck::inspect(file.bytes, { maxBytes, maxPixelSide, qint64(maxPixelSide) * maxPixelSide });
    if (!verdict.ok())
        return refuse(path, verdict.reason);
    QBuffer buffer;
    buffer.setData(file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, suffix.toLatin1());
    reader.setAllocationLimit(int(4LL * maxPixelSide * maxPixelSide / (1024 * 1024)) + 8);
    const QSize announced = reader.size();
    if (announced.isValid() && (announced.width() > maxPixelSide || announced.height() > maxPixelSide))
        return refuse(path,
            QStringLiteral("picture of %1 x %2 pixels is too large").arg(announced.width()).arg(announced.height()));
    const QImage image = reader.read();
    if (image.isNull())
        return refuse(path, QStringLiteral("not a readable picture (%1)").arg(reader.errorString()));
    if (image.width() > maxPixelSide || image.height() > maxPixelSide)
        return refuse(
            path, QStringLiteral("picture of %1 x %2 pixels is too large").arg(image.width()).arg(image.height()));
    return QIcon(QPixmap::fromImage(image));
}
