#include "bitmap_file.h"

#include <cstdint>
#include <cstdlib>

namespace platform {
namespace {

std::uint32_t readU32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::uint16_t readU16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

std::uint32_t colour(unsigned red, unsigned green, unsigned blue) {
    return red | (green << 8) | (blue << 16);
}

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::int64_t kMaxSide = 16384;

bool decode(std::string_view file, BitmapPixels& out) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') return false;
    const std::uint32_t pixelOffset = readU32(file, 10);
    const std::uint32_t infoSize = readU32(file, 14);
    const auto width = static_cast<std::int32_t>(readU32(file, 18));
    const auto signedHeight = static_cast<std::int32_t>(readU32(file, 22));
    const std::uint16_t bitsPerPixel = readU16(file, 28);
    const std::uint32_t compression = readU32(file, 30);
    std::uint32_t paletteSize = readU32(file, 46);

    if (infoSize < kInfoHeaderSize || compression != 0) return false;
    const std::int64_t height = std::llabs(static_cast<std::int64_t>(signedHeight));
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
    if (bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32) return false;
    if (bitsPerPixel == 8 && (paletteSize == 0 || paletteSize > 256)) paletteSize = 256;

    const std::size_t paletteStart = kFileHeaderSize + infoSize;
    if (bitsPerPixel == 8 && paletteStart + std::size_t{paletteSize} * 4 > file.size()) return false;
    const std::size_t stride = ((static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32) * 4;
    if (pixelOffset > file.size() || (file.size() - pixelOffset) / stride < static_cast<std::size_t>(height))
        return false;

    const bool bottomUp = signedHeight > 0;
    out.width = width;
    out.height = static_cast<int>(height);
    out.colours.resize(static_cast<std::size_t>(width) * out.height);
    for (int row = 0; row < out.height; ++row) {
        const int storedRow = bottomUp ? out.height - 1 - row : row;
        const std::size_t rowStart = pixelOffset + stride * storedRow;
        for (int column = 0; column < width; ++column) {
            std::uint32_t value = 0;
            if (bitsPerPixel == 8) {
                const auto index = static_cast<unsigned char>(file[rowStart + column]);
                if (index < paletteSize) {
                    const std::size_t entry = paletteStart + std::size_t{index} * 4;
                    value = colour(static_cast<unsigned char>(file[entry + 2]),
                                   static_cast<unsigned char>(file[entry + 1]),
                                   static_cast<unsigned char>(file[entry]));
                }
            } else {
                const std::size_t at = rowStart + static_cast<std::size_t>(column) * (bitsPerPixel / 8);
                value = colour(static_cast<unsigned char>(file[at + 2]), static_cast<unsigned char>(file[at + 1]),
                               static_cast<unsigned char>(file[at]));
            }
            out.colours[static_cast<std::size_t>(row) * width + column] = value;
        }
    }
    return true;
}

}  // namespace

bool decodeBitmapFile(std::string_view file, BitmapPixels& out) {
    if (decode(file, out)) return true;
    out = BitmapPixels{};
    return false;
}

}  // namespace platform
