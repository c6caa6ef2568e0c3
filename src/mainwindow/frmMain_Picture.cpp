#include "mainwindow/frmMain.h"

#include "acquisition/frmCaptureNew.h"
#include "core/AppState.h"
#include "core/Calibration.h"
#include "core/CalibrationCommands.h"
#include "document/PictureSurface.h"
#include "document/frmDocument.h"
#include "platform/Prompts.h"

#include <QAction>
#include <QEventLoop>

void frmMain::mnuPictureScale_Click() {
    QAction& item = Item("mnuPictureScale");
    if (!item.isChecked()) {
        mnuPictureResetScale_Click();
        App().ScaleModeOn = true;
        item.setChecked(true);
        App().prompts().ShowMessage(
            QStringLiteral("Two points with known coordinates must be defined in the image in "
                           "order to read precise values.\r\n\r\nIt is recommended to define "
                           "these points at opposite corners of the image."),
            QStringLiteral("Scale Info"), MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    LeaveScaleMode();
}

void frmMain::LeaveScaleMode() {
    Item("mnuPictureScale").setChecked(false);
    App().ScaleModeOn = false;
    ApplyCalibration();
}

void frmMain::mnuPictureResetScale_Click() {
    ResetCalibration(App().calibration);
    App().Document().Picture2().SetScale(App().calibration.Edges());
}

void frmMain::mnuPictureCapture_Click() {
    // Modal until the capture window goes, also while it hides for the countdown.
    QEventLoop waiting;
    auto* capture = new frmCaptureNew;
    connect(capture, &QObject::destroyed, &waiting, &QEventLoop::quit);
    capture->show();
    waiting.exec();
    ActivateChildWindow(&App().Document());
}

void frmMain::mnuPictureScanner_Click() {}
