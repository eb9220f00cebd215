#include "editors/ControlAccessibility.h"

#include "editors/HotkeyRecorder.h"
#include "editors/KeyStrip.h"

#include <QCoreApplication>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

namespace {

class KeyCapAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    KeyCapAccessible(KeyStrip* strip, int index)
        : m_strip(strip)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_strip && m_index < m_strip->items().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_strip ? m_strip->window()->windowHandle() : nullptr; }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation /*match*/) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_strip); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const KeyStripItem& item = m_strip->items().at(m_index);
        if (t == QAccessible::Name)
            return item.glyph.isEmpty() ? item.caption.value_or(QString()) : item.glyph;
        if (t == QAccessible::Description)
            return m_strip->accessibleDescription();
        return {};
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override { }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QList<QRectF> caps = m_strip->capRects();
        if (m_index >= caps.size())
            return {};
        const QRect local = caps.at(m_index).toAlignedRect();
        return QRect(m_strip->mapToGlobal(local.topLeft()), local.size());
    }

    // Qt's bridge has no toggle-button role; a check box is what it announces as
    // one: a named control that is checked or not and toggles.
    QAccessible::Role role() const override { return QAccessible::CheckBox; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.checkable = true;
        s.checked = m_strip->items().at(m_index).isPressed;
        s.focused = m_strip->hasFocus() && m_strip->focusIndex() == m_index;
        s.invisible = !m_strip->isVisible();
        s.disabled = !m_strip->isEnabled();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return { toggleAction(), setFocusAction() }; }
    void doAction(const QString& name) override
    {
        if (!isValid())
            return;
        if (name == toggleAction() || name == pressAction())
            m_strip->tap(m_index);
        else if (name == setFocusAction())
            m_strip->focusCap(m_index);
    }
    QStringList keyBindingsForAction(const QString& /*name*/) const override { return {}; }

private:
    QPointer<KeyStrip> m_strip;
    int m_index;
};

class KeyStripAccessible : public QAccessibleWidget {
public:
    explicit KeyStripAccessible(KeyStrip* strip)
        : QAccessibleWidget(strip, QAccessible::Grouping)
    {
    }
    ~KeyStripAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_caps))
            QAccessible::deleteAccessibleInterface(id);
    }
    KeyStripAccessible(const KeyStripAccessible&) = delete;
    KeyStripAccessible& operator=(const KeyStripAccessible&) = delete;

    KeyStrip* strip() const { return static_cast<KeyStrip*>(widget()); }
    bool taps() const { return strip()->taps(); }

    int childCount() const override { return taps() ? int(strip()->items().size()) : 0; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        // A cap keeps one interface (and so one id on the bus) for the strip's life.
        while (m_caps.size() <= index)
            m_caps.append(QAccessible::registerAccessibleInterface(new KeyCapAccessible(strip(), int(m_caps.size()))));
        return QAccessible::accessibleInterface(m_caps.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child)
                return i;
        }
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return strip()->hasFocus() ? child(strip()->focusIndex()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (QAccessibleInterface* cap = child(i); cap && cap->rect().contains(x, y))
                return cap;
        }
        return nullptr;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        // The caps take the focus; the strip is only their group.
        s.focusable = s.focusable && !taps();
        s.focused = s.focused && !taps();
        return s;
    }
    QStringList actionNames() const override { return taps() ? QStringList() : QAccessibleWidget::actionNames(); }

private:
    mutable QList<QAccessible::Id> m_caps;
};

// The field is pressed to record and pressed again (or Escape) to stop; what
// it holds now is its description, kept current by the field.
class RecorderAccessible : public QAccessibleWidget {
public:
    explicit RecorderAccessible(HotkeyRecorder* recorder)
        : QAccessibleWidget(recorder, QAccessible::Button)
    {
    }
    HotkeyRecorder* recorder() const { return static_cast<HotkeyRecorder*>(widget()); }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = recorder()->session().isRecording();
        return s;
    }
    static QString toggleRecordingAction() { return QCoreApplication::translate("Kelvaro", "Toggle recording"); }
    QStringList actionNames() const override { return { toggleRecordingAction(), pressAction(), setFocusAction() }; }
    void doAction(const QString& name) override
    {
        if (!recorder()->isEnabled())
            return;
        // Keys go to the focused field, so it takes the focus before it records.
        recorder()->setFocus(Qt::OtherFocusReason);
        if (name == pressAction() || name == toggleRecordingAction())
            recorder()->toggleRecording();
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("KeyStrip"))
        return new KeyStripAccessible(static_cast<KeyStrip*>(object));
    if (className == QLatin1String("HotkeyRecorder"))
        return new RecorderAccessible(static_cast<HotkeyRecorder*>(object));
    return nullptr;
}

}

namespace ControlAccessibility {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void announceChecked(KeyStrip* strip, int index)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* owner = QAccessible::queryAccessibleInterface(strip);
    QAccessibleInterface* cap = owner ? owner->child(index) : nullptr;
    if (!cap)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(cap, changed);
    QAccessible::updateAccessibility(&event);
}

}
