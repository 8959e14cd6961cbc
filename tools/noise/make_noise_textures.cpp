// Writes the two noise textures of the aurora shader:
//   make_noise_textures <resources/bitmaps directory>
// noise0.bmp: 512 x 512 grey blobs, seamless; noise1.bmp: 1024 x 1024 colour
// pebbles, not seamless. Prints the red channel's figures of each.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "blob_noise.h"
#include "distribution_match.h"
#include "image_files.h"
#include "noise_statistics.h"
#include "pebble_noise.h"
#include "random.h"

namespace {

constexpr int kBlobSize = 512;
constexpr std::uint64_t kBlobSeed = 210;
constexpr noise::TargetDistribution kBlobDistribution{0, 37, 90, 168, 254, 94.3, 39.9};

constexpr int kPebbleSize = 1024;
// The pebbles repeat every kPebblePeriod pixels, so opposite edges nearly meet.
constexpr int kPebblePeriod = 1032;
constexpr std::uint64_t kPebbleSeed = 211;
constexpr noise::TargetDistribution kPebbleDistribution{0, 7, 53, 178, 255, 62.9, 52.5};
// Largest step of the fine grain added to the pebbles, like a photograph's,
// in levels.
constexpr double kPebbleGrain = 4;

std::uint8_t toByte(double level) { return static_cast<std::uint8_t>(std::clamp(std::lround(level), 0L, 255L)); }

void printFigures(const char* name, const images::Picture& picture) {
    std::vector<std::uint8_t> red(static_cast<std::size_t>(picture.width) * picture.height);
    for (std::size_t i = 0; i < red.size(); ++i) red[i] = picture.values[i * picture.channels];
    const noise::NoiseStatistics f = noise::measureNoise(red, picture.width, picture.height);
    std::printf("%s: range %d-%d mean %.1f sd %.1f median %d p5 %d p95 %d neighbour %.2f half-correlation %.1f "
                "wrap edge %.2f (x%.2f)\n",
                name, f.minimum, f.maximum, f.mean, f.standardDeviation, f.median, f.percentile5, f.percentile95,
                f.neighbourDifference, f.halfCorrelationDistance, f.wrapEdgeDifference, f.wrapEdgeRatio());
}

images::Picture blobPicture() {
    const noise::TorusField field = noise::makeBlobNoise(kBlobSize, kBlobSeed);
    const std::vector<float> levels = noise::matchDistribution(field.values, kBlobDistribution);
    images::Picture picture{kBlobSize, kBlobSize, 1, std::vector<std::uint8_t>(levels.size())};
    std::transform(levels.begin(), levels.end(), picture.values.begin(), toByte);
    return picture;
}

// The red channel gets the target distribution; green and blue follow it by
// the same factor, so that every pixel keeps its hue. The grain comes last.
images::Picture pebblePicture() {
    const noise::ColourField field = noise::makePebbleNoise(kPebbleSize, kPebblePeriod, kPebbleSeed);
    const std::vector<float> red = noise::matchDistribution(field.red, kPebbleDistribution);
    noise::Random grain(kPebbleSeed);
    images::Picture picture{kPebbleSize, kPebbleSize, 3, {}};
    picture.values.reserve(red.size() * 3);
    for (std::size_t i = 0; i < red.size(); ++i) {
        const double factor = red[i] / std::max(255.0 * field.red[i], 1.0);
        const double speck = grain.uniform(-kPebbleGrain, kPebbleGrain);
        picture.values.insert(picture.values.end(), {toByte(red[i] + speck),
                                                     toByte(255.0 * field.green[i] * factor + speck),
                                                     toByte(255.0 * field.blue[i] * factor + speck)});
    }
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <bitmaps directory>\n", argv[0]);
        return 2;
    }
    const std::string directory = argv[1];
    const images::Picture blobs = blobPicture();
    const images::Picture pebbles = pebblePicture();
    printFigures("noise0", blobs);
    printFigures("noise1", pebbles);
    if (!images::writeBitmapFile(directory + "/noise0.bmp", blobs) ||
        !images::writeBitmapFile(directory + "/noise1.bmp", pebbles)) {
        std::fprintf(stderr, "cannot write the noise textures into %s\n", directory.c_str());
        return 1;
    }
    return 0;
}
