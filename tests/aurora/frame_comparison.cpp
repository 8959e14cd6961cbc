#include "frame_comparison.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

bool liftedAboveBand(int red, int green, int blue, const aurora::Rgb& band) {
    const int levels[3] = {red, green, blue};
    const int bandLevels[3] = {aurora::framebufferLevel(band.red), aurora::framebufferLevel(band.green),
                               aurora::framebufferLevel(band.blue)};
    int lowest = 255;
    int highest = 0;
    for (int c = 0; c < 3; ++c) {
        const int lift = levels[c] - bandLevels[c];
        if (lift < 1) return false;
        // A channel at full brightness may have been cut short.
        if (levels[c] == 255) continue;
        lowest = std::min(lowest, lift);
        highest = std::max(highest, lift);
    }
    return highest - lowest <= kStarLiftSpread || highest == 0;
}

FrameComparison compareFrame(const Frame& frame, const std::vector<aurora::AuroraPixel>& reference) {
    FrameComparison result;
    long long stars = 0;
    long long referenceStars = 0;
    double differenceSum = 0.0;
    for (std::size_t i = 0; i < reference.size(); ++i) {
        const aurora::AuroraPixel& expected = reference[i];
        const std::uint8_t* levels = &frame.rgba[i * 4];
        if (liftedAboveBand(aurora::framebufferLevel(expected.colour.red), aurora::framebufferLevel(expected.colour.green),
                            aurora::framebufferLevel(expected.colour.blue), expected.band)) {
            ++referenceStars;
        }
        if (liftedAboveBand(levels[0], levels[1], levels[2], expected.band)) {
            ++stars;
            continue;
        }
        const float band[3] = {expected.band.red, expected.band.green, expected.band.blue};
        for (int c = 0; c < 3; ++c) {
            const int difference = std::abs(levels[c] - aurora::framebufferLevel(band[c]));
            differenceSum += difference;
            result.bandMaxDifference = std::max(result.bandMaxDifference, difference);
        }
        ++result.bandPixels;
    }
    const double pixels = static_cast<double>(reference.size());
    result.bandMeanDifference = result.bandPixels == 0 ? 0.0 : differenceSum / (3.0 * result.bandPixels);
    result.starShare = static_cast<double>(stars) / pixels;
    result.referenceStarShare = static_cast<double>(referenceStars) / pixels;
    return result;
}

bool matchesReference(const FrameComparison& comparison) {
    return comparison.bandPixels > 0 && comparison.bandMeanDifference <= kMaxMeanDifference &&
           comparison.bandMaxDifference <= kMaxDifference &&
           std::fabs(comparison.starShare - comparison.referenceStarShare) <=
               kStarShareMargin * comparison.referenceStarShare;
}
