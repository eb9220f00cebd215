#include "settings/IconViews.h"

#include "core/CustomIcons.h"
#include "core/Hotkey.h"
#include "core/SymbolIcons.h"
#include "editors/EditorChrome.h"
#include "editors/SymbolLibrary.h"
#include "settings/SettingsMotion.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

std::optional<QIcon> AppIcons::appIcon(Workspace& workspace, const QString& bundleIdentifier)
{
    return EditorChrome::appIcon(workspace, bundleIdentifier);
}

// ---- Custom icons ---------------------------------------------------------------------------------

CustomIconView::CustomIconView(const QString& iconName, double side, QWidget* parent)
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
    m_image = SymbolLibrary::loadCustomIcon(m_name);
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
    SymbolIcons::paint(
        p, QRectF((m_side - d) / 2, (m_side - d) / 2, d, d), m_shortcut.icon, palette().color(QPalette::WindowText));
}

// ---- Tab buttons ------------------------------------------------------------------------------------

TabButton::TabButton(QString symbol, QWidget* parent)
    : HoverButton(parent)
    , m_symbol(std::move(symbol))
{
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    m_selection = new WidgetMotion(this, 0.0);
    // The tint moves to the chosen tab along the tab change's spring.
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        m_selection->animateTo(on ? 1.0 : 0.0, SettingsMotion::tabChange(), SettingsMotion::reduced());
    });
}

double TabButton::selection() const { return m_selection->value(); }

namespace {
constexpr int kTabTitlePixels = 11;
constexpr int kTabSmallestTitlePixels = 8;
constexpr int kTabMinimumWidth = 74;

QFont tabTitleFont(const QFont& base, int pixels, bool chosen)
{
    QFont f = base;
    f.setPixelSize(pixels);
    f.setWeight(chosen ? QFont::DemiBold : QFont::Normal);
    return f;
}
}

TabButton::Title TabButton::title(int width) const
{
    // Where the strip has less room than the title wants, the title gets
    // smaller, then takes a second line, rather than being cut.
    const int room = width - 4;
    for (int pixels = kTabTitlePixels; pixels >= kTabSmallestTitlePixels; --pixels) {
        const QFont f = tabTitleFont(font(), pixels, true);
        if (QFontMetrics(f).boundingRect(QRect(0, 0, room, 100), 0, text()).width() <= room)
            return { tabTitleFont(font(), pixels, isChecked()), false };
    }
    for (int pixels = kTabTitlePixels; pixels >= kTabSmallestTitlePixels; --pixels) {
        const QFont f = tabTitleFont(font(), pixels, true);
        const QFontMetrics fm(f);
        const QRect lines = fm.boundingRect(QRect(0, 0, room, 10 * fm.height()), Qt::TextWordWrap, text());
        if (lines.width() <= room && lines.height() <= 2 * fm.height())
            return { tabTitleFont(font(), pixels, isChecked()), true };
    }
    return { tabTitleFont(font(), kTabSmallestTitlePixels, isChecked()), true };
}

QSize TabButton::sizeHint() const
{
    // Wide enough for the title in the chosen weight, so choosing a tab never
    // makes its title longer than its button; a title of several words may
    // take two lines instead of a wide button.
    const QFontMetrics fm(tabTitleFont(font(), kTabTitlePixels, true));
    int widest = 0;
    for (const QString& word : text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, fm.horizontalAdvance(word));
    const int oneLine = fm.horizontalAdvance(text());
    const int width = std::max(kTabMinimumWidth, (oneLine + 12 <= kTabMinimumWidth * 5 / 4 ? oneLine : widest) + 12);
    const Title t = title(width);
    const int lines = t.wraps ? 2 : 1;
    return { width, 20 + 5 + lines * QFontMetrics(t.font).height() + 16 };
}

QSize TabButton::minimumSizeHint() const { return { kTabMinimumWidth, sizeHint().height() }; }

void TabButton::focusInEvent(QFocusEvent* event)
{
    // The window opens with focus in the strip; only focus the keyboard moved
    // here is shown, so an opened window has one marked tab: the chosen one.
    m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason
        || event->reason() == Qt::ShortcutFocusReason;
    HoverButton::focusInEvent(event);
}

void TabButton::focusOutEvent(QFocusEvent* event)
{
    m_keyboardFocus = false;
    HoverButton::focusOutEvent(event);
}

void TabButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor accent = palette().color(QPalette::Highlight);
    const double chosen = std::clamp(selection(), 0.0, 1.0);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    if (isHovering() && chosen < 1.0) {
        QColor hover = palette().color(QPalette::WindowText);
        hover.setAlphaF(float(0.06 * (1.0 - chosen)));
        p.fillPath(shape, hover);
    }
    if (chosen > 0.0) {
        QColor tint = accent;
        tint.setAlphaF(float(selectedTint * chosen));
        p.fillPath(shape, tint);
    }
    if (hasFocus() && m_keyboardFocus) {
        // Focus is a dotted ring in the text colour; the chosen tab is a filled
        // one in the accent: the two never look alike.
        QPen ring(palette().color(QPalette::WindowText), 1.5, Qt::DotLine);
        p.setPen(ring);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 6, 6);
    }
    const QColor ink = isChecked() ? accent : SecondaryLabel::colour(palette());
    SymbolIcons::paint(p, QRectF((width() - 20) / 2.0, 8, 20, 20), m_symbol, ink);
    const Title t = title(width());
    p.setFont(t.font);
    p.setPen(ink);
    p.drawText(QRectF(2, 8 + 20 + 5, width() - 4, height() - 33),
        Qt::AlignHCenter | Qt::AlignTop | (t.wraps ? Qt::TextWordWrap : 0), text());
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

// ---- Row buttons and rows ----------------------------------------------------------------------------------

RowActionButton::RowActionButton(QString symbol, const QString& help, bool isDestructive, QWidget* parent)
    : RowActionButton(std::move(symbol), help, isDestructive ? Ink::Destructive : Ink::Primary, parent)
{
}

RowActionButton::RowActionButton(QString symbol, const QString& help, Ink ink, QWidget* parent)
    : HoverButton(parent)
    , m_symbol(std::move(symbol))
    , m_ink(ink)
{
    setToolTip(help);
    setAccessibleName(help);
    setFixedSize(26, 26);
    setFocusPolicy(Qt::StrongFocus);
}

void RowActionButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QColor disc = palette().color(QPalette::WindowText);
    disc.setAlphaF(isHovering() && isEnabled() ? 0.12f : 0.06f);
    p.setPen(hasFocus() ? QPen(palette().color(QPalette::Highlight), 1.5) : Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75));
    SymbolIcons::paint(p, QRectF(7, 7, 12, 12), m_symbol, glyphColour());
}

QColor RowActionButton::glyphColour() const
{
    if (!isEnabled()) {
        QColor faint = palette().color(QPalette::WindowText);
        faint.setAlphaF(0.25f);
        return faint;
    }
    switch (m_ink) {
    case Ink::Destructive:
        return { 255, 59, 48 };
    case Ink::Secondary:
        return EditorChrome::secondaryColour(palette());
    case Ink::Primary:
        break;
    }
    return palette().color(QPalette::WindowText);
}

QString ShortcutRowView::subtitle(const AppShortcut& shortcut)
{
    if (!shortcut.shortcut.isEmpty())
        return Hotkey::displayTextForStored(shortcut.shortcut);
    if (shortcut.url && !shortcut.url->isEmpty())
        return *shortcut.url;
    if (shortcut.textSnippet && !shortcut.textSnippet->isEmpty())
        return *shortcut.textSnippet;
    return QCoreApplication::translate("Kelvaro", "No action");
}

ShortcutRowView::ShortcutRowView(const AppShortcut& shortcut, const Actions& actions, QWidget* parent)
    : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 5, 0, 5);
    row->setSpacing(12);
    row->addWidget(new ShortcutIconView(shortcut, 28, this));
    auto* texts = new QVBoxLayout;
    texts->setSpacing(1);
    // Names and texts may come from another application's menus: never markup.
    auto* name = new QLabel(this);
    name->setTextFormat(Qt::PlainText);
    name->setText(shortcut.name);
    QFont nf = name->font();
    nf.setWeight(QFont::DemiBold);
    name->setFont(nf);
    auto* second = new SecondaryLabel(QString(), this);
    second->setTextFormat(Qt::PlainText);
    second->setWordWrap(false);
    second->setText(second->fontMetrics().elidedText(subtitle(shortcut), Qt::ElideMiddle, 260));
    texts->addWidget(name);
    texts->addWidget(second);
    row->addLayout(texts);
    row->addStretch(1);
    auto add
        = [&](const char* symbol, const QString& help, bool destructive, bool enabled, std::function<void()> action) {
              auto* b = new RowActionButton(QString::fromLatin1(symbol), help.arg(shortcut.name), destructive, this);
              b->setEnabled(enabled);
              connect(b, &QAbstractButton::clicked, this, [action = std::move(action)] { action(); });
              row->addWidget(b);
              m_buttons << b;
          };
    if (actions.onMoveUp)
        add("chevron.up", QCoreApplication::translate("Kelvaro", "Move %1 up"), false, actions.canMoveUp,
            actions.onMoveUp);
    if (actions.onMoveDown)
        add("chevron.down", QCoreApplication::translate("Kelvaro", "Move %1 down"), false, actions.canMoveDown,
            actions.onMoveDown);
    if (actions.onEdit)
        add("pencil", QCoreApplication::translate("Kelvaro", "Edit %1"), false, true, actions.onEdit);
    add("xmark", QCoreApplication::translate("Kelvaro", "Delete %1"), true, true,
        actions.onDelete ? actions.onDelete : std::function<void()>([] {}));
}

IconMenuRow::IconMenuRow(const QString& title, std::optional<QString> detail, std::optional<QIcon> appIcon,
    std::optional<QString> systemImage, bool isSelected, QWidget* parent)
    : HoverButton(parent)
    , m_detail(std::move(detail))
    , m_appIcon(std::move(appIcon))
    , m_systemImage(std::move(systemImage))
    , m_selected(isSelected)
{
    setText(title);
    setAccessibleName(title);
    setFocusPolicy(Qt::StrongFocus);
    m_highlight = new WidgetMotion(this, 0.0);
}

void IconMenuRow::followPointer()
{
    m_highlight->animateTo(isHovering() || hasFocus() ? 1.0 : 0.0, SettingsMotion::hover(), SettingsMotion::reduced());
}

void IconMenuRow::enterEvent(QEnterEvent* event)
{
    HoverButton::enterEvent(event);
    followPointer();
}

void IconMenuRow::leaveEvent(QEvent* event)
{
    HoverButton::leaveEvent(event);
    followPointer();
}

void IconMenuRow::focusInEvent(QFocusEvent* event)
{
    HoverButton::focusInEvent(event);
    followPointer();
}

void IconMenuRow::focusOutEvent(QFocusEvent* event)
{
    HoverButton::focusOutEvent(event);
    followPointer();
}

double IconMenuRow::highlight() const { return m_highlight->value(); }

QSize IconMenuRow::sizeHint() const
{
    // Wide enough for the whole title and detail: padding, icon and gap (40),
    // the title, a gap of 8 and the detail, the checkmark and its gap (22)
    // and padding (10).
    const QFontMetricsF fm(font());
    const auto advance = [&](const QString& s) { return int(std::ceil(fm.horizontalAdvance(s))); };
    int width = 40 + advance(text()) + 22 + 10;
    if (m_detail)
        width += 8 + advance(*m_detail);
    return QSize(width, std::max(fontMetrics().height(), 20) + 14);
}

void IconMenuRow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor accent = palette().color(QPalette::Highlight);
    // The pointer's tint eases in over the chosen row's grey and out again.
    const double lit = std::clamp(highlight(), 0.0, 1.0);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 6, 6);
    if (m_selected && lit < 1.0) {
        QColor chosen = palette().color(QPalette::WindowText);
        chosen.setAlphaF(float(0.06 * (1.0 - lit)));
        p.fillPath(shape, chosen);
    }
    if (lit > 0.0) {
        QColor tint = accent;
        tint.setAlphaF(float(0.18 * lit));
        p.fillPath(shape, tint);
    }
    const double cy = height() / 2.0;
    const QRectF icon(10, cy - 10, 20, 20);
    if (m_appIcon)
        m_appIcon->paint(&p, icon.toRect());
    else
        EditorChrome::paintIcon(p, icon.adjusted(3, 3, -3, -3), m_systemImage.value_or(QStringLiteral("app.fill")),
            m_systemImage ? accent : SecondaryLabel::colour(palette()));
    double right = width() - 10;
    if (m_selected)
        SymbolIcons::paint(p, QRectF(right - 12, cy - 6, 12, 12), QStringLiteral("checkmark"), accent);
    right -= 12 + 10;
    if (m_detail) {
        p.setPen(SecondaryLabel::colour(palette()));
        const int w = p.fontMetrics().horizontalAdvance(*m_detail);
        p.drawText(QRectF(right - w, 0, w, height()), Qt::AlignVCenter, *m_detail);
        right -= w + 8;
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(40, 0, right - 40, height()), Qt::AlignVCenter | Qt::AlignLeft,
        p.fontMetrics().elidedText(text(), Qt::ElideRight, int(right - 40)));
}

void SettingsDropdownChrome::paintChevron(
    QPainter& painter, const QRectF& button, double openness, const QColor& accent)
{
    const QRectF badge(button.right() - horizontalPadding - chevronSize, button.center().y() - 12, chevronSize, 24);
    QPainterPath shape;
    shape.addRoundedRect(badge, 5, 5);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(shape, accent);
    painter.translate(badge.center());
    painter.rotate(180.0 * openness);
    SymbolIcons::paint(painter, QRectF(-6, -6, 12, 12), QStringLiteral("chevron.down"), Qt::white);
    painter.restore();
}
