#include "input/KeyTapSuspension.h"

#include <memory>
#include <vector>

namespace {
KeyTapSuspension::Provider& provider()
{
    static KeyTapSuspension::Provider p;
    return p;
}
// Resumes handed out through setTapEnabled(false), undone by setTapEnabled(true).
std::vector<KeyTapSuspension::Resume>& pending()
{
    static std::vector<KeyTapSuspension::Resume> p;
    return p;
}
}

namespace KeyTapSuspension {

Resume begin()
{
    if (!provider())
        return [] {};
    auto once = std::make_shared<Resume>(provider()());
    return [once] {
        if (*once) {
            auto resume = std::move(*once);
            *once = nullptr;
            resume();
        }
    };
}

void setProvider(Provider p) { provider() = std::move(p); }

void setTapEnabled(bool enabled)
{
    if (!enabled) {
        pending().push_back(begin());
        return;
    }
    if (pending().empty())
        return;
    auto resume = std::move(pending().back());
    pending().pop_back();
    resume();
}
}
