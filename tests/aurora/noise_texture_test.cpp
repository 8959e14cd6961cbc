// The noise textures, measured on the red channel as the aurora shader reads
// them, against the figures they were made to have.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "noise_statistics.h"
#include "platform.h"
#include "resource_files.h"

namespace {

struct NoiseTexture {
    int id;
    const char* file;
    int size;
    int bitsPerPixel;
    int minimum;
    int maximum;
    double mean;
    double standardDeviation;
    int median;
    int percentile5;
    int percentile95;
    double neighbourDifference;
    double halfCorrelationDistance;
    double wrapEdgeRatio;
};

constexpr NoiseTexture kTextures[] = {
    {210, "noise0.bmp", 512, 8, 0, 254, 94.3, 39.9, 90, 37, 168, 2.0, 25.0, 1.0},
    {211, "noise1.bmp", 1024, 24, 0, 255, 62.9, 52.5, 53, 7, 178, 3.4, 65.0, 3.0},
};
// Levels for mean, median, percentiles and standard deviation; shares for
// the smoothness figures and the wrap-edge ratio.
constexpr double kLevelTolerance = 3.0;
constexpr double kShareTolerance = 0.2;
// Across the wrap edges of the pebbles the difference is about 10 levels.
constexpr double kPebbleWrapEdgeDifference = 10.0;

noise::NoiseStatistics measureRed(int id, int size) {
    platform::BitmapPixels pixels;
    EXPECT_TRUE(platform::loadBitmapResource(id, pixels));
    EXPECT_EQ(pixels.width, size);
    EXPECT_EQ(pixels.height, size);
    std::vector<std::uint8_t> red(pixels.colours.size());
    for (std::size_t i = 0; i < red.size(); ++i) red[i] = static_cast<std::uint8_t>(pixels.colours[i] & 0xFF);
    return noise::measureNoise(red, pixels.width, pixels.height);
}

class NoiseTextureTest : public testing::TestWithParam<NoiseTexture> {};

TEST_P(NoiseTextureTest, FileHasTheSizeAndPixelFormat) {
    const NoiseTexture& texture = GetParam();
    const std::string bytes = resourceFile(std::string("bitmaps/") + texture.file);
    ASSERT_GT(bytes.size(), 54u + 1024u) << texture.file;
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<int>(littleEndian(bytes, 18, 4)), texture.size);
    EXPECT_EQ(static_cast<int>(littleEndian(bytes, 22, 4)), texture.size);
    EXPECT_EQ(static_cast<int>(littleEndian(bytes, 28, 2)), texture.bitsPerPixel);
    EXPECT_EQ(littleEndian(bytes, 30, 4), 0u) << "uncompressed";
    if (texture.bitsPerPixel != 8) return;
    const std::size_t palette = 14 + littleEndian(bytes, 14, 4);
    EXPECT_EQ(littleEndian(bytes, 46, 4), 256u) << "palette entries";
    for (unsigned entry = 0; entry < 256; ++entry) {
        ASSERT_EQ(littleEndian(bytes, palette + entry * 4, 3), entry | (entry << 8) | (entry << 16))
            << "grey ramp " << entry;
    }
}

TEST_P(NoiseTextureTest, RedChannelHasTheDistribution) {
    const NoiseTexture& texture = GetParam();
    const noise::NoiseStatistics figures = measureRed(texture.id, texture.size);
    EXPECT_EQ(figures.minimum, texture.minimum);
    EXPECT_EQ(figures.maximum, texture.maximum);
    EXPECT_NEAR(figures.mean, texture.mean, kLevelTolerance);
    EXPECT_NEAR(figures.standardDeviation, texture.standardDeviation, kLevelTolerance);
    EXPECT_NEAR(figures.median, texture.median, kLevelTolerance);
    EXPECT_NEAR(figures.percentile5, texture.percentile5, kLevelTolerance);
    EXPECT_NEAR(figures.percentile95, texture.percentile95, kLevelTolerance);
}

TEST_P(NoiseTextureTest, RedChannelHasTheSmoothnessAndTiling) {
    const NoiseTexture& texture = GetParam();
    const noise::NoiseStatistics figures = measureRed(texture.id, texture.size);
    EXPECT_NEAR(figures.neighbourDifference, texture.neighbourDifference,
                kShareTolerance * texture.neighbourDifference);
    EXPECT_NEAR(figures.halfCorrelationDistance, texture.halfCorrelationDistance,
                kShareTolerance * texture.halfCorrelationDistance);
    EXPECT_NEAR(figures.wrapEdgeRatio(), texture.wrapEdgeRatio, kShareTolerance * texture.wrapEdgeRatio);
}

TEST(PebbleNoise, WrapEdgesDifferByAboutTenLevels) {
    EXPECT_NEAR(measureRed(211, 1024).wrapEdgeDifference, kPebbleWrapEdgeDifference,
                kShareTolerance * kPebbleWrapEdgeDifference);
}

INSTANTIATE_TEST_SUITE_P(Bitmaps, NoiseTextureTest, testing::ValuesIn(kTextures),
                         [](const testing::TestParamInfo<NoiseTexture>& info) {
                             return "Bitmap" + std::to_string(info.param.id);
                         });

}  // namespace
