#pragma once
// Spaces (virtual desktops) and making a process frontmost with a given window.
// On X11 a Space is a desktop index, the one X screen is the one display.

#include <QList>
#include <QString>
#include <memory>
#include <optional>

class Spaces {
public:
    virtual ~Spaces() = default;

    // The Spaces a window is on (a window on every desktop: the active one);
    // nothing when unknown.
    virtual std::optional<QList<quint64>> spacesForWindow(quint32 windowNumber) const = 0;
    virtual std::optional<quint64> activeSpace() const = 0;
    // The display holding a Space; nothing when there is none.
    virtual std::optional<QString> displayForSpace(quint64 space) const = 0;
    virtual void setCurrentSpace(const QString& display, quint64 space) = 0;
    // Makes the process frontmost with that window: nothing when the facility
    // is missing, otherwise an error code (0 for success).
    virtual std::optional<int> setFrontProcess(qint32 pid, quint32 windowNumber) = 0;

    static Spaces& shared();
    static void setShared(std::shared_ptr<Spaces> spaces);
};
