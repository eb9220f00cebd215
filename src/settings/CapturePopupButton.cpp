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
    // The summary is always shown: the name gets the room it leaves, but
    // never less than a third of the whole, and the summary is shortened
    // only when even that does not fit.
    const QFontMetricsF fm(font());
    const double room = std::max(0.0, right - textLeft);
    const double detailWidth = fm.horizontalAdvance(m_detail);
    const double titleRoom = std::min(fm.horizontalAdvance(m_title), std::max(room - detailWidth - 8, room / 3));
    const QString title = fm.elidedText(m_title, Qt::ElideRight, titleRoom);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(textLeft, field.top(), titleRoom + 1, field.height()),
        Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, title);
    const double x = textLeft + fm.horizontalAdvance(title) + 8;
    p.setPen(SecondaryLabel::colour(palette()));
    p.drawText(QRectF(x, field.top(), std::max(0.0, right - x), field.height()),
        Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
        fm.elidedText(m_detail, Qt::ElideRight, std::max(0.0, right - x)));
}
