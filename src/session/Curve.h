#pragma once

#include "core/PackedColor.h"
#include "table/DataTable.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

// One series of points on the picture: its name, its own table and its colour.
struct Curve {
    QString name;
    // Its markers and the colour auto-read looks for on its behalf. None for a curve that
    // follows the options (the points colour and the auto-read data colour), as the first
    // curve of a session does: a session of one curve is the program as it always was.
    std::optional<PackedColor> color;
    bool shown = true;
    std::unique_ptr<DataTable> table = std::make_unique<DataTable>();
    // Given by the session, never reused in it: undo finds a curve by it whatever was added
    // or removed around it.
    std::uint64_t id = 0;
};

// What a curve is besides its points, as undo keeps it.
struct CurveLook {
    std::uint64_t id = 0;
    QString name;
    std::optional<PackedColor> color;
    bool shown = true;
    bool operator==(const CurveLook&) const = default;
};

// The most curves a session holds: far more series than a plot shows, few enough that every
// list of them stays quick.
inline constexpr int MostCurves = 1000;

// The colour the n-th curve made by New Curve gets (n from 2), distinct from its neighbours.
PackedColor CurvePaletteColor(int n);

struct Settings;

// The colours a curve is drawn and read in: its own, or the options' for a curve without one.
// Its recorded points' markers:
PackedColor MarkerColorOf(const Curve& curve, const Settings& settings);
// The colour auto-read looks for on its behalf:
PackedColor DataColorOf(const Curve& curve, const Settings& settings);
// The markers of the positions auto-read found for it:
PackedColor FoundColorOf(const Curve& curve, const Settings& settings);
