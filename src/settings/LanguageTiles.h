#pragma once
// The language picker's grid pieces: a tile per language and the row that
// follows the system's language. A chosen tile is filled with the accent
// colour and carries white semibold text and a checkmark; the system row is
// drawn at full strength with a check circle when chosen and at 0.6 when
// not. The marks move with the choice (a short spring, none under Reduce
// Motion), so the eye follows the selection from one tile to the next.

#include "ringkit/RingAnimation.h"

#include <QAbstractButton>

class WidgetMotion;

class LanguageChoiceButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit LanguageChoiceButton(QWidget* parent = nullptr);

    static RingAnimation selectionAnimation() { return RingAnimation::spring(0.2, 0.85); }

    // Marks the button as chosen or not; `still` jumps to the new look.
    void setSelected(bool selected, bool still);
    bool isSelected() const { return m_selected; }
    // How far the chosen look is drawn: 0 not chosen, 1 chosen.
    double selection() const;
    WidgetMotion* selectionMotion() const { return m_selection; }

protected:
    // The mark follows the settings, never a click on its own.
    void nextCheckState() override { }
    // Assistive tools toggle a checkable button; here that chooses it.
    void checkStateSet() override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool hovering() const { return m_hovering; }

private:
    WidgetMotion* m_selection;
    bool m_selected = false;
    bool m_marking = false; // setSelected() is changing the mark
    bool m_hovering = false;
};

class LanguageTile : public LanguageChoiceButton {
    Q_OBJECT
public:
    // `flag` may be empty (no colour emoji font): the name stands alone.
    LanguageTile(const QString& flag, const QString& endonym, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_flag;
    QString m_endonym;
};

class SystemLanguageRow : public LanguageChoiceButton {
    Q_OBJECT
public:
    SystemLanguageRow(const QString& globe, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    // The row's strength as drawn: 1.0 chosen, 0.6 not.
    double opacity() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_globe;
};
