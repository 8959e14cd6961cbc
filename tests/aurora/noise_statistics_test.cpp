// The figures of noise_statistics on pictures whose figures are known.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "noise_statistics.h"

namespace {

std::vector<std::uint8_t> picture(int size, const std::function<double(int, int)>& value) {
    std::vector<std::uint8_t> values;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) values.push_back(static_cast<std::uint8_t>(std::lround(value(x, y))));
    }
    return values;
}

TEST(NoiseStatistics, RampAcrossThePicture) {
    // Value x in column x: rows are equal, neighbours across a row differ by 1.
    const noise::NoiseStatistics figures = noise::measureNoise(picture(256, [](int x, int) { return x; }), 256, 256);
    EXPECT_EQ(figures.minimum, 0);
    EXPECT_EQ(figures.maximum, 255);
    EXPECT_DOUBLE_EQ(figures.mean, 127.5);
    EXPECT_NEAR(figures.standardDeviation, std::sqrt((256.0 * 256.0 - 1.0) / 12.0), 1e-9);
    EXPECT_EQ(figures.median, 127);
    EXPECT_EQ(figures.percentile5, 12);
    EXPECT_EQ(figures.percentile95, 243);
    EXPECT_DOUBLE_EQ(figures.neighbourDifference, 0.5);
    // 255 across the left-right edge on every row, 0 across the top-bottom one.
    EXPECT_DOUBLE_EQ(figures.wrapEdgeDifference, 127.5);
}

TEST(NoiseStatistics, CorrelationOfAWaveHalvesAtAQuarterPeriod) {
    // cos(2 pi x / P) + cos(2 pi y / P): in each direction the correlation at
    // offset k is (1 + cos(2 pi k / P)) / 2, one half at k = P / 4.
    constexpr double kPeriod = 128.0;
    const auto wave = [](int x, int y) {
        return 127.5 + 63.0 * (std::cos(2.0 * M_PI * x / kPeriod) + std::cos(2.0 * M_PI * y / kPeriod));
    };
    const noise::NoiseStatistics figures = noise::measureNoise(picture(512, wave), 512, 512);
    EXPECT_NEAR(figures.halfCorrelationDistance, kPeriod / 4.0, 1.0);
}

TEST(NoiseStatistics, EmptyOrMismatchedPictureGivesZeros) {
    EXPECT_EQ(noise::measureNoise({}, 0, 0).maximum, 0);
    EXPECT_EQ(noise::measureNoise(std::vector<std::uint8_t>(10, 7), 4, 4).mean, 0.0);
}

}  // namespace
