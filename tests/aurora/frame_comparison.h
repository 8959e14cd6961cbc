// A frame read back from OpenGL against the CPU reference of the same frame.
#pragma once

#include <cstdint>
#include <vector>

#include "aurora_reference.h"

// RGBA bytes of a width x height frame, rows from the bottom (as
// glReadPixels gives them).
struct Frame {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    const std::uint8_t* pixel(int x, int y) const { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
};

struct FrameComparison {
    // Pixels compared with the reference's band colour: every pixel that the
    // star term does not visibly lift.
    long long bandPixels = 0;
    // Mean and largest absolute difference per channel of those pixels, in
    // levels of 1/255.
    double bandMeanDifference = 0.0;
    int bandMaxDifference = 0;
    // Share of all pixels that the star term lifts by at least one level in
    // every channel, on the GPU and in the reference.
    double starShare = 0.0;
    double referenceStarShare = 0.0;
};

// Whether the star term has visibly lifted a pixel above the band colour:
// each channel is at least one level higher, all by about the same amount
// (rounding each channel apart lets the lifts differ by up to two levels),
// except channels cut short at full brightness.
constexpr int kStarLiftSpread = 2;
bool liftedAboveBand(int red, int green, int blue, const aurora::Rgb& band);

// The star term adds the same amount to all three channels, and the hash
// behind it takes the sine of large arguments, which GPU and CPU evaluate
// differently: stars are compared as a population, the band pixel by pixel.
FrameComparison compareFrame(const Frame& frame, const std::vector<aurora::AuroraPixel>& reference);

// What a frame must meet: band pixels within kMaxMeanDifference on average
// and kMaxDifference each, the star population within kStarShareMargin of
// the reference's (relative).
constexpr double kMaxMeanDifference = 2.0;
constexpr int kMaxDifference = 8;
constexpr double kStarShareMargin = 0.15;
bool matchesReference(const FrameComparison& comparison);
