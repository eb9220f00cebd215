#pragma once
// The moving parts of the suggestions sheet: a check box whose tick fades in
// and out when "Select All" or "Deselect All" changes it (a single click
// ticks at once), and the small spinning indicator the import button shows
// while menus are read. Both rest when nothing changes: the spinner turns
// only while a scan runs, and not at all under Reduce Motion.

#include "ringkit/RingAnimation.h"

#include <QCheckBox>
#include <QIcon>
#include <QObject>

class QAbstractButton;
class WidgetMotion;

class TickBox : public QCheckBox {
    Q_OBJECT
public:
    explicit TickBox(const QString& text, QWidget* parent = nullptr);

    // Ticks or unticks along `animation`; `still` jumps.
    void setCheckedEased(bool checked, const RingAnimation& animation, bool still);
    // How ticked the box is drawn: 0 empty, 1 ticked.
    double tick() const;
    WidgetMotion* tickMotion() const { return m_tick; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void checkStateSet() override;

private:
    WidgetMotion* m_tick;
    bool m_easing = false;
};

// Turns the icon of `button` into a spinning progress indicator while
// running; stop() leaves the icon to its owner again.
class ScanSpinner : public QObject {
    Q_OBJECT
public:
    explicit ScanSpinner(QAbstractButton* button);
    static constexpr double turn = 0.9; // seconds per turn

    void start(bool still);
    void stop();
    bool isRunning() const { return m_running; }
    // The turn as drawn now, 0 to 1.
    double phase() const;
    WidgetMotion* motion() const { return m_turn; }
    static QIcon icon(double phase, const QColor& colour);

private:
    void draw();
    QAbstractButton* m_button;
    WidgetMotion* m_turn;
    bool m_running = false;
    int m_drawnLead = -1;
};
