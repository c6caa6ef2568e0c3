#include "windows/acquisition/DecodeProgress.h"

#include "core/ProgramInfo.h"
#include "decoding/DecoderProcess.h"
#include "windows/shared/LongCommand.h"
#include "windows/shared/ScreenPointer.h"

#include <QFileInfo>
#include <QProgressDialog>
#include <QTimer>

namespace {
constexpr int BoxDelayMs = 500;
} // namespace

std::optional<LoadedPicture> DecodeWithProgressBox(QWidget* owner, const QString& path,
                                                   const PdfPageRequest& pdfPage, int wallClockMs) {
    // The pointer says at once that the program is busy; the box follows if it takes a while.
    const bool setPointer = CurrentScreenPointer() == ScreenPointer::Default;
    if (setPointer) {
        SetScreenPointer(ScreenPointer::ArrowHourglass);
    }
    QProgressDialog box(
        QStringLiteral("Reading the picture %1 ...").arg(QFileInfo(path).fileName()),
        QStringLiteral("Cancel"), 0, 0, owner);
    box.setWindowTitle(ProgramInfo::Title);
    box.setWindowModality(Qt::ApplicationModal);
    box.setAutoClose(false);
    // The box's own timer, set when it is made, would wait four seconds: ours shows it sooner.
    QTimer::singleShot(BoxDelayMs, &box, [&box] {
        if (!box.wasCanceled()) {
            box.show();
        }
    });
    LongCommand command;
    command.LetThrough(&box);
    DecodeWait wait;
    wait.wallClockMs = wallClockMs;
    wait.keepWaiting = [&] {
        // Escape, in the box or anywhere, stops the command itself.
        return !command.StopRequestedNow() && !box.wasCanceled();
    };
    const auto restorePointer = [&] {
        if (setPointer) {
            SetScreenPointer(ScreenPointer::Default);
        }
    };
    try {
        std::optional<LoadedPicture> picture = DecodeInChildProcess(path, wait, pdfPage);
        restorePointer();
        return picture;
    } catch (...) {
        restorePointer();
        throw;
    }
}
