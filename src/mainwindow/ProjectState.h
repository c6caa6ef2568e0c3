#pragma once

#include "core/ProjectFile.h"

// The session as a project, and a project as the session.

// Everything a project keeps, taken from the windows and the shared state. Without pixels
// the picture and the drawing are left out, without rows the table's points (to tell whether
// anything changed, the table is looked at where it is).
Project CurrentProject(bool withPixels, bool withRows = true);

// Whether a project's drawing fits a picture of this size (every tile inside it).
bool DrawingFits(const Project& project, QSize picture);

// Makes the session the project's: picture, drawing, calibration, options, table, data file
// and status texts. The picture is the one decoded from the project.
void ApplyProject(const Project& project, const QImage& picture);
