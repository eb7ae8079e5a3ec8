// Runs the Qt-side tests inside one application on the offscreen platform.

#include <gtest/gtest.h>

#include <cstdlib>

#include <QApplication>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
