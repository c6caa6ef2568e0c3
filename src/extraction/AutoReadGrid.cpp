#include "extraction/AutoReadGrid.h"

#include <cstdint>
#include <cstdlib>

AutoReadSteps StepsFor(const EdgeValues& edges, int cols, int rows) {
    return {(edges.Right - edges.Left) / cols, (edges.Top - edges.Bottom) / rows};
}

namespace {

// A counted loop over a floating-point range that runs while the counter has not passed the
// far bound in the step's direction; a step of 0 visits the start once.
template <typename Body>
void CountedLoop(double& counter, double from, double to, double step, Body body) {
    for (counter = from; step >= 0 ? counter <= to : counter >= to; counter += step) {
        body();
        if (step == 0) {
            break;
        }
    }
}

} // namespace

void SweepAutoReadGrid(const EdgeValues& edges, int cols, int rows,
                       const std::function<void(double& x, double& y)>& visit) {
    if (cols < 1 || rows < 1) {
        return;
    }
    const AutoReadSteps steps = StepsFor(edges, cols, rows);
    double x = 0;
    double y = 0;
    CountedLoop(x, edges.Left, edges.Right, steps.dx,
                [&] { CountedLoop(y, edges.Bottom, edges.Top, steps.dy, [&] { visit(x, y); }); });
}

bool IsDataColour(int pixel, int dataColour, int tolerance) {
    const std::int64_t difference = static_cast<std::int64_t>(pixel) - dataColour;
    return std::llabs(difference) <= tolerance;
}
