#pragma once
#include "platform/LoginItem.h"

#include <QStringList>

// Login item for tests: a status flag, optional failures, and a record of calls.
class SimLoginItem final : public LoginItem {
public:
    bool isEnabled() const override { return enabled; }
    std::optional<QString> registerItem() override
    {
        calls.append(QStringLiteral("register"));
        if (failure)
            return failure;
        enabled = true;
        return std::nullopt;
    }
    std::optional<QString> unregisterItem() override
    {
        calls.append(QStringLiteral("unregister"));
        if (failure)
            return failure;
        enabled = false;
        return std::nullopt;
    }

    bool enabled = false;
    std::optional<QString> failure; // when set, register/unregister fail with it
    QStringList calls;
};
