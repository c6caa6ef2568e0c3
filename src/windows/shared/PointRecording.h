#pragma once

class Prompts;
class Session;

// Shows or records a position in picture coordinates as data values (see
// ShowOrRecordPointValues). A value that does not fit ends a recording with the standard error
// box; a position merely shown leaves the status texts as they were without a box, since it
// comes from every mouse move.
void ShowOrRecordPoint(Session& session, Prompts& prompts, float& x, float& y, bool save);
void ShowOrRecordPoint(Session& session, Prompts& prompts, double& x, double& y, bool save);
