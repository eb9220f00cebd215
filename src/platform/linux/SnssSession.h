#pragma once
// Reader of the session command logs ("SNSS" files) that Chromium-family
// browsers keep in their profile folder. Replaying the log gives the open
// windows, their tabs in visual order, and each tab's current navigation.

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

struct SnssTab {
    QString title;
    QString url;
};

struct SnssWindow {
    qint32 id = 0;
    QList<SnssTab> tabs;
};

namespace SnssSession {
// The open windows (those with at least one tab), in order of their ids,
// which is the order the browser made them. Nothing when `data` is not a
// session log of a supported version; `error` then says why. A log cut off
// in the middle of a command keeps the commands before the cut.
std::optional<QList<SnssWindow>> read(const QByteArray& data, QString* error = nullptr);

// Command ids of the log format that the reader replays.
enum Command : quint8 {
    SetTabWindow = 0,
    SetTabIndexInWindow = 2,
    TabNavigationPathPrunedFromBack = 5,
    UpdateTabNavigation = 6,
    SetSelectedNavigationIndex = 7,
    SetSelectedTabInIndex = 8,
    TabNavigationPathPrunedFromFront = 11,
    TabClosed = 16,
    WindowClosed = 17,
    TabNavigationPathPruned = 24,
};
}
