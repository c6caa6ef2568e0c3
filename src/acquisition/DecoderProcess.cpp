#include "acquisition/DecoderProcess.h"

#include "acquisition/DecoderReply.h"
#include "acquisition/Module2.h"
#include "acquisition/PictureDecoding.h"
#include "core/AppError.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>

#include <cstring>
#include <new>

#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr rlim_t MostAddressSpace = 1536ull * 1024 * 1024;
constexpr rlim_t MostProcessorSeconds = 15;
constexpr int PollMs = 50;
constexpr int StartMs = 10000;

void LimitThisProcess() {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const rlimit processor{MostProcessorSeconds, MostProcessorSeconds + 1};
    setrlimit(RLIMIT_CPU, &processor);
#if !defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer reserves terabytes of address space for itself: there the wall clock
    // and the pixel limit have to do.
    const rlimit addressSpace{MostAddressSpace, MostAddressSpace};
    setrlimit(RLIMIT_AS, &addressSpace);
#endif
}

bool WriteAll(const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, data, static_cast<size_t>(left));
        if (written <= 0) {
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

void StopChild(QProcess& child) {
    child.kill();
    child.waitForFinished(5000);
}

} // namespace

bool IsDecoderCall(int argc, char** argv) {
    return argc == 3 && std::strcmp(argv[1], DecodePictureOption) == 0;
}

int RunDecoderProcess(int argc, char** argv) {
    LimitThisProcess();
    // The decoder draws into images only; it needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    SetDecodeLimits();
    const QString path = QString::fromLocal8Bit(argv[2]);
    QByteArray reply;
    try {
        reply = PictureReply(DecodePictureFile(path));
    } catch (const AppError& error) {
        reply = ErrorReply(error);
    } catch (const std::bad_alloc&) {
        reply = ErrorReply(InvalidPictureError(path, QStringLiteral("it needs more memory than "
                                                                    "a picture may take")));
    }
    return WriteAll(reply) ? 0 : 1;
}

std::optional<LoadedPicture> DecodeInChildProcess(const QString& path, const DecodeWait& wait) {
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QString::fromLatin1(DecodePictureOption), path});
    child.setStandardErrorFile(QProcess::nullDevice());
    child.start(QIODevice::ReadOnly);
    if (!child.waitForStarted(StartMs)) {
        StopChild(child);
        throw InvalidPictureError(path, QStringLiteral("the picture decoder could not be started"));
    }
    QElapsedTimer clock;
    clock.start();
    DecoderReplyReader reader;
    const auto takeOutput = [&] {
        const QByteArray chunk = child.readAllStandardOutput();
        reader.Feed(chunk.constData(), chunk.size());
    };
    for (;;) {
        child.waitForReadyRead(PollMs);
        takeOutput();
        if (reader.Current() == DecoderReplyReader::State::Damaged) {
            StopChild(child);
            break;
        }
        if (child.state() == QProcess::NotRunning) {
            takeOutput();
            break;
        }
        if (clock.elapsed() > wait.wallClockMs) {
            StopChild(child);
            throw InvalidPictureError(path, QStringLiteral("decoding took longer than %1 seconds")
                                                .arg(wait.wallClockMs / 1000.0));
        }
        if (wait.keepWaiting && !wait.keepWaiting()) {
            StopChild(child);
            return std::nullopt;
        }
    }
    switch (reader.Finish()) {
    case DecoderReplyReader::State::Picture:
        return reader.Picture();
    case DecoderReplyReader::State::Error:
        throw reader.Error();
    default:
        break;
    }
    if (child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0) {
        throw InvalidPictureError(
            path, QStringLiteral("the picture decoder stopped on this file: it is damaged or "
                                 "needs more than a picture may take"));
    }
    throw InvalidPictureError(path,
                              QStringLiteral("the picture decoder gave back a damaged picture"));
}
