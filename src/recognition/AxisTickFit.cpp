#include "recognition/AxisTickFit.h"

#include <cmath>
#include <limits>

namespace {

double Mapped(double value, bool logarithmic) {
    return logarithmic ? std::log10(value) : value;
}

bool Usable(const AxisTick& tick, bool logarithmic) {
    return std::isfinite(tick.position) && std::isfinite(tick.value) &&
           (!logarithmic || tick.value > 0);
}

// The least-squares line position = offset + scale * f(value) through the ticks taken; nothing
// when their values do not spread.
std::optional<AxisTickFit> LineThrough(const std::vector<AxisTick>& ticks,
                                       const std::vector<bool>& taken, bool logarithmic) {
    double count = 0;
    double sumF = 0;
    double sumP = 0;
    for (std::size_t at = 0; at < ticks.size(); ++at) {
        if (taken[at]) {
            count += 1;
            sumF += Mapped(ticks[at].value, logarithmic);
            sumP += ticks[at].position;
        }
    }
    if (count < 2) {
        return std::nullopt;
    }
    const double meanF = sumF / count;
    const double meanP = sumP / count;
    double spread = 0;
    double together = 0;
    for (std::size_t at = 0; at < ticks.size(); ++at) {
        if (taken[at]) {
            const double f = Mapped(ticks[at].value, logarithmic) - meanF;
            spread += f * f;
            together += f * (ticks[at].position - meanP);
        }
    }
    if (!(spread > 0)) {
        return std::nullopt;
    }
    AxisTickFit fit;
    fit.logarithmic = logarithmic;
    fit.scale = together / spread;
    fit.offset = meanP - fit.scale * meanF;
    if (fit.scale == 0 || !std::isfinite(fit.scale)) {
        return std::nullopt;
    }
    fit.used = taken;
    fit.residuals.assign(ticks.size(), std::numeric_limits<double>::infinity());
    for (std::size_t at = 0; at < ticks.size(); ++at) {
        if (Usable(ticks[at], logarithmic)) {
            fit.residuals[at] = std::fabs(fit.PositionOf(ticks[at].value) - ticks[at].position);
        }
        if (taken[at]) {
            ++fit.usedCount;
            fit.worstUsedResidual = std::max(fit.worstUsedResidual, fit.residuals[at]);
        }
    }
    return fit;
}

// Whether one fit is better than another: more ticks, then smaller residuals.
bool Better(const AxisTickFit& one, const std::optional<AxisTickFit>& other) {
    if (!other) {
        return true;
    }
    if (one.usedCount != other->usedCount) {
        return one.usedCount > other->usedCount;
    }
    return one.worstUsedResidual < other->worstUsedResidual;
}

} // namespace

double AxisTickFit::PositionOf(double value) const {
    return offset + scale * Mapped(value, logarithmic);
}

double AxisTickFit::ValueAt(double position) const {
    const double mapped = (position - offset) / scale;
    return logarithmic ? std::pow(10.0, mapped) : mapped;
}

AxisTickFitOutcome FitAxisTicks(const std::vector<AxisTick>& ticks, const QString& axisName) {
    std::optional<AxisTickFit> best;
    // Every pair of ticks proposes a line; the ticks within the tolerance of it are fitted
    // together, and the fit is checked again. Axes have tens of ticks, so all pairs are cheap.
    for (const bool logarithmic : {false, true}) {
        for (std::size_t first = 0; first < ticks.size(); ++first) {
            for (std::size_t second = first + 1; second < ticks.size(); ++second) {
                if (!Usable(ticks[first], logarithmic) || !Usable(ticks[second], logarithmic)) {
                    continue;
                }
                std::vector<bool> pair(ticks.size(), false);
                pair[first] = pair[second] = true;
                const std::optional<AxisTickFit> proposed = LineThrough(ticks, pair, logarithmic);
                if (!proposed) {
                    continue;
                }
                std::vector<bool> agreeing(ticks.size(), false);
                for (std::size_t at = 0; at < ticks.size(); ++at) {
                    agreeing[at] = proposed->residuals[at] <= AgreeingTickPixels;
                }
                std::optional<AxisTickFit> fitted = LineThrough(ticks, agreeing, logarithmic);
                // The least-squares line may leave a tick it was built on beyond the tolerance;
                // such a set does not agree.
                if (fitted && fitted->worstUsedResidual <= AgreeingTickPixels &&
                    Better(*fitted, best)) {
                    best = std::move(fitted);
                }
            }
        }
    }
    if (!best || best->usedCount < FewestAgreeingTicks) {
        return {std::nullopt,
                QStringLiteral("too few labelled ticks of the %1 axis agree (%2 of %3; at least "
                               "%4 are needed)")
                    .arg(axisName)
                    .arg(best ? best->usedCount : 0)
                    .arg(ticks.size())
                    .arg(FewestAgreeingTicks)};
    }
    return {best, {}};
}
