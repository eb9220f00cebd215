#include "onboarding/PressDemoKeyStrip.h"

#include "ringkit/RingAnimation.h"
#include "platform/Scheduler.h"

#include <QCoreApplication>
#include <QHBoxLayout>

PressDemoKeyStrip::PressDemoKeyStrip(Hotkey hotkey, double height, bool showsWell, QWidget* parent)
    : QWidget(parent)
    , m_hotkey(hotkey)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    m_strip = new KeyStrip(this);
    m_strip->setStripHeight(height);
    m_strip->setShowsWell(showsWell);
    m_strip->setShowsCaptions(true);
    m_strip->setFillsWidth(false);
    m_strip->setAttentionPress(true);
    row->addWidget(m_strip, 0, Qt::AlignCenter);
    setAccessibleName(QCoreApplication::translate("Kelvaro", "Shortcut: %1").arg(hotkey.accessibilityLabel()));
    sync();
}

PressDemoKeyStrip::~PressDemoKeyStrip() { stop(); }

QList<KeyStripItem> PressDemoKeyStrip::items() const
{
    const bool still = AnimationEngine::shared().reduceMotion();
    const bool modifiers = still ? true : m_modifiersPressed;
    const bool key = still ? false : m_keyPressed;
    QList<KeyStripItem> items;
    const QStringList tokens = m_hotkey.displayTokens();
    for (int i = 0; i < tokens.size(); ++i) {
        // The last token is the main key; the ones before it are modifiers.
        const bool isModifier = i < tokens.size() - 1;
        // A modifier's caption is its printed name, so that its cap reads
        // like the key on a keyboard.
        const std::optional<QString> caption
            = isModifier ? KeyStripItem::modifierCaption(tokens[i]) : KeyStripItem::printedName(tokens[i]);
        items << KeyStripItem { tokens[i], tokens[i], caption, isModifier ? modifiers : key };
    }
    return items;
}

void PressDemoKeyStrip::sync() { m_strip->setItems(items()); }

void PressDemoKeyStrip::sync(const RingAnimation& spring) { m_strip->setItems(items(), spring); }

void PressDemoKeyStrip::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    start();
}

void PressDemoKeyStrip::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    stop();
}

void PressDemoKeyStrip::start()
{
    stop();
    if (AnimationEngine::shared().reduceMotion()) {
        m_modifiersPressed = true;
        m_keyPressed = false;
        sync();
        return;
    }
    m_running = true;
    const std::uint64_t generation = m_generation;
    Scheduler::shared().postAfterWhileAlive(leadIn, this, [this, generation] { step(generation, 0); });
}

void PressDemoKeyStrip::stop()
{
    ++m_generation;
    m_running = false;
}

void PressDemoKeyStrip::step(std::uint64_t generation, int phase)
{
    if (generation != m_generation)
        return; // stopped, or started again since
    double next = 0;
    const bool modifiersMove = phase == 0 || phase == 3;
    switch (phase) {
    case 0:
        m_modifiersPressed = true;
        next = modifiersDownFor;
        break;
    case 1:
        m_keyPressed = true;
        next = keyDownFor;
        break;
    case 2:
        m_keyPressed = false;
        next = keyUpFor;
        break;
    default:
        m_modifiersPressed = false;
        next = pause;
        break;
    }
    sync(modifiersMove ? modifierSpring() : keySpring());
    Scheduler::shared().postAfterWhileAlive(
        next, this, [this, generation, phase] { step(generation, (phase + 1) % 4); });
}
