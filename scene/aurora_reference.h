// The aurora fragment shader (TEXTFILE 136) evaluated on the CPU in 32-bit
// floats, for tests, the benchmark and pictures made without a GPU.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform.h"

namespace aurora {

struct Rgb {
    float red = 0;
    float green = 0;
    float blue = 0;
};

// A square texture as the shader samples it: RGBA floats, texel row 0 first.
class ReferenceTexture {
public:
    // Texel (0, 0) is the bitmap's bottom-left pixel and every channel value
    // c becomes c / 255, alpha 1, as the texture upload makes them. Empty
    // (size 0) unless the bitmap is square.
    explicit ReferenceTexture(const platform::BitmapPixels& bitmap);
    // `texels` holds size x size RGBA texels, rows from t = 0 upward.
    ReferenceTexture(int size, std::vector<float> texels);

    int size() const { return size_; }
    const std::vector<float>& texels() const { return texels_; }

    // Red of a sample at (s, t) the way GL_LINEAR with GL_REPEAT samples
    // level 0: texel centres at (i + 0.5) / size, bilinear weights, wrapped
    // indices. 0 for an empty texture.
    float sampleRed(float s, float t) const;

private:
    float red(int column, int row) const;

    int size_ = 0;
    std::vector<float> texels_;
};

// One fragment: the band's colour, the star term (added to all three
// channels) and their sum, which the framebuffer clamps to 0..1.
struct AuroraPixel {
    Rgb band;
    float star = 0;
    Rgb colour;
};

class AuroraReference {
public:
    // `noise0` is the shader's "texture0" (BITMAP 210), `noise1` its
    // "texture1" (BITMAP 211).
    AuroraReference(ReferenceTexture noise0, ReferenceTexture noise1);
    // From the program's own BITMAP 210 and 211; empty when either is missing.
    static std::optional<AuroraReference> fromResources();

    // The fragment at window coordinates (x, y), origin at the bottom left
    // (a pixel's centre is at column + 0.5, row + 0.5), at `time` seconds in a
    // width x height viewport.
    AuroraPixel shade(float x, float y, float time, float width, float height) const;
    // Every pixel of a width x height viewport, rows from the bottom.
    std::vector<AuroraPixel> render(int width, int height, float time) const;

private:
    ReferenceTexture noise0_;
    ReferenceTexture noise1_;
};

// A channel value as an 8-bit framebuffer stores it: clamped, then rounded.
std::uint8_t framebufferLevel(float value);

}  // namespace aurora
