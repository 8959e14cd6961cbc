#pragma once

#include <vector>

namespace noise {

// A float picture on a torus of `size` x `size` pixels, rows from the top.
struct TorusField {
    int size = 0;
    std::vector<float> values;

    explicit TorusField(int side, float initial = 0.0f)
        : size(side), values(static_cast<std::size_t>(side) * side, initial) {}
    float& at(int x, int y) { return values[static_cast<std::size_t>(wrap(y)) * size + wrap(x)]; }
    float at(int x, int y) const { return values[static_cast<std::size_t>(wrap(y)) * size + wrap(x)]; }
    int wrap(int i) const { return ((i % size) + size) % size; }
};

// Three passes of a box blur of the given radius in both directions, with
// wrap-around: close to a Gaussian blur, and the torus stays seamless.
void blurTorus(TorusField& field, int radius);

}  // namespace noise
