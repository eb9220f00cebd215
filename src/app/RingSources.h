#pragma once
// What the ring openers ask of the workspace, behind a header of its own
// (the workspace's and the delegate's activation policies share a name).

#include <QIcon>
#include <QString>
#include <optional>

struct FrontmostApplication {
    QString bundleIdentifier;
    QString localizedName;
    QIcon icon;
};

class Workspace;

namespace RingSources {
// The frontmost application when it has a bundle identifier, a name and an icon.
std::optional<FrontmostApplication> frontmostApplication(const Workspace& workspace);
void beep(Workspace& workspace);
}
