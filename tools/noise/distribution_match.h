#pragma once

#include <vector>

namespace noise {

// The distribution of 8-bit values a noise picture should have.
struct TargetDistribution {
    double minimum;
    double percentile5;
    double median;
    double percentile95;
    double maximum;
    double mean;
    double standardDeviation;
};

// A monotone tone curve applied to `field` that gives it the target
// distribution (histogram matching): every value becomes the target's
// level, 0 to 255, at the value's rank. Equal values get equal levels.
std::vector<float> matchDistribution(const std::vector<float>& field, const TargetDistribution& target);

}  // namespace noise
