#pragma once

#include <cstdint>
#include <functional>

class Session;
struct Settings;

// What an auto-read did: the points it appended, the positions it skipped (their values do not
// fit a number) and whether it was stopped before the end of its grid.
struct AutoReadOutcome {
    std::int64_t found = 0;
    std::int64_t skipped = 0;
    bool stopped = false;
};

// The positions an auto-read of these options looks at, for a progress count: columns x rows +
// columns + rows, as the grid has one more position than steps on each axis.
std::int64_t AutoReadPositions(const Settings& settings);

// Reads the session's picture over the auto-read grid (every position of the data colour, or
// the centre of the line in each column) and appends what it finds to the table at once,
// marking each found position in the found-point colour. keepGoing(positions done so far) is
// asked after each grid column; false stops the reading there, keeping what was found.
AutoReadOutcome AutoReadInto(Session& session,
                             const std::function<bool(std::int64_t positions)>& keepGoing);
