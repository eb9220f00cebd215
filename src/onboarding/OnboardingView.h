#pragma once
// The first-run wizard, 600 x 648: five pages (language, welcome, desktop
// access, the switcher shortcut, where Kelvaro lives) above a footer with
// "Skip", one dot per page and "Continue" ("Start Using Kelvaro" on the last
// page; Return presses it on every page). The wizard only moves forward;
// it never closes its window itself: it calls `onFinish` once, with true from
// the last page and false for "Skip", and the owner closes the window.
//
// Texts follow the interface language at once: choosing one on the first
// page redraws the page in it. While shown, the wizard checks the desktop
// access every 1.5 s; the access page changes by itself when it is granted.

#include "ringkit/RingAnimation.h"
#include "ringkit/RunningApp.h"
#include "settings/AccessibilityPermissionMonitor.h"

#include <QList>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <functional>
#include <optional>

class KeyCapTitle;
class Platform;
class QLabel;
class WidgetMotion;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

class OnboardingView : public QWidget {
    Q_OBJECT
public:
    OnboardingView(
        const Platform& platform, std::function<void(bool finishedFromLastPage)> onFinish, QWidget* parent = nullptr);
    ~OnboardingView() override;

    static constexpr QSize windowSize { 600, 648 };
    static constexpr int pageCount = 5;
    static constexpr int lastPage = pageCount - 1;

    struct Layout {
        static constexpr int edge = 12;
        static constexpr int afterArtwork = 14;
        static constexpr int afterHeading = 20;
        static constexpr int headingGap = 6;
        static constexpr int proseWidth = 400;
        static constexpr int columnWidth = 360;
    };

    // Every change of the wizard moves on this spring (none under Reduce
    // Motion): a page change, the access page's shield, the shortcut box and
    // its recorder trading places. The page before fades out as the new one
    // fades in.
    static RingAnimation pageAnimation() { return RingAnimation::spring(0.28, 0.85); }

    int page() const { return m_page; }
    bool isChoosingShortcut() const { return m_choosingShortcut; }
    const QList<RunningApp>& previewApps() const { return m_previewApps; }
    AccessibilityPermissionMonitor& permissions() { return m_permissions; }

    // What is on screen now (tests and assistive tools).
    QWidget* currentPage() const { return m_current; }
    // The page fading out while the current one fades in (null at rest).
    QWidget* outgoingPage() const { return m_outgoing; }
    // How far the current page has faded in: 0 to 1.
    double pageShown() const;
    QString pageTitle() const;
    QString pageSubtitle() const;
    QPushButton* continueButton() const { return m_continue; }
    QPushButton* skipButton() const { return m_skip; }

    // The continue button's action: the next page, or finishing on the last.
    void advance();
    void skip();
    void setChoosingShortcut(bool on);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    const Platform& m_platform;
    void rebuild(bool animate);
    void showPageFade(double shown);
    void dropOutgoing();
    void retranslateFooter();
    void finish(bool fromLastPage);

    QWidget* buildPage(int page);
    QWidget* makePage(
        const QString& title, const QString& subtitle, int detailWidth, QWidget* artwork, QWidget* detail);
    QWidget* languageChoice();
    QWidget* welcome();
    QWidget* accessibility();
    QWidget* gesture();
    QWidget* menuBar();
    QWidget* step(const QString& symbol, const QString& text);

    std::function<void(bool)> m_onFinish;
    AccessibilityPermissionMonitor m_permissions;
    int m_page = 0;
    QList<RunningApp> m_previewApps;
    bool m_choosingShortcut = false;
    bool m_finished = false;

    QScrollArea* m_pageScroll = nullptr;
    QWidget* m_pageHost = nullptr;
    QVBoxLayout* m_pageLayout = nullptr;
    QPointer<QWidget> m_current;
    QPointer<QWidget> m_outgoing;
    WidgetMotion* m_pageMotion = nullptr;
    bool m_moving = false; // the page being built comes in on the spring
    std::optional<double> m_shownShieldTilt; // the access page's shield as last built
    KeyCapTitle* m_title = nullptr;
    QLabel* m_subtitle = nullptr;
    QPushButton* m_skip = nullptr;
    QPushButton* m_continue = nullptr;
    QWidget* m_dots = nullptr;
};
