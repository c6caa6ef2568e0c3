#include "decoding/DecoderProcess.h"
#include "decoding/ImagingDecoder.h"
#include "windows/main/ProgramApplication.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // The import starts this program again as its picture decoder.
    if (IsDecoderCall(argc, argv)) {
        return RunDecoderProcess(argc, argv);
    }
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
    ProgramApplication application(argc, argv);
    SetDecodeLimits();
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
