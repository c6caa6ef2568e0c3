// Collecting many points at once: auto-read by colour and interpolation by a spline.

#include "info/ProgramInfo.h"
#include "mainwindow/frmMain.h"

#include "core/AppError.h"
#include "core/AppState.h"
#include "core/Calibration.h"
#include "core/ErrorReport.h"
#include "core/NumberText.h"
#include "core/PointRecording.h"
#include "core/ScreenPointer.h"
#include "core/SharedRoutines.h"
#include "document/PictureSurface.h"
#include "document/frmDocument.h"
#include "extraction/AutoReadGrid.h"
#include "extraction/TableSpline.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "table/DataTable.h"
#include "table/frmData.h"

#include <QAction>
#include <QLocale>
#include <QProgressBar>
#include <QRadioButton>

namespace {

// The user's time of day, with seconds and without a time zone.
QString TimeOfDay(const QDateTime& moment) {
    const QLocale locale;
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QStringLiteral(" t")).remove(QLatin1Char('t'));
    return locale.toString(moment.time(), format.trimmed());
}

} // namespace

void frmMain::mnuDataAR_Click() {
    const Settings& s = App().settings;
    if (s.GridCols < 1 || s.GridRows < 1) {
        App().prompts().ShowMessage(
            QStringLiteral("AutoRead needs at least one column and one row in its grid. Set them "
                           "in the Options window (AutoRead, Sweep Density)."),
            QStringLiteral("Auto Reading"), MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    const QDateTime start = App().clock().Now();
    SetScreenPointer(ScreenPointer::Hourglass);
    int count = 0;
    const EdgeValues edges = App().calibration.Edges();
    // Read at every position, as hiding the toolbar stops the bar; found once, not per position.
    const QAction& toolbarShown = Item("mnuViewToolbar");
    if (toolbarShown.isChecked()) {
        const double maximum =
            static_cast<double>(s.GridCols) * s.GridRows + s.GridCols + s.GridRows;
        m_progressBar->setRange(0, static_cast<int>(std::min(maximum, 2e9)));
        m_progressBar->setValue(0);
        m_progressBar->show();
    }
    PictureSurface& picture = App().Document().Picture2();
    SweepAutoReadGrid(edges, s.GridCols, s.GridRows, [&](double& x, double& y) {
        const int pixel = picture.Point(static_cast<float>(x), static_cast<float>(y));
        if (IsDataColour(pixel, s.ARDataColor, s.ARColorTolerance)) {
            ShowOrRecordPoint(x, y, true);
            // Back to the grid's own coordinates, from which the sweep goes on.
            x = ToPictureX(x, s.XLog);
            y = ToPictureY(y, s.YLog);
            picture.PSet(x, y, s.ARPointColor);
            ++count;
        }
        if (toolbarShown.isChecked() && m_progressBar->value() < m_progressBar->maximum()) {
            m_progressBar->setValue(m_progressBar->value() + 1);
        }
    });
    const QDateTime end = App().clock().Now();
    m_progressBar->hide();
    SetScreenPointer(ScreenPointer::Default);
    PlayResourceSound(BeepSound);
    App().prompts().ShowMessage(
        QStringLiteral("The number of values found and stored is: ") + QString::number(count) +
            QStringLiteral("\r\nStarting time: ") + TimeOfDay(start) +
            QStringLiteral("\r\nEnding time: ") + TimeOfDay(end),
        QStringLiteral("Auto Reading"), MessageIcon::Information, MessageButtons::Ok);
}

void frmMain::mnuDataSpline_Click() {
    SetScreenPointer(ScreenPointer::ArrowHourglass);
    mnuDataRemoveRepeated_Click();
    frmData& data = App().Data();
    DataTable& table = data.Table();
    const int n = table.PointCount();
    if (n <= 3) {
        App().prompts().ShowMessage(
            QStringLiteral("You need at least two values to perform any interpolation."),
            QStringLiteral("Insufficient Data"), MessageIcon::Information, MessageButtons::Ok);
        SetScreenPointer(ScreenPointer::Default);
        return;
    }
    const Settings& s = App().settings;
    try {
        (s.SplineOnX ? data.OptSortX() : data.OptSortY()).setChecked(true);
        data.SortGrid();
        const std::vector<QPointF> points = InterpolateTable(table, s.SplineOnX, s.SplinePoints);
        PictureSurface& picture = App().Document().Picture2();
        for (const QPointF& point : points) {
            // Drawn where the markers of recorded points go: at the logarithm on a log axis.
            picture.PSet(ToPictureX(point.x(), s.XLog), ToPictureY(point.y(), s.YLog),
                         s.SplineColor);
        }
        const MessageAnswer answer = App().prompts().ShowMessage(
            QStringLiteral("You want to add these interpolated points to your current data?"),
            ProgramInfo::Title, MessageIcon::Question, MessageButtons::YesNo);
        if (answer == MessageAnswer::Yes) {
            table.AppendRows(InterpolatedRows(table.RowCount(), points));
        } else {
            picture.Erase();
        }
    } catch (const AppError& error) {
        SetScreenPointer(ScreenPointer::Arrow);
        App().MsgText = QStringLiteral("The interpolation method is failing with these data.\r\n"
                                       "Try againg changing the Independant Variable\r\n") +
                        ErrorReportText(error);
        App().prompts().ShowMessage(App().MsgText, QStringLiteral("Error"),
                                    MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    mnuViewRefresh_Click();
    SetScreenPointer(ScreenPointer::Default);
}
