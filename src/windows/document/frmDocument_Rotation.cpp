// Turning a tilted picture, taking the last turn back, and saving the picture.

#include "windows/document/frmDocument.h"

#include "core/AppError.h"
#include "core/NumberText.h"
#include "core/RegularFile.h"
#include "decoding/ImagingDecoder.h"
#include "decoding/PictureFiles.h"
#include "picture/PictureWriter.h"
#include "picture/RotatePixels.h"
#include "platform/Prompts.h"
#include "session/Session.h"
#include "windows/document/PictureSurface.h"
#include "windows/shared/CommonDialog.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/LongCommand.h"
#include "windows/shared/MainFrame.h"
#include "windows/shared/ScreenPointer.h"

#include <QProgressBar>

#include <cmath>

namespace {

// The angle typed by the user; 0 (also Cancel) means do not turn.
double AskAngle(Prompts& prompts) {
    for (;;) {
        const QString answer =
            prompts.AskText(QStringLiteral("Please type a value between 0 and 360"),
                            QStringLiteral("Degrees to rotate the picture"));
        double angle = 0;
        try {
            angle = LeadingNumberValue(answer);
        } catch (const AppError&) {
            angle = -1; // too large to read: out of range like any other
        }
        if (angle == 0) {
            return 0;
        }
        if (angle > 0 && angle < 360) {
            return angle;
        }
        prompts.ShowMessage(
            QStringLiteral("Select an angle greater than 0 and less than 360 degrees"),
            QStringLiteral("Angle Error"), MessageIcon::Information, MessageButtons::Ok);
    }
}

QString FilterFor(PictureType type) {
    switch (type) {
    case PictureType::Metafile:
        return QStringLiteral("Windows Metafile (*.wmf)|*.wmf");
    case PictureType::Icon:
        return QStringLiteral("Icon (*.ico)|*.ico");
    case PictureType::PdfPage:
    case PictureType::SvgDrawing:
        return QStringLiteral("PNG (*.png)|*.png");
    default:
        return QStringLiteral("Bitmap (*.bmp)|*.bmp");
    }
}

} // namespace

void frmDocument::RotatePicture() {
    // A second turn waits for the first.
    if (m_rotating) {
        return;
    }
    m_picture2->setFocus();
    double angle = AskAngle(m_desktop.prompts);
    if (angle == 0) {
        return;
    }
    m_rotating = true;
    SetScreenPointer(ScreenPointer::Hourglass);
    const QImage source = m_picture2->Picture();
    const double pi = 4 * std::atan(1.0);
    const QSize size = RotatedSize(source.size(), angle * pi / 180);
    // The turned picture is held to the size of any other, so that a project can keep it.
    if (static_cast<qint64>(size.width()) * size.height() > MostPicturePixels) {
        m_rotating = false;
        ShowErrorReport(
            m_session, m_desktop.prompts,
            InvalidPictureError(
                QStringLiteral("the turned picture"),
                QStringLiteral("turned by %1 degrees it would have %2 x %3 pixels; at most %4 "
                               "megapixels can be kept")
                    .arg(PlainNumberText(angle))
                    .arg(size.width())
                    .arg(size.height())
                    .arg(MostPicturePixels / (1024 * 1024))));
        return;
    }
    QImage turned(size, QImage::Format_RGB32);
    if (turned.isNull()) {
        m_rotating = false;
        ShowErrorReport(m_session, m_desktop.prompts, OutOfMemoryError());
        return;
    }
    turned.fill(Qt::white);
    bool stopped = false;
    {
        LongCommand command(&m_main.ProgressBar(), std::max(turned.width(), turned.height()) / 2);
        std::int64_t columns = 0;
        RotatePixels(turned, source, angle, [&] {
            stopped = command.Advance(++columns);
            return !stopped;
        });
    }
    if (!stopped) {
        const SessionPicture::SharedVectors& vectors = m_picture2->Shown().Vectors();
        m_picture2->Shown().KeepBeforeRotation(
            {source, m_picture2->Type(), m_picture2->OriginalBytes(), vectors});
        // A turned PDF page is still a rendered page, saved as PNG; its drawing turns with it.
        SessionPicture::SharedVectors turnedVectors;
        if (vectors) {
            turnedVectors = std::make_shared<const VectorDrawing>(
                TurnedDrawing(*vectors, source.size(), turned.size(), angle));
        }
        m_picture2->SetPicture(turned,
                               IsRenderedDrawing(m_picture2->Type()) ? m_picture2->Type()
                                                                     : PictureType::Bitmap,
                               {}, std::move(turnedVectors));
    }
    SetScreenPointer(ScreenPointer::Default);
    m_rotating = false;
}

void frmDocument::UndoRotate() {
    m_picture2->setFocus();
    // No turn has been made in this run: nothing to take back.
    if (const auto& kept = m_picture2->Shown().BeforeRotation()) {
        m_picture2->SetPicture(kept->image, kept->type, kept->originalBytes, kept->vectors);
    }
}

void frmDocument::ForgetPictureBeforeRotation() {
    m_picture2->Shown().ForgetBeforeRotation();
}

void frmDocument::SavePictureAs() {
    CommonDialog& dialog = m_main.CMDialog();
    dialog.DialogTitle = QStringLiteral("Save Picture");
    dialog.Filter = FilterFor(m_picture2->Type());
    dialog.FilterIndex = 1;
    dialog.FileName.clear();
    dialog.DefaultExt =
        IsRenderedDrawing(m_picture2->Type()) ? QStringLiteral(".png") : QStringLiteral(".bmp");
    dialog.MustExist = false;
    dialog.Keep(m_desktop.prompts.AskSaveFile(dialog.Request()));
    const QString path = dialog.FileName;
    if (path.isEmpty()) {
        return;
    }
    if (FileExists(path)) {
        const MessageAnswer answer = m_desktop.prompts.ShowMessage(
            path + QStringLiteral(" exists. Do you want to overwrite it?"),
            QStringLiteral("File Exists"), MessageIcon::Question, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) {
            dialog.FileName.clear();
            return;
        }
    }
    SetScreenPointer(ScreenPointer::ArrowHourglass);
    try {
        WritePicture(path, m_picture2->Picture(), m_picture2->Type(), m_picture2->OriginalBytes());
    } catch (const AppError& error) {
        ShowErrorReport(m_session, m_desktop.prompts, error);
    }
    SetScreenPointer(ScreenPointer::Default);
}
