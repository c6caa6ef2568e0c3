#pragma once

struct ProposedCalibration;
class Session;

// Gives the session a calibration the program proposed (Auto Scale): its log axes, its
// reference points (the third, for a turned plot, as a point of More Points) and the picture's
// coordinates under them, as leaving scale mode would. False, with the session as it was, when
// the points cannot calibrate.
bool ApplyProposedCalibration(Session& session, const ProposedCalibration& proposal);
