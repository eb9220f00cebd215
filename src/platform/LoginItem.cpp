#include "platform/LoginItem.h"

#include "platform/Platform.h"

LoginItem& LoginItem::shared() { return Platform::installed().loginItem(); }
