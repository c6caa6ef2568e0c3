#pragma once

#include <QString>

// Opens a picture file into the picture window as a new document: the scale is reset, the
// Data menu enabled and status panel 2 shows the full path. A file that cannot be read gives
// the standard error box and leaves an empty picture; the data table is never touched.
// Returns whether the picture was loaded.
bool OpenPictureFile(const QString& path);
