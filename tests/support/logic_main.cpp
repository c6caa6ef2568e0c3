#include "decoding/DecoderProcess.h"
#include "decoding/ImagingDecoder.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Tests of the decoder process start this program again as the decoder.
    if (IsDecoderCall(argc, argv)) {
        return RunDecoderProcess(argc, argv);
    }
    // A Qt application takes the user's locale; the logic must not follow it. Drawings are
    // recorded with fonts, which need the graphical application, though no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    SetDecodeLimits();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
