#pragma once

#include "project/ProjectFile.h"

class Session;

// The session as a project, and a project as the session.

// Everything a project keeps. Without pixels the picture and the drawing are left out,
// without rows the table's points (to tell whether anything changed, the table is looked at
// where it is).
Project CurrentProject(const Session& session, bool withPixels, bool withRows = true);

// What the session is, as far as its project file is concerned: equal fingerprints mean
// nothing a project keeps has changed (the pointer's read-out aside).
QByteArray ProjectFingerprint(const Session& session);

// Whether the session differs from its project file as last opened or saved.
bool ProjectChanged(const Session& session);

// Whether a project's drawing fits a picture of this size (every tile inside it).
bool DrawingFits(const Project& project, QSize picture);

// Makes the session the project's: picture, drawing, calibration, options, table, data file
// and status texts. The picture is the one decoded from the project. Scale mode ends.
void ApplyProject(Session& session, const Project& project, const QImage& picture);
