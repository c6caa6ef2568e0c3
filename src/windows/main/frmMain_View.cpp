#include "windows/main/frmMain.h"

#include "session/CurveMarkers.h"
#include "session/Session.h"
#include "table/DataTable.h"
#include "windows/data/frmData.h"
#include "windows/document/frmDocument.h"
#include "windows/info/frmTip.h"
#include "windows/options/frmOptions.h"
#include "windows/shared/WindowSet.h"
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
    m_session.ResetDocument();
    ForgetProjectPath();
}

void frmMain::mnuViewOptions_Click() {
    m_windows.Options().show();
    m_windows.Options().raise();
    mnuViewRefresh_Click();
    m_windows.Document().setFocus();
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
    ToggleBar("mnuViewImageToolbar", m_windows.Document().Picture3());
}

void frmMain::mnuViewZoom_Click() {
    QAction& item = Item("mnuViewZoom");
    if (item.isChecked()) {
        m_windows.Zoom().hide();
        m_windows.Zoom().SetTimerEnabled(false);
        item.setChecked(false);
        m_session.MouseOnPicture = false;
    } else {
        m_windows.Zoom().show();
        m_windows.Zoom().raise();
        m_windows.Zoom().SetTimerEnabled(true);
        item.setChecked(true);
        m_session.MouseOnPicture = true;
    }
}

void frmMain::mnuViewSteps_Click() {
    QAction& item = Item("mnuViewSteps");
    if (item.isChecked()) {
        m_windows.Tip().hide();
        item.setChecked(false);
    } else {
        m_windows.Tip().show();
        m_windows.Tip().raise();
        item.setChecked(true);
    }
}

void frmMain::mnuViewCalibrationGrid_Click() {
    QAction& item = Item("mnuViewCalibrationGrid");
    item.setChecked(!item.isChecked());
    m_windows.Document().ShowCalibrationGrid(item.isChecked());
}

void frmMain::mnuViewRefresh_Click() {
    frmData& data = m_windows.Data();
    data.Form_Resize();
    RedrawCurveMarkers(m_session);
    const DataTable& table = data.Table();
    if (table.PointCount() > 0) {
        data.SetCol(2);
        data.SetRow(table.RowCount() - 1);
    }
}
