// What a later copy (or any other program of this user) sends to the running
// one over the instance socket: only a whole "reopen" line asks for anything,
// a line not yet whole is waited for only while it is short, and the answer
// does not change as more bytes arrive after a whole line.
#include "FuzzSupport.h"
#include "app/SingleInstance.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    const QByteArray received = Fuzz::bytes(data, size);
    using R = SingleInstance::Request;
    const R request = SingleInstance::readRequest(received);
    FUZZ_CHECK(request != R::reopen || received.startsWith("reopen\n"));
    FUZZ_CHECK(request != R::incomplete || (!received.contains('\n') && received.size() <= SingleInstance::maxLine));
    // Everything up to each point along the way was answered the same or waited for.
    for (qsizetype n = 0; n < received.size(); ++n) {
        const R partial = SingleInstance::readRequest(received.left(n));
        FUZZ_CHECK(partial == R::incomplete || partial == request);
    }
    return 0;
}
