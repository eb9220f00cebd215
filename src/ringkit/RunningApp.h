#pragma once
// One application in the switcher ring or a launcher group.

#include <QIcon>
#include <QImage>
#include <QList>
#include <QStringList>
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
    // What stands in for an application without an icon: a rounded tile with
    // two letters from the words of `name` ("XClock": XC, "xterm": Xt), in a
    // colour from the whole name, the same for the same name every time. (A
    // theme's generic icon would draw every such application alike.)
    static QImage placeholderIcon(const QString& name, double side);
    // Tiles for several applications shown together, pairwise different:
    // where two names would give the same letters in a like colour, the later
    // one's colour is turned away from the earlier ones'.
    static QList<QImage> placeholderIcons(const QStringList& names, double side);

    struct Tile {
        QString letters;
        int hue = 0; // degrees
        bool operator==(const Tile& other) const = default;
        // Whether a person could mistake one for the other.
        bool looksLike(const Tile& other) const;
    };
    static Tile tileFor(const QString& name);
    static QImage tileImage(const Tile& tile, double side);
};
