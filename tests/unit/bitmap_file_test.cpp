#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bitmap_file.h"

namespace {

void put32(std::string& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void put16(std::string& out, std::size_t at, std::uint16_t value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>(value >> 8);
}

// A bitmap file whose pixel (x, y from the top) is colour(x, y) = 0x00BBGGRR.
template <typename Colour>
std::string makeBitmap(int width, int height, int bits, bool topDown, Colour colour, int paletteEntries = 256) {
    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    const std::size_t palette = bits == 8 ? static_cast<std::size_t>(paletteEntries) * 4 : 0;
    const std::size_t offset = 14 + 40 + palette;
    std::string file(offset + stride * height, '\0');
    file[0] = 'B';
    file[1] = 'M';
    put32(file, 2, static_cast<std::uint32_t>(file.size()));
    put32(file, 10, static_cast<std::uint32_t>(offset));
    put32(file, 14, 40);
    put32(file, 18, static_cast<std::uint32_t>(width));
    put32(file, 22, static_cast<std::uint32_t>(topDown ? -height : height));
    put16(file, 26, 1);
    put16(file, 28, static_cast<std::uint16_t>(bits));
    put32(file, 46, bits == 8 ? static_cast<std::uint32_t>(paletteEntries) : 0);
    for (int i = 0; i < paletteEntries && bits == 8; ++i) {
        // A grey ramp.
        for (int c = 0; c < 3; ++c) file[54 + i * 4 + c] = static_cast<char>(i);
    }
    for (int y = 0; y < height; ++y) {
        const int stored = topDown ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t value = colour(x, y);
            const std::size_t at = offset + stride * stored + static_cast<std::size_t>(x) * (bits / 8);
            if (bits == 8) {
                file[at] = static_cast<char>(value & 0xFF);
            } else {
                file[at] = static_cast<char>((value >> 16) & 0xFF);
                file[at + 1] = static_cast<char>((value >> 8) & 0xFF);
                file[at + 2] = static_cast<char>(value & 0xFF);
            }
        }
    }
    return file;
}

std::uint32_t pattern(int x, int y) { return static_cast<std::uint32_t>(x * 10 + 1) | ((y * 20 + 2) << 8) | (77u << 16); }

struct LayoutCase {
    int bits;
    bool topDown;
};

class BitmapLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(BitmapLayoutTest, ReadsEveryPixelByColumnAndRowFromTheTop) {
    const int width = 5;  // odd, so rows carry padding
    const int height = 3;
    platform::BitmapPixels pixels;
    ASSERT_TRUE(platform::decodeBitmapFile(makeBitmap(width, height, GetParam().bits, GetParam().topDown, pattern),
                                           pixels));
    ASSERT_EQ(pixels.width, width);
    ASSERT_EQ(pixels.height, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) EXPECT_EQ(pixels.colours[y * width + x], pattern(x, y)) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, BitmapLayoutTest,
                         testing::Values(LayoutCase{24, false}, LayoutCase{24, true}, LayoutCase{32, false}));

TEST(BitmapFile, EightBitPaletteGivesTheEntrysColour) {
    platform::BitmapPixels pixels;
    const auto grey = [](int x, int y) { return static_cast<std::uint32_t>(x + 16 * y); };
    ASSERT_TRUE(platform::decodeBitmapFile(makeBitmap(16, 16, 8, false, grey), pixels));
    EXPECT_EQ(pixels.colours[0], 0u);
    EXPECT_EQ(pixels.colours[16 * 8 + 3], 0x838383u);  // index 131, grey 131
    EXPECT_EQ(pixels.colours[255], 0xFFFFFFu);
}

TEST(BitmapFile, IndexBeyondTheStoredPaletteReadsAsBlack) {
    platform::BitmapPixels pixels;
    const auto index = [](int x, int) { return static_cast<std::uint32_t>(x == 0 ? 3 : 200); };
    ASSERT_TRUE(platform::decodeBitmapFile(makeBitmap(2, 1, 8, false, index, 4), pixels));
    EXPECT_EQ(pixels.colours[0], 0x030303u);
    EXPECT_EQ(pixels.colours[1], 0u);
}

TEST(BitmapFile, RejectsWhatItCannotReadWithoutReadingPastTheEnd) {
    const std::string good = makeBitmap(4, 4, 24, false, pattern);
    std::string badMagic = good;
    badMagic[0] = 'X';
    std::string compressed = good;
    put32(compressed, 30, 1);
    std::string sixteenBits = good;
    put16(sixteenBits, 28, 16);
    std::string hugeWidth = good;
    put32(hugeWidth, 18, 0x7FFFFFFF);
    std::string offsetPastEnd = good;
    put32(offsetPastEnd, 10, 0xFFFFFFF0u);
    for (const std::string& bad : {std::string(), good.substr(0, 20), good.substr(0, good.size() - 1), badMagic,
                                   compressed, sixteenBits, hugeWidth, offsetPastEnd}) {
        platform::BitmapPixels pixels;
        EXPECT_FALSE(platform::decodeBitmapFile(bad, pixels));
        EXPECT_EQ(pixels.width, 0);
        EXPECT_TRUE(pixels.colours.empty());
    }
}

}  // namespace
