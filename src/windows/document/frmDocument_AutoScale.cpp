// Picture > Auto Scale: the calibration read off the plot's own axes, shown before it is taken.

#include "windows/document/frmDocument.h"

#include "core/NumberText.h"
#include "platform/Prompts.h"
#include "recognition/LabelOcr.h"
#include "recognition/PlotAxesReading.h"
#include "session/ProposedScale.h"
#include "session/Session.h"
#include "windows/document/PictureSurface.h"
#include "windows/shared/MainFrame.h"
#include "windows/shared/ScreenPointer.h"

#include <QKeySequence>

#include <cmath>

namespace {

const QString AutoScaleTitle = QStringLiteral("Auto Scale");
constexpr int AutoScaleMessageMs = 600000;
constexpr int GivenUpMessageMs = 4000;

QString Rounded(double value, int decimals) {
    const double unit = std::pow(10.0, decimals);
    return PlainNumberText(std::round(value * unit) / unit);
}

// "X: linear, 6 of 7 ticks, worst 0.04 px".
QString AxisSummary(const QString& name, const AxisReading& axis) {
    QString kind = axis.fit->logarithmic ? QStringLiteral("log") : QStringLiteral("linear");
    if (axis.factor != 1) {
        kind += QStringLiteral(" (labels times %1)").arg(PlainNumberText(axis.factor));
    }
    return QStringLiteral("%1: %2, %3 of %4 ticks, worst %5 px")
        .arg(name, kind)
        .arg(axis.fit->usedCount)
        .arg(axis.ticksFound)
        .arg(Rounded(axis.fit->worstUsedResidual, 2));
}

PictureSurface::ProposalMarks MarksOf(const PlotAxesReading& reading) {
    PictureSurface::ProposalMarks marks;
    for (const AxisReading* axis : {&reading.x, &reading.y}) {
        marks.axes.push_back(*axis->line);
        for (std::size_t at = 0; at < axis->ticks.size(); ++at) {
            const bool taken = at < axis->fit->used.size() && axis->fit->used[at];
            (taken ? marks.takenTicks : marks.leftOutTicks)
                .push_back(axis->PixelOf(axis->ticks[at]));
        }
    }
    for (const ProposedReference& reference : reading.proposal->references) {
        marks.references.push_back(reference.pixel);
    }
    return marks;
}

} // namespace

frmDocument::~frmDocument() = default;

LabelOcr& frmDocument::Ocr() {
    if (!m_ocr) {
        m_ocr = std::make_unique<LabelOcr>();
    }
    return *m_ocr;
}

void frmDocument::StartAutoScale() {
    if (!m_picture2->HasPicture()) {
        m_desktop.prompts.ShowMessage(
            QStringLiteral("There is no picture to calibrate. Bring in a picture of a plot first."),
            AutoScaleTitle, MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    if (m_session.ScaleModeOn) {
        m_desktop.prompts.ShowMessage(
            QStringLiteral("Leave scale mode before Auto Scale: in scale mode the reference "
                           "points are clicked."),
            AutoScaleTitle, MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    m_readCurveWanted = false;
    SetScreenPointer(ScreenPointer::Hourglass);
    const SessionPicture& picture = m_picture2->Shown();
    const PlotAxesReading reading = ReadPlotAxes(picture.Picture(), picture.Vectors().get(), Ocr());
    SetScreenPointer(ScreenPointer::Default);
    if (!reading.proposal) {
        m_autoScale.reset();
        m_picture2->SetProposalMarks(std::nullopt);
        m_desktop.prompts.ShowMessage(
            reading.refusal +
                QStringLiteral("\r\n\r\nThe calibration is left as it was. Scale mode (Ctrl+M) "
                               "calibrates by clicking two points of known values."),
            AutoScaleTitle, MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    m_autoScale = reading.proposal;
    m_picture2->SetProposalMarks(MarksOf(reading));
    // Enter and Escape go to the picture; its window, coming to the front, would clear a message
    // shown before.
    m_picture2->setFocus();
    QString check;
    if (!reading.warnings.isEmpty()) {
        check = reading.warnings.join(QStringLiteral("; "));
        check[0] = check[0].toUpper();
        m_desktop.prompts.ShowMessage(
            check + QStringLiteral(".\r\n\r\nThe calibration found is shown on the picture: Enter "
                                   "takes it, Escape leaves the calibration as it was."),
            AutoScaleTitle, MessageIcon::Exclamation, MessageButtons::Ok);
        // The box has said what; the status bar has room for a reminder only.
        check = QStringLiteral(" Check the axis factor.");
    }
    m_main.ShowStatusMessage(
        QStringLiteral("Auto Scale from %1 - %2; %3.%4 Enter takes this calibration, Escape "
                       "leaves it as it was.")
            .arg(reading.fromDrawing ? QStringLiteral("the page's text")
                                     : QStringLiteral("the labels read"),
                 AxisSummary(QStringLiteral("X"), reading.x),
                 AxisSummary(QStringLiteral("Y"), reading.y), check),
        AutoScaleMessageMs);
}

void frmDocument::AcceptAutoScale() {
    const ProposedCalibration proposal = *m_autoScale;
    m_autoScale.reset();
    m_picture2->SetProposalMarks(std::nullopt);
    const UndoStep step(m_session.History(), AutoScaleTitle);
    if (!ApplyProposedCalibration(m_session, proposal)) {
        m_desktop.prompts.ShowMessage(
            QStringLiteral("The reference points Auto Scale found cannot calibrate the picture. "
                           "The calibration is left as it was."),
            AutoScaleTitle, MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    m_main.ShowStatusMessage(QStringLiteral("Calibrated by Auto Scale"), GivenUpMessageMs);
}

void frmDocument::GiveUpAutoScale(const QString& said) {
    m_autoScale.reset();
    m_picture2->SetProposalMarks(std::nullopt);
    m_main.ShowStatusMessage(said, GivenUpMessageMs);
}
