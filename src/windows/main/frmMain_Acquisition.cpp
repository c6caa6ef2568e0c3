// Bringing pictures in from files and the clipboard, and copying the picture out.

#include "windows/main/frmMain.h"

#include "core/AppError.h"
#include "decoding/CopiedFile.h"
#include "decoding/ImagingDecoder.h"
#include "decoding/PdfPages.h"
#include "platform/Prompts.h"
#include "project/ProjectFile.h"
#include "session/Session.h"
#include "windows/acquisition/DecodeProgress.h"
#include "windows/acquisition/PdfPageImport.h"
#include "windows/document/PictureSurface.h"
#include "windows/document/frmDocument.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/ScreenPointer.h"
#include "windows/shared/WindowSet.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>

namespace {
const QString PictureFilter = QStringLiteral(
    "All Files (*.*)|*.*|Pictures (*.bmp;*.ico;*.wmf;*.jpg;*.gif;*.png;*.pdf;*.svg)|*.bmp;*.ico;"
    "*.wmf;*.jpg;*.gif;*.png;*.pdf;*.svg|PDF Pages (*.pdf)|*.pdf|SVG Drawings (*.svg)|*.svg");

// What status panel 2 says the picture is: its file, and for a PDF also the page.
QString PictureName(const QString& path, const LoadedPicture& loaded) {
    QString name = QFileInfo(path).absoluteFilePath();
    if (loaded.type == PictureType::PdfPage) {
        name += QStringLiteral(" (page %1 of %2)").arg(loaded.pdf.page).arg(loaded.pdf.pageCount);
    }
    return name;
}
} // namespace

void frmMain::mnuPictureImport_Click() {
    m_cmDialog.DialogTitle = QStringLiteral("Import Picture");
    m_cmDialog.Filter = PictureFilter;
    m_cmDialog.FilterIndex = 2;
    m_cmDialog.DefaultExt.clear();
    m_cmDialog.MustExist = true;
    m_cmDialog.Keep(m_desktop.prompts.AskOpenFile(m_cmDialog.Request()));
    if (m_cmDialog.FileName.isEmpty()) {
        return;
    }
    ImportPictureFile(m_cmDialog.FileName);
}

bool frmMain::ImportPictureFile(const QString& path) {
    const UndoStep step(m_session.History(), QStringLiteral("Import"));
    // A project dropped or named like a picture opens as the project it is.
    if (IsProjectFile(path)) {
        return OpenProjectFile(path);
    }
    SetScreenPointer(ScreenPointer::ArrowHourglass);
    // The file is decoded before anything changes: a file that cannot be read, or that the
    // user gives up waiting for, leaves the picture, its calibration and the table as they were.
    std::optional<LoadedPicture> loaded;
    try {
        loaded = IsPdfFile(path) ? ReadPdfPage(this, m_desktop.prompts, path)
                                 : DecodeWithProgressBox(this, path);
    } catch (const AppError& error) {
        ShowErrorReport(m_session, m_desktop.prompts, error);
        SetScreenPointer(ScreenPointer::Default);
        return false;
    } catch (const std::bad_alloc&) {
        ShowErrorReport(m_session, m_desktop.prompts,
                        {ErrorNumber::OutOfMemory, QStringLiteral("Out of memory: ") + path, {}});
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
    m_session.ResetDocument();
    m_windows.Document().Picture2().SetPicture(loaded.image, loaded.type, loaded.originalBytes,
                                               loaded.drawing);
    EnableDataMenu();
    m_windows.Document().Form_Resize();
    SetPanelText(2, PictureName(path, loaded));
}

void frmMain::mnuPicturePaste_Click() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QImage picture = clipboard != nullptr ? clipboard->image() : QImage();
    // A file copied in a file manager (or its path copied as text) is imported like a dropped one.
    if (picture.isNull() && clipboard != nullptr) {
        if (const QString file = CopiedFile(clipboard->mimeData()); !file.isEmpty()) {
            ImportPictureFile(file);
            return;
        }
    }
    // Pasted, captured and scanned pictures are held to the size a file may have, so that
    // every picture the program holds can be kept in a project and opened again.
    if (const QString tooLarge = TooLargeReason(picture.size()); !tooLarge.isEmpty()) {
        ShowErrorReport(m_session, m_desktop.prompts,
                        InvalidPictureError(QStringLiteral("Clipboard Picture"), tooLarge));
        return;
    }
    m_session.ResetDocument();
    if (!picture.isNull()) {
        m_windows.Document().Picture2().SetPicture(picture, PictureType::Bitmap);
    }
    EnableDataMenu();
    m_windows.Document().Form_Resize();
    SetPanelText(2, QStringLiteral("Clipboard Picture"));
}

void frmMain::mnuPictureCopy_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return;
    }
    clipboard->clear();
    const PictureSurface& surface = m_windows.Document().Picture2();
    if (surface.HasPicture()) {
        clipboard->setImage(surface.DrawnImage());
    }
}
