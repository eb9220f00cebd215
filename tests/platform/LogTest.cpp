#include "platform/Log.h"

#include <gtest/gtest.h>

TEST(Log, RepeatedLinesAreCountedNotFloodedOut)
{
    QStringList lines;
    Log::setSink([&](const QString& line) { lines.append(line); });
    for (int i = 0; i < 590; ++i)
        Log::write(QStringLiteral("Kelvaro: no shortcuts saved for xterm"));
    Log::write(QStringLiteral("Kelvaro: something else"));
    Log::write(QStringLiteral("Kelvaro: something else"));
    Log::setSink({});
    ASSERT_EQ(lines.size(), 6) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(lines[2], QStringLiteral("Kelvaro: no shortcuts saved for xterm"));
    EXPECT_EQ(lines[3], QStringLiteral("Kelvaro: the previous message was repeated 587 more times"));
    EXPECT_EQ(lines[5], QStringLiteral("Kelvaro: something else"));
}
