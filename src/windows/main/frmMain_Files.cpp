// Saving and appending the table to data files.

#include "windows/main/frmMain.h"

#include "core/AppError.h"
#include "core/RegularFile.h"
#include "platform/Prompts.h"
#include "session/Session.h"
#include "table/DataFileWriter.h"
#include "windows/data/frmData.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/ScreenPointer.h"
#include "windows/shared/WindowSet.h"

namespace {

void PrepareDataDialog(CommonDialog& dialog, bool clearName) {
    dialog.DialogTitle = QStringLiteral("Save Data Points");
    dialog.Filter = QString::fromLatin1(DataFileFilter);
    dialog.FilterIndex = 2;
    dialog.DefaultExt = QStringLiteral(".dat");
    dialog.MustExist = false;
    if (clearName) {
        dialog.FileName.clear();
    }
}

} // namespace

bool frmMain::WriteTable(WriteMode mode) {
    try {
        WriteDataFile(m_windows.Data().Table(), m_session.DataFileName,
                      LayoutForFileType(m_session.DataFileType), mode);
    } catch (const AppError& error) {
        ShowErrorReport(m_session, m_desktop.prompts, error);
        return false;
    }
    SetPanelText(1, m_session.DataFileName);
    return true;
}

bool frmMain::mnuDataSave_Click() {
    if (m_session.DataFileName.isEmpty()) {
        return mnuDataSaveAs_Click();
    }
    // A name that came with a project is the user's to confirm: the dialog offers it.
    if (m_session.DataFileNameFromProject) {
        return SaveDataAs(m_session.DataFileName);
    }
    return WriteTable(WriteMode::Replace);
}

bool frmMain::MayOverwrite(const QString& path) {
    return !FileExists(path) || m_desktop.prompts.ShowMessage(
                                    path + QStringLiteral(" exists. Do you want to overwrite it?"),
                                    QStringLiteral("File Exists"), MessageIcon::Question,
                                    MessageButtons::YesNo) == MessageAnswer::Yes;
}

bool frmMain::mnuDataSaveAs_Click() {
    return SaveDataAs({});
}

bool frmMain::SaveDataAs(const QString& proposedName) {
    PrepareDataDialog(m_cmDialog, true);
    if (!proposedName.isEmpty()) {
        m_cmDialog.FileName = proposedName;
        m_cmDialog.FilterIndex = m_session.DataFileType;
    }
    m_cmDialog.Keep(m_desktop.prompts.AskSaveFile(m_cmDialog.Request()));
    // A cancelled or declined dialog forgets the data file; the next Save asks again.
    m_session.DataFileName = m_cmDialog.FileName;
    m_session.DataFileType = m_cmDialog.FilterIndex;
    m_session.DataFileNameFromProject = false;
    if (m_session.DataFileName.isEmpty()) {
        return false;
    }
    if (!MayOverwrite(m_session.DataFileName)) {
        m_session.DataFileName.clear();
        return false;
    }
    SetScreenPointer(ScreenPointer::ArrowHourglass);
    const bool written = WriteTable(WriteMode::Replace);
    SetScreenPointer(ScreenPointer::Default);
    return written;
}

bool frmMain::mnuDataAppendTo_Click() {
    PrepareDataDialog(m_cmDialog, false);
    const FileDialogResult result = m_desktop.prompts.AskSaveFile(m_cmDialog.Request());
    // A cancelled dialog returns, and keeps, an empty name; the data file stays as it was.
    m_cmDialog.Keep(result);
    if (result.path.isEmpty()) {
        return false;
    }
    m_session.DataFileName = result.path;
    m_session.DataFileType = result.filterIndex;
    m_session.DataFileNameFromProject = false;
    SetScreenPointer(ScreenPointer::ArrowHourglass);
    const bool written = WriteTable(WriteMode::Append);
    SetScreenPointer(ScreenPointer::Default);
    return written;
}
