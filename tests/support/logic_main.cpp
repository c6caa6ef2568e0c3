#include "decoding/DecoderProcess.h"
#include "decoding/ImagingDecoder.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Tests of the decoder process start this program again as the decoder.
    if (IsDecoderCall(argc, argv)) {
        return RunDecoderProcess(argc, argv);
    }
    // A Qt application takes the user's locale; the logic must not follow it.
    QCoreApplication application(argc, argv);
    SetDecodeLimits();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
