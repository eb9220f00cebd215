#include "settings/AdaptiveGrid.h"

#include <QWidget>
#include <algorithm>

AdaptiveGrid::AdaptiveGrid(int minimumColumnWidth, int spacing, QWidget* parent)
    : QLayout(parent)
    , m_minimumColumnWidth(std::max(minimumColumnWidth, 1))
{
    setSpacing(spacing);
    setContentsMargins(0, 0, 0, 0);
}

AdaptiveGrid::~AdaptiveGrid()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

int AdaptiveGrid::columnsFor(int width) const
{
    return std::max(1, (width + spacing()) / (m_minimumColumnWidth + spacing()));
}

void AdaptiveGrid::addItem(QLayoutItem* item)
{
    m_items << item;
    invalidate();
}

QLayoutItem* AdaptiveGrid::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    QLayoutItem* item = m_items.takeAt(index);
    invalidate();
    return item;
}

QSize AdaptiveGrid::sizeHint() const
{
    const QMargins m = contentsMargins();
    const int width = m_preferredColumns * m_minimumColumnWidth + (m_preferredColumns - 1) * spacing();
    return { width + m.left() + m.right(), heightForWidth(width + m.left() + m.right()) };
}

QSize AdaptiveGrid::minimumSize() const
{
    const QMargins m = contentsMargins();
    return { m_minimumColumnWidth + m.left() + m.right(), 0 };
}

int AdaptiveGrid::heightForWidth(int width) const { return arrange(QRect(0, 0, width, 0), false); }

void AdaptiveGrid::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int AdaptiveGrid::rowHeight(int first, int columns) const
{
    int tallest = 0;
    for (int i = first; i < std::min(first + columns, int(m_items.size())); ++i) {
        if (!m_items[i]->isEmpty())
            tallest = std::max(tallest, m_items[i]->sizeHint().height());
    }
    return tallest;
}

// Lays the items out in `rect` (when `apply`) and gives the height they take.
int AdaptiveGrid::arrange(const QRect& rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int columns = columnsFor(area.width());
    const int gap = spacing();
    const double columnWidth = std::max(0.0, double(area.width() - (columns - 1) * gap) / columns);
    int y = area.top();
    for (int first = 0; first < m_items.size(); first += columns) {
        const int height = rowHeight(first, columns);
        for (int c = 0; apply && c < columns && first + c < m_items.size(); ++c) {
            const int left = area.left() + int(c * (columnWidth + gap));
            const int right = area.left() + int(c * (columnWidth + gap) + columnWidth);
            m_items[first + c]->setGeometry(QRect(left, y, right - left, height));
        }
        y += height + (first + columns < m_items.size() ? gap : 0);
    }
    const QMargins m = contentsMargins();
    return y - area.top() + m.top() + m.bottom();
}
