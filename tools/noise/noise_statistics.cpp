#include "noise_statistics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace noise {
namespace {

// The smallest value that at least `share` of all values do not exceed.
int percentile(const std::array<long long, 256>& histogram, long long count, double share) {
    const double wanted = share * static_cast<double>(count);
    long long seen = 0;
    for (int value = 0; value < 256; ++value) {
        seen += histogram[value];
        if (static_cast<double>(seen) >= wanted) return value;
    }
    return 255;
}

double meanNeighbourDifference(const std::vector<std::uint8_t>& values, int width, int height) {
    long long sum = 0;
    long long pairs = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int value = values[static_cast<std::size_t>(y) * width + x];
            if (x + 1 < width) {
                sum += std::abs(value - values[static_cast<std::size_t>(y) * width + x + 1]);
                ++pairs;
            }
            if (y + 1 < height) {
                sum += std::abs(value - values[static_cast<std::size_t>(y + 1) * width + x]);
                ++pairs;
            }
        }
    }
    return pairs == 0 ? 0.0 : static_cast<double>(sum) / static_cast<double>(pairs);
}

// Correlation of values with the ones `offset` pixels to the right and below.
double correlationAt(const std::vector<double>& centred, int width, int height, int offset, double variance) {
    double sum = 0.0;
    long long pairs = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double value = centred[static_cast<std::size_t>(y) * width + x];
            if (x + offset < width) {
                sum += value * centred[static_cast<std::size_t>(y) * width + x + offset];
                ++pairs;
            }
            if (y + offset < height) {
                sum += value * centred[static_cast<std::size_t>(y + offset) * width + x];
                ++pairs;
            }
        }
    }
    return pairs == 0 || variance == 0.0 ? 0.0 : sum / static_cast<double>(pairs) / variance;
}

double halfCorrelationDistance(const std::vector<std::uint8_t>& values, int width, int height, double mean,
                               double variance) {
    std::vector<double> centred(values.size());
    std::transform(values.begin(), values.end(), centred.begin(), [mean](std::uint8_t v) { return v - mean; });
    double previous = 1.0;
    for (int offset = 1; offset < std::max(width, height); ++offset) {
        const double correlation = correlationAt(centred, width, height, offset, variance);
        if (correlation <= 0.5) return offset - 1 + (previous - 0.5) / (previous - correlation);
        previous = correlation;
    }
    return std::max(width, height);
}

double wrapEdgeDifference(const std::vector<std::uint8_t>& values, int width, int height) {
    long long sum = 0;
    for (int y = 0; y < height; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * width;
        sum += std::abs(values[row + width - 1] - values[row]);
    }
    const std::size_t lastRow = static_cast<std::size_t>(height - 1) * width;
    for (int x = 0; x < width; ++x) sum += std::abs(values[lastRow + x] - values[x]);
    return static_cast<double>(sum) / static_cast<double>(width + height);
}

}  // namespace

NoiseStatistics measureNoise(const std::vector<std::uint8_t>& values, int width, int height) {
    NoiseStatistics figures;
    if (width <= 0 || height <= 0 || values.size() != static_cast<std::size_t>(width) * height) return figures;
    std::array<long long, 256> histogram{};
    double sum = 0.0;
    for (std::uint8_t value : values) {
        ++histogram[value];
        sum += value;
    }
    const long long count = static_cast<long long>(values.size());
    figures.mean = sum / static_cast<double>(count);
    double squares = 0.0;
    for (std::uint8_t value : values) squares += (value - figures.mean) * (value - figures.mean);
    const double variance = squares / static_cast<double>(count);
    figures.standardDeviation = std::sqrt(variance);
    figures.minimum = 255;
    for (int value = 0; value < 256; ++value) {
        if (histogram[value] == 0) continue;
        figures.minimum = std::min(figures.minimum, value);
        figures.maximum = value;
    }
    figures.median = percentile(histogram, count, 0.5);
    figures.percentile5 = percentile(histogram, count, 0.05);
    figures.percentile95 = percentile(histogram, count, 0.95);
    figures.neighbourDifference = meanNeighbourDifference(values, width, height);
    figures.halfCorrelationDistance = halfCorrelationDistance(values, width, height, figures.mean, variance);
    figures.wrapEdgeDifference = wrapEdgeDifference(values, width, height);
    return figures;
}

}  // namespace noise
