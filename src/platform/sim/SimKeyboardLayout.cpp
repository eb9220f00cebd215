#include "platform/sim/SimKeyboardLayout.h"

SimKeyboardLayout::SimKeyboardLayout()
    : m_name(QStringLiteral("us"))
    , m_characters(usAnsi())
{
}

std::optional<QString> SimKeyboardLayout::character(std::uint16_t keyCode) const
{
    std::lock_guard lock(m_lock);
    if (!m_available)
        return std::nullopt;
    const auto it = m_characters.constFind(keyCode);
    if (it == m_characters.constEnd() || it->isEmpty())
        return std::nullopt;
    return *it;
}

bool SimKeyboardLayout::isAvailable() const
{
    std::lock_guard lock(m_lock);
    return m_available;
}

QString SimKeyboardLayout::layoutName() const
{
    std::lock_guard lock(m_lock);
    return m_name;
}

void SimKeyboardLayout::setLayout(const QString& name, const QMap<std::uint16_t, QString>& characters)
{
    {
        std::lock_guard lock(m_lock);
        m_name = name;
        m_characters = characters;
    }
    notifyChanged();
}

void SimKeyboardLayout::setAvailable(bool available)
{
    {
        std::lock_guard lock(m_lock);
        m_available = available;
    }
    notifyChanged();
}

QMap<std::uint16_t, QString> SimKeyboardLayout::usAnsi()
{
    static const QMap<std::uint16_t, QString> table = [] {
        QMap<std::uint16_t, QString> t;
        const std::pair<std::uint16_t, const char*> keys[] = {
            { 0, "a" },
            { 1, "s" },
            { 2, "d" },
            { 3, "f" },
            { 4, "h" },
            { 5, "g" },
            { 6, "z" },
            { 7, "x" },
            { 8, "c" },
            { 9, "v" },
            { 11, "b" },
            { 12, "q" },
            { 13, "w" },
            { 14, "e" },
            { 15, "r" },
            { 16, "y" },
            { 17, "t" },
            { 18, "1" },
            { 19, "2" },
            { 20, "3" },
            { 21, "4" },
            { 22, "6" },
            { 23, "5" },
            { 24, "=" },
            { 25, "9" },
            { 26, "7" },
            { 27, "-" },
            { 28, "8" },
            { 29, "0" },
            { 30, "]" },
            { 31, "o" },
            { 32, "u" },
            { 33, "[" },
            { 34, "i" },
            { 35, "p" },
            { 37, "l" },
            { 38, "j" },
            { 39, "'" },
            { 40, "k" },
            { 41, ";" },
            { 42, "\\" },
            { 43, "," },
            { 44, "/" },
            { 45, "n" },
            { 46, "m" },
            { 47, "." },
            { 49, " " },
            { 50, "`" },
            // The ISO key next to the left Shift types these on a US layout too.
            { 10, "<" },
            // Keypad.
            { 65, "." },
            { 67, "*" },
            { 69, "+" },
            { 75, "/" },
            { 78, "-" },
            { 81, "=" },
            { 82, "0" },
            { 83, "1" },
            { 84, "2" },
            { 85, "3" },
            { 86, "4" },
            { 87, "5" },
            { 88, "6" },
            { 89, "7" },
            { 91, "8" },
            { 92, "9" },
        };
        for (const auto& [code, text] : keys)
            t.insert(code, QString::fromUtf8(text));
        return t;
    }();
    return table;
}
