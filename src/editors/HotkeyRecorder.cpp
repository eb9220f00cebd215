#include "editors/HotkeyRecorder.h"
#include "editors/ControlAccessibility.h"

#include "platform/KeyCodes.h"
#include "platform/KeyModifiers.h"
#include "editors/EditorChrome.h"
#include "core/SymbolIcons.h"
#include "ringkit/RingAnimation.h"
#include "ringkit/WidgetMotion.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QAbstractButton>
#include <QEnterEvent>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {
bool reducedMotion() { return AnimationEngine::shared().reduceMotion(); }

// The clear button: a cancel symbol on a faint disc, growing from 0.8 as it
// fades in and shrinking as it fades out.
class ClearButton : public QAbstractButton {
public:
    ClearButton(QWidget* parent, const WidgetMotion* presence)
        : QAbstractButton(parent)
        , m_presence(presence)
    {
    }
    QSize sizeHint() const override { return { 24, 24 }; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const double shown = std::clamp(m_presence->value(), 0.0, 1.0);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setOpacity(shown);
        const QPointF c = QRectF(rect()).center();
        p.translate(c);
        const double scale = 0.8 + 0.2 * shown;
        p.scale(scale, scale);
        QColor disc = palette().color(QPalette::Base);
        disc.setAlphaF(0.7f);
        p.setPen(Qt::NoPen);
        p.setBrush(disc);
        p.drawEllipse(QPointF(0, 0), 11, 11);
        SymbolIcons::paint(
            p, QRectF(-7, -7, 14, 14), QStringLiteral("xmark.circle.fill"), EditorChrome::secondaryColour(palette()));
    }

private:
    const WidgetMotion* m_presence;
};
}

RingAnimation HotkeyRecorder::animation(bool reduceMotion)
{
    return reduceMotion ? RingAnimation::linear(0.01) : RingAnimation::spring(0.2, 0.8);
}

double HotkeyRecorder::recordingLook() const { return m_recordingLook->value(); }
double HotkeyRecorder::clearPresence() const { return m_clearShown->value(); }
double HotkeyRecorder::messageOpacity() const { return m_messageFade->value(); }

HotkeyRecorder::HotkeyRecorder(Binding binding, QString placeholder, QWidget* parent)
    : QWidget(parent)
    , m_binding(std::move(binding))
    , m_placeholder(std::move(placeholder))
{
    ControlAccessibility::install();
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QCoreApplication::translate("Kelvaro", "Keyboard shortcut"));
    setToolTip(QCoreApplication::translate(
        "Kelvaro", "Activate to record a new shortcut. Press Escape to cancel, Delete to clear."));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    m_field = new QWidget(this);
    m_field->setMinimumHeight(72);
    m_field->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* row = new QHBoxLayout(m_field);
    row->setContentsMargins(10, 8, 12, 8);
    m_strip = new KeyStrip(m_field);
    m_strip->setStripHeight(56);
    m_strip->setShowsCaptions(true);
    m_strip->setFillsWidth(true);
    row->addWidget(m_strip, 1);
    column->addWidget(m_field);
    m_recordingLook = new WidgetMotion(this, 0.0);
    m_clearShown = new WidgetMotion(this, 0.0);
    m_clear = new ClearButton(this, m_clearShown);
    connect(m_clearShown, &WidgetMotion::changed, m_clear, [this](double shown) {
        m_clear->update();
        // Gone once it has shrunk away; clickable only while it shows.
        m_clear->setVisible(shown > 0.0 || m_clearShown->target() > 0.0);
    });
    m_clear->setToolTip(QCoreApplication::translate("Kelvaro", "Clear shortcut"));
    m_clear->setAccessibleName(QCoreApplication::translate("Kelvaro", "Clear shortcut"));
    m_clear->setFocusPolicy(Qt::NoFocus);
    m_clear->setProperty("overlay", true); // it sits inside the field, over the caps
    m_clear->setCursor(Qt::ArrowCursor);
    m_clear->hide();
    connect(m_clear, &QAbstractButton::clicked, this, [this] {
        m_binding.set(std::nullopt);
        sync();
    });
    m_messageRow = new QWidget(this);
    m_messageRow->setObjectName(QStringLiteral("messageLine"));
    auto* messageLine = new QHBoxLayout(m_messageRow);
    messageLine->setContentsMargins(0, 0, 0, 0);
    messageLine->setSpacing(4);
    m_messageIcon = new QLabel(m_messageRow);
    m_messageIcon->setFixedSize(12, 12);
    messageLine->addWidget(m_messageIcon, 0, Qt::AlignTop);
    m_message = new QLabel(m_messageRow);
    m_message->setWordWrap(true);
    QFont small = m_message->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_message->setFont(small);
    messageLine->addWidget(m_message, 1);
    column->addWidget(m_messageRow);
    m_messageFade = new WidgetMotion(m_messageRow, 1.0);
    connect(m_messageFade, &WidgetMotion::changed, m_messageRow, [this](double opacity) {
        // The effect costs a layer per paint: it lives only while the line fades.
        if (m_messageFade->isAnimating() || opacity < 1.0) {
            if (!m_messageEffect) {
                m_messageEffect = new QGraphicsOpacityEffect(m_messageRow);
                m_messageRow->setGraphicsEffect(m_messageEffect);
            }
            m_messageEffect->setOpacity(std::clamp(opacity, 0.0, 1.0));
        } else if (m_messageEffect) {
            m_messageRow->setGraphicsEffect(nullptr); // deletes it
            m_messageEffect = nullptr;
        }
        if (!m_messageFade->isAnimating() && opacity <= 0.0 && m_messageShown.size() <= 1) {
            hideMessage();
            m_messageFade->setValue(1.0);
        }
    });

    connect(&m_session, &HotkeyRecorderSession::changed, this, &HotkeyRecorder::sync);
    connect(&m_session, &HotkeyRecorderSession::ended, this, &HotkeyRecorder::recordingEnded);
    connect(&m_session, &HotkeyRecorderSession::committed, this, [this](std::optional<Hotkey> hotkey) {
        m_binding.set(hotkey);
        sync();
    });
    sync();
}

HotkeyRecorder::~HotkeyRecorder() { m_session.teardown(); }

void HotkeyRecorder::setWarning(std::optional<QString> warning)
{
    m_warning = std::move(warning);
    sync();
}

void HotkeyRecorder::refresh() { sync(); }

void HotkeyRecorder::toggleRecording()
{
    if (m_session.isRecording()) {
        m_session.teardown();
    } else {
        setFocus(Qt::OtherFocusReason);
        m_session.start(window());
    }
}

QList<KeyStripItem> HotkeyRecorder::composerItems() const
{
    QList<KeyStripItem> items;
    if (m_session.isRecording()) {
        // The held modifiers in the fixed order, then the glowing slot.
        const std::uint64_t held = m_session.liveModifiers();
        const Hotkey probe(0, held);
        for (const QString& name : probe.modifierNames()) {
            KeyStripItem item { name, name, std::nullopt };
            item.isPressed = true;
            items << item;
        }
        KeyStripItem slot { QStringLiteral("key-slot"), QString(), m_placeholder };
        slot.showsDotGrid = true;
        slot.glows = true;
        items << slot;
        return items;
    }
    const std::optional<Hotkey> hotkey = m_binding.get();
    if (!hotkey) {
        KeyStripItem slot { QStringLiteral("key-slot"), QString(), m_placeholder };
        slot.showsDotGrid = true;
        items << slot;
        return items;
    }
    const QStringList tokens = hotkey->displayTokens();
    for (int i = 0; i < tokens.size(); ++i)
        items << KeyStripItem { QStringLiteral("bound-%1-%2").arg(i).arg(tokens[i]), tokens[i],
            KeyStripItem::printedName(tokens[i]) };
    return items;
}

QString HotkeyRecorder::messageText() const
{
    if (m_session.rejectionMessage())
        return *m_session.rejectionMessage();
    if (!m_session.isRecording())
        return m_warning.value_or(QString());
    return m_session.liveModifiers() != 0
        ? QCoreApplication::translate("Kelvaro", "Tap a key to finish · Esc to cancel")
        : QCoreApplication::translate("Kelvaro", "Hold modifiers, then tap a key · Esc to cancel");
}

void HotkeyRecorder::sync()
{
    const bool still = reducedMotion();
    m_strip->setEntryAnimation(animation(still));
    m_strip->setItems(composerItems());
    m_recordingLook->animateTo(m_session.isRecording() ? 1.0 : 0.0, animation(still), still);
    const bool warn = m_session.rejectionMessage() || (!m_session.isRecording() && m_warning);
    showMessage(messageText(), messageSymbol(), warn);
    const bool clearable = !m_session.isRecording() && m_binding.get() && (m_hovering || hasFocus());
    if (clearable)
        m_clear->show();
    m_clearShown->animateTo(clearable ? 1.0 : 0.0, animation(still), still);
    m_clear->resize(m_clear->sizeHint());
    m_clear->move(width() - m_clear->sizeHint().width() - 12, (m_field->height() - m_clear->sizeHint().height()) / 2);
    m_clear->raise();
    const std::optional<Hotkey> hotkey = m_binding.get();
    const QString value = m_session.isRecording() ? QCoreApplication::translate("Kelvaro", "Recording")
        : hotkey                                  ? hotkey->accessibilityLabel()
                                                  : QCoreApplication::translate("Kelvaro", "None");
    setAccessibleDescription(value);
    QAccessibleValueChangeEvent ev(this, value);
    QAccessible::updateAccessibility(&ev);
    update();
}

QString HotkeyRecorder::messageSymbol() const
{
    if (m_session.rejectionMessage())
        return QStringLiteral("exclamationmark.circle.fill");
    if (!m_session.isRecording() && m_warning)
        return QStringLiteral("exclamationmark.triangle.fill");
    return {};
}

void HotkeyRecorder::showMessage(const QString& text, const QString& symbol, bool warn)
{
    const QString shown = symbol + QLatin1Char('|') + text;
    const bool moving = !reducedMotion() && isVisible();
    if (text.isEmpty()) {
        // The line that goes fades out with its last words, then gives up its room.
        const bool wasShown = m_messageShown.size() > 1 && m_messageRow->isVisible();
        m_messageShown = shown;
        if (wasShown && moving) {
            m_messageFade->animateTo(0.0, animation(false));
        } else {
            m_messageFade->setValue(1.0);
            hideMessage();
        }
        return;
    }
    const QColor tint = warn ? QColor(230, 126, 34) : EditorChrome::secondaryColour(palette());
    m_message->setText(text);
    QPalette pal = m_message->palette();
    pal.setColor(QPalette::WindowText, tint);
    m_message->setPalette(pal);
    m_messageIcon->setVisible(!symbol.isEmpty());
    if (!symbol.isEmpty())
        m_messageIcon->setPixmap(SymbolIcons::icon(symbol, tint).pixmap(QSize(12, 12), devicePixelRatioF()));
    m_messageRow->setVisible(true);
    fitMessage();
    const bool fresh = shown != m_messageShown;
    m_messageShown = shown;
    // A new line fades in; one still fading out comes back from where it is.
    if (fresh && moving) {
        if (m_messageFade->target() > 0.0)
            m_messageFade->setValue(0.0);
        m_messageFade->animateTo(1.0, animation(false));
    } else if (!moving) {
        m_messageFade->setValue(1.0);
    }
}

void HotkeyRecorder::hideMessage()
{
    m_messageRow->setVisible(false);
    m_message->clear();
    fitMessage();
}

void HotkeyRecorder::fitMessage()
{
    // As tall as its lines at the recorder's width, less the symbol's where
    // the line has one: the layouts around it would plan one line, and a
    // longer message would lie over the field.
    const int room = width() - (m_messageIcon->isHidden() ? 0 : 16);
    m_message->setMinimumHeight(m_message->text().isEmpty() ? 0 : m_message->heightForWidth(std::max(room, 1)));
}

void HotkeyRecorder::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitMessage();
}

std::uint64_t HotkeyRecorder::storedModifiers(Qt::KeyboardModifiers modifiers)
{
    std::uint64_t bits = 0;
    if (modifiers & Qt::ControlModifier)
        bits |= Modifier::Ctrl;
    if (modifiers & Qt::AltModifier)
        bits |= Modifier::Alt;
    if (modifiers & Qt::MetaModifier)
        bits |= Modifier::Super;
    if (modifiers & Qt::ShiftModifier)
        bits |= Modifier::Shift;
    return bits;
}

std::uint64_t HotkeyRecorder::modifierBitOfKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Control:
        return Modifier::Ctrl;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return Modifier::Alt;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return Modifier::Super;
    case Qt::Key_Shift:
        return Modifier::Shift;
    default:
        return 0;
    }
}

bool HotkeyRecorder::event(QEvent* event)
{
    if (m_session.isRecording()) {
        // Every key belongs to the recording: no shortcut of the window and
        // no focus move with Tab.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            handleKeyPress(static_cast<QKeyEvent*>(event));
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            toggleRecording();
            return true;
        }
        if ((key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) && key->modifiers() == Qt::NoModifier
            && m_binding.get()) {
            m_binding.set(std::nullopt);
            sync();
            return true;
        }
    }
    return QWidget::event(event);
}

void HotkeyRecorder::handleKeyPress(QKeyEvent* event)
{
    const std::uint64_t held = storedModifiers(event->modifiers());
    if (const std::uint64_t own = modifierBitOfKey(event->key())) {
        m_session.modifiersChanged(held | own);
        return;
    }
    std::optional<std::uint16_t> code;
    if (event->nativeScanCode() != 0)
        code = KeyCodes::fromXKeycode(event->nativeScanCode());
    if (!code) {
        // Without the server's key code (no X11 connection): the keys the
        // recorder acts on by themselves, and letters and digits by label.
        switch (event->key()) {
        case Qt::Key_Escape:
            code = KeyCodes::Escape;
            break;
        case Qt::Key_Backspace:
            code = KeyCodes::Delete;
            break;
        case Qt::Key_Delete:
            code = HotkeyRecorderSession::forwardDeleteKey;
            break;
        default:
            if (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_Z)
                code = Hotkey::keyCodeForLabel(QString(QChar(event->key())));
            break;
        }
    }
    if (code)
        m_session.keyPressed(*code, held);
}

void HotkeyRecorder::keyReleaseEvent(QKeyEvent* event)
{
    if (m_session.isRecording()) {
        if (const std::uint64_t own = modifierBitOfKey(event->key()))
            m_session.modifiersChanged(storedModifiers(event->modifiers()) & ~own);
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void HotkeyRecorder::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_field->geometry().contains(event->position().toPoint())) {
        toggleRecording();
        return;
    }
    QWidget::mousePressEvent(event);
}

void HotkeyRecorder::enterEvent(QEnterEvent*)
{
    m_hovering = true;
    sync();
}

void HotkeyRecorder::leaveEvent(QEvent*)
{
    m_hovering = false;
    sync();
}

void HotkeyRecorder::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    sync();
}

void HotkeyRecorder::focusOutEvent(QFocusEvent* event)
{
    // Another control of the window took the keyboard: its keys are no
    // longer the recording's. (The window losing the focus is the session's
    // own rule, with its grace period.)
    if (m_session.isRecording() && event->reason() != Qt::ActiveWindowFocusReason
        && event->reason() != Qt::PopupFocusReason)
        m_session.teardown();
    QWidget::focusOutEvent(event);
    sync();
}

void HotkeyRecorder::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_beginsRecording && !m_session.isRecording())
        toggleRecording();
}

void HotkeyRecorder::hideEvent(QHideEvent* event)
{
    m_session.teardown();
    QWidget::hideEvent(event);
}

void HotkeyRecorder::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(m_field->geometry()).adjusted(1, 1, -1, -1);
    QPainterPath shape;
    shape.addRoundedRect(r, 10, 10);
    // Recording turns the field red: a red outline and a soft red shadow
    // around it, sprung in and out with the recorder's animation.
    const double look = std::clamp(recordingLook(), 0.0, 1.0);
    const QColor red(255, 59, 48);
    if (look > 0.0) {
        constexpr int steps = 6;
        for (int i = steps; i >= 1; --i) {
            const double spread = 10.0 * i / steps;
            const double fall = 1.0 - double(i - 1) / steps;
            QPainterPath halo;
            halo.addRoundedRect(r.adjusted(-spread, -spread, spread, spread), 10 + spread, 10 + spread);
            QColor c = red;
            c.setAlphaF(float(0.22 * look * fall * fall / steps * 2.0));
            p.fillPath(halo, c);
        }
    }
    p.fillPath(shape, palette().color(QPalette::Base));
    QColor idle = hasFocus() ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid);
    QColor active = red;
    active.setAlphaF(0.55f);
    const auto mixed = [look](float a, float b) { return float(a + (b - a) * look); };
    const QColor stroke = QColor::fromRgbF(mixed(idle.redF(), active.redF()), mixed(idle.greenF(), active.greenF()),
        mixed(idle.blueF(), active.blueF()), mixed(idle.alphaF(), active.alphaF()));
    const double idleWidth = hasFocus() ? 1.5 : 1.0;
    p.setPen(QPen(stroke, idleWidth + (1.5 - idleWidth) * look));
    p.drawPath(shape);
}
