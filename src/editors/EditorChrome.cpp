#include "editors/EditorChrome.h"

#include "core/CustomIcons.h"
#include "core/SymbolIcons.h"
#include "editors/SymbolLibrary.h"
#include "platform/Workspace.h"

#include <QFrame>
#include <QHash>
#include <QMessageBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <cmath>
#include <QPainter>

namespace EditorChrome {
QColor secondaryColour(const QPalette& palette)
{
    QColor c = palette.color(QPalette::WindowText);
    c.setAlphaF(0.62f);
    return c;
}

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QLabel* secondaryLabel(const QString& text, QWidget* parent, bool caption)
{
    QLabel* label = plainLabel(text, parent);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, secondaryColour(pal));
    label->setPalette(pal);
    if (caption) {
        QFont f = label->font();
        f.setPointSizeF(f.pointSizeF() * 0.85);
        label->setFont(f);
    }
    return label;
}

QLabel* sectionTitle(const QString& text, QWidget* parent)
{
    QLabel* label = secondaryLabel(text.toUpper(), parent);
    QFont f = label->font();
    f.setPixelSize(11);
    f.setWeight(QFont::DemiBold);
    label->setFont(f);
    return label;
}

void setAlertSymbol(QMessageBox* box, bool warning)
{
    const QColor colour = warning ? QColor(0xf0, 0x9a, 0x1a) : box->palette().color(QPalette::Highlight);
    box->setIconPixmap(
        iconPixmap(warning ? QStringLiteral("exclamationmark.triangle.fill") : QStringLiteral("info.circle"), 48,
            colour, box->devicePixelRatioF()));
}

namespace {
    bool hasEvenDigits(const QFont& font)
    {
        const QFontMetricsF metrics(font);
        const double zero = metrics.horizontalAdvance(QLatin1Char('0'));
        for (char digit = '1'; digit <= '9'; ++digit) {
            if (std::abs(metrics.horizontalAdvance(QLatin1Char(digit)) - zero) > 0.01)
                return false;
        }
        return true;
    }
}

QFont combinationFont(const QFont& base)
{
    QFont font = base;
    font.setWeight(QFont::Medium);
    static const QStringList rounded { QStringLiteral("Nunito"), QStringLiteral("M PLUS Rounded 1c"),
        QStringLiteral("Varela Round"), QStringLiteral("Comfortaa") };
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : rounded) {
        if (!installed.contains(family))
            continue;
        QFont candidate = font;
        candidate.setFamilies({ family });
        if (hasEvenDigits(candidate))
            return candidate;
    }
    if (!hasEvenDigits(font)) {
        // Digits of one width from the desktop's fixed-width face, the
        // letters from the interface font behind it.
        QStringList families { QFontDatabase::systemFont(QFontDatabase::FixedFont).family() };
        families << font.families();
        font.setFamilies(families);
    }
    return font;
}

QFrame* divider(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

void paintIcon(QPainter& painter, const QRectF& rect, const QString& icon, const QColor& colour)
{
    if (!CustomIcons::isCustomIconName(icon)) {
        SymbolIcons::paint(painter, rect, icon, colour);
        return;
    }
    // A custom icon file never changes under its name (a new picture gets a
    // new name), so what was read once is kept.
    static QHash<QString, QImage> pictures;
    auto it = pictures.find(icon);
    if (it == pictures.end())
        it = pictures.insert(icon, SymbolLibrary::loadCustomIcon(icon));
    if (it->isNull()) {
        const double d = std::min(rect.width(), rect.height()) * 0.8;
        SymbolIcons::paint(
            painter, QRectF(rect.center() - QPointF(d / 2, d / 2), QSizeF(d, d)), QStringLiteral("photo"), colour);
        return;
    }
    const QSizeF s = QSizeF(it->size()).scaled(rect.size(), Qt::KeepAspectRatio);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(rect.center() - QPointF(s.width() / 2, s.height() / 2), s), *it);
    painter.restore();
}

QPixmap iconPixmap(const QString& icon, int side, const QColor& colour, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(side, side) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paintIcon(p, QRectF(0, 0, side, side), icon, colour);
    return pixmap;
}

std::optional<QIcon> appIcon(Workspace& workspace, const QString& bundleIdentifier)
{
    if (bundleIdentifier.isEmpty())
        return std::nullopt;
    const auto url = workspace.urlForApplication(bundleIdentifier);
    if (!url)
        return std::nullopt;
    const QIcon icon = workspace.iconForFile(*url);
    if (icon.isNull())
        return std::nullopt;
    return icon;
}
}

IconPreview::IconPreview(const QString& icon, int side, QWidget* parent)
    : QWidget(parent)
    , m_side(side)
{
    setFixedSize(side, side);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setIcon(icon);
}

void IconPreview::setIcon(const QString& icon)
{
    m_icon = icon;
    m_picture = CustomIcons::isCustomIconName(icon) ? SymbolLibrary::loadCustomIcon(icon) : QImage();
    update();
}

void IconPreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF square(0, 0, m_side, m_side);
    if (!m_picture.isNull()) {
        const QSizeF s = QSizeF(m_picture.size()).scaled(square.size(), Qt::KeepAspectRatio);
        p.drawImage(QRectF(square.center() - QPointF(s.width() / 2, s.height() / 2), s), m_picture);
        return;
    }
    if (CustomIcons::isCustomIconName(m_icon)) {
        const double d = m_side * 0.6;
        SymbolIcons::paint(p, QRectF(square.center() - QPointF(d / 2, d / 2), QSizeF(d, d)), QStringLiteral("photo"),
            EditorChrome::secondaryColour(palette()));
        return;
    }
    SymbolIcons::paint(p, square, m_icon, palette().color(QPalette::WindowText));
}

void HoverButton::enterEvent(QEnterEvent*)
{
    m_hovering = true;
    update();
}

void HoverButton::leaveEvent(QEvent*)
{
    m_hovering = false;
    update();
}
