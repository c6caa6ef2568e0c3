#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Window tests run offscreen unless told otherwise, also when test discovery runs them
    // outside the test environment.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    // Each test program gets a temporary folder of its own, so tests running side by side
    // never share the rotation working file.
    QTemporaryDir ownTemp(QDir::tempPath() + QStringLiteral("/kurvex-test-XXXXXX"));
    if (ownTemp.isValid()) {
        setenv("TMPDIR", ownTemp.path().toLocal8Bit().constData(), 1);
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
