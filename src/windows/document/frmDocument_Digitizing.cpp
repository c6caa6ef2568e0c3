// Calibration clicks, recording clicks and drags, the position read-out and the undo key.

#include "core/ProgramInfo.h"
#include "windows/document/frmDocument.h"

#include "core/AppError.h"
#include "core/NumberText.h"
#include "drawing/DrawingSnap.h"
#include "extraction/MarkCentre.h"
#include "platform/Prompts.h"
#include "session/ReferenceFit.h"
#include "session/Session.h"
#include "table/DataTable.h"
#include "windows/document/PictureSurface.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/MainFrame.h"
#include "windows/shared/PointRecording.h"

#include <QLineF>
#include <QStatusBar>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const QString ScaleModeTitle = QStringLiteral("Scale Mode");
// How long the status bar says that a click snapped.
constexpr int SnapMessageMs = 4000;
// Pure blue, for the scale-mode cross-hair.
constexpr PackedColor CrossHairColor = PackedColor::Rgb(0, 0, 255);

bool AskYesNo(Prompts& prompts, const QString& text) {
    return prompts.ShowMessage(text, ScaleModeTitle, MessageIcon::Question,
                               MessageButtons::YesNo) == MessageAnswer::Yes;
}

} // namespace

double frmDocument::AskReferenceValue(char axis, int pointNumber) {
    const QString axisName = QChar::fromLatin1(axis);
    const bool logAxis = axis == 'X' ? m_session.settings.XLog : m_session.settings.YLog;
    m_session.MsgText =
        axisName + (logAxis ? QStringLiteral(" axis is Log") : QStringLiteral(" axis is Linear"));
    const QString point = QStringLiteral("Point %1").arg(pointNumber);
    const QString title = axisName + QStringLiteral(" value of ") + point;
    const QString prompt = QStringLiteral("Please input the ") + axisName +
                           QStringLiteral(" value of the selected point.\r\n\r\n") + point +
                           QStringLiteral(" - ") + axisName + QStringLiteral(" Value\r\n") +
                           m_session.MsgText;
    const QString answer = m_desktop.prompts.AskText(prompt, title);
    if (answer.isEmpty()) {
        m_desktop.prompts.ShowMessage(QStringLiteral("You have pressed CANCEL.\r\nYou will need to "
                                                     "select your points again.\r\nMeanwhile zero "
                                                     "will be used."),
                                      ProgramInfo::Title, MessageIcon::Information,
                                      MessageButtons::Ok);
    }
    try {
        return LeadingNumberValue(answer);
    } catch (const AppError& error) {
        // A number beyond the double range cannot be a reference value: say so and use 0.
        ShowErrorReport(m_session, m_desktop.prompts, error);
        return 0;
    }
}

void frmDocument::ClickInScaleMode(double x, double y) {
    CalibrationRecord& record = m_session.calibration;
    m_picture2->PSet(x, y);
    const auto markReference = [&](int number, double& xPos, double& yPos, double& xValue,
                                   double& yValue) {
        xPos = x;
        yPos = y;
        m_picture2->PSet(x, y, m_session.settings.ScaleColor);
        xValue = AskReferenceValue('X', number);
        yValue = AskReferenceValue('Y', number);
    };
    if (record.X1 == Unset) {
        markReference(1, record.XPos1, record.YPos1, record.X1, record.Y1);
        return;
    }
    if (record.X2 == Unset) {
        markReference(2, record.XPos2, record.YPos2, record.X2, record.Y2);
        AskToLeaveScaleMode();
        return;
    }
    if (m_session.MorePointsWanted) {
        ExtraReference extra;
        const int number = 3 + static_cast<int>(m_session.moreReferences.size());
        markReference(number, extra.XPos, extra.YPos, extra.X, extra.Y);
        m_session.moreReferences.push_back(extra);
        AskToLeaveScaleMode();
        return;
    }
    if (AskYesNo(m_desktop.prompts,
                 QStringLiteral("You are in scale mode and you've already selected two "
                                "points.\r\nDo you want to exit Scale Mode before trying to "
                                "save data points?"))) {
        m_main.LeaveScaleMode();
    } else if (AskYesNo(m_desktop.prompts,
                        QStringLiteral(
                            "Do you want to reset your selected (X,Y) values used for scaling?"))) {
        record.X1 = Unset;
        record.X2 = Unset;
    }
}

void frmDocument::AskToLeaveScaleMode() {
    const QString question = QStringLiteral("Exit scale mode and scale picture?");
    for (;;) {
        std::optional<CalibrationFit> fit;
        QString text = question;
        if (!m_session.moreReferences.empty()) {
            const FitOutcome outcome = FitSessionReferences(m_session);
            fit = outcome.fit;
            m_lastFitReport = fit ? ResidualTable(*fit) : outcome.refusal;
            emit ReferenceFitReported(m_lastFitReport);
            text = m_lastFitReport + QStringLiteral("\r\n\r\n") + question;
        }
        // Past the most points a calibration takes, the question offers no more.
        const bool roomForMore =
            2 + static_cast<int>(m_session.moreReferences.size()) < MostReferencePoints;
        const MessageAnswer answer = m_desktop.prompts.ShowMessage(
            text, ScaleModeTitle, MessageIcon::Question,
            roomForMore ? MessageButtons::YesNoMorePoints : MessageButtons::YesNo);
        if (answer == MessageAnswer::MorePoints) {
            m_session.MorePointsWanted = true;
            return;
        }
        if (answer != MessageAnswer::Yes) {
            return;
        }
        // A point far from where the others put its values may have been mistyped: it can go
        // before the fit is applied.
        const std::optional<int> mistyped = fit ? MistypedReference(m_session) : std::nullopt;
        if (mistyped) {
            const int number = *mistyped + 1;
            if (AskYesNo(
                    m_desktop.prompts,
                    QStringLiteral("Point %1 lies %2 pixels from where its values land: its "
                                   "values may be mistyped.\r\nDrop Point %1 and fit the "
                                   "others?")
                        .arg(number)
                        .arg(PlainNumberText(
                            std::round(fit->residuals[static_cast<std::size_t>(*mistyped)] * 100) /
                            100)))) {
                DropReferencePoint(m_session, number - 1);
                continue;
            }
        }
        m_main.LeaveScaleMode();
        return;
    }
}

void frmDocument::ShowSnapped(const QString& target, QPointF click, QPointF snapped) {
    const QPointF clicked = m_picture2->Coordinates().ToPixel(click);
    m_main.ShowStatusMessage(
        QStringLiteral("Snapped to the %1 by %2 pixels")
            .arg(target)
            .arg(PlainNumberText(std::round(QLineF(clicked, snapped).length() * 100) / 100)),
        SnapMessageMs);
}

std::optional<DrawingSnap> frmDocument::DrawingSnapAt(double x, double y) const {
    const SessionPicture::SharedVectors& vectors = m_picture2->Shown().Vectors();
    if (!vectors || !vectors->HasPaths()) {
        return std::nullopt;
    }
    return SnapToDrawing(*vectors, m_picture2->Coordinates().ToPixel(QPointF(x, y)), SnapRadius);
}

bool frmDocument::SnapClickToDrawing(double& x, double& y) {
    const std::optional<DrawingSnap> snap = DrawingSnapAt(x, y);
    if (!snap) {
        return false;
    }
    ShowSnapped(snap->kind == DrawingSnapKind::Marker   ? QStringLiteral("centre of the marker")
                : snap->kind == DrawingSnapKind::Stroke ? QStringLiteral("line of the drawing")
                                                        : QStringLiteral("point of the drawing"),
                QPointF(x, y), snap->position);
    const QPointF user = m_picture2->Coordinates().ToUser(snap->position);
    x = user.x();
    y = user.y();
    return true;
}

void frmDocument::SnapClick(float& x, float& y) {
    const QPoint pixel = m_picture2->Drawing().PixelAt(x, y);
    const std::optional<SnapResult> snap =
        SnapToMark(m_picture2->Picture(), pixel, m_session.settings.SnapTolerance);
    if (!snap) {
        return;
    }
    ShowSnapped(snap->kind == SnapKind::Line       ? QStringLiteral("centre of the line")
                : snap->kind == SnapKind::Crossing ? QStringLiteral("crossing of the lines")
                                                   : QStringLiteral("mark"),
                QPointF(x, y), snap->position);
    const QPointF user = m_picture2->Coordinates().ToUser(snap->position);
    x = static_cast<float>(user.x());
    y = static_cast<float>(user.y());
}

void frmDocument::Picture2_MouseDown(int button, int /*shift*/, float x, float y) {
    // A left click is a step of its own; the right button's point is the first of a drag,
    // whose points become one step when the button is let go.
    // A click while Auto Scale shows its proposal only gives the proposal up.
    if (m_autoScale) {
        GiveUpAutoScale(QStringLiteral("Auto Scale given up; the calibration is as it was"));
        return;
    }
    if (m_readCurveWanted && button != MouseButton::Right) {
        m_readCurveWanted = false;
        ReadCurveAt(x, y);
        m_picture2->setFocus();
        return;
    }
    std::optional<UndoStep> step;
    if (button != MouseButton::Right) {
        step.emplace(m_session.History(), m_session.ScaleModeOn ? QStringLiteral("Reference Point")
                                                                : QStringLiteral("Point"));
    }
    // A click that lands on a point of a drawing keeps its exact values, in full precision.
    double exactX = x;
    double exactY = y;
    bool exact = false;
    if (m_session.settings.SnapClicks && !m_session.PickColorMode) {
        exact = SnapClickToDrawing(exactX, exactY);
        if (!exact) {
            SnapClick(x, y);
            exactX = x;
            exactY = y;
        }
    }
    if (m_session.ScaleModeOn) {
        ClickInScaleMode(exactX, exactY);
        return;
    }
    if (m_session.PickColorMode) {
        m_session.PickColorMode = false;
        emit ColorPicked(m_picture2->Point(x, y));
        return;
    }
    m_picture2->PSet(exactX, exactY, MarkerColorOf(m_session.CurrentCurve(), m_session.settings));
    if (exact) {
        ShowOrRecordPoint(m_session, m_desktop.prompts, exactX, exactY, true);
    } else {
        ShowOrRecordPoint(m_session, m_desktop.prompts, x, y, true);
    }
    m_picture2->setFocus();
}

void frmDocument::ShowScaleCrossHair(float x, float y) {
    const CalibrationRecord& record = m_session.calibration;
    m_picture2->Erase();
    const int width = m_picture2->DrawWidth();
    m_picture2->PSet(record.XPos1, record.YPos1, m_session.settings.ScaleColor);
    m_picture2->PSet(record.XPos2, record.YPos2, m_session.settings.ScaleColor);
    m_picture2->SetDrawWidth(1);
    const EdgeValues edges = m_picture2->Coordinates().Edges();
    m_picture2->Line(x, edges.Top, x, edges.Bottom, CrossHairColor);
    m_picture2->Line(edges.Left, y, edges.Right, y, CrossHairColor);
    m_picture2->SetDrawWidth(width);
}

void frmDocument::RecordDragPoint(float& x, float& y) {
    if (m_session.ScaleModeOn &&
        AskYesNo(m_desktop.prompts,
                 QStringLiteral("You are in scale mode. Do you want to exit Scale Mode before "
                                "trying to save data points?"))) {
        m_main.LeaveScaleMode();
    }
    if (x == m_lastDragX && y == m_lastDragY) {
        return;
    }
    m_picture2->PSet(x, y, MarkerColorOf(m_session.CurrentCurve(), m_session.settings));
    m_lastDragX = x;
    m_lastDragY = y;
    ShowOrRecordPoint(m_session, m_desktop.prompts, x, y, true);
}

void frmDocument::Picture2_MouseMove(int button, int /*shift*/, float x, float y) {
    m_session.MouseOnPicture = true;
    // Where a click here would snap, for the magnifier to show.
    m_session.SnapPreview.reset();
    if (m_session.settings.SnapClicks) {
        const QPoint pixel = m_picture2->Drawing().PixelAt(x, y);
        if (const std::optional<DrawingSnap> exact = DrawingSnapAt(x, y)) {
            m_session.SnapPreview = exact->position - QPointF(pixel);
        } else if (const std::optional<SnapResult> snap =
                       SnapToMark(m_picture2->Picture(), pixel, m_session.settings.SnapTolerance)) {
            m_session.SnapPreview = snap->position - QPointF(pixel);
        }
    }
    if (m_session.ScaleModeOn) {
        ShowScaleCrossHair(x, y);
    }
    if (button == MouseButton::Right) {
        RecordDragPoint(x, y);
    } else if (!m_session.PickColorMode) {
        ShowOrRecordPoint(m_session, m_desktop.prompts, x, y, false);
    } else {
        emit ColorPointed(m_picture2->Point(x, y));
    }
    setWindowTitle(QStringLiteral("X= ") + PaddedNumberText(x) + QStringLiteral(", Y= ") +
                   PaddedNumberText(y));
}

void frmDocument::Form_KeyDown(int keyCode, int /*shift*/) {
    if (m_autoScale && (keyCode == Qt::Key_Return || keyCode == Qt::Key_Enter)) {
        AcceptAutoScale();
        return;
    }
    if (m_autoScale && keyCode == EscapeKey) {
        GiveUpAutoScale(QStringLiteral("Auto Scale given up; the calibration is as it was"));
        return;
    }
    // Escape first gives up a Read Curve that waits for its click.
    if (keyCode == EscapeKey && m_readCurveWanted) {
        m_readCurveWanted = false;
        m_main.ShowStatusMessage(QStringLiteral("Read Curve given up"), SnapMessageMs);
        return;
    }
    if (keyCode != EscapeKey || !m_session.settings.EscUndo) {
        return;
    }
    m_main.RemoveLastPoint();
}

void frmDocument::UndoLastPoint() {
    m_picture2->setFocus();
    const bool escUndo = m_session.settings.EscUndo;
    m_session.settings.EscUndo = true;
    Form_KeyDown(EscapeKey, 0);
    m_session.settings.EscUndo = escUndo;
}
