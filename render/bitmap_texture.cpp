#include "bitmap_texture.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform.h"

namespace {

constexpr int kLargestSide = 2048;
constexpr std::uint32_t kOutsideColour = 0;

std::uint32_t pixelAt(const platform::BitmapPixels& bitmap, int column, int row) {
    if (column >= bitmap.width || row >= bitmap.height) return kOutsideColour;
    return bitmap.colours[static_cast<std::size_t>(row) * bitmap.width + column];
}

float channel(std::uint32_t colour, int shift) { return static_cast<float>((colour >> shift) & 0xFF) / 255.0f; }

}  // namespace

BitmapTexture::BitmapTexture(int resourceId, int size) {
    const int side = textureSide(size);
    glGenTextures(1, &texture);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexStorage2D(GL_TEXTURE_2D, levelCount(side), GL_RGBA32F, side, side);

    std::vector<float> pixels(static_cast<std::size_t>(side) * side * 4);
    readBitmapPixels(pixels.data(), resourceId, side, side, true);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, side, side, GL_RGBA, GL_FLOAT, pixels.data());

    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
}

GLuint BitmapTexture::textureId() const { return texture; }

void BitmapTexture::readBitmapPixels(float* buffer, int resourceId, int width, int height, bool bottomUp) {
    platform::BitmapPixels bitmap;
    platform::loadBitmapResource(resourceId, bitmap);
    for (int i = 0; i < height; ++i) {
        const int y = bottomUp ? height - 1 - i : i;
        for (int j = 0; j < width; ++j) {
            const std::uint32_t colour = pixelAt(bitmap, j, y);
            float* texel = buffer + (static_cast<std::size_t>(i) * width + j) * 4;
            texel[0] = channel(colour, 0);
            texel[1] = channel(colour, 8);
            texel[2] = channel(colour, 16);
            texel[3] = 1.0f;
        }
    }
}

int BitmapTexture::textureSide(int requestedSize) { return std::clamp(requestedSize, 1, kLargestSide); }

// log2 of the side, but the chain of a 1 x 1 texture still has its one level.
int BitmapTexture::levelCount(int side) {
    int levels = 0;
    while ((side >>= 1) > 0) ++levels;
    return std::max(levels, 1);
}
