#pragma once

#include <string_view>

#include "platform.h"

namespace platform {

// Decodes an uncompressed Windows bitmap file (BITMAPFILEHEADER and a
// BITMAPINFOHEADER or later) of 8 bits per pixel with a palette, or 24 or 32
// bits per pixel. False, with `out` emptied, for anything else or anything
// truncated.
bool decodeBitmapFile(std::string_view file, BitmapPixels& out);

}  // namespace platform
