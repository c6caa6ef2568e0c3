#include "windows/main/frmMain.h"

#include "table/DataTable.h"
#include "table/MarkerPositions.h"
#include "windows/data/frmData.h"
#include "windows/document/PictureSurface.h"
#include "windows/document/frmDocument.h"
#include "windows/info/frmTip.h"
#include "windows/options/frmOptions.h"
#include "windows/shared/AppState.h"
#include "windows/zoom/frmZoom.h"

#include <QAction>
#include <QStatusBar>
#include <QToolBar>

void frmMain::mnuFileNew_Click() {
    // New starts a session of its own: the project's changes are offered first, and the
    // project file is not the new session's.
    if (!QuerySaveProject()) {
        return;
    }
    App().session.ResetDocument();
    ForgetProjectPath();
}

void frmMain::mnuViewOptions_Click() {
    App().Options().show();
    App().Options().raise();
    mnuViewRefresh_Click();
    App().Document().setFocus();
}

void frmMain::ToggleBar(const char* itemName, QWidget& bar) {
    QAction& item = Item(itemName);
    const bool shown = item.isChecked();
    bar.setVisible(!shown);
    item.setChecked(!shown);
}

void frmMain::mnuViewToolbar_Click() {
    ToggleBar("mnuViewToolbar", *m_toolBar);
}

void frmMain::mnuViewStatusBar_Click() {
    ToggleBar("mnuViewStatusBar", *statusBar());
}

void frmMain::mnuViewImageToolbar_Click() {
    ToggleBar("mnuViewImageToolbar", App().Document().Picture3());
}

void frmMain::mnuViewZoom_Click() {
    QAction& item = Item("mnuViewZoom");
    if (item.isChecked()) {
        App().Zoom().hide();
        App().Zoom().SetTimerEnabled(false);
        item.setChecked(false);
        App().MouseOnPicture = false;
    } else {
        App().Zoom().show();
        App().Zoom().raise();
        App().Zoom().SetTimerEnabled(true);
        item.setChecked(true);
        App().MouseOnPicture = true;
    }
}

void frmMain::mnuViewSteps_Click() {
    QAction& item = Item("mnuViewSteps");
    if (item.isChecked()) {
        App().Tip().hide();
        item.setChecked(false);
    } else {
        App().Tip().show();
        App().Tip().raise();
        item.setChecked(true);
    }
}

void frmMain::mnuViewRefresh_Click() {
    frmData& data = App().Data();
    data.Form_Resize();
    PictureSurface& picture = App().Document().Picture2();
    picture.Erase();
    const DataTable& table = data.Table();
    const std::vector<QPointF> positions =
        MarkerPositions(table, App().settings.XLog, App().settings.YLog);
    picture.PSetMany(positions, App().settings.PointsColor);
    if (table.PointCount() > 0) {
        data.SetCol(2);
        data.SetRow(table.RowCount() - 1);
    }
}
