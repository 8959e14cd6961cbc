#include "distribution_match.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace noise {
namespace {

struct Knot {
    double share;
    double value;
};
using QuantileCurve = std::array<Knot, 7>;

QuantileCurve curve(const TargetDistribution& t, double quartile1, double quartile3) {
    return {Knot{0.0, t.minimum},     Knot{0.05, t.percentile5}, Knot{0.25, quartile1}, Knot{0.5, t.median},
            Knot{0.75, quartile3},    Knot{0.95, t.percentile95}, Knot{1.0, t.maximum}};
}

// Mean and standard deviation of a value drawn through the piecewise-linear
// quantile curve at a uniformly random share.
void moments(const QuantileCurve& knots, double& mean, double& deviation) {
    double first = 0.0;
    double second = 0.0;
    for (std::size_t i = 1; i < knots.size(); ++i) {
        const double width = knots[i].share - knots[i - 1].share;
        const double a = knots[i - 1].value;
        const double b = knots[i].value;
        first += width * (a + b) / 2.0;
        second += width * (a * a + a * b + b * b) / 3.0;
    }
    mean = first;
    deviation = std::sqrt(std::max(0.0, second - first * first));
}

// The two quartiles that give the target's mean and standard deviation.
QuantileCurve fitCurve(const TargetDistribution& target) {
    QuantileCurve best = curve(target, target.percentile5, target.median);
    double bestError = 1e300;
    for (double q1 = target.percentile5; q1 <= target.median; q1 += 0.05) {
        for (double q3 = target.median; q3 <= target.percentile95; q3 += 0.05) {
            const QuantileCurve candidate = curve(target, q1, q3);
            double mean = 0.0;
            double deviation = 0.0;
            moments(candidate, mean, deviation);
            const double error = std::pow(mean - target.mean, 2) + std::pow(deviation - target.standardDeviation, 2);
            if (error < bestError) {
                bestError = error;
                best = candidate;
            }
        }
    }
    return best;
}

double valueAt(const QuantileCurve& knots, double share) {
    std::size_t i = 1;
    while (i + 1 < knots.size() && share > knots[i].share) ++i;
    const Knot& low = knots[i - 1];
    const Knot& high = knots[i];
    return low.value + (high.value - low.value) * (share - low.share) / (high.share - low.share);
}

}  // namespace

std::vector<float> matchDistribution(const std::vector<float>& field, const TargetDistribution& target) {
    const QuantileCurve knots = fitCurve(target);
    std::vector<std::size_t> order(field.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return field[a] < field[b]; });
    std::vector<float> levels(field.size());
    const double count = static_cast<double>(field.size());
    for (std::size_t first = 0; first < order.size();) {
        std::size_t end = first + 1;
        while (end < order.size() && field[order[end]] == field[order[first]]) ++end;
        const double middleRank = (static_cast<double>(first) + static_cast<double>(end)) / 2.0;
        const float level = static_cast<float>(valueAt(knots, middleRank / count));
        for (std::size_t rank = first; rank < end; ++rank) levels[order[rank]] = level;
        first = end;
    }
    return levels;
}

}  // namespace noise
