#include "settings/PageParts.h"

#include "core/SymbolIcons.h"
#include "editors/EditorChrome.h"
#include "input/KeyTapSuspension.h"
#include "settings/IconViews.h"
#include "settings/SettingsMotion.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

QLabel* plainLabel(const QString& text, QWidget* parent, bool secondary)
{
    if (!secondary)
        return EditorChrome::plainLabel(text, parent);
    return plainSecondaryLabel(text, parent);
}

QLabel* sheetHeader(QWidget* parent)
{
    auto* label = plainLabel(QString(), parent);
    label->setAlignment(Qt::AlignCenter);
    // The label's own margin: the contents margins of a label are not kept
    // once a dialog lays it out.
    label->setMargin(16);
    label->setContentsMargins(4, 0, 4, 0); // 20 at the sides in all
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed); // as tall as its script's lines
    return label;
}

namespace {
class SheetCard : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
        p.fillPath(shape, palette().color(QPalette::Base));
        QColor edge = palette().color(QPalette::Mid);
        edge.setAlphaF(0.7f);
        p.setPen(QPen(edge, 1));
        p.drawPath(shape);
    }
};
}

QFrame* sheetCard(QWidget* parent)
{
    auto* card = new SheetCard(parent);
    card->setFrameShape(QFrame::NoFrame);
    return card;
}

SecondaryLabel* plainSecondaryLabel(const QString& text, QWidget* parent)
{
    auto* label = new SecondaryLabel(QString(), parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

QFrame* horizontalDivider(QWidget* parent) { return EditorChrome::divider(parent); }

QVBoxLayout* scrollingPage(QWidget* owner, const QMargins& margins, int spacing)
{
    auto* outer = new QVBoxLayout(owner);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(owner);
    scroll->setWidgetResizable(true);
    // A page is no stop of its own for Tab or a screen reader: the focus goes
    // to its controls, and the area scrolls to show the focused one.
    scroll->setFocusPolicy(Qt::NoFocus);
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

QVBoxLayout* replaceContent(QWidget*& content, int spacing)
{
    if (content) {
        content->hide();
        content->deleteLater();
    }
    content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(spacing);
    return column;
}

QToolButton* symbolToolButton(const QString& symbol, const QString& label, const QString& objectName, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(SymbolIcons::icon(symbol));
    button->setToolTip(label);
    button->setAccessibleName(label);
    button->setObjectName(objectName);
    return button;
}

ScrollingList scrollingList(int height, QWidget* parent)
{
    ScrollingList parts;
    parts.scroll = new QScrollArea(parent);
    parts.scroll->setFixedHeight(height);
    parts.scroll->setWidgetResizable(true);
    parts.scroll->setFocusPolicy(Qt::NoFocus); // the rows take the focus
    parts.scroll->setFrameShape(QFrame::NoFrame);
    parts.scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    parts.list = new QWidget(parts.scroll);
    parts.rows = new QVBoxLayout(parts.list);
    parts.rows->setContentsMargins(0, 4, 14, 4);
    parts.rows->setSpacing(10);
    parts.scroll->setWidget(parts.list);
    return parts;
}

QWidget* emptyListState(int height, const QString& title, const QString& note, bool wrapNote, QWidget* parent,
    const std::function<QPushButton*(QWidget*)>& button)
{
    auto* empty = new QWidget(parent);
    empty->setFixedHeight(height);
    auto* stack = new QVBoxLayout(empty);
    stack->setContentsMargins(16, 0, 16, 0);
    stack->setSpacing(10);
    stack->addStretch(1);
    QLabel* heading = plainLabel(title, empty);
    heading->setAlignment(Qt::AlignCenter);
    QFont f = heading->font();
    f.setWeight(QFont::Medium);
    heading->setFont(f);
    stack->addWidget(heading);
    QLabel* hint = plainLabel(note, empty, true);
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(wrapNote);
    stack->addWidget(hint);
    if (button)
        stack->addWidget(button(empty), 0, Qt::AlignHCenter);
    stack->addStretch(1);
    return empty;
}

NameDialog::NameDialog(const QString& title, const QString& current, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto* column = new QVBoxLayout(this);
    column->setSpacing(8);
    auto* prompt = plainLabel(title, this);
    column->addWidget(prompt);
    m_field = new QLineEdit(current, this);
    m_field->setMinimumWidth(260);
    m_field->setAccessibleName(title);
    prompt->setBuddy(m_field);
    column->addWidget(m_field);
    m_problem = plainLabel(QCoreApplication::translate("Kelvaro", "A name is needed."), this);
    m_problem->setObjectName(QStringLiteral("name-problem"));
    QPalette warning = m_problem->palette();
    warning.setColor(QPalette::WindowText, QColor(0xd7, 0x3a, 0x31));
    m_problem->setPalette(warning);
    m_problem->hide();
    column->addWidget(m_problem);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QCoreApplication::translate("Kelvaro", "Rename"), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(QCoreApplication::translate("Kelvaro", "Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_field, &QLineEdit::textChanged, this, [this] { m_problem->hide(); });
    column->addWidget(buttons);
}

QString NameDialog::name() const { return m_field->text().trimmed(); }

void NameDialog::accept()
{
    // An empty name would be dropped and the old one kept without a word:
    // say so, and let the name be typed.
    if (name().isEmpty()) {
        m_problem->show();
        m_field->setFocus();
        return;
    }
    QDialog::accept();
}

void askForName(QWidget* owner, const QString& objectName, const QString& title, const QString& current,
    std::function<void(const QString&)> apply)
{
    QPointer<NameDialog> dialog = new NameDialog(title, current, owner);
    dialog->setObjectName(objectName);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // No global hotkey may fire while the name is typed: the key tap is off
    // from here until the dialog closes, however it closes.
    auto resume = std::make_shared<KeyTapSuspension::Resume>(KeyTapSuspension::begin());
    const auto resumeOnce = [resume] {
        if (*resume)
            (*resume)();
        *resume = nullptr;
    };
    // A page closed with the dialog up takes the dialog along: the tap comes back then too.
    QObject::connect(dialog, &QObject::destroyed, resumeOnce);
    QObject::connect(dialog, &QDialog::finished, owner, [dialog, resumeOnce, apply = std::move(apply)](int result) {
        resumeOnce();
        if (result == QDialog::Accepted && dialog)
            apply(dialog->name());
    });
    dialog->open();
}

PopupList popupList(
    QWidget* owner, const QString& objectName, const QString& accessibleName, int minimumWidth, const QWidget* button)
{
    PopupList parts;
    parts.frame = new QFrame(owner, Qt::Popup);
    parts.frame->setAttribute(Qt::WA_DeleteOnClose);
    parts.frame->setFrameShape(QFrame::StyledPanel);
    parts.frame->setObjectName(objectName);
    parts.frame->setAccessibleName(accessibleName);
    parts.frame->setMinimumWidth(std::max(minimumWidth, button ? button->width() : 0));
    parts.column = new QVBoxLayout(parts.frame);
    parts.column->setContentsMargins(6, 6, 6, 6);
    parts.column->setSpacing(2);
    return parts;
}

void addPopupHeading(QVBoxLayout* column, QLabel* heading)
{
    QFont f = heading->font();
    f.setBold(true);
    heading->setFont(f);
    heading->setContentsMargins(10, 8, 10, 4);
    column->addWidget(heading);
}

PopupPickerButton::PopupPickerButton(const QString& objectName, int height, QWidget* parent)
    : QAbstractButton(parent)
    , m_height(height)
{
    setFixedHeight(height);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
    setObjectName(objectName);
    m_turn = new WidgetMotion(this, 0.0);
}

void PopupPickerButton::setOpen(bool open)
{
    m_open = open;
    m_turn->animateTo(open ? 1.0 : 0.0, SettingsMotion::list(), SettingsMotion::reduced());
    update();
}

double PopupPickerButton::chevronTurn() const { return m_turn->value(); }

QSize PopupPickerButton::sizeHint() const { return { 240, m_height }; }

void PopupPickerButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    QPainterPath shape;
    shape.addRoundedRect(r, 7, 7);
    p.fillPath(shape, palette().color(QPalette::Base));
    const QColor accent = palette().color(QPalette::Highlight);
    QColor border = palette().color(QPalette::WindowText);
    border.setAlphaF(0.16f);
    p.setPen(
        m_open || hasFocus() ? QPen(QColor(accent.red(), accent.green(), accent.blue(), 140), 1.5) : QPen(border, 1));
    p.drawPath(shape);
    const double x = r.left() + SettingsDropdownChrome::horizontalPadding;
    const double right
        = r.right() - SettingsDropdownChrome::horizontalPadding - SettingsDropdownChrome::trailingReserve;
    paintContent(p, r, QRectF(x, r.center().y() - 9, 18, 18), x + 18 + 8, right, accent);
    SettingsDropdownChrome::paintChevron(p, r, chevronTurn(), accent);
}
