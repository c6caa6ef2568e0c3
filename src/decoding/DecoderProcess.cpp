#include "decoding/DecoderProcess.h"

#include "core/AppError.h"
#include "decoding/DecoderReply.h"
#include "decoding/ImagingDecoder.h"
#include "decoding/PictureDecoding.h"
#include "decoding/PictureFiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>

#include <cstring>
#include <new>

#include <csignal>

#include <fcntl.h>
#include <sys/prctl.h>
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

// The reply of a large picture is tens of megabytes; a pipe of the usual 64 KiB wakes the
// program for every 64 KiB of it. A larger pipe, where the system allows one, lets it take the
// reply in a few large reads.
void WidenOutputPipe() {
    constexpr int Wide = 1 << 20;
    (void)fcntl(STDOUT_FILENO, F_SETPIPE_SZ, Wide);
}

bool WriteAll(const char* data, qsizetype size) {
    qsizetype left = size;
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
    return argc >= 3 && std::strcmp(argv[1], DecodePictureOption) == 0;
}

namespace {

const QString PageOption = QStringLiteral("--page");
const QString DotsOption = QStringLiteral("--dpi");
const QString PreviewOption = QStringLiteral("--preview");
const QString PixelsOnlyOption = QStringLiteral("--pixels-only");

QStringList DecoderArguments(const QString& path, const PdfPageRequest& pdfPage) {
    QStringList arguments{QString::fromLatin1(DecodePictureOption), path, PageOption,
                          QString::number(pdfPage.page)};
    if (pdfPage.preview) {
        arguments << PreviewOption;
    } else {
        arguments << DotsOption << QString::number(pdfPage.dotsPerInch);
    }
    if (!pdfPage.drawing) {
        arguments << PixelsOnlyOption;
    }
    return arguments;
}

// The page options after the path; nothing when they are not the program's own.
std::optional<PdfPageRequest> PageRequestOf(const QStringList& options) {
    PdfPageRequest request;
    for (qsizetype at = 0; at < options.size(); ++at) {
        const QString& option = options[at];
        if (option == PreviewOption) {
            request.preview = true;
            continue;
        }
        if (option == PixelsOnlyOption) {
            request.drawing = false;
            continue;
        }
        if ((option != PageOption && option != DotsOption) || at + 1 >= options.size()) {
            return std::nullopt;
        }
        bool number = false;
        const int value = options[++at].toInt(&number);
        if (!number) {
            return std::nullopt;
        }
        (option == PageOption ? request.page : request.dotsPerInch) = value;
    }
    return request;
}

} // namespace

int RunDecoderProcess(int argc, char** argv) {
    LimitThisProcess();
    // Taken before the application object, which would swallow arguments it knows.
    QStringList arguments;
    for (int at = 0; at < argc; ++at) {
        arguments << QString::fromLocal8Bit(argv[at]);
    }
    // The decoder draws into images only; it needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    SetDecodeLimits();
    const QString path = arguments.value(2);
    const std::optional<PdfPageRequest> pdfPage = PageRequestOf(arguments.mid(3));
    QByteArray error;
    LoadedPicture picture;
    try {
        if (!pdfPage) {
            throw InvalidPictureError(path, QStringLiteral("the decoder was started wrongly"));
        }
        picture = DecodePictureFile(path, *pdfPage);
    } catch (const AppError& failure) {
        error = ErrorReply(failure);
    } catch (const std::bad_alloc&) {
        error = ErrorReply(InvalidPictureError(path, QStringLiteral("it needs more memory than "
                                                                    "a picture may take")));
    }
    WidenOutputPipe();
    const bool written = error.isEmpty() ? WritePictureReply(picture, WriteAll)
                                         : WriteAll(error.constData(), error.size());
    return written ? 0 : 1;
}

std::optional<LoadedPicture> DecodeInChildProcess(const QString& path, const DecodeWait& wait,
                                                  const PdfPageRequest& pdfPage) {
    // A pipe or a device would keep the child waiting until its clock runs out.
    CheckPictureFile(path);
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments(DecoderArguments(path, pdfPage));
    // The child ends with the program, also when the program is killed: the kernel's parent-death
    // signal, and a look at the parent right after asking for it, in case the program died
    // between the fork and that request.
    const pid_t program = ::getpid();
    child.setChildProcessModifier([program] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != program) {
            ::_exit(1);
        }
    });
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
