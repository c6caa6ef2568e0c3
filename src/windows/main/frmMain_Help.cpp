// The Help menu: the program's own help pages and the note on the old help viewer.

#include "core/ProgramInfo.h"
#include "windows/main/frmMain.h"

#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "windows/info/frmAbout.h"
#include "windows/main/HelpWindow.h"
#include "windows/shared/AppState.h"

#include <QFile>

namespace {
const QString ViewerPage = QStringLiteral("https://support.microsoft.com/kb/917607");
}

void frmMain::OpenHelp(bool search) {
    if (App().HelpFile.isEmpty()) {
        App().prompts().ShowMessage(QStringLiteral("Unable to display Help Contents. There is no "
                                                   "Help associated with this project."),
                                    windowTitle(), MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    if (!QFile::exists(App().HelpFile)) {
        App().prompts().ShowMessage(QStringLiteral("The help file ") + App().HelpFile +
                                        QStringLiteral(" cannot be found."),
                                    ProgramInfo::Title, MessageIcon::None, MessageButtons::Ok);
        return;
    }
    if (!m_helpWindow) {
        m_helpWindow = new HelpWindow(this);
    }
    m_helpWindow->ShowPage(App().HelpFile);
    m_helpWindow->show();
    m_helpWindow->raise();
    if (search) {
        m_helpWindow->StartSearch();
    }
}

void frmMain::mnuHelpContents_Click() {
    OpenHelp(false);
}

void frmMain::mnuHelpSearch_Click() {
    OpenHelp(true);
}

void frmMain::mnuHelpWin7_Click() {
    App().prompts().ShowMessage(
        QStringLiteral("Latest versions of Windows do not support help (.hlp) files. You'll need "
                       "to install a small program from Microsoft's website to solve the "
                       "problem. Go to: ") +
            ViewerPage,
        QStringLiteral("Error opening help file in Win 7 or Vista"), MessageIcon::Information,
        MessageButtons::Ok);
    App().shell().Open(ViewerPage, {}, {}, {});
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout about(this);
    about.exec();
}
