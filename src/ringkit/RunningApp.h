#pragma once
// One application in the switcher ring or a launcher group.

#include <QIcon>
#include <QImage>
#include <QString>

struct RunningApp {
    QString name; // as shown to the user
    QImage icon; // a 64-point thumbnail in the ring
    QString bundleIdentifier; // the identity of the entry
    bool isActive = false; // the active application when the list was built

    QString id() const { return bundleIdentifier; }
    // Entries are the same application when their bundle identifiers are.
    bool operator==(const RunningApp& other) const { return bundleIdentifier == other.bundleIdentifier; }

    // A copy of `image` redrawn at side x side points, backed by a bitmap of
    // twice as many pixels per side (device pixel ratio 2). The input comes
    // back unchanged when no bitmap can be made (side not finite and positive).
    static QImage thumbnail(const QImage& image, double side);
    // The same from an icon, drawn from its best representation for the size.
    static QImage thumbnail(const QIcon& icon, double side);
    // What stands in for an application without an icon: the icon theme's
    // generic application icon, else a rounded tile with the first letter of
    // `name` in a colour that is always the same for the same name.
    static QImage placeholderIcon(const QString& name, double side);
};
