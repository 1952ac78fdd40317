// gtest main for widget tests: a QApplication on the offscreen platform (set
// by CTest, defaulted here for direct runs) with the platform double.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/RecordingPlatform.h"

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    quorvant::platform::SetPlatform(std::make_unique<quorvant::platform::RecordingPlatform>());
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    quorvant::platform::SetPlatform(nullptr);
    return result;
}
