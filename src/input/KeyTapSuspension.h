#pragma once
// Switching the global key tap off around modal work (alerts, file pickers,
// rename prompts), so hotkeys cannot fire inside them. Usable from anywhere
// without knowing the application delegate, which installs the provider.
//
//   auto resume = KeyTapSuspension::begin();   // tap off now
//   ... asynchronous work ...
//   resume();                                   // tap of the current session on again
//
//   KeyTapSuspension::withSuspended([&] { dialog.exec(); });
//
// Without a provider (no delegate, e.g. in a unit test) both forms only run
// the work.

#include <functional>
#include <type_traits>

namespace KeyTapSuspension {
using Resume = std::function<void()>;
using Provider = std::function<Resume()>;

// Switches the tap off at once; the returned function switches the tap of the
// then-current session on again (nothing when there is none). Calling it more
// than once does nothing more.
Resume begin();

template <typename Body> auto withSuspended(Body&& body) -> std::invoke_result_t<Body>
{
    struct Guard {
        Resume resume;
        ~Guard()
        {
            if (resume)
                resume();
        }
    } guard { begin() };
    return std::forward<Body>(body)();
}

// Installed by the application delegate; an empty provider uninstalls.
void setProvider(Provider provider);
// Helpers that expect a plain switch: false = off, true = on again.
void setTapEnabled(bool enabled);
}
