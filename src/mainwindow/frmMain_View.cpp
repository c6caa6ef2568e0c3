#include "mainwindow/frmMain.h"

#include "core/AppState.h"
#include "info/frmTip.h"
#include "zoom/frmZoom.h"

#include <QAction>

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
