// Addresses go to the handler the desktop registers for their scheme, through
// Qt's desktop services.

#include "platform/LinkOpener.h"

#include <QDesktopServices>
#include <QUrl>
#include <memory>

namespace {
class DesktopLinkOpener final : public LinkOpener {
public:
    bool open(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};
}

std::shared_ptr<LinkOpener> makeDesktopLinkOpener() { return std::make_shared<DesktopLinkOpener>(); }
