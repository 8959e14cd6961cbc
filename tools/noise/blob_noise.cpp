#include "blob_noise.h"

#include <algorithm>
#include <cmath>

#include "random.h"

namespace noise {
namespace {

// Blobs come in populations of different sizes and brightness.
struct BlobPopulation {
    double smallestRadius;
    double largestRadius;
    double dimmest;
    double brightest;
    // Sum of all blob areas over the picture's area.
    double coverage;
};
constexpr BlobPopulation kPopulations[] = {
    {12.0, 70.0, 0.4, 1.0, 1.4},
    {3.0, 8.0, 0.1, 0.3, 0.6},
};
constexpr int kFocusBlurRadius = 1;
// The gaps between blobs: a dim, smooth glow of this strength and size.
constexpr double kGapGlow = 0.3;
constexpr int kGapGlowRadius = 12;

struct Blob {
    double x, y, radius, height;
};

// Rounded bumps; where blobs overlap their light adds up.
void drawBlob(TorusField& field, const Blob& blob) {
    const int reach = static_cast<int>(std::ceil(blob.radius));
    const int cx = static_cast<int>(std::floor(blob.x));
    const int cy = static_cast<int>(std::floor(blob.y));
    for (int y = cy - reach; y <= cy + reach; ++y) {
        for (int x = cx - reach; x <= cx + reach; ++x) {
            const double dx = (x + 0.5 - blob.x) / blob.radius;
            const double dy = (y + 0.5 - blob.y) / blob.radius;
            const double d2 = dx * dx + dy * dy;
            if (d2 < 1.0) field.at(x, y) += static_cast<float>(blob.height * (1.0 - d2) * (1.0 - d2));
        }
    }
}

void drawPopulation(TorusField& field, const BlobPopulation& population, Random& random) {
    const double area = static_cast<double>(field.size) * field.size;
    const double sizeRange = std::log(population.largestRadius / population.smallestRadius);
    for (double covered = 0.0; covered < population.coverage * area;) {
        Blob blob;
        blob.x = random.uniform(0.0, field.size);
        blob.y = random.uniform(0.0, field.size);
        blob.radius = population.smallestRadius * std::exp(random.uniform() * sizeRange);
        blob.height = random.uniform(population.dimmest, population.brightest);
        drawBlob(field, blob);
        covered += 3.14159265358979 * blob.radius * blob.radius;
    }
}

TorusField gapGlow(int size, Random& random) {
    TorusField glow(size);
    for (float& value : glow.values) value = static_cast<float>(random.uniform());
    blurTorus(glow, kGapGlowRadius);
    const auto [low, high] = std::minmax_element(glow.values.begin(), glow.values.end());
    const float lowest = *low;
    const float scale = static_cast<float>(kGapGlow) / (*high - lowest);
    for (float& value : glow.values) value = (value - lowest) * scale;
    return glow;
}

}  // namespace

TorusField makeBlobNoise(int size, std::uint64_t seed) {
    Random random(seed);
    TorusField field = gapGlow(size, random);
    for (const BlobPopulation& population : kPopulations) drawPopulation(field, population, random);
    blurTorus(field, kFocusBlurRadius);
    return field;
}

}  // namespace noise
