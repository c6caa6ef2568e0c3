#include "mainwindow/frmMain.h"

#include "core/AppError.h"
#include "core/AppState.h"
#include "core/Calibration.h"
#include "core/NumberText.h"
#include "document/PictureSurface.h"
#include "document/frmDocument.h"
#include "info/frmTip.h"
#include "table/DataTable.h"
#include "table/frmData.h"
#include "zoom/frmZoom.h"

#include <QAction>

#include <cmath>

void frmMain::mnuViewZoom_Click() {
    if (m_mnuViewZoom->isChecked()) {
        App().Zoom().hide();
        App().MouseOnPicture = false;
        m_mnuViewZoom->setChecked(false);
    } else {
        App().Zoom().show();
        App().MouseOnPicture = true;
        m_mnuViewZoom->setChecked(true);
    }
}

void frmMain::mnuViewSteps_Click() {
    if (m_mnuViewSteps->isChecked()) {
        App().Tip().hide();
        m_mnuViewSteps->setChecked(false);
    } else {
        App().Tip().show();
        m_mnuViewSteps->setChecked(true);
    }
}

void frmMain::mnuViewImageToolbar_Click() {
    QWidget& strip = App().Document().Picture3();
    const bool shown = m_mnuViewImageToolbar->isChecked();
    strip.setVisible(!shown);
    m_mnuViewImageToolbar->setChecked(!shown);
}

void frmMain::mnuViewRefresh_Click() {
    frmData& data = App().Data();
    data.Form_Resize();
    PictureSurface& picture = App().Document().Picture2();
    picture.Erase();
    const DataTable& table = data.Table();
    const bool xLog = App().settings.XLog;
    const bool yLog = App().settings.YLog;
    std::vector<QPointF> positions;
    positions.reserve(static_cast<size_t>(table.PointCount()));
    for (int row = 1; row < table.RowCount(); ++row) {
        try {
            // Positions go through single precision, as the mouse gives them.
            const auto x =
                static_cast<float>(ToPictureX(LeadingNumberValue(table.CellText(row, 1)), xLog));
            const auto y =
                static_cast<float>(ToPictureY(LeadingNumberValue(table.CellText(row, 2)), yLog));
            // A value with no place on a logarithmic axis (zero, negative) is left out.
            if (std::isfinite(x) && std::isfinite(y)) {
                positions.emplace_back(x, y);
            }
        } catch (const AppError&) {
            // A number too large to read has no place on the picture either.
        }
    }
    picture.PSetMany(positions, App().settings.PointsColor);
    if (table.PointCount() > 0) {
        data.SetCol(2);
        data.SetRow(table.RowCount() - 1);
    }
}
