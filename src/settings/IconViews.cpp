#include "settings/IconViews.h"

#include "core/CustomIcons.h"
#include "core/SymbolIcons.h"
#include "platform/Workspace.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

std::optional<QIcon> AppIcons::appIcon(const QString& bundleIdentifier)
{
    if (bundleIdentifier.isEmpty())
        return std::nullopt;
    const auto url = Workspace::shared().urlForApplication(bundleIdentifier);
    if (!url)
        return std::nullopt;
    const QIcon icon = Workspace::shared().iconForFile(*url);
    if (icon.isNull())
        return std::nullopt;
    return icon;
}

// ---- Custom icons ---------------------------------------------------------------------------------

CustomIconView::CustomIconView(QString iconName, double side, QWidget* parent)
    : QWidget(parent)
    , m_side(side)
{
    setFixedSize(int(side), int(side));
    setIconName(iconName);
}

void CustomIconView::setIconName(const QString& iconName)
{
    if (iconName == m_name && m_loads > 0)
        return;
    m_name = iconName;
    load();
    update();
}

void CustomIconView::load()
{
    ++m_loads;
    m_image = QImage();
    const auto path = CustomIcons::filePath(m_name);
    if (!path)
        return;
    QImageReader reader(*path);
    if (QFile(*path).size() > 8 * 1024 * 1024)
        return; // not an icon
    m_image = reader.read();
}

void CustomIconView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF square(0, 0, m_side, m_side);
    if (!m_image.isNull()) {
        QSizeF s = QSizeF(m_image.size()).scaled(square.size(), Qt::KeepAspectRatio);
        p.drawImage(QRectF(square.center() - QPointF(s.width() / 2, s.height() / 2), s), m_image);
        return;
    }
    const double d = m_side * 0.6;
    SymbolIcons::paint(p, QRectF(square.center() - QPointF(d / 2, d / 2), QSizeF(d, d)), QStringLiteral("photo"),
                       palette().color(QPalette::PlaceholderText));
}

ShortcutIconView::ShortcutIconView(const AppShortcut& shortcut, double side, QWidget* parent)
    : QWidget(parent)
    , m_shortcut(shortcut)
    , m_side(side)
{
    setFixedSize(int(side), int(side));
    if (CustomIcons::isCustomIconName(shortcut.icon))
        m_custom = new CustomIconView(shortcut.icon, side, this);
}

void ShortcutIconView::paintEvent(QPaintEvent*)
{
    if (m_custom)
        return;
    QPainter p(this);
    const double d = m_side * 0.72;
    SymbolIcons::paint(p, QRectF((m_side - d) / 2, (m_side - d) / 2, d, d), m_shortcut.icon,
                       palette().color(QPalette::WindowText));
}

// ---- Tab buttons ------------------------------------------------------------------------------------

TabButton::TabButton(QString symbol, QWidget* parent)
    : QAbstractButton(parent)
    , m_symbol(std::move(symbol))
{
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize TabButton::sizeHint() const { return QSize(74, 20 + 5 + fontMetrics().height() + 16); }

void TabButton::enterEvent(QEnterEvent*)
{
    m_hovering = true;
    update();
}

void TabButton::leaveEvent(QEvent*)
{
    m_hovering = false;
    update();
}

void TabButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor accent = palette().color(QPalette::Highlight);
    QColor background = Qt::transparent;
    if (isChecked()) {
        background = accent;
        background.setAlphaF(0.14f);
    } else if (m_hovering) {
        background = palette().color(QPalette::WindowText);
        background.setAlphaF(0.06f);
    }
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    p.fillPath(shape, background);
    if (hasFocus()) {
        p.setPen(QPen(accent, 1.5));
        p.drawPath(shape);
    }
    const QColor ink = isChecked() ? accent : SecondaryLabel::colour(palette());
    SymbolIcons::paint(p, QRectF((width() - 20) / 2.0, 8, 20, 20), m_symbol, ink);
    QFont f = font();
    f.setPixelSize(11);
    f.setWeight(isChecked() ? QFont::DemiBold : QFont::Normal);
    p.setFont(f);
    p.setPen(ink);
    p.drawText(QRectF(0, 8 + 20 + 5, width(), height() - 33), Qt::AlignHCenter | Qt::AlignTop,
               p.fontMetrics().elidedText(text(), Qt::ElideRight, width() - 4));
}

// ---- Dotted backdrop -----------------------------------------------------------------------------------

QList<QPointF> DottedPattern::centres(QSizeF size, double spacing)
{
    QList<QPointF> out;
    if (spacing <= 0)
        return out;
    for (int i = 0; i * spacing <= size.width(); ++i)
        for (int j = 0; j * spacing <= size.height(); ++j)
            out << QPointF(i * spacing, j * spacing);
    return out;
}

void DottedPattern::paint(QPainter& painter, QSizeF size, double dotSize, double spacing, bool dark)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(dark ? QColor(255, 255, 255, 41) : QColor(0, 0, 0, 33));
    for (const QPointF& c : centres(size, spacing))
        painter.drawEllipse(c, dotSize / 2, dotSize / 2);
    painter.restore();
}

// ---- Secondary text ---------------------------------------------------------------------------------------

SecondaryLabel::SecondaryLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setWordWrap(true);
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 0.9);
    setFont(f);
    follow();
}

QColor SecondaryLabel::colour(const QPalette& palette)
{
    QColor c = palette.color(QPalette::WindowText);
    c.setAlphaF(0.62f);
    return c;
}

void SecondaryLabel::follow()
{
    if (m_following)
        return;
    m_following = true;
    QPalette p = parentWidget() ? parentWidget()->palette() : QApplication::palette();
    p.setColor(QPalette::WindowText, colour(p));
    setPalette(p);
    m_following = false;
}

void SecondaryLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
        follow();
    QLabel::changeEvent(event);
}
