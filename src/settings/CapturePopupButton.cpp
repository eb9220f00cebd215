#include "settings/CapturePopupButton.h"

#include "editors/EditorChrome.h"
#include "settings/IconViews.h"

#include <QFontMetricsF>
#include <QPainter>

CapturePopupButton::CapturePopupButton(int height, QWidget* parent)
    : PopupPickerButton(QStringLiteral("capture-popup"), height, parent)
{
}

void CapturePopupButton::setCapture(std::optional<QIcon> icon, const QString& title, const QString& detail)
{
    m_icon = std::move(icon);
    m_title = title;
    m_detail = detail;
    setAccessibleName(m_title + QStringLiteral(", ") + m_detail);
    update();
}

void CapturePopupButton::paintContent(
    QPainter& p, const QRectF& field, const QRectF& iconRect, double textLeft, double right, const QColor& accent)
{
    if (m_icon)
        m_icon->paint(&p, iconRect.toAlignedRect());
    else
        EditorChrome::paintIcon(p, iconRect, QStringLiteral("square.on.square"), accent);
    // The name and the summary side by side where both fit whole; else the
    // summary goes under the name in the caption size, so that neither is cut
    // (each is shortened only when even its own line is too narrow).
    const QFontMetricsF fm(font());
    const double room = std::max(0.0, right - textLeft);
    const double titleWidth = fm.horizontalAdvance(m_title);
    const double detailWidth = fm.horizontalAdvance(m_detail);
    const QColor secondary = SecondaryLabel::colour(palette());
    if (titleWidth + 8 + detailWidth <= room) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRectF(textLeft, field.top(), titleWidth + 1, field.height()),
            Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, m_title);
        p.setPen(secondary);
        p.drawText(QRectF(textLeft + titleWidth + 8, field.top(), detailWidth + 1, field.height()),
            Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, m_detail);
        return;
    }
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    const QFontMetricsF sm(small);
    const double lines = fm.height() + sm.height();
    const double top = field.center().y() - lines / 2;
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(textLeft, top, room, fm.height()), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
        fm.elidedText(m_title, Qt::ElideRight, room));
    p.setFont(small);
    p.setPen(secondary);
    p.drawText(QRectF(textLeft, top + fm.height(), room, sm.height()),
        Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, sm.elidedText(m_detail, Qt::ElideRight, room));
    p.setFont(font());
}
