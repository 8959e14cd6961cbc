#pragma once

#include <cstdint>
#include <vector>

namespace noise {

// A colour picture with float channels in 0 to about 1, rows from the top.
struct ColourField {
    int size = 0;
    std::vector<float> red, green, blue;
};

// Rounded, glossy pebble-like stones in green, blue and beige with dark gaps
// between them, lit from the top left. The stones lie on a torus of `period`
// pixels of which the picture shows `size`: with a period a little larger
// than the size, opposite edges nearly meet but do not tile seamlessly.
ColourField makePebbleNoise(int size, int period, std::uint64_t seed);

}  // namespace noise
