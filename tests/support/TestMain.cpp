#include <QApplication>
#include <gtest/gtest.h>

#include "support/TestSupport.h"

int main(int argc, char** argv)
{
    qputenv(
        "QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    TestSupport::isolateEnvironment();
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    TestSupport::removeEnvironment();
    return result;
}
