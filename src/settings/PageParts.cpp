#include "settings/PageParts.h"

#include "settings/IconViews.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

SecondaryLabel* plainSecondaryLabel(const QString& text, QWidget* parent)
{
    auto* label = new SecondaryLabel(QString(), parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QFrame* horizontalDivider(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

QVBoxLayout* scrollingPage(QWidget* owner, const QMargins& margins, int spacing)
{
    auto* outer = new QVBoxLayout(owner);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(owner);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll);
    auto* content = new QWidget(scroll);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(margins);
    column->setSpacing(spacing);
    scroll->setWidget(content);
    return column;
}

SheetFooter addSheetFooter(QVBoxLayout* column, QWidget* owner)
{
    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(20, 14, 20, 14);
    SheetFooter parts;
    parts.cancel = new QPushButton(QCoreApplication::translate("Kelvaro", "Cancel"), owner);
    parts.cancel->setAutoDefault(false);
    footer->addWidget(parts.cancel);
    footer->addStretch(1);
    parts.confirm = new QPushButton(owner);
    parts.confirm->setDefault(true);
    footer->addWidget(parts.confirm);
    column->addLayout(footer);
    return parts;
}
