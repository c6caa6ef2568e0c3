// Undo and Redo: the session's history does the work; the windows follow its signals.

#include "windows/main/frmMain.h"

#include "session/Session.h"

void frmMain::mnuEditUndo_Click() {
    m_session.History().Undo();
}

void frmMain::mnuEditRedo_Click() {
    m_session.History().Redo();
}
