// The About logo (BITMAP 101) and the executable's icon file, which shows the
// same picture as the window icon.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform.h"
#include "resource_files.h"
#include "window_icon.h"

namespace {

// One image of an icon file: RGBA rows from the top, and its transparency
// mask (true where the pixel is see-through).
struct IconImage {
    int size = 0;
    std::vector<std::uint8_t> rgba;
    std::vector<bool> transparent;

    const std::uint8_t* pixel(int x, int y) const { return &rgba[(static_cast<std::size_t>(y) * size + x) * 4]; }
};

std::vector<IconImage> readIconFile(const std::string& bytes) {
    std::vector<IconImage> images;
    EXPECT_EQ(littleEndian(bytes, 0, 2), 0u);
    EXPECT_EQ(littleEndian(bytes, 2, 2), 1u) << "an icon, not a cursor";
    const unsigned count = littleEndian(bytes, 4, 2);
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        IconImage image;
        image.size = bytes.at(entry) == 0 ? 256 : static_cast<unsigned char>(bytes.at(entry));
        EXPECT_EQ(littleEndian(bytes, entry + 6, 2), 32u) << "bits per pixel";
        const std::size_t offset = littleEndian(bytes, entry + 12, 4);
        EXPECT_LE(offset + littleEndian(bytes, entry + 8, 4), bytes.size());
        EXPECT_EQ(littleEndian(bytes, offset + 4, 4), static_cast<unsigned>(image.size));
        EXPECT_EQ(littleEndian(bytes, offset + 8, 4), 2u * image.size) << "colour and mask";
        EXPECT_EQ(littleEndian(bytes, offset + 14, 2), 32u);
        const std::size_t colours = offset + littleEndian(bytes, offset, 4);
        const std::size_t mask = colours + static_cast<std::size_t>(image.size) * image.size * 4;
        const std::size_t maskStride = ((image.size + 31) / 32) * 4;
        for (int y = 0; y < image.size; ++y) {
            const int stored = image.size - 1 - y;
            for (int x = 0; x < image.size; ++x) {
                const std::size_t at = colours + (static_cast<std::size_t>(stored) * image.size + x) * 4;
                for (int channel : {2, 1, 0, 3}) {
                    image.rgba.push_back(static_cast<std::uint8_t>(bytes.at(at + channel)));
                }
                const unsigned char bits = static_cast<unsigned char>(bytes.at(mask + stored * maskStride + x / 8));
                image.transparent.push_back((bits & (0x80 >> (x % 8))) != 0);
            }
        }
        images.push_back(image);
    }
    return images;
}

TEST(IconFile, HoldsTheWindowIconAtFourSizes) {
    const std::vector<IconImage> images = readIconFile(resourceFile("velmaris.ico"));
    ASSERT_EQ(images.size(), 4u);
    std::vector<int> sizes;
    for (const IconImage& image : images) sizes.push_back(image.size);
    EXPECT_EQ(sizes, (std::vector<int>{64, 48, 32, 16}));
    const std::vector<unsigned char> windowIcon = iconRowsFromColumns(windowIconColumns, kWindowIconSize);
    EXPECT_EQ(std::vector<unsigned char>(images[0].rgba.begin(), images[0].rgba.end()), windowIcon)
        << "the 64-pixel image is the window icon itself";
}

TEST(IconFile, EverySizeShowsTheQuadrantsOnATransparentBackground) {
    struct Spot {
        int x, y;  // in 64ths of the icon's side
        std::uint8_t red, green, blue;
    };
    const Spot quadrants[] = {
        {18, 18, 230, 40, 40}, {45, 18, 40, 190, 60}, {18, 34, 40, 80, 230}, {45, 34, 245, 215, 40}};
    for (const IconImage& image : readIconFile(resourceFile("velmaris.ico"))) {
        for (const Spot& spot : quadrants) {
            const std::uint8_t* p = image.pixel(spot.x * image.size / 64, spot.y * image.size / 64);
            EXPECT_EQ(std::vector<int>(p, p + 4), (std::vector<int>{spot.red, spot.green, spot.blue, 255}))
                << image.size << " px at " << spot.x << "," << spot.y;
        }
        for (int y = 0; y < image.size; ++y) {
            for (int x = 0; x < image.size; ++x) {
                ASSERT_EQ(image.transparent[y * image.size + x], image.pixel(x, y)[3] == 0)
                    << image.size << ": " << x << "," << y;
            }
        }
        EXPECT_TRUE(image.transparent[0]) << image.size;
        EXPECT_TRUE(image.transparent[image.size * image.size - 1]) << image.size;
    }
}

TEST(Logo, IsA24BitPictureOf110By83) {
    const std::string bytes = resourceFile("bitmaps/logo.bmp");
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(littleEndian(bytes, 18, 4), 110u);
    EXPECT_EQ(littleEndian(bytes, 22, 4), 83u);
    EXPECT_EQ(littleEndian(bytes, 28, 2), 24u);
}

TEST(Logo, ShowsAGreenBandOnADarkSky) {
    platform::BitmapPixels logo;
    ASSERT_TRUE(platform::loadBitmapResource(101, logo));
    ASSERT_EQ(logo.width, 110);
    ASSERT_EQ(logo.height, 83);
    // Mean red, green and blue of a band of rows.
    const auto mean = [&](int firstRow, int endRow) {
        std::vector<double> sums(3, 0.0);
        for (int y = firstRow; y < endRow; ++y) {
            for (int x = 0; x < logo.width; ++x) {
                const std::uint32_t colour = logo.colours[static_cast<std::size_t>(y) * logo.width + x];
                for (int c = 0; c < 3; ++c) sums[c] += (colour >> (8 * c)) & 0xFF;
            }
        }
        for (double& sum : sums) sum /= (endRow - firstRow) * logo.width;
        return sums;
    };
    const std::vector<double> middle = mean(35, 48);
    EXPECT_GT(middle[1], 100.0);
    EXPECT_GT(middle[1], middle[2]);
    EXPECT_GT(middle[2], middle[0]);
    for (const std::vector<double>& sky : {mean(0, 6), mean(77, 83)}) {
        for (double channel : sky) EXPECT_LT(channel, 30.0);
    }
}

}  // namespace
