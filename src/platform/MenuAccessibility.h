#pragma once
// Another application's menu bar as a tree of accessibility elements with
// named attributes:
//   "AXMenuBar" (on the application element): the menu bar element
//   "AXChildren": the child elements
//   "AXRole": "AXMenuBar", "AXMenuBarItem", "AXMenu", "AXMenuItem", or another role
//   "AXTitle": the element's title
//   "AXMenuItemCmdChar": the key of a menu item's key equivalent, as text
//   "AXMenuItemCmdVirtualKey": the key as a virtual key code, when it is no character
//   "AXMenuItemCmdModifiers": bits 1 shift, 2 option, 4 control, 8 no command
// Every read blocks on the other application; backends bound each one in time.

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

class AXElement;
using AXElementPtr = std::shared_ptr<AXElement>;

class AXElement {
public:
    virtual ~AXElement() = default;
    // A string or integer attribute; nothing when the read fails or the
    // element has no such attribute.
    virtual std::optional<QVariant> value(const QString& attribute) const = 0;
    // An attribute holding a list of elements ("AXChildren"); nothing when
    // the read fails or the value is no such list.
    virtual std::optional<QList<AXElementPtr>> elements(const QString& attribute) const = 0;
    // An attribute holding one element ("AXMenuBar"); null when there is none.
    virtual AXElementPtr element(const QString& attribute) const = 0;
};

class MenuAccessibility {
public:
    virtual ~MenuAccessibility() = default;

    // Whether other applications' accessibility trees can be read at all.
    virtual bool isProcessTrusted() = 0;
    // The element of the running application with process id `pid`; null
    // when the accessibility layer does not know it.
    virtual AXElementPtr applicationElement(qint64 pid) = 0;
};
