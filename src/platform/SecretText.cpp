#include "platform/SecretText.h"

#include <cstring>
#include <sys/prctl.h>

SecretText::SecretText(const char* data, qsizetype size)
    : m_bytes(data, size) // a deep copy: the buffer is ours alone
{
}

SecretText::~SecretText()
{
    wipe();
}

void SecretText::wipe()
{
    if (m_bytes.isEmpty())
        return;
    // The buffer is never shared, so this writes into the one copy there is.
    char* p = m_bytes.data();
    volatile char* v = p;
    for (qsizetype i = 0; i < m_bytes.size(); ++i)
        v[i] = 0;
    m_bytes.clear();
}

std::shared_ptr<const SecretText> SecretText::fromUtf8(const QByteArray& utf8)
{
    return std::make_shared<const SecretText>(utf8.constData(), utf8.size());
}

void SecretText::protectProcess()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
}
