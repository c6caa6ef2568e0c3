#pragma once

class Session;

// Erases the drawing and marks the points of every curve that shows, each in its colour, the
// current curve last so that its markers lie over the others'.
void RedrawCurveMarkers(Session& session);
