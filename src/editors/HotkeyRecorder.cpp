#include "editors/HotkeyRecorder.h"
#include "editors/ControlAccessibility.h"

#include "core/HotkeyRecordingSession.h"
#include "platform/KeyCodes.h"
#include "platform/KeyModifiers.h"
#include "platform/Scheduler.h"
#include "editors/EditorChrome.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr std::uint16_t forwardDeleteKey = 117;

}

// ---- The session ----------------------------------------------------------------------

HotkeyRecorderSession::HotkeyRecorderSession(QObject* parent)
    : QObject(parent)
{
}

HotkeyRecorderSession::~HotkeyRecorderSession()
{
    // Destroyed mid-recording: the counter and the grabs still come back, but
    // nobody is told any more.
    blockSignals(true);
    teardown();
}

void HotkeyRecorderSession::start(QWidget* window)
{
    if (m_recording)
        return;
    m_recording = true;
    HotkeyRecordingSession::recordingStarted();
    m_resumeTap = KeyTapSuspension::begin();
    m_liveModifiers = 0;
    m_rejection.reset();
    m_ignoreResignUntil = Scheduler::shared().now() + resignGrace;
    if (window) {
        m_window = window;
        window->installEventFilter(this);
    }
    Q_EMIT changed();
}

void HotkeyRecorderSession::modifiersChanged(std::uint64_t modifiers)
{
    if (!m_recording)
        return;
    m_liveModifiers = modifiers & Modifier::Mask;
    m_rejection.reset();
    Q_EMIT changed();
}

void HotkeyRecorderSession::keyPressed(std::uint16_t keyCode, std::uint64_t modifiers)
{
    if (!m_recording)
        return;
    const std::uint64_t masked = modifiers & Modifier::Mask;
    if (keyCode == KeyCodes::Escape && masked == 0) {
        teardown();
        return;
    }
    if ((keyCode == KeyCodes::Delete || keyCode == forwardDeleteKey) && masked == 0) {
        teardown();
        Q_EMIT committed(std::nullopt);
        return;
    }
    const Hotkey candidate(keyCode, masked);
    if (!candidate.isValid()) {
        m_rejection = QCoreApplication::translate("Kelvaro", "Include Ctrl, Alt or Super.");
        Q_EMIT changed();
        return;
    }
    teardown();
    Q_EMIT committed(candidate);
}

void HotkeyRecorderSession::teardown()
{
    const bool wasRecording = m_recording;
    if (wasRecording)
        HotkeyRecordingSession::recordingEnded();
    m_recording = false;
    m_liveModifiers = 0;
    m_rejection.reset();
    m_ignoreResignUntil = 0;
    if (m_window) {
        m_window->removeEventFilter(this);
        m_window = nullptr;
    }
    if (m_resumeTap) {
        auto resume = std::move(m_resumeTap);
        m_resumeTap = nullptr;
        resume();
    }
    if (wasRecording) {
        Q_EMIT ended();
        Q_EMIT changed();
    }
}

bool HotkeyRecorderSession::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && m_recording) {
        if (event->type() == QEvent::WindowDeactivate && Scheduler::shared().now() >= m_ignoreResignUntil)
            teardown();
        else if (event->type() == QEvent::Hide || event->type() == QEvent::Close)
            teardown();
    }
    return QObject::eventFilter(watched, event);
}

// ---- The field ------------------------------------------------------------------------------

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
    m_clear = new QToolButton(this);
    m_clear->setAutoRaise(true);
    m_clear->setIcon(style()->standardIcon(QStyle::SP_LineEditClearButton));
    m_clear->setToolTip(QCoreApplication::translate("Kelvaro", "Clear shortcut"));
    m_clear->setAccessibleName(QCoreApplication::translate("Kelvaro", "Clear shortcut"));
    m_clear->setFocusPolicy(Qt::NoFocus);
    m_clear->hide();
    connect(m_clear, &QToolButton::clicked, this, [this] {
        m_binding.set(std::nullopt);
        sync();
    });
    m_message = new QLabel(this);
    m_message->setWordWrap(true);
    QFont small = m_message->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_message->setFont(small);
    column->addWidget(m_message);

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
    m_strip->setItems(composerItems());
    const QString text = messageText();
    const bool warn = m_session.rejectionMessage() || (!m_session.isRecording() && m_warning);
    m_message->setText(text.isEmpty() ? QString() : (warn ? QStringLiteral("⚠ ") : QString()) + text);
    QPalette pal = m_message->palette();
    pal.setColor(QPalette::WindowText, warn ? QColor(230, 126, 34) : EditorChrome::secondaryColour(palette()));
    m_message->setPalette(pal);
    m_message->setVisible(!text.isEmpty());
    fitMessage();
    m_clear->setVisible(!m_session.isRecording() && m_binding.get() && (m_hovering || hasFocus()));
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

void HotkeyRecorder::fitMessage()
{
    // As tall as its lines at the recorder's width: the layouts around it
    // would plan one line, and a longer message would lie over the field.
    m_message->setMinimumHeight(m_message->text().isEmpty() ? 0 : m_message->heightForWidth(width()));
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
            code = forwardDeleteKey;
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
    const bool recording = m_session.isRecording();
    if (recording) {
        for (int i = 3; i >= 1; --i) {
            QPainterPath halo;
            halo.addRoundedRect(r.adjusted(-i, -i, i, i), 10 + i, 10 + i);
            p.fillPath(halo, QColor(255, 59, 48, 18));
        }
    }
    p.fillPath(shape, palette().color(QPalette::Base));
    QColor stroke = recording ? QColor(255, 59, 48, 140) : palette().color(QPalette::Mid);
    if (!recording && hasFocus())
        stroke = palette().color(QPalette::Highlight);
    p.setPen(QPen(stroke, recording || hasFocus() ? 1.5 : 1.0));
    p.drawPath(shape);
}
