#pragma once

#include <vector>

constexpr int kWindowIconSize = 64;

// The window icon's RGBA pixels, column by column.
extern const unsigned char windowIconColumns[kWindowIconSize * kWindowIconSize * 4];

// The same pixels row by row, as GLFW takes them.
std::vector<unsigned char> iconRowsFromColumns(const unsigned char* columns, int size);
