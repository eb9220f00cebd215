// One captured tab session as stored round-trips exactly.
#include "FuzzSupport.h"
#include "ring/CapturedTabStore.h"

#include <nlohmann/json.hpp>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    const auto doc = nlohmann::json::parse(data, data + size, nullptr, false);
    if (doc.is_discarded())
        return 0;
    if (const auto session = CapturedSession::fromJson(doc)) {
        const auto back = CapturedSession::fromJson(nlohmann::json::parse(session->toJson().dump()));
        FUZZ_CHECK(back && *back == *session);
    }
    return 0;
}
