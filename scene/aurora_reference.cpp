#include "aurora_reference.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace aurora {
namespace {

constexpr int kNoise0Resource = 210;
constexpr int kNoise1Resource = 211;

float fract(float value) { return value - std::floor(value); }

int wrapIndex(float index, int size) {
    const long long i = static_cast<long long>(index) % size;
    return static_cast<int>(i < 0 ? i + size : i);
}

Rgb operator*(Rgb colour, float factor) { return {colour.red * factor, colour.green * factor, colour.blue * factor}; }

}  // namespace

ReferenceTexture::ReferenceTexture(const platform::BitmapPixels& bitmap) {
    if (bitmap.width != bitmap.height || bitmap.width <= 0) return;
    size_ = bitmap.width;
    texels_.reserve(static_cast<std::size_t>(size_) * size_ * 4);
    for (int row = size_ - 1; row >= 0; --row) {
        for (int column = 0; column < size_; ++column) {
            const std::uint32_t colour = bitmap.colours[static_cast<std::size_t>(row) * size_ + column];
            for (int shift : {0, 8, 16}) texels_.push_back(static_cast<float>((colour >> shift) & 0xFF) / 255.0f);
            texels_.push_back(1.0f);
        }
    }
}

ReferenceTexture::ReferenceTexture(int size, std::vector<float> texels) : size_(size), texels_(std::move(texels)) {
    if (size_ <= 0 || texels_.size() != static_cast<std::size_t>(size_) * size_ * 4) {
        size_ = 0;
        texels_.clear();
    }
}

float ReferenceTexture::red(int column, int row) const {
    return texels_[(static_cast<std::size_t>(row) * size_ + column) * 4];
}

float ReferenceTexture::sampleRed(float s, float t) const {
    if (size_ == 0) return 0.0f;
    const float u = s * static_cast<float>(size_) - 0.5f;
    const float v = t * static_cast<float>(size_) - 0.5f;
    const float u0 = std::floor(u);
    const float v0 = std::floor(v);
    const float alpha = u - u0;
    const float beta = v - v0;
    const int i0 = wrapIndex(u0, size_);
    const int j0 = wrapIndex(v0, size_);
    const int i1 = (i0 + 1) % size_;
    const int j1 = (j0 + 1) % size_;
    return (1.0f - alpha) * (1.0f - beta) * red(i0, j0) + alpha * (1.0f - beta) * red(i1, j0) +
           (1.0f - alpha) * beta * red(i0, j1) + alpha * beta * red(i1, j1);
}

AuroraReference::AuroraReference(ReferenceTexture noise0, ReferenceTexture noise1)
    : noise0_(std::move(noise0)), noise1_(std::move(noise1)) {}

std::optional<AuroraReference> AuroraReference::fromResources() {
    platform::BitmapPixels noise0;
    platform::BitmapPixels noise1;
    if (!platform::loadBitmapResource(kNoise0Resource, noise0) ||
        !platform::loadBitmapResource(kNoise1Resource, noise1)) {
        return std::nullopt;
    }
    return AuroraReference(ReferenceTexture(noise0), ReferenceTexture(noise1));
}

AuroraPixel AuroraReference::shade(float x, float y, float time, float width, float height) const {
    const float uvX = x / width;
    const float uvY = y / height;

    const float o = noise0_.sampleRed(0.25f * uvX, 0.25f * uvY + 0.025f * time);
    const float d = 2.0f * noise1_.sampleRed(0.25f * uvX, 0.25f * uvY - (0.02f * time + 0.02f * o)) - 1.0f;

    float v = uvY + 0.1f * d;
    v = std::max(1.0f - std::fabs(2.0f * v - 1.0f), 0.0f);
    v = std::pow(v, 2.0f + 0.5f * std::sin(6.31f * (0.2f * time + 0.25f * d)));

    const float across = 1.0f - 0.75f * uvX;
    const float middle = 1.0f - std::fabs(2.0f * uvY - 1.0f);
    AuroraPixel pixel;
    pixel.band = Rgb{0.5f * across, middle, across} * v;

    const float rx = fract(43758.5453f * std::sin(12.9898f * x + 78.2330f * y));
    const float ry = fract(43758.5453f * std::sin(53.7842f * x + 47.5134f * y));
    const float twinkle = (0.5f * std::sin((2.5f * time + 60.0f) * ry) + 0.5f) * std::pow(ry, 4.0f);
    const float s = rx * (1.0f - 0.04f) + twinkle * 0.04f;
    pixel.star = std::pow(s, 70.0f) * (1.0f - v);

    pixel.colour = {pixel.band.red + pixel.star, pixel.band.green + pixel.star, pixel.band.blue + pixel.star};
    return pixel;
}

std::vector<AuroraPixel> AuroraReference::render(int width, int height, float time) const {
    std::vector<AuroraPixel> pixels;
    pixels.reserve(static_cast<std::size_t>(std::max(width, 0)) * std::max(height, 0));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            pixels.push_back(shade(column + 0.5f, row + 0.5f, time, static_cast<float>(width),
                                   static_cast<float>(height)));
        }
    }
    return pixels;
}

std::uint8_t framebufferLevel(float value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

}  // namespace aurora
