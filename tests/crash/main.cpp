// The crash tests' program: a child role when the arguments name one, else
// the tests inside a QApplication on Qt's offscreen platform.
#include "CrashChild.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (const int code = runCrashTestRole(argc, argv); code >= 0)
        return code;
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
