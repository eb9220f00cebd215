#pragma once
// The window list: every window on the display (desktop elements excluded),
// front to back, with its owner and geometry.

#include <QList>
#include <QRectF>
#include <QString>
#include <memory>
#include <optional>

struct WindowListEntry {
    std::optional<quint32> number;
    std::optional<qint32> ownerPID;
    std::optional<QString> name;
    std::optional<QRectF> bounds; // frame, global coordinates with y upward
    std::optional<int> layer;     // 0 for normal windows
    std::optional<double> alpha;
    std::optional<bool> isOnscreen;
};

class WindowList {
public:
    virtual ~WindowList() = default;

    // Nothing when the list cannot be had at all.
    virtual std::optional<QList<WindowListEntry>> windows() const = 0;

    static WindowList& shared();
    static void setShared(std::shared_ptr<WindowList> list);
};
