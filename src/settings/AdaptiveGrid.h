#pragma once
// A grid whose column count follows its width: as many columns of at least
// `minimumColumnWidth` as fit (never fewer than one), sharing the width
// equally, filled row by row. Every row is as tall as its tallest item, and
// the height follows the width, so a scroll area around it scrolls exactly
// the rows that do not fit.

#include <QLayout>
#include <QList>
#include <algorithm>

class AdaptiveGrid : public QLayout {
public:
    AdaptiveGrid(int minimumColumnWidth, int spacing, QWidget* parent = nullptr);
    ~AdaptiveGrid() override;

    // The columns that fit in `width`.
    int columnsFor(int width) const;
    // How many columns its natural size plans for.
    void setPreferredColumns(int columns) { m_preferredColumns = std::max(columns, 1); }

    void addItem(QLayoutItem* item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem* itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    void setGeometry(const QRect& rect) override;

private:
    int arrange(const QRect& rect, bool apply) const;
    int rowHeight(int first, int columns) const;

    QList<QLayoutItem*> m_items;
    int m_minimumColumnWidth;
    int m_preferredColumns = 3;
};
