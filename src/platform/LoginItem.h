#pragma once
// Starting the application when the user logs in.

#include <QString>
#include <memory>
#include <optional>

class LoginItem {
public:
    virtual ~LoginItem() = default;

    // True when the application is registered to start at login.
    virtual bool isEnabled() const = 0;
    // Register / unregister; nothing on success, else a readable error description.
    virtual std::optional<QString> registerItem() = 0;
    virtual std::optional<QString> unregisterItem() = 0;
};
