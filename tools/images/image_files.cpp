#include "image_files.h"

#include <fstream>

namespace images {
namespace {

void put16(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void put32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool writeWhole(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

bool writeBitmapFile(const std::string& path, const Picture& picture) {
    const bool grey = picture.channels == 1;
    const std::uint32_t stride = ((static_cast<std::uint32_t>(picture.width) * (grey ? 8 : 24) + 31) / 32) * 4;
    const std::uint32_t paletteBytes = grey ? 256 * 4 : 0;
    const std::uint32_t pixelOffset = 14 + 40 + paletteBytes;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(picture.height);

    std::string out;
    out += "BM";
    put32(out, pixelOffset + pixelBytes);
    put32(out, 0);
    put32(out, pixelOffset);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(picture.width));
    put32(out, static_cast<std::uint32_t>(picture.height));
    put16(out, 1);
    put16(out, grey ? 8 : 24);
    put32(out, 0);  // no compression
    put32(out, pixelBytes);
    put32(out, 2835);  // 72 dots per inch
    put32(out, 2835);
    put32(out, grey ? 256 : 0);
    put32(out, 0);
    for (std::uint32_t i = 0; i < paletteBytes / 4; ++i) put32(out, i | (i << 8) | (i << 16));
    for (int row = picture.height - 1; row >= 0; --row) {
        const std::size_t start = out.size();
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* pixel =
                &picture.values[(static_cast<std::size_t>(row) * picture.width + x) * picture.channels];
            if (grey) {
                out.push_back(static_cast<char>(pixel[0]));
            } else {
                out.push_back(static_cast<char>(pixel[2]));
                out.push_back(static_cast<char>(pixel[1]));
                out.push_back(static_cast<char>(pixel[0]));
            }
        }
        out.resize(start + stride, '\0');
    }
    return writeWhole(path, out);
}

bool writePpmFile(const std::string& path, const Picture& picture) {
    std::string out = "P6\n" + std::to_string(picture.width) + " " + std::to_string(picture.height) + "\n255\n";
    out.append(picture.values.begin(), picture.values.end());
    return writeWhole(path, out);
}

}  // namespace images
