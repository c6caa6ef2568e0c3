#include "acquisition/DecoderProcess.h"
#include "acquisition/Module2.h"
#include "acquisition/WmfHeader.h"
#include "core/AppError.h"

#include <QElapsedTimer>
#include <QtEndian>

#include "TestData.h"

#include <gtest/gtest.h>

namespace {

void PutWord(QByteArray& bytes, qsizetype at, quint16 value) {
    qToLittleEndian(value, bytes.data() + at);
}

TEST(WmfHeader, WhatTheMetafileLibraryWouldTrustIsCheckedFirst) {
    const QByteArray good = Bytes("drawn.wmf");
    ASSERT_TRUE(WmfHeaderProblem(good).isEmpty());
    ASSERT_TRUE(WmfHeaderProblem(Bytes("hostile/slow-b.wmf")).isEmpty()) << "a plain header";

    const auto changed = [&](qsizetype at, quint16 value) {
        QByteArray bytes = good;
        PutWord(bytes, at, value);
        return WmfHeaderProblem(bytes);
    };
    EXPECT_TRUE(changed(14, 0).contains(QStringLiteral("0 units per inch")));
    EXPECT_TRUE(changed(14, 2881).contains(QStringLiteral("2881 units per inch")));
    EXPECT_TRUE(changed(14, 2880).isEmpty());
    EXPECT_TRUE(changed(14, 1).isEmpty());
    EXPECT_TRUE(changed(10, 0).contains(QStringLiteral("no width"))) << "right = left";
    const quint16 top = qFromLittleEndian<quint16>(good.constData() + 8);
    EXPECT_TRUE(changed(12, top).contains(QStringLiteral("no height"))) << "bottom = top";
    EXPECT_TRUE(changed(22 + 2, 10).contains(QStringLiteral("damaged"))) << "header size";
    EXPECT_TRUE(changed(22 + 14, 0x7FFF).contains(QStringLiteral("larger than the file")));
    EXPECT_TRUE(changed(22 + 18, 0xFFFF).contains(QStringLiteral("past the end")))
        << "the first record's size";
    EXPECT_TRUE(changed(22 + 18, 2).contains(QStringLiteral("past the end")))
        << "a record shorter than its own fields";
    EXPECT_FALSE(WmfHeaderProblem(good.left(30)).isEmpty());
    EXPECT_FALSE(WmfHeaderProblem(Bytes("hostile/huge-record.wmf")).isEmpty());
}

// The decoder process runs this test program again with the decode option.
class DecoderProcess : public ::testing::Test {
protected:
    static std::optional<LoadedPicture> Decode(const char* name, int wallClockMs = 15000) {
        DecodeWait wait;
        wait.wallClockMs = wallClockMs;
        return DecodeInChildProcess(Data(name), wait);
    }
    static AppError ErrorOf(const char* name, int wallClockMs = 15000) {
        try {
            Decode(name, wallClockMs);
        } catch (const AppError& error) {
            return error;
        }
        ADD_FAILURE() << name << " decoded";
        return {};
    }
};

TEST_F(DecoderProcess, AFileThatKeepsTheDecoderBusyIsGivenUp) {
    // The wall clock ends them, whatever their processor time.
    for (const char* name : {"hostile/slow-a.wmf", "hostile/slow-b.wmf"}) {
        QElapsedTimer clock;
        clock.start();
        try {
            Decode(name, 2000);
        } catch (const AppError& error) {
            EXPECT_TRUE(error.description.contains(QString::fromLatin1(name)));
        }
        EXPECT_LT(clock.elapsed(), 10000) << name;
    }
    EXPECT_TRUE(ErrorOf("hostile/slow-a.wmf", 1000)
                    .description.endsWith(QStringLiteral("(decoding took longer than 1 seconds)")));
}

TEST_F(DecoderProcess, AChunkClaimingGigabytesEndsWithinTheLimits) {
    // A picture or an error, whichever the PNG library makes of it; never the program's end.
    try {
        Decode("hostile/itxt-2gb.png", 10000);
    } catch (const AppError& error) {
        EXPECT_TRUE(error.description.contains(QStringLiteral("itxt-2gb.png")));
    }
}

} // namespace
