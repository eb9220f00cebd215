#pragma once
// Web and mail addresses handed to the desktop's handler for them (the
// user's browser, mail program).

class QUrl;

class LinkOpener {
public:
    virtual ~LinkOpener() = default;

    // False when no handler took the address.
    virtual bool open(const QUrl& url) = 0;
};
