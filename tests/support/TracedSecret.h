#pragma once
// A random password for tests that count the copies of a secret left in this
// process's memory. The test keeps its text only masked, so it holds no plain
// copy of its own to be found: the plain text exists only inside the secrets
// made from it, in the keys typed from it, and in whatever the code under
// test makes of those. The count covers private writable memory (heap,
// thread arenas, stacks, writable data), in UTF-8 and in UTF-16.

#include "platform/SecretText.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <cstdio>
#include <cstring>
#include <memory>
#include <ostream>
#include <string.h>

class TracedSecret {
public:
    // Under a sanitizer the scan would read the sanitizer's own shadow
    // memory, and freed blocks sit in its quarantine unreused: the counts
    // are taken only in an ordinary build.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    static constexpr bool memoryCanBeScanned = false;
#else
    static constexpr bool memoryCanBeScanned = true;
#endif

    struct Copies {
        int utf8 = 0;
        int utf16 = 0;
        bool operator==(const Copies&) const = default;
        friend void PrintTo(const Copies& c, std::ostream* os)
        {
            *os << c.utf8 << " in UTF-8, " << c.utf16 << " in UTF-16";
        }
    };

    explicit TracedSecret(int length = 24)
    {
        static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        for (int i = 0; i < length; ++i)
            m_masked.append(char(alphabet[QRandomGenerator::global()->bounded(62)] ^ mask));
    }

    int size() const { return int(m_masked.size()); }
    // The plain character at `i` (to type it, one key at a time).
    char at(int i) const { return char(m_masked.at(i) ^ mask); }

    std::shared_ptr<const SecretText> make() const
    {
        char plain[256];
        const int n = std::min(size(), int(sizeof plain));
        for (int i = 0; i < n; ++i)
            plain[i] = at(i);
        auto secret = SecretText::fromUtf8(QByteArrayView(plain, n));
        ::explicit_bzero(plain, sizeof plain);
        return secret;
    }

    bool matches(QByteArrayView bytes) const
    {
        if (bytes.size() != m_masked.size())
            return false;
        for (int i = 0; i < size(); ++i) {
            if (bytes[i] != at(i))
                return false;
        }
        return true;
    }

    Copies copiesInMemory() const
    {
        Copies found;
        FILE* maps = std::fopen("/proc/self/maps", "re");
        if (!maps)
            return { -1, -1 };
        char line[512];
        while (std::fgets(line, sizeof line, maps)) {
            unsigned long from = 0, to = 0;
            char perms[5] = {};
            if (std::sscanf(line, "%lx-%lx %4s", &from, &to, perms) != 3)
                continue;
            // Private writable mappings only: shared ones may be device
            // memory, and read-only ones hold no data made at run time.
            if (std::strcmp(perms, "rw-p") != 0)
                continue;
            count(reinterpret_cast<const unsigned char*>(from), reinterpret_cast<const unsigned char*>(to), found);
        }
        std::fclose(maps);
        return found;
    }

private:
    static constexpr char mask = 0x5a;

    void count(const unsigned char* p, const unsigned char* end, Copies& found) const
    {
        const auto n = std::ptrdiff_t(m_masked.size());
        const unsigned char first = static_cast<unsigned char>(at(0));
        while (p < end) {
            p = static_cast<const unsigned char*>(std::memchr(p, first, size_t(end - p)));
            if (!p)
                return;
            if (end - p >= n && sameBytes(p, 1))
                ++found.utf8;
            else if (end - p >= 2 * n && sameBytes(p, 2))
                ++found.utf16;
            ++p;
        }
    }

    // The text at `p`, one byte per character (UTF-8) or two (UTF-16, little-endian).
    bool sameBytes(const unsigned char* p, int width) const
    {
        for (int i = 0; i < size(); ++i) {
            if (p[i * width] != static_cast<unsigned char>(at(i)))
                return false;
            if (width == 2 && p[i * width + 1] != 0)
                return false;
        }
        return true;
    }

    QByteArray m_masked;
};

// Checks the copies of `secret` found in memory where the build allows a
// scan (a message may follow with <<, as after any expectation).
#define EXPECT_COPIES_IN_MEMORY(secret, ...)                                                                           \
    if constexpr (!TracedSecret::memoryCanBeScanned) {                                                                 \
    } else                                                                                                             \
        EXPECT_EQ((secret).copiesInMemory(), (TracedSecret::Copies { __VA_ARGS__ }))
