#pragma once

class Prompts;
class Session;

// Checks the two reference points (or fits three and more) and gives the picture its
// calibrated coordinate system, or explains why it keeps the neutral frame. Runs once per
// calibration, when scale mode is left.
void ApplyCalibration(Session& session, Prompts& prompts);
