// The CPU aurora against the shader's defined behaviour: sampling like
// GL_LINEAR with GL_REPEAT, the band's shape and colours, the star field.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "aurora_reference.h"

namespace {

using aurora::AuroraPixel;
using aurora::AuroraReference;
using aurora::ReferenceTexture;

// A texture whose texel (i, j) has red = red(i, j).
template <typename Red>
ReferenceTexture textureOf(int size, Red red) {
    std::vector<float> texels;
    for (int j = 0; j < size; ++j) {
        for (int i = 0; i < size; ++i) texels.insert(texels.end(), {red(i, j), 0.0f, 0.0f, 1.0f});
    }
    return ReferenceTexture(size, texels);
}

ReferenceTexture uniform(float red) {
    return textureOf(4, [red](int, int) { return red; });
}

// Texel values 0, 1, 2, 3 along s, 0, 10, 20, 30 along t.
const ReferenceTexture kSteps = textureOf(4, [](int i, int j) { return static_cast<float>(i + 10 * j); });

struct SampleCase {
    float s, t, red;
};

class LinearRepeatSampling : public testing::TestWithParam<SampleCase> {};

TEST_P(LinearRepeatSampling, MatchesTheTexelsAndWeights) {
    EXPECT_NEAR(kSteps.sampleRed(GetParam().s, GetParam().t), GetParam().red, 1e-4f)
        << GetParam().s << ", " << GetParam().t;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, LinearRepeatSampling,
    testing::Values(SampleCase{0.125f, 0.125f, 0.0f},       // centre of texel (0, 0)
                    SampleCase{0.375f, 0.625f, 21.0f},      // centre of texel (1, 2)
                    SampleCase{0.25f, 0.125f, 0.5f},        // half way between two columns
                    SampleCase{0.0f, 0.125f, 1.5f},         // left edge: texel 0 and the wrapped texel 3
                    SampleCase{0.125f, 1.0f, 15.0f},        // top edge: rows 3 and 0
                    SampleCase{1.125f, 2.375f, 10.0f},      // whole periods repeat
                    SampleCase{-0.875f, -1.625f, 10.0f},    // and so do negative ones
                    SampleCase{0.3125f, 0.125f, 0.75f}));   // a quarter of the way

TEST(ReferenceTexture, BottomLeftPixelOfTheBitmapIsTexelZero) {
    platform::BitmapPixels bitmap;
    bitmap.width = bitmap.height = 2;
    // Rows from the top: the bottom-left pixel is pure red, the top-left one grey 128.
    bitmap.colours = {0x808080u, 0x000000u, 0x0000FFu, 0x000000u};
    const ReferenceTexture texture(bitmap);
    ASSERT_EQ(texture.size(), 2);
    const std::vector<float> bottomLeft(texture.texels().begin(), texture.texels().begin() + 4);
    EXPECT_EQ(bottomLeft, (std::vector<float>{1.0f, 0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(texture.texels()[2 * 4], 128.0f / 255.0f) << "texel (0, 1) is the top-left pixel";
}

TEST(ReferenceTexture, NonSquareOrMissingBitmapGivesAnEmptyTexture) {
    platform::BitmapPixels bitmap;
    bitmap.width = 2;
    bitmap.height = 1;
    bitmap.colours = {0u, 0u};
    EXPECT_EQ(ReferenceTexture(bitmap).size(), 0);
    EXPECT_EQ(ReferenceTexture(platform::BitmapPixels{}).sampleRed(0.5f, 0.5f), 0.0f);
    EXPECT_EQ(ReferenceTexture(2, std::vector<float>(3)).size(), 0);
}

// With both textures at red 0.5, d is 0 everywhere; at t = 0 the exponent is
// 2 and the band is the square of the tent.
TEST(AuroraReference, MidGreyTexturesAtTimeZeroGiveTheSquaredTent) {
    const AuroraReference reference(uniform(0.5f), uniform(0.5f));
    for (float y : {0.5f, 20.5f, 50.0f, 77.25f, 99.5f}) {
        for (float x : {0.5f, 63.5f, 127.5f}) {
            const AuroraPixel pixel = reference.shade(x, y, 0.0f, 128.0f, 100.0f);
            const float tent = 1.0f - std::fabs(2.0f * y / 100.0f - 1.0f);
            const float across = 1.0f - 0.75f * x / 128.0f;
            EXPECT_NEAR(pixel.band.green, tent * tent * tent, 1e-5f) << x << ", " << y;
            EXPECT_NEAR(pixel.band.blue, across * tent * tent, 1e-5f) << x << ", " << y;
        }
    }
}

// At mid-height with d = 0 the band's value is 1 for every exponent: the
// colour is (0.5 x, 1, x) with x = 1 at the left edge and 0.25 at the right.
TEST(AuroraReference, EdgeColoursAtMidHeight) {
    const AuroraReference reference(uniform(0.5f), uniform(0.5f));
    for (float time : {0.0f, 1.3f, 2.6f, 7.5f, 1000.0f}) {
        const AuroraPixel left = reference.shade(0.0f, 50.0f, time, 200.0f, 100.0f);
        const AuroraPixel right = reference.shade(200.0f, 50.0f, time, 200.0f, 100.0f);
        EXPECT_FLOAT_EQ(left.band.red, 0.5f) << time;
        EXPECT_FLOAT_EQ(left.band.green, 1.0f) << time;
        EXPECT_FLOAT_EQ(left.band.blue, 1.0f) << time;
        EXPECT_FLOAT_EQ(right.band.red, 0.125f) << time;
        EXPECT_FLOAT_EQ(right.band.green, 1.0f) << time;
        EXPECT_FLOAT_EQ(right.band.blue, 0.25f) << time;
    }
}

class AuroraFrame : public testing::TestWithParam<float> {
protected:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 180;

    static void SetUpTestSuite() {
        const std::optional<AuroraReference> loaded = AuroraReference::fromResources();
        ASSERT_TRUE(loaded.has_value()) << "BITMAP 210 and 211";
        reference = new AuroraReference(*loaded);
    }

    std::vector<AuroraPixel> render() const { return reference->render(kWidth, kHeight, GetParam()); }

    static inline const AuroraReference* reference = nullptr;
};

TEST_P(AuroraFrame, BlueIsExactlyTwiceRedInTheBand) {
    for (const AuroraPixel& pixel : render()) ASSERT_EQ(pixel.band.blue, 2.0f * pixel.band.red);
}

TEST_P(AuroraFrame, EveryChannelIsFiniteAndTheBandStaysInRange) {
    for (const AuroraPixel& pixel : render()) {
        for (float channel : {pixel.band.red, pixel.band.green, pixel.band.blue}) {
            ASSERT_GE(channel, 0.0f);
            ASSERT_LE(channel, 1.0f);
        }
        ASSERT_TRUE(std::isfinite(pixel.star));
        ASSERT_GE(pixel.star, 0.0f);
        ASSERT_EQ(pixel.colour.green, pixel.band.green + pixel.star);
    }
}

// Where the band is dark about 4 % of the pixels (r.x above about 0.962) get a
// resting star of 1/255 or more.
TEST_P(AuroraFrame, AboutFourPercentOfTheDarkSkyHoldsVisibleStars) {
    int dark = 0;
    int visible = 0;
    for (const AuroraPixel& pixel : render()) {
        if (pixel.band.green >= 0.01f) continue;
        ++dark;
        if (pixel.star >= 1.0f / 255.0f) ++visible;
    }
    ASSERT_GT(dark, kWidth * 16) << "the band leaves dark sky near the top and bottom";
    const double share = static_cast<double>(visible) / dark;
    EXPECT_GT(share, 0.03);
    EXPECT_LT(share, 0.05);
}

TEST_P(AuroraFrame, BandIsBrightestNearMidHeight) {
    const std::vector<AuroraPixel> pixels = render();
    double middle = 0.0;
    double edges = 0.0;
    for (int x = 0; x < kWidth; ++x) {
        middle += pixels[static_cast<std::size_t>(kHeight / 2) * kWidth + x].band.green;
        edges += pixels[x].band.green + pixels[static_cast<std::size_t>(kHeight - 1) * kWidth + x].band.green;
    }
    EXPECT_GT(middle / kWidth, 0.25);
    EXPECT_LT(edges / (2 * kWidth), 0.01);
}

INSTANTIATE_TEST_SUITE_P(Times, AuroraFrame, testing::Values(0.0f, 7.5f, 1000.0f));

TEST(FramebufferLevel, ClampsAndRounds) {
    EXPECT_EQ(aurora::framebufferLevel(-0.5f), 0);
    EXPECT_EQ(aurora::framebufferLevel(0.5f / 255.0f + 1e-4f), 1);
    EXPECT_EQ(aurora::framebufferLevel(0.5f), 128);
    EXPECT_EQ(aurora::framebufferLevel(3.0f), 255);
}

}  // namespace
