#pragma once
// The general clipboard (on X11 the CLIPBOARD selection, not PRIMARY).
// `changeCount()` grows by one for every change of the clipboard's content,
// whether this process made it or another one did, so a caller can tell
// whether anything was copied since it last looked.

#include "platform/SecretText.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>

class Clipboard : public QObject {
    Q_OBJECT
public:
    ~Clipboard() override = default;

    // Plain text now on the clipboard (empty when it holds none).
    virtual QString text() const = 0;
    // Replaces the whole content with `text` as plain text.
    virtual void setText(const QString& text) = 0;
    // Replaces the whole content with a secret as plain text, marked so that
    // clipboard managers that honour the hint keep no copy. The clipboard
    // takes the secret over: it reads the secret's own buffer whenever the
    // text is asked for (no copy of its own), and wipes that buffer once the
    // content is cleared or replaced, by this process or another one.
    virtual void setSecret(std::shared_ptr<const SecretText> secret) = 0;
    // Empties the clipboard.
    virtual void clear() = 0;
    virtual std::uint64_t changeCount() const = 0;

Q_SIGNALS:
    void changed();
};
