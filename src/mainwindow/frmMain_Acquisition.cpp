// Bringing pictures in from files and the clipboard, and copying the picture out.

#include "mainwindow/frmMain.h"

void frmMain::mnuPictureImport_Click() {}

void frmMain::mnuPicturePaste_Click() {}

void frmMain::mnuPictureCopy_Click() {}
