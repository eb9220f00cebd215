#pragma once
// One segment of a segmented control: a checkable button drawn as part of a
// joined row, the chosen one filled with the accent so it stands out in the
// light and the dark appearance alike. Keyboard focus is a ring of its own,
// never a fill, so a focused segment is not mistaken for the chosen one.

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QString>

class SegmentButton : public QAbstractButton {
    Q_OBJECT
public:
    // Where the segment sits in its row: outer ends are rounded.
    enum class Position { only, first, middle, last };

    explicit SegmentButton(const QString& text, QWidget* parent = nullptr);
    void setPosition(Position position);
    void setSymbol(const QString& symbol);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The colours a segment is filled with, chosen and not, for `palette`.
    static QColor chosenFill(const QPalette& palette);
    static QColor plainFill(const QPalette& palette);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Position m_position = Position::only;
    QString m_symbol;
    bool m_keyboardFocus = false;
};

namespace Segments {
// Joins the buttons of `group` (added in order to `row`, without spacing) into
// one control: their positions follow the order of `group->buttons()`.
void join(QButtonGroup* group, QHBoxLayout* row);
}
