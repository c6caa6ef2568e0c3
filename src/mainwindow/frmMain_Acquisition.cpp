// Bringing pictures in from files and the clipboard, and copying the picture out.

#include "mainwindow/frmMain.h"

#include "acquisition/DecodeProgress.h"
#include "acquisition/PictureFiles.h"
#include "core/AppError.h"
#include "core/AppState.h"
#include "core/ErrorReport.h"
#include "core/ScreenPointer.h"
#include "core/SharedRoutines.h"
#include "document/PictureSurface.h"
#include "document/frmDocument.h"
#include "platform/Prompts.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>

namespace {
const QString PictureFilter = QStringLiteral(
    "All Files (*.*)|*.*|Pictures (*.bmp;*.ico;*.wmf;*.jpg;*.gif;*.png)|*.bmp;*.ico;*.wmf;*.jpg;"
    "*.gif;*.png");
}

void frmMain::mnuPictureImport_Click() {
    m_cmDialog.DialogTitle = QStringLiteral("Import Picture");
    m_cmDialog.Filter = PictureFilter;
    m_cmDialog.FilterIndex = 2;
    m_cmDialog.DefaultExt.clear();
    m_cmDialog.MustExist = true;
    m_cmDialog.Keep(App().prompts().AskOpenFile(m_cmDialog.Request()));
    if (m_cmDialog.FileName.isEmpty()) {
        return;
    }
    ImportPictureFile(m_cmDialog.FileName);
}

bool frmMain::ImportPictureFile(const QString& path) {
    SetScreenPointer(ScreenPointer::ArrowHourglass);
    // The file is decoded before anything changes: a file that cannot be read, or that the
    // user gives up waiting for, leaves the picture, its calibration and the table as they were.
    std::optional<LoadedPicture> loaded;
    try {
        loaded = DecodeWithProgressBox(this, path);
    } catch (const AppError& error) {
        ShowErrorReport(error);
        SetScreenPointer(ScreenPointer::Default);
        return false;
    } catch (const std::bad_alloc&) {
        ShowErrorReport({ErrorNumber::OutOfMemory, QStringLiteral("Out of memory: ") + path, {}});
        SetScreenPointer(ScreenPointer::Default);
        return false;
    }
    if (!loaded) {
        SetScreenPointer(ScreenPointer::Default);
        return false;
    }
    TakeImportedPicture(path, *loaded);
    SetScreenPointer(ScreenPointer::Default);
    return true;
}

void frmMain::TakeImportedPicture(const QString& path, const LoadedPicture& loaded) {
    ResetDocument();
    App().Document().Picture2().SetPicture(loaded.image, loaded.type, loaded.originalBytes);
    EnableDataMenu();
    App().Document().Form_Resize();
    SetPanelText(2, QFileInfo(path).absoluteFilePath());
}

void frmMain::mnuPicturePaste_Click() {
    ResetDocument();
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QImage picture = clipboard != nullptr ? clipboard->image() : QImage();
    if (!picture.isNull()) {
        App().Document().Picture2().SetPicture(picture, PictureType::Bitmap);
    }
    EnableDataMenu();
    App().Document().Form_Resize();
    SetPanelText(2, QStringLiteral("Clipboard Picture"));
}

void frmMain::mnuPictureCopy_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return;
    }
    clipboard->clear();
    const PictureSurface& surface = App().Document().Picture2();
    if (surface.HasPicture()) {
        clipboard->setImage(surface.DrawnImage());
    }
}
