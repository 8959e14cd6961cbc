// The scene as OpenGL draws it (llvmpipe on Xvfb) against the CPU reference.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "aurora_scene_fixture.h"

namespace {

bool lifted(const std::uint8_t* pixel, const aurora::AuroraPixel& expected) {
    return liftedAboveBand(pixel[0], pixel[1], pixel[2], expected.band);
}

// The band's height weight y: 1 at mid-height, 0 at the top and bottom.
float middleWeight(int row, int height) { return 1.0f - std::fabs(2.0f * (row + 0.5f) / height - 1.0f); }

TEST_P(AuroraSceneTest, MatchesTheReference) {
    const FrameComparison comparison = compareFrame(renderScene(GetParam()), renderReference(GetParam()));
    EXPECT_LE(comparison.bandMeanDifference, kMaxMeanDifference);
    EXPECT_LE(comparison.bandMaxDifference, kMaxDifference);
    EXPECT_NEAR(comparison.starShare, comparison.referenceStarShare,
                kStarShareMargin * comparison.referenceStarShare);
    EXPECT_GT(comparison.bandPixels, GetParam().width * GetParam().height * 9 / 10);
    EXPECT_TRUE(matchesReference(comparison));
    RecordProperty("band_mean_difference", std::to_string(comparison.bandMeanDifference));
    RecordProperty("band_max_difference", comparison.bandMaxDifference);
    RecordProperty("star_share", std::to_string(comparison.starShare));
    RecordProperty("reference_star_share", std::to_string(comparison.referenceStarShare));
}

// Where no star adds light the band's blue is twice its red (x v against
// 0.5 x v): in 8-bit levels blue - 2 red is -1, 0 or 1 after rounding. A star
// too faint to lift a pixel by a whole level can still round red up and blue
// not, which gives -2 on a few pixels.
TEST_P(AuroraSceneTest, BlueIsTwiceRedWhereNoStarAddsLight) {
    const Frame frame = renderScene(GetParam());
    const std::vector<aurora::AuroraPixel> reference = renderReference(GetParam());
    long long checked = 0;
    long long twice = 0;
    for (std::size_t i = 0; i < reference.size(); ++i) {
        const std::uint8_t* pixel = &frame.rgba[i * 4];
        if (lifted(pixel, reference[i])) continue;
        const int difference = pixel[2] - 2 * pixel[0];
        ASSERT_GE(difference, -2) << "pixel " << i % frame.width << ", " << i / frame.width;
        ASSERT_LE(difference, 1) << "pixel " << i % frame.width << ", " << i / frame.width;
        if (difference >= -1) ++twice;
        ++checked;
    }
    EXPECT_GT(checked, static_cast<long long>(reference.size()) * 9 / 10);
    EXPECT_GE(twice, checked - checked / 200);
}

// At the left edge the band colour is (0.5, y, 1) times v, at the right edge
// (0.125, y, 0.25) times v: blue over green is x / y with x = 1 - 0.75 uv.x.
TEST_P(AuroraSceneTest, EdgeColumnsCarryTheLeftAndRightWeights) {
    const FrameCase& size = GetParam();
    const Frame frame = renderScene(size);
    const std::vector<aurora::AuroraPixel> reference = renderReference(size);
    int checked = 0;
    for (int column : {0, size.width - 1}) {
        const float across = 1.0f - 0.75f * (column + 0.5f) / size.width;
        for (int row = 0; row < size.height; ++row) {
            const std::uint8_t* pixel = frame.pixel(column, row);
            const aurora::AuroraPixel& expected = reference[static_cast<std::size_t>(row) * size.width + column];
            if (pixel[1] < 64 || lifted(pixel, expected)) continue;
            const float bandValue = pixel[1] / middleWeight(row, size.height);
            EXPECT_NEAR(pixel[2], across * bandValue, 3.0f) << "column " << column << ", row " << row;
            EXPECT_NEAR(pixel[0], 0.5f * across * bandValue, 3.0f) << "column " << column << ", row " << row;
            ++checked;
        }
    }
    EXPECT_GT(checked, size.height / 4);
}

// Where the distorted middle height is reached the band's value is 1 for
// every exponent: in each column the brightest pixel's green is close to
// y x 255.
TEST_P(AuroraSceneTest, BandReachesFullStrengthAtItsMiddle) {
    const FrameCase& size = GetParam();
    const Frame frame = renderScene(size);
    const std::vector<aurora::AuroraPixel> reference = renderReference(size);
    int fullColumns = 0;
    for (int column = 0; column < size.width; ++column) {
        float strongest = 0.0f;
        for (int row = size.height / 4; row < size.height * 3 / 4; ++row) {
            const std::uint8_t* pixel = frame.pixel(column, row);
            if (lifted(pixel, reference[static_cast<std::size_t>(row) * size.width + column])) continue;
            strongest = std::max(strongest, pixel[1] / (255.0f * middleWeight(row, size.height)));
        }
        if (strongest >= 0.95f) ++fullColumns;
    }
    EXPECT_GT(fullColumns, size.width * 9 / 10);
}

INSTANTIATE_TEST_SUITE_P(Frames, AuroraSceneTest, kFrameCases);

}  // namespace
