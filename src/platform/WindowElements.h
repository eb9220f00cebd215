#pragma once
// Window elements: one attribute-and-action model per application and window,
// as the window listing and raising code reads and drives them.
//
// Attributes of an application element: "AXWindows" (QVariantList of
// WindowElement), "AXFocusedWindow", "AXMainWindow" (WindowElement; also
// settable). Attributes of a window element: "AXRole", "AXSubrole", "AXTitle"
// (QString), "AXMinimized", "AXFullScreen", "AXMain", "AXFocused" (bool;
// "AXMinimized", "AXMain" and "AXFocused" settable), "AXSize" (QSizeF).
// Action of a window element: "AXRaise".
//
// On X11 a window element is a managed client window and its window number is
// its X window id.

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

struct WindowElement {
    enum class Kind { Application, Window };
    Kind kind = Kind::Window;
    qint32 pid = 0;
    quint64 handle = 0; // backend's identity of the window; 0 for an application

    static WindowElement application(qint32 pid) { return {Kind::Application, pid, 0}; }
    bool operator==(const WindowElement&) const = default;
};
Q_DECLARE_METATYPE(WindowElement)

class WindowElements {
public:
    virtual ~WindowElements() = default;

    // The attribute's value; nothing when it cannot be read or has no value.
    virtual std::optional<QVariant> attribute(const WindowElement& element, const QString& name) const = 0;
    // True when the change was accepted.
    virtual bool setAttribute(const WindowElement& element, const QString& name, const QVariant& value) = 0;
    virtual bool performAction(const WindowElement& element, const QString& action) = 0;
    // The window number of a window element; nothing when it is not known.
    virtual std::optional<quint32> windowNumber(const WindowElement& element) const = 0;

    static WindowElements& shared();
    static void setShared(std::shared_ptr<WindowElements> elements);
};
