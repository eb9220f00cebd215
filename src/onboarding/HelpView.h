#pragma once
// "Kelvaro Help": one scrolling page with a header, a callout while the
// desktop does not give Kelvaro what it needs, four sections of short
// explanations and a footer with the support links, the version and the
// privacy sentence. Links open in the user's browser or mail program.

#include "settings/AccessibilityPermissionMonitor.h"

#include <QSize>
#include <QUrl>
#include <QWidget>

class LinkOpener;
class QScrollArea;
class QVBoxLayout;

namespace SupportLinks {
QUrl support();
QUrl privacy();
QUrl terms();
QString supportAddress();
// mailto: with the subject "Kelvaro <version> — Support".
QUrl supportMail();
}

class HelpView : public QWidget {
    Q_OBJECT
public:
    // The desktop-access callout reads what the desktop grants from `platform`,
    // and links open through its link opener.
    explicit HelpView(const Platform& platform, QWidget* parent = nullptr);

    static constexpr QSize windowSize { 620, 640 };
    // "1.2.0 (42)"; "1.0" and "1" stand in for a missing version or build.
    static QString version();

    AccessibilityPermissionMonitor& permissions() { return m_permissions; }
    bool showsCallout() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void rebuild();
    QWidget* callout(QWidget* parent);

    LinkOpener& m_links;
    AccessibilityPermissionMonitor m_permissions;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_callout = nullptr;
};
