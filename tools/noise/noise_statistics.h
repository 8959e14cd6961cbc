#pragma once

#include <cstdint>
#include <vector>

namespace noise {

// Figures that describe a noise texture's channel (values 0 to 255, rows of
// `width` values).
struct NoiseStatistics {
    int minimum = 0;
    int maximum = 0;
    double mean = 0.0;
    double standardDeviation = 0.0;
    int median = 0;
    int percentile5 = 0;
    int percentile95 = 0;
    // Mean absolute difference of horizontally and vertically adjacent values
    // inside the image.
    double neighbourDifference = 0.0;
    // Offset in pixels at which the correlation of a value with its
    // horizontal and vertical neighbours at that offset falls to one half.
    double halfCorrelationDistance = 0.0;
    // Mean absolute difference across the wrap edges (last column against the
    // first, last row against the first).
    double wrapEdgeDifference = 0.0;

    double wrapEdgeRatio() const { return wrapEdgeDifference / neighbourDifference; }
};

NoiseStatistics measureNoise(const std::vector<std::uint8_t>& values, int width, int height);

}  // namespace noise
