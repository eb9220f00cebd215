#pragma once
// The user's current keyboard layout: which character each key types.
//
// Keys are named by their virtual key codes (platform/KeyCodes.h). A key
// "types" the text it produces with no modifier held; keypad keys count as
// typing their digits. Dead keys, keys that type a control character or
// nothing at all, and keys this machine does not have type nothing.
//
// `character()` may be called from any thread. `layoutChanged()` is emitted
// on the main thread whenever the layout in effect changes (another layout
// chosen, the keymap replaced); `generation()` changes at the same time and
// also when another platform is installed. Whoever shows
// key labels listens to `changes()`, which outlives backends and reports
// both.

#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

// Process-wide: changed() follows every change of KeyboardLayout::generation()
// after the first backend is in place, whichever backend is installed.
class KeyboardLayoutChanges : public QObject {
    Q_OBJECT
Q_SIGNALS:
    void changed();
};

class KeyboardLayout : public QObject {
    Q_OBJECT
public:
    ~KeyboardLayout() override = default;

    virtual std::optional<QString> character(std::uint16_t keyCode) const = 0;
    // False when no layout could be read at all; then no key types anything.
    virtual bool isAvailable() const = 0;
    // A short name of the layout in effect, for log lines ("us", "German").
    virtual QString layoutName() const = 0;

    static std::uint64_t generation();

    // Another platform (and so perhaps another layout) was installed: labels
    // read under the old one are stale.
    static void platformReplaced();
    // Connect with a context object: the signal may come from the thread
    // that installed a backend.
    static KeyboardLayoutChanges& changes();

Q_SIGNALS:
    void layoutChanged();

protected:
    // Backends call this on the main thread after the layout changed.
    void notifyChanged();
};
