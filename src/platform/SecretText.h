#pragma once
// A secret's UTF-8 bytes, held in one buffer that is never shared and is
// overwritten with zeros when it goes away. Pass it around as a shared
// pointer: copies of the pointer, never of the bytes.

#include <QByteArray>
#include <memory>

class SecretText {
public:
    // Copies `size` bytes into a buffer of its own.
    SecretText(const char* data, qsizetype size);
    ~SecretText();
    SecretText(const SecretText&) = delete;
    SecretText& operator=(const SecretText&) = delete;

    const QByteArray& bytes() const { return m_bytes; }
    bool isEmpty() const { return m_bytes.isEmpty(); }
    // Overwrites the bytes with zeros and empties the buffer.
    void wipe();

    static std::shared_ptr<const SecretText> fromUtf8(const QByteArray& utf8);

    // Keeps secrets out of core dumps and away from debuggers of the same
    // user: the process is made non-dumpable (once; later calls do nothing).
    static void protectProcess();

private:
    QByteArray m_bytes;
};
