#include "core/AppError.h"
#include "decoding/DecoderProcess.h"
#include "decoding/ImagingDecoder.h"
#include "decoding/WmfHeader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QtEndian>

#include "TestData.h"

#include <gtest/gtest.h>

#include <csignal>

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
        const AppError error = ErrorOf(name, 2000);
        EXPECT_TRUE(error.description.contains(QString::fromLatin1(name))) << name;
        EXPECT_TRUE(
            error.description.endsWith(QStringLiteral("(decoding took longer than 2 seconds)")))
            << error.description.toStdString();
        EXPECT_LT(clock.elapsed(), 10000) << name;
    }
}

TEST_F(DecoderProcess, AChunkClaimingGigabytesEndsWithinTheLimits) {
    // The PNG library gives up on the chunk and the program says so, naming the file.
    const AppError error = ErrorOf("hostile/itxt-2gb.png", 10000);
    EXPECT_EQ(error.number, 999);
    EXPECT_TRUE(error.description.contains(QStringLiteral("itxt-2gb.png")))
        << error.description.toStdString();
}

// Transparent parts show white, as on paper, in every format that has them: the decoder
// composites before its reply drops the alpha.
TEST_F(DecoderProcess, TransparentPartsComeOutWhiteInEveryFormat) {
    for (const char* name : {"transparent.png", "transparent.gif", "transparent.ico",
                             "transparent.tif", "transparent.bmp"}) {
        const std::optional<LoadedPicture> picture = Decode(name);
        ASSERT_TRUE(picture.has_value()) << name;
        EXPECT_EQ(picture->image.format(), QImage::Format_RGB32) << name;
        EXPECT_EQ(picture->image.pixel(0, 0), qRgb(255, 255, 255)) << name;
        if (QByteArray(name) != "transparent.png") {
            EXPECT_EQ(picture->image.pixel(3, 3), qRgb(0, 0, 0)) << name;
        }
    }
}

// The decoder ends with the program: killed during a slow decode, it leaves no child behind.
TEST_F(DecoderProcess, TheDecoderEndsWithItsParent) {
    // A parent of its own, this test program started to decode, which it does through a
    // decoder child of its own.
    QProcess parent;
    parent.setProgram(QCoreApplication::applicationFilePath());
    parent.setArguments(
        {QStringLiteral("--gtest_filter=DecoderProcess.DISABLED_SlowDecodeForTheParentTest"),
         QStringLiteral("--gtest_also_run_disabled_tests")});
    parent.start();
    ASSERT_TRUE(parent.waitForStarted(10000));
    const qint64 parentId = parent.processId();
    // Waits for the grandchild to appear among the parent's children.
    const auto children = [&] {
        QFile list(QStringLiteral("/proc/%1/task/%1/children").arg(parentId));
        return list.open(QIODevice::ReadOnly) ? QString::fromLatin1(list.readAll()).simplified()
                                              : QString();
    };
    QElapsedTimer clock;
    clock.start();
    while (children().isEmpty() && clock.elapsed() < 10000) {
        QThread::msleep(20);
    }
    const qint64 decoder = children().section(QLatin1Char(' '), 0, 0).toLongLong();
    ASSERT_GT(decoder, 0) << "the parent started no decoder";
    ::kill(static_cast<pid_t>(parentId), SIGKILL);
    parent.waitForFinished(5000);
    clock.restart();
    const auto alive = [&] {
        QFile status(QStringLiteral("/proc/%1/stat").arg(decoder));
        // A zombie waits for init to reap it: it runs no more.
        return status.open(QIODevice::ReadOnly) && !status.readAll().contains(") Z ");
    };
    while (alive() && clock.elapsed() < 5000) {
        QThread::msleep(20);
    }
    EXPECT_FALSE(alive()) << "the decoder runs on without its parent";
}

// Not a test of its own: the parent of the test above.
TEST_F(DecoderProcess, DISABLED_SlowDecodeForTheParentTest) {
    (void)ErrorOf("hostile/slow-a.wmf", 14000);
}

} // namespace
