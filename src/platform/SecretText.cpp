#include "platform/SecretText.h"

#include <QStringEncoder>
#include <alloca.h>
#include <cstddef>
#include <cstring>
#include <string.h>
#include <sys/prctl.h>

namespace {
// Not inlined, so that its array lies below the frame of whoever called
// wipeStack; the array is handed to the compiler as used, so the wipe is kept.
[[gnu::noinline]] void wipeStackBelow(std::size_t depth)
{
    auto* area = static_cast<char*>(alloca(depth));
    ::explicit_bzero(area, depth);
    asm volatile("" : : "r"(area) : "memory");
}
}

SecretText::SecretText(const char* data, qsizetype size)
    : m_data(new char[size_t(size) + 1])
    , m_size(size)
    , m_capacity(size + 1)
{
    if (size > 0)
        std::memcpy(m_data.get(), data, size_t(size));
    m_data[size] = '\0';
}

SecretText::SecretText(std::unique_ptr<char[]> data, qsizetype size, qsizetype capacity)
    : m_data(std::move(data))
    , m_size(size)
    , m_capacity(capacity)
{
}

SecretText::~SecretText() { wipe(); }

void SecretText::wipe() const
{
    // The whole allocation: an encoder may have written past the final size.
    if (m_data)
        ::explicit_bzero(m_data.get(), size_t(m_capacity));
    m_size = 0;
}

std::shared_ptr<const SecretText> SecretText::fromUtf8(QByteArrayView utf8)
{
    return std::make_shared<const SecretText>(utf8.data(), utf8.size());
}

std::shared_ptr<const SecretText> SecretText::fromString(QStringView text)
{
    QStringEncoder encoder(QStringEncoder::Utf8);
    const qsizetype capacity = encoder.requiredSpace(text.size()) + 1;
    std::unique_ptr<char[]> buffer(new char[size_t(capacity)]);
    char* end = encoder.appendToBuffer(buffer.get(), text);
    *end = '\0';
    const qsizetype size = end - buffer.get();
    return std::shared_ptr<const SecretText>(new SecretText(std::move(buffer), size, capacity));
}

std::shared_ptr<const SecretText> SecretText::takeString(QString& text)
{
    auto secret = fromString(text);
    if (!text.isEmpty()) {
        // data() of a QString nobody else shares writes into its own characters.
        ::explicit_bzero(text.data(), size_t(text.size()) * sizeof(QChar));
    }
    text.clear();
    return secret;
}

void SecretText::wipeString(const QString& text)
{
    // Deliberately past constness: the point is to reach the one buffer all
    // sharers read, without the copy a write through data() would make. The
    // whole allocation, so that characters a longer text left there are
    // reached too.
    const auto& d = text.data_ptr();
    if (!d.isMutable())
        return;
    auto* first
        = const_cast<QChar*>(text.constData()) - d.freeSpaceAtBegin(); // NOLINT(cppcoreguidelines-pro-type-const-cast)
    ::explicit_bzero(first, size_t(d.constAllocatedCapacity()) * sizeof(QChar));
}

void SecretText::wipeStack()
{
    // Deeper than a keyring or accessibility call goes; far from the limit
    // of any thread's stack.
    constexpr std::size_t depth = 64 * 1024;
    wipeStackBelow(depth);
}

void SecretText::protectProcess()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
}
