#pragma once
// The application list of the Launcher page: the selected group's installed
// applications in their stored order, each row with move up, move down and
// remove, an empty state, and a footer with "Add App" and the count. Every
// change is written through AppSettings::updateLauncherGroup at once; the
// list is rebuilt by its page when the groups change.
//
// Stored identifiers whose application is not installed are not shown, are
// not counted and keep their place in the stored list.

#include "core/LauncherGroup.h"
#include "ringkit/RingAnimation.h"
#include "ringkit/RunningApp.h"

#include <QList>
#include <QStringList>
#include <QUuid>
#include <QWidget>
#include <optional>

class Platform;
class QLabel;

class LauncherAppList : public QWidget {
    Q_OBJECT
public:
    LauncherAppList(const Platform& platform, const LauncherGroup& group, QWidget* parent = nullptr);

    static constexpr int appListHeight = 208;

    // `shown`: the positions in the stored list of the rows on screen, in order.
    // The stored list with the identifiers of shown rows `from` and `from + by`
    // exchanged (everything else in place); nothing when either row is not shown.
    static std::optional<QStringList> moved(const QStringList& stored, const QList<int>& shown, int from, int by);
    // The stored list without the identifier of shown row `at`; nothing when it is not shown.
    static std::optional<QStringList> removed(const QStringList& stored, const QList<int>& shown, int at);
    // The stored list with `bundleIdentifier` appended; nothing when it is already there.
    static std::optional<QStringList> added(const QStringList& stored, const QString& bundleIdentifier);
    // "1 app", "%n apps"; empty for none.
    static QString countText(int count);

    // The actions of the rows and buttons (looked up again by the group's id).
    void move(int from, int by);
    void remove(int at);
    void chooseApp();
    static void add(const QUuid& groupId, const QString& bundleIdentifier);

    // Where the rows stood, so that the list built after a change can ease
    // from there: moved rows slide to their new places, new rows fade in.
    struct Placement {
        QUuid group;
        QStringList shown; // bundle identifiers, top to bottom
        double pitch = 0; // from one row's top to the next one's
    };
    Placement placement() const;
    void easeFrom(const Placement& before, const RingAnimation& animation, bool still);

    const QList<RunningApp>& displayed() const { return m_apps; }
    QList<QWidget*> rows() const { return m_rows; }
    QLabel* countLabel() const { return m_count; }

private:
    QWidget* row(const RunningApp& app, int index, int total);

    const Platform& m_platform;
    LauncherGroup m_group;
    QList<RunningApp> m_apps;
    QList<int> m_shown;
    QList<QWidget*> m_rows;
    QLabel* m_count = nullptr;
};
