#include "extraction/AutoReadGrid.h"

#include <cstdint>
#include <cstdlib>

AutoReadSteps StepsFor(const EdgeValues& edges, int cols, int rows) {
    return {(edges.Right - edges.Left) / cols, (edges.Top - edges.Bottom) / rows};
}

namespace {

// A counted loop over a floating-point range that runs while the counter has not passed the
// far bound in the step's direction; a step of 0 visits the start once. Rounding of the
// running sum can add at most one position to the nominal steps + 1, so more than that means
// the sum has stopped moving. body returns false to end the loop, and so does this.
template <typename Body>
bool CountedLoop(double from, double to, double step, int steps, Body body) {
    const std::int64_t mostPositions = static_cast<std::int64_t>(steps) + 2;
    std::int64_t positions = 0;
    for (double counter = from; step >= 0 ? counter <= to : counter >= to; counter += step) {
        if (!body(counter)) {
            return false;
        }
        if (step == 0 || ++positions >= mostPositions) {
            break;
        }
    }
    return true;
}

} // namespace

AutoReadAxes AxesFor(const EdgeValues& edges, int cols, int rows) {
    AutoReadAxes axes;
    if (cols < 1 || rows < 1) {
        return axes;
    }
    const AutoReadSteps steps = StepsFor(edges, cols, rows);
    CountedLoop(edges.Left, edges.Right, steps.dx, cols, [&](double x) {
        axes.columns.push_back(x);
        return true;
    });
    CountedLoop(edges.Bottom, edges.Top, steps.dy, rows, [&](double y) {
        axes.rows.push_back(y);
        return true;
    });
    return axes;
}

bool SweepAutoReadGrid(const EdgeValues& edges, int cols, int rows,
                       const std::function<bool(double x, double y)>& visit) {
    const AutoReadAxes axes = AxesFor(edges, cols, rows);
    for (const double x : axes.columns) {
        for (const double y : axes.rows) {
            if (!visit(x, y)) {
                return false;
            }
        }
    }
    return true;
}

bool IsDataColour(int pixel, int dataColour, int tolerance) {
    const std::int64_t difference = static_cast<std::int64_t>(pixel) - dataColour;
    return std::llabs(difference) <= tolerance;
}
