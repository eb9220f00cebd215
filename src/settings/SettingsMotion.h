#pragma once
// The motion of the settings window: the curves its pages change along, and a
// cross-fade that lays a picture of what an area showed before a change over
// the area and fades it out, so the change dissolves into the new state.
// Everything rides WidgetMotion: frames only while something moves, a jump
// when the person asked for reduced motion.

#include "ringkit/RingAnimation.h"
#include "ringkit/WidgetMotion.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

namespace SettingsMotion {
// The person asked for reduced motion: changes happen at once.
bool reduced();
// A tab change and the preview's changes.
RingAnimation tabChange();
// Picks and list changes of the Passwords and Tabs pages, the pop-up chevron
// and the General page's explanations.
RingAnimation list();
// The Shortcuts page, a touch slower: its rows are taller.
RingAnimation shortcutsList();
// The hold-modifier picker's caps and sentence.
RingAnimation holdPicker();
// The tint of a pop-up row under the pointer.
RingAnimation hover();
}

class QLabel;

namespace SettingsMotion {
// Sets `label`'s text, the old words dissolving into the new along `animation`.
void changeText(QLabel* label, const QString& text, const RingAnimation& animation);
}

class Crossfade : public QWidget {
    Q_OBJECT
public:
    // What `area` shows now, to hand to `over` once it has changed.
    static QPixmap snapshot(QWidget* area);
    // Lays `before` over `rect` of `host` and fades it out along `animation`;
    // the overlay removes itself at rest. Nothing happens under reduced
    // motion, while `host` is hidden, or when `before` is empty.
    static Crossfade* over(QWidget* host, const QRect& rect, const QPixmap& before, const RingAnimation& animation);
    // The same over the whole of `host`.
    static Crossfade* over(QWidget* host, const QPixmap& before, const RingAnimation& animation);

    // How much of the old picture still shows: 1 at the change, 0 at rest.
    double opacity() const { return m_fade.value(); }
    const WidgetMotion& motion() const { return m_fade; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Crossfade(QWidget* host, const QRect& rect, QPixmap before);
    QPixmap m_before;
    WidgetMotion m_fade;
};

// Dissolves what the widget held in `area` shows now into what the widget
// held there shows when this goes out of scope: a page's list section,
// rebuilt after a pick, a move or a removal.
class ContentFade {
public:
    ContentFade(QWidget* const& area, const RingAnimation& animation, bool animated = true);
    ~ContentFade();
    ContentFade(const ContentFade&) = delete;
    ContentFade& operator=(const ContentFade&) = delete;

private:
    QPointer<QWidget> m_host;
    QRect m_rect;
    QPixmap m_before;
    RingAnimation m_animation;
};
