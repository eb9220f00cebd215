#include "platform/BrowserScripting.h"

#include "platform/Platform.h"

std::shared_ptr<BrowserScripting> BrowserScripting::shared()
{
    auto port = Platform::installed().ports().browserScripting;
    if (!port)
        Platform::installed().browserScripting(); // fails, naming the port
    return port;
}
