#include "field.h"

namespace noise {
namespace {

void boxBlurRows(TorusField& field, int radius) {
    const int size = field.size;
    const float scale = 1.0f / static_cast<float>(2 * radius + 1);
    std::vector<float> row(size);
    for (int y = 0; y < size; ++y) {
        double sum = 0.0;
        for (int x = -radius; x <= radius; ++x) sum += field.at(x, y);
        for (int x = 0; x < size; ++x) {
            row[x] = static_cast<float>(sum) * scale;
            sum += field.at(x + radius + 1, y) - field.at(x - radius, y);
        }
        for (int x = 0; x < size; ++x) field.at(x, y) = row[x];
    }
}

void transpose(TorusField& field) {
    for (int y = 0; y < field.size; ++y) {
        for (int x = y + 1; x < field.size; ++x) std::swap(field.at(x, y), field.at(y, x));
    }
}

}  // namespace

void blurTorus(TorusField& field, int radius) {
    if (radius <= 0) return;
    for (int direction = 0; direction < 2; ++direction) {
        for (int pass = 0; pass < 3; ++pass) boxBlurRows(field, radius);
        transpose(field);
    }
}

}  // namespace noise
