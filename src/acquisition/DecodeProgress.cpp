#include "acquisition/DecodeProgress.h"

#include "acquisition/DecoderProcess.h"
#include "info/ProgramInfo.h"
#include "mainwindow/LongCommand.h"

#include <QFileInfo>
#include <QProgressDialog>

namespace {
constexpr int BoxDelayMs = 500;
} // namespace

std::optional<LoadedPicture> DecodeWithProgressBox(QWidget* owner, const QString& path,
                                                   const PdfPageRequest& pdfPage, int wallClockMs) {
    QProgressDialog box(
        QStringLiteral("Reading the picture %1 ...").arg(QFileInfo(path).fileName()),
        QStringLiteral("Cancel"), 0, 0, owner);
    box.setWindowTitle(ProgramInfo::Title);
    box.setWindowModality(Qt::ApplicationModal);
    box.setMinimumDuration(BoxDelayMs);
    box.setAutoClose(false);
    LongCommand command;
    command.LetThrough(&box);
    DecodeWait wait;
    wait.wallClockMs = wallClockMs;
    wait.keepWaiting = [&] {
        return !command.StopRequestedNow() && !box.wasCanceled();
    };
    return DecodeInChildProcess(path, wait, pdfPage);
}
