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
    const QFontMetricsF fm(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QString title = fm.elidedText(m_title, Qt::ElideRight, std::max(0.0, right - textLeft));
    p.drawText(QRectF(textLeft, field.top(), right - textLeft, field.height()),
        Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, title);
    const double x = textLeft + fm.horizontalAdvance(title) + 8;
    // Shown whole where it fits, else left out: the list says it too.
    if (x + fm.horizontalAdvance(m_detail) <= right) {
        p.setPen(SecondaryLabel::colour(palette()));
        p.drawText(QRectF(x, field.top(), right - x, field.height()),
            Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, m_detail);
    }
}
