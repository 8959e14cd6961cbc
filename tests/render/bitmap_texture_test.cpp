#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "bitmap_texture.h"
#include "fixture_ids.h"
#include "gl_api.h"
#include "gl_test_context.h"

namespace {

using Colour = std::array<int, 3>;

// The picture of both fixture bitmaps (fixtures/make_bitmaps.py), rows from the top.
constexpr int kPictureSide = 4;
constexpr Colour kPicture[kPictureSide][kPictureSide] = {
    {{0, 255, 0}, {10, 20, 30}, {40, 50, 60}, {0, 0, 255}},
    {{70, 80, 90}, {128, 128, 128}, {100, 110, 120}, {130, 140, 150}},
    {{160, 170, 180}, {190, 200, 210}, {220, 230, 240}, {250, 5, 15}},
    {{255, 0, 0}, {25, 35, 45}, {55, 65, 75}, {255, 255, 255}},
};
constexpr Colour kBlack = {0, 0, 0};

using Texel = std::array<float, 4>;

Texel texelOf(const Colour& colour) {
    return {colour[0] / 255.0f, colour[1] / 255.0f, colour[2] / 255.0f, 1.0f};
}

// What a texture of `side` made from the picture holds at (column, row):
// row 0 is the picture's row side - 1; what lies outside the picture is black.
Texel expectedTexel(int side, int column, int row) {
    const int pictureRow = side - 1 - row;
    const bool inside = column < kPictureSide && pictureRow < kPictureSide;
    return texelOf(inside ? kPicture[pictureRow][column] : kBlack);
}

GLint textureParameter(GLenum name) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

GLint levelParameter(GLenum name) {
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, name, &value);
    return value;
}

std::vector<Texel> levelZero(int side) {
    std::vector<Texel> texels(static_cast<std::size_t>(side) * side);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_FLOAT, texels.data());
    return texels;
}

class BitmapTextureTest : public GLContextTest {};

struct PictureCase {
    const char* label;
    int resourceId;
    int size;
};

void PrintTo(const PictureCase& pictureCase, std::ostream* out) { *out << pictureCase.label; }

class TexturePictureTest : public BitmapTextureTest, public testing::WithParamInterface<PictureCase> {};

TEST_P(TexturePictureTest, HoldsTheBitmapUprightWithOpaqueAlpha) {
    const int side = GetParam().size;
    BitmapTexture texture(GetParam().resourceId, side);
    const std::vector<Texel> texels = levelZero(side);
    for (int row = 0; row < side; ++row) {
        for (int column = 0; column < side; ++column) {
            EXPECT_EQ(texels[row * side + column], expectedTexel(side, column, row)) << column << "," << row;
        }
    }
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
}

INSTANTIATE_TEST_SUITE_P(Bitmaps, TexturePictureTest,
                         testing::Values(PictureCase{"trueColour", kPicture24Bit, 4},
                                         PictureCase{"palette", kPicture8Bit, 4},
                                         PictureCase{"sideSmallerThanTheBitmap", kPicture24Bit, 2},
                                         PictureCase{"bitmapSmallerThanTheSide", kPicture8Bit, 8},
                                         PictureCase{"bitmapSmallerAndSideNotAPowerOfTwo", kPicture24Bit, 6}),
                         [](const testing::TestParamInfo<PictureCase>& info) { return std::string(info.param.label); });

TEST_F(BitmapTextureTest, CornersAndGreyAsSampledByOpenGL) {
    BitmapTexture texture(kPicture24Bit, 4);
    const std::vector<Texel> texels = levelZero(4);
    EXPECT_EQ(texels[0], (Texel{1.0f, 0.0f, 0.0f, 1.0f}));            // bottom-left: red
    EXPECT_EQ(texels[3 * 4 + 0], (Texel{0.0f, 1.0f, 0.0f, 1.0f}));    // top-left: green
    const float grey = 128.0f / 255.0f;
    EXPECT_EQ(texels[2 * 4 + 1], (Texel{grey, grey, grey, 1.0f}));
}

TEST_F(BitmapTextureTest, AMissingBitmapGivesOpaqueBlack) {
    BitmapTexture texture(kMissingResource, 2);
    for (const Texel& texel : levelZero(2)) EXPECT_EQ(texel, (Texel{0.0f, 0.0f, 0.0f, 1.0f}));
}

TEST_F(BitmapTextureTest, SamplesLevelZeroBilinearlyWithRepetition) {
    BitmapTexture texture(kPicture24Bit, 4);
    GLint activeUnit = 0;
    GLint bound = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &activeUnit);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(activeUnit, static_cast<GLint>(GL_TEXTURE0));
    EXPECT_EQ(static_cast<GLuint>(bound), texture.textureId());

    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_S), static_cast<GLint>(GL_REPEAT));
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_T), static_cast<GLint>(GL_REPEAT));
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), static_cast<GLint>(GL_LINEAR));
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), static_cast<GLint>(GL_LINEAR));
    EXPECT_EQ(textureParameter(GL_TEXTURE_BASE_LEVEL), 0);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAX_LEVEL), 0);
    EXPECT_EQ(textureParameter(GL_TEXTURE_IMMUTABLE_FORMAT), GL_TRUE);
    EXPECT_EQ(levelParameter(GL_TEXTURE_INTERNAL_FORMAT), static_cast<GLint>(GL_RGBA32F));
}

TEST_F(BitmapTextureTest, EachTextureGetsItsOwnName) {
    BitmapTexture first(kPicture24Bit, 2);
    BitmapTexture second(kPicture8Bit, 2);
    EXPECT_NE(first.textureId(), 0u);
    EXPECT_NE(first.textureId(), second.textureId());
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), second.textureId());
}

struct StorageCase {
    int requestedSize;
    int side;
    int levels;
};

void PrintTo(const StorageCase& storage, std::ostream* out) { *out << "size " << storage.requestedSize; }

class TextureStorageTest : public BitmapTextureTest, public testing::WithParamInterface<StorageCase> {};

TEST_P(TextureStorageTest, AllocatesTheSideAndLevelCount) {
    BitmapTexture texture(kPicture24Bit, GetParam().requestedSize);
    EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), GetParam().side);
    EXPECT_EQ(levelParameter(GL_TEXTURE_HEIGHT), GetParam().side);
    EXPECT_EQ(textureParameter(GL_TEXTURE_IMMUTABLE_LEVELS), GetParam().levels);
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TextureStorageTest,
                         testing::Values(StorageCase{1, 1, 1}, StorageCase{2, 2, 1}, StorageCase{4, 4, 2},
                                         StorageCase{512, 512, 9}, StorageCase{1024, 1024, 10},
                                         StorageCase{2048, 2048, 11},
                                         // Outside the table: clamped to 1..2048, floor(log2) levels.
                                         StorageCase{3, 3, 1}, StorageCase{300, 300, 8}, StorageCase{0, 1, 1},
                                         StorageCase{-16, 1, 1}, StorageCase{4096, 2048, 11}));

TEST(ReadBitmapPixels, TopDownKeepsTheBitmapsRowOrder) {
    std::vector<float> buffer(4 * 4 * 4);
    BitmapTexture::readBitmapPixels(buffer.data(), kPicture8Bit, 4, 4, false);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const float* texel = buffer.data() + (row * 4 + column) * 4;
            EXPECT_EQ((Texel{texel[0], texel[1], texel[2], texel[3]}), texelOf(kPicture[row][column]));
        }
    }
}

TEST(ReadBitmapPixels, WritesExactlyWidthTimesHeightTexels) {
    constexpr float kUntouched = -7.0f;
    std::vector<float> buffer(3 * 2 * 4 + 8, kUntouched);
    BitmapTexture::readBitmapPixels(buffer.data(), kPicture24Bit, 3, 2, true);
    // Row 0 is the bitmap's row 1 (height 2, bottom-up).
    EXPECT_EQ((Texel{buffer[0], buffer[1], buffer[2], buffer[3]}), texelOf(kPicture[1][0]));
    for (std::size_t i = 3 * 2 * 4; i < buffer.size(); ++i) EXPECT_EQ(buffer[i], kUntouched);
}

}  // namespace
