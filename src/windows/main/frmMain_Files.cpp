// Saving and appending the table to data files.

#include "windows/main/frmMain.h"

#include "core/AppError.h"
#include "core/RegularFile.h"
#include "platform/Prompts.h"
#include "table/DataFileWriter.h"
#include "windows/data/frmData.h"
#include "windows/shared/AppState.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/ScreenPointer.h"

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
        WriteDataFile(App().Data().Table(), App().DataFileName,
                      LayoutForFileType(App().DataFileType), mode);
    } catch (const AppError& error) {
        ShowErrorReport(error);
        return false;
    }
    SetPanelText(1, App().DataFileName);
    return true;
}

bool frmMain::mnuDataSave_Click() {
    if (App().DataFileName.isEmpty()) {
        return mnuDataSaveAs_Click();
    }
    // A name that came with a project is the user's to confirm: the dialog offers it.
    if (App().DataFileNameFromProject) {
        return SaveDataAs(App().DataFileName);
    }
    return WriteTable(WriteMode::Replace);
}

bool frmMain::mnuDataSaveAs_Click() {
    return SaveDataAs({});
}

bool frmMain::SaveDataAs(const QString& proposedName) {
    PrepareDataDialog(m_cmDialog, true);
    if (!proposedName.isEmpty()) {
        m_cmDialog.FileName = proposedName;
        m_cmDialog.FilterIndex = App().DataFileType;
    }
    m_cmDialog.Keep(App().prompts().AskSaveFile(m_cmDialog.Request()));
    // A cancelled or declined dialog forgets the data file; the next Save asks again.
    App().DataFileName = m_cmDialog.FileName;
    App().DataFileType = m_cmDialog.FilterIndex;
    App().DataFileNameFromProject = false;
    if (App().DataFileName.isEmpty()) {
        return false;
    }
    if (FileExists(App().DataFileName)) {
        const MessageAnswer answer = App().prompts().ShowMessage(
            App().DataFileName + QStringLiteral(" exists. Do you want to overwrite it?"),
            QStringLiteral("File Exists"), MessageIcon::Question, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) {
            App().DataFileName.clear();
            return false;
        }
    }
    SetScreenPointer(ScreenPointer::ArrowHourglass);
    const bool written = WriteTable(WriteMode::Replace);
    SetScreenPointer(ScreenPointer::Default);
    return written;
}

bool frmMain::mnuDataAppendTo_Click() {
    PrepareDataDialog(m_cmDialog, false);
    const FileDialogResult result = App().prompts().AskSaveFile(m_cmDialog.Request());
    // A cancelled dialog returns, and keeps, an empty name; the data file stays as it was.
    m_cmDialog.Keep(result);
    if (result.path.isEmpty()) {
        return false;
    }
    App().DataFileName = result.path;
    App().DataFileType = result.filterIndex;
    App().DataFileNameFromProject = false;
    SetScreenPointer(ScreenPointer::ArrowHourglass);
    const bool written = WriteTable(WriteMode::Append);
    SetScreenPointer(ScreenPointer::Default);
    return written;
}
