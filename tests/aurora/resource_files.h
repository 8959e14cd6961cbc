// The committed files under resources/, read as they are.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

// The bytes of resources/<name>; empty when there is no such file.
inline std::string resourceFile(const std::string& name) {
    std::ifstream file(std::string(VELMARIS_RESOURCES_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The little-endian number of `count` bytes at `at`.
inline unsigned littleEndian(const std::string& bytes, std::size_t at, int count) {
    unsigned value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}
