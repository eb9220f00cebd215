#include "platform/MenuAccessibility.h"

#include "platform/Platform.h"

std::shared_ptr<MenuAccessibility> MenuAccessibility::shared()
{
    auto port = Platform::installed().ports().menuAccessibility;
    if (!port)
        Platform::installed().menuAccessibility(); // fails, naming the port
    return port;
}
