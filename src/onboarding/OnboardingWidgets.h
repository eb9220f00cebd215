#pragma once
// The small drawn widgets of the first-run wizard's pages: a symbol in a
// colour, the accent disc of an instruction row, the page dots, the switcher
// ring in miniature and the card of what Kelvaro needs of the desktop.

#include "settings/AccessibilityPermissionMonitor.h"
#include "settings/SettingsView.h"

#include <QColor>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace OnboardingStyle {
// The palette's highlight.
QColor accent(const QWidget* w);
// The window text, faded for secondary lines.
QColor secondary(const QWidget* w);
}

// A symbol drawn in a colour, `side` points square.
class SymbolView : public QWidget {
public:
    SymbolView(QString symbol, QColor colour, int side, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString m_symbol;
    QColor m_colour;
};

// The white glyph of an instruction row on an accent disc, 26 points.
class StepDisc : public QWidget {
public:
    StepDisc(QString symbol, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString m_symbol;
};

// The page dots: one per page, the current one (read from `page` at each
// paint) in the accent colour.
class PageDots : public QWidget {
public:
    PageDots(const int* page, int count, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const int* m_page;
    int m_count;
};

// The switcher ring with the user's running applications, scaled down.
class RingStagePreview : public QWidget {
public:
    RingStagePreview(RingStageInput input, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    RingStageInput m_input;
};

// What Kelvaro needs of the desktop, each with a switch drawn in its live
// position: the X11 session, the key grabs and the accessibility bus.
class DesktopAccessCard : public QWidget {
public:
    static constexpr int rowHeight = 28;
    DesktopAccessCard(AccessibilityState state, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    AccessibilityState m_state;
};

class WidgetMotion;

// The launch notice's white "Settings…" button: a capsule in the key caps'
// ink with a soft ink shadow that tightens while it is pressed. The press
// eases in and out over 0.12 s (a jump under Reduce Motion).
class NoticeButton : public QPushButton {
    Q_OBJECT
public:
    explicit NoticeButton(QWidget* parent = nullptr);
    static constexpr double pressDuration = 0.12;
    static constexpr int shadowMargin = 6; // room around the face for the shadow
    // 0 up, 1 pressed, as drawn now.
    double press() const;
    WidgetMotion* pressMotion() const { return m_press; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(bool down);
    WidgetMotion* m_press;
};
