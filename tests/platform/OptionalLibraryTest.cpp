#include "platform/Log.h"
#include "platform/linux/OptionalLibrary.h"

#include <gtest/gtest.h>

#include <cmath>

// A library loaded on first use that is missing, or lacks a function, leaves
// the feature unavailable with a line in the log saying why, never a null
// function called later.
TEST(OptionalLibrary, MissingLibrariesAndFunctionsAreLoggedAndNeverBound)
{
    QStringList lines;
    Log::setSink([&](const QString& line) { lines.append(line); });

    OptionalLibrary missing("libkelvaro-absent.so.7", "nothing can be done");
    double (*absent)(double) = &std::cos;
    EXPECT_FALSE(missing.loaded());
    EXPECT_FALSE(missing.bind(absent, "cos"));
    EXPECT_EQ(absent, nullptr);

    OptionalLibrary math("libm.so.6", "no cosines");
    double (*cosine)(double) = nullptr;
    double (*unknown)(double) = &std::cos;
    ASSERT_TRUE(math.loaded());
    ASSERT_TRUE(math.bind(cosine, "cos"));
    EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
    EXPECT_FALSE(math.bind(unknown, "kelvaro_no_such_function"));
    EXPECT_EQ(unknown, nullptr);
    Log::setSink({});

    ASSERT_EQ(lines.size(), 2) << lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Kelvaro: libkelvaro-absent.so.7 could not be loaded (")));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("); nothing can be done")));
    EXPECT_EQ(lines[1], QStringLiteral("Kelvaro: libm.so.6 has no function kelvaro_no_such_function; no cosines"));
}
