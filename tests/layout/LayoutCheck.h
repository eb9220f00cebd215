#pragma once
// Finds what a person would see cut or stacked in a laid-out window: text a
// widget has no room for, text painted shortened with an ellipsis, a child
// reaching out of its parent and siblings on top of each other.

#include <QRegularExpression>
#include <QString>
#include <QStringList>

class QWidget;

namespace LayoutCheck {

// The texts of the translation file of `code` (and the English sources) that
// end in an ellipsis of their own ("Upload PNG…"), as patterns with their
// arguments open: painted text ending in "…" is cut unless it matches one.
QList<QRegularExpression> ownEllipses(const QString& code);

// Every problem in the visible widgets under `window`, each as one line that
// names the widget (class, object name, text) and what is wrong.
QStringList problems(QWidget* window, const QList<QRegularExpression>& ownEllipses);

// The texts painted when `widget` renders itself (children included).
QStringList paintedTexts(QWidget* widget);

}
