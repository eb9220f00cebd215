#pragma once
#include "platform/LinkOpener.h"

#include <QList>
#include <QUrl>

// Keeps the addresses it is asked to open, in order; whether a handler takes
// them is set by the test.
class SimLinkOpener final : public LinkOpener {
public:
    bool open(const QUrl& url) override
    {
        opened.append(url);
        return handled;
    }

    QList<QUrl> opened;
    bool handled = true;
};
