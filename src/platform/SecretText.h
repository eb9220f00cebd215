#pragma once
// A secret's UTF-8 bytes, held in one buffer of its own that is overwritten
// with zeros when it goes away. The buffer is a plain allocation, never an
// implicitly shared Qt container: no copy of the bytes can come into being
// unseen, and a wipe always reaches the one copy there is. Pass it around as
// a shared pointer: copies of the pointer, never of the bytes.

#include <QByteArrayView>
#include <QString>
#include <memory>

class SecretText {
public:
    // Copies `size` bytes into a buffer of its own.
    SecretText(const char* data, qsizetype size);
    ~SecretText();
    SecretText(const SecretText&) = delete;
    SecretText& operator=(const SecretText&) = delete;

    // A view of the bytes, valid while the secret lives and is not wiped.
    QByteArrayView bytes() const { return QByteArrayView(m_data.get(), m_size); }
    // The bytes with a NUL after them, for C interfaces: no terminated copy needed.
    const char* c_str() const { return m_data.get(); }
    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    // Overwrites the bytes with zeros and empties the secret. Allowed on a
    // const secret: whoever holds it may end it, and every holder then sees
    // it gone.
    void wipe() const;

    static std::shared_ptr<const SecretText> fromUtf8(QByteArrayView utf8);
    // Encodes `text` as UTF-8 straight into a new secret, then overwrites the
    // characters of `text` and empties it. The caller makes sure no other
    // QString shares its characters (they would stay where they are).
    static std::shared_ptr<const SecretText> takeString(QString& text);
    // Encodes `text` as UTF-8 straight into a new secret: no other encoded
    // copy comes into being. `text` stays as it is.
    static std::shared_ptr<const SecretText> fromString(QStringView text);
    // Overwrites the characters of `text`, as far as its buffer reaches, in
    // place: every QString sharing that buffer (a line edit's text and the
    // copies it handed out) then holds zeros. Text in read-only storage is
    // left alone.
    static void wipeString(const QString& text);

    // Overwrites the part of the calling thread's stack below the caller's
    // frame, where calls it made may have left pieces of a secret (a
    // library's decrypted blocks, its local buffers) that nobody wipes.
    // Call it right after such calls return, from the frame that made them.
    static void wipeStack();

    // Keeps secrets out of core dumps and away from debuggers of the same
    // user: the process is made non-dumpable (once; later calls do nothing).
    static void protectProcess();

private:
    SecretText(std::unique_ptr<char[]> data, qsizetype size, qsizetype capacity);

    std::unique_ptr<char[]> m_data; // m_capacity bytes; m_data[m_size] is NUL
    mutable qsizetype m_size = 0;
    qsizetype m_capacity = 0;
};
