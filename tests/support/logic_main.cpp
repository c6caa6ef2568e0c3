#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // A Qt application takes the user's locale; the logic must not follow it.
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
