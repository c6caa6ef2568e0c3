#pragma once

// Marks a reference X value that has not been typed yet.
inline constexpr double Unset = -2e9;

// The four data values at the picture's edges. The picture maps pixel column c of W to
// x = Left + (Right - Left) * c / W and pixel row r of H to y = Top + (Bottom - Top) * r / H.
struct EdgeValues {
    double Left = 0;
    double Top = 10;
    double Right = 10;
    double Bottom = 0;
    bool operator==(const EdgeValues&) const = default;
};

// The frame in which reference points are marked: x from 0 (left) to 10 (right), y from 0
// (bottom) to 10 (top), whatever the picture's size.
inline constexpr EdgeValues NeutralFrame{0, 10, 10, 0};

// Two reference points (positions in the neutral frame and their typed values) and the edge
// values derived from them. On a logarithmic axis the values hold log10 of what was typed
// once the calibration has been applied.
struct CalibrationRecord {
    double X1 = Unset;
    double X2 = Unset;
    double Y1 = 0;
    double Y2 = 0;
    double XPos1 = 0;
    double XPos2 = 0;
    double YPos1 = 0;
    double YPos2 = 0;
    double LeftX = 0;
    double RightX = 10;
    double TopY = 10;
    double BottomY = 0;

    EdgeValues Edges() const { return {LeftX, TopY, RightX, BottomY}; }
};

// The most reference points a calibration takes: far more than a plot's ticks, few enough that
// every question about them fits on the screen.
inline constexpr int MostReferencePoints = 100;

// A reference point after the first two: its position in the neutral frame and its values,
// held as the record holds those of points 1 and 2.
struct ExtraReference {
    double XPos = 0;
    double YPos = 0;
    double X = 0;
    double Y = 0;
    bool operator==(const ExtraReference&) const = default;
};
