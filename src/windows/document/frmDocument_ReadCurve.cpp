// Data > Read Curve: a whole line or marker series read off a PDF page's or an SVG file's
// drawing with one click.

#include "windows/document/frmDocument.h"

#include "extraction/MarkCentre.h"
#include "platform/Prompts.h"
#include "session/CurveReadout.h"
#include "session/Session.h"
#include "windows/document/PictureSurface.h"
#include "windows/shared/MainFrame.h"
#include "windows/shared/ScreenPointer.h"

namespace {

const QString ReadCurveTitle = QStringLiteral("Read Curve");
constexpr int ReadCurveMessageMs = 8000;

// Why the picture has nothing Read Curve can read; empty when it has.
QString NothingToRead(const SessionPicture& picture) {
    const SessionPicture::SharedVectors& vectors = picture.Vectors();
    if (!vectors) {
        return QStringLiteral("Read Curve reads the lines and markers of a PDF page or an SVG "
                              "drawing. This picture is made of pixels only: click its points, "
                              "or use AutoRead.");
    }
    if (!vectors->dropped.isEmpty()) {
        return QStringLiteral("The drawing of this page cannot be read exactly: %1. Its pixels "
                              "can be read as with any picture.")
            .arg(vectors->dropped);
    }
    if (!vectors->HasPaths()) {
        return QStringLiteral("This page has no drawing to read: it holds a scanned or pasted "
                              "picture only. Its pixels can be read as with any picture.");
    }
    return {};
}

} // namespace

void frmDocument::StartReadCurve() {
    if (const QString nothing = NothingToRead(m_picture2->Shown()); !nothing.isEmpty()) {
        m_desktop.prompts.ShowMessage(nothing, ReadCurveTitle, MessageIcon::Information,
                                      MessageButtons::Ok);
        return;
    }
    if (m_session.ScaleModeOn) {
        m_desktop.prompts.ShowMessage(
            QStringLiteral("Leave scale mode before reading a curve: in scale mode a click "
                           "chooses a reference point."),
            ReadCurveTitle, MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    m_readCurveWanted = true;
    m_main.ShowStatusMessage(
        QStringLiteral("Click a line or a marker of the drawing to read it; Escape gives up."),
        ReadCurveMessageMs);
    m_picture2->setFocus();
}

void frmDocument::ReadCurveAt(double x, double y) {
    const UndoStep step(m_session.History(), ReadCurveTitle);
    const QPointF click = m_picture2->Coordinates().ToPixel(QPointF(x, y));
    SetScreenPointer(ScreenPointer::Hourglass);
    const CurveReadout readout = ReadDrawnCurve(m_session, click, SnapRadius);
    SetScreenPointer(ScreenPointer::Default);
    if (readout.result == CurveReadout::Result::NothingNear) {
        m_desktop.prompts.ShowMessage(
            QStringLiteral("No line or marker of the drawing lies within %1 pixels of the "
                           "click. Choose Read Curve again and click on the line or a marker.")
                .arg(SnapRadius),
            ReadCurveTitle, MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    if (readout.result != CurveReadout::Result::Read) {
        m_desktop.prompts.ShowMessage(NothingToRead(m_picture2->Shown()), ReadCurveTitle,
                                      MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    QString said =
        readout.kind == CurveReading::Kind::Markers
            ? QStringLiteral("Read %1 markers into the curve").arg(readout.found)
            : QStringLiteral("Read %1 points of the line into the curve").arg(readout.found);
    if (readout.skipped > 0) {
        said += QStringLiteral("; %1 had values beyond what a number holds and were left out")
                    .arg(readout.skipped);
    }
    m_main.ShowStatusMessage(said, ReadCurveMessageMs);
}
