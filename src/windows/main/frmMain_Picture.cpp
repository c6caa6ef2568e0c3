#include "windows/main/frmMain.h"

#include "core/AppError.h"
#include "core/Calibration.h"
#include "platform/Prompts.h"
#include "platform/ScannerService.h"
#include "session/Session.h"
#include "windows/acquisition/frmCaptureNew.h"
#include "windows/document/PictureSurface.h"
#include "windows/document/frmDocument.h"
#include "windows/shared/CalibrationCommands.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/ScreenPointer.h"
#include "windows/shared/WindowSet.h"
#include "windows/zoom/frmZoom.h"

#include <QAction>
#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>

void frmMain::mnuPictureScale_Click() {
    QAction& item = Item("mnuPictureScale");
    if (!item.isChecked()) {
        mnuPictureResetScale_Click();
        m_session.ScaleModeOn = true;
        item.setChecked(true);
        m_desktop.prompts.ShowMessage(
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
    m_session.ScaleModeOn = false;
    m_session.History().NameStep(QStringLiteral("Calibration"));
    ApplyCalibration(m_session, m_desktop.prompts);
}

void frmMain::mnuPictureResetScale_Click() {
    m_session.ResetScale();
}

void frmMain::mnuPictureAutoScale_Click() {
    m_windows.Document().StartAutoScale();
}

void frmMain::mnuPictureCapture_Click() {
    // One capture at a time: during the countdown the first one is hidden, not gone.
    if (m_capture) {
        return;
    }
    // Modal until the capture window goes, also while it hides for the countdown.
    QEventLoop waiting;
    // The magnifier rests meanwhile: it would grab the screen that is being captured.
    QPointer<frmZoom> zoom = &m_windows.Zoom();
    zoom->SetTimerEnabled(false);
    auto* capture = new frmCaptureNew(m_session, m_desktop, *this, this);
    m_capture = capture;
    connect(capture, &QObject::destroyed, &waiting, &QEventLoop::quit);
    capture->show();
    waiting.exec();
    if (zoom) {
        zoom->SetTimerEnabled(true);
    }
    ActivateChildWindow(&m_windows.Document());
}

void frmMain::mnuPictureScanner_Click() {
    try {
        ScannerService& scanner = m_desktop.scanner;
        // Looking for devices can take seconds while network scanners are asked.
        SetScreenPointer(ScreenPointer::Hourglass);
        if (!scanner.IsAvailable()) {
            SetScreenPointer(ScreenPointer::Default);
            m_desktop.prompts.ShowMessage(QStringLiteral("Scanner not available."),
                                          QStringLiteral("Check Scanner Availability"),
                                          MessageIcon::Critical, MessageButtons::Ok);
            return;
        }
        scanner.SelectImageSource();
        const bool acquired = scanner.AcquireToClipboard();
        SetScreenPointer(ScreenPointer::Default);
        // A cancelled or failed scan brings nothing: the picture, its calibration and the
        // clipboard stay as they were.
        const QClipboard* clipboard = QGuiApplication::clipboard();
        if (!acquired || clipboard == nullptr || clipboard->image().isNull()) {
            m_desktop.prompts.ShowMessage(
                QStringLiteral("No image was acquired or transfer to the clipboard failed."),
                QString(), MessageIcon::Information, MessageButtons::Ok);
            return;
        }
        mnuPicturePaste_Click();
    } catch (const AppError& error) {
        ShowErrorReport(m_session, m_desktop.prompts, error);
        SetScreenPointer(ScreenPointer::Default);
    }
}
