// Rotation of a tilted picture and saving the picture come with their own commands; until
// then the strip's buttons for them do nothing.

#include "document/frmDocument.h"

void frmDocument::RotatePicture() {}

void frmDocument::UndoRotate() {}

void frmDocument::SavePictureAs() {}
