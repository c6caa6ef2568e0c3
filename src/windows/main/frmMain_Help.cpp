// The Help menu: the program's own help pages and the note on the old help viewer.

#include "core/ProgramInfo.h"
#include "windows/main/frmMain.h"

#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "session/Session.h"
#include "windows/info/frmAbout.h"
#include "windows/main/HelpWindow.h"
#include "windows/shared/WindowSet.h"

#include <QFile>

namespace {
const QString ViewerPage = QStringLiteral("https://support.microsoft.com/kb/917607");
}

void frmMain::OpenHelp(bool search) {
    if (m_windows.HelpFile().isEmpty()) {
        m_desktop.prompts.ShowMessage(QStringLiteral("Unable to display Help Contents. There is no "
                                                     "Help associated with this project."),
                                      windowTitle(), MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    if (!QFile::exists(m_windows.HelpFile())) {
        m_desktop.prompts.ShowMessage(QStringLiteral("The help file ") + m_windows.HelpFile() +
                                          QStringLiteral(" cannot be found."),
                                      ProgramInfo::Title, MessageIcon::None, MessageButtons::Ok);
        return;
    }
    if (!m_helpWindow) {
        m_helpWindow = new HelpWindow(this);
    }
    m_helpWindow->ShowPage(m_windows.HelpFile());
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
    m_desktop.prompts.ShowMessage(
        QStringLiteral("Latest versions of Windows do not support help (.hlp) files. You'll need "
                       "to install a small program from Microsoft's website to solve the "
                       "problem. Go to: ") +
            ViewerPage,
        QStringLiteral("Error opening help file in Win 7 or Vista"), MessageIcon::Information,
        MessageButtons::Ok);
    m_desktop.shell.Open(ViewerPage, {}, {}, {});
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout about(m_desktop, this);
    about.exec();
}
