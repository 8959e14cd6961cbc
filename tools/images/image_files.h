#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace images {

// An 8-bit picture, rows from the top: one value per pixel (grey) or three
// (red, green, blue).
struct Picture {
    int width = 0;
    int height = 0;
    int channels = 3;
    std::vector<std::uint8_t> values;
};

// Uncompressed Windows bitmap, stored bottom-up: 8 bits per pixel with a
// 256-entry grey-ramp palette for grey pictures, 24 bits per pixel for colour.
bool writeBitmapFile(const std::string& path, const Picture& picture);
// Binary PPM (P6) of a colour picture.
bool writePpmFile(const std::string& path, const Picture& picture);

}  // namespace images
