// Finds the frame time at which the CPU reference best matches a screenshot
// of the full-screen aurora, and prints how well it matches there:
//   match_screenshot <screenshot.ppm> <from seconds> <to seconds>
//                    [--swap-textures] [--viewport <width>x<height>]
// The screenshot is a binary PPM of the whole screen, which is the viewport.
// The time is searched on a sparse grid of pixels, 0.01 s apart, then refined
// to 0.0001 s; the figures at the best time use every pixel. Rows near the
// top and bottom edges are left out. The options make a deliberately wrong
// reference (textures swapped, other viewport uniforms) for checks that the
// comparison can fail. Prints one line of name=value figures: the time, the
// pixels compared, and the figures of compareFrame.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "aurora_reference.h"
#include "frame_comparison.h"

namespace {

constexpr int kNoise0Resource = 210;
constexpr int kNoise1Resource = 211;
// One row in kEdgeFraction of the height at the top and at the bottom is left out.
constexpr int kEdgeFraction = 20;
constexpr int kSampleStride = 4;
constexpr double kCoarseStep = 0.01;

struct Options {
    std::string screenshot;
    double from = 0.0;
    double to = 0.0;
    bool swapTextures = false;
    int viewportWidth = 0;
    int viewportHeight = 0;
};

std::optional<Options> parseOptions(int argc, char** argv) {
    if (argc < 4) return std::nullopt;
    Options options{argv[1], std::strtod(argv[2], nullptr), std::strtod(argv[3], nullptr)};
    for (int i = 4; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--swap-textures") {
            options.swapTextures = true;
        } else if (option == "--viewport" && i + 1 < argc &&
                   std::sscanf(argv[++i], "%dx%d", &options.viewportWidth, &options.viewportHeight) == 2) {
        } else {
            return std::nullopt;
        }
    }
    if (options.to < options.from) return std::nullopt;
    return options;
}

// A binary PPM (P6, maxval 255) as a frame with rows from the bottom.
std::optional<Frame> readScreenshot(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string magic;
    int width = 0;
    int height = 0;
    int maxValue = 0;
    file >> magic >> width >> height >> maxValue;
    file.get();
    if (!file || magic != "P6" || maxValue != 255 || width <= 0 || height <= 0) return std::nullopt;
    std::vector<char> rgb(static_cast<std::size_t>(width) * height * 3);
    if (!file.read(rgb.data(), static_cast<std::streamsize>(rgb.size()))) return std::nullopt;
    Frame frame{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 4)};
    for (int y = 0; y < height; ++y) {
        const char* source = &rgb[static_cast<std::size_t>(height - 1 - y) * width * 3];
        for (int x = 0; x < width; ++x) {
            std::uint8_t* pixel = &frame.rgba[(static_cast<std::size_t>(y) * width + x) * 4];
            for (int c = 0; c < 3; ++c) pixel[c] = static_cast<std::uint8_t>(source[x * 3 + c]);
            pixel[3] = 255;
        }
    }
    return frame;
}

std::optional<aurora::AuroraReference> loadReference(bool swapTextures) {
    platform::BitmapPixels noise0;
    platform::BitmapPixels noise1;
    if (!platform::loadBitmapResource(kNoise0Resource, noise0) ||
        !platform::loadBitmapResource(kNoise1Resource, noise1)) {
        return std::nullopt;
    }
    if (swapTextures) std::swap(noise0, noise1);
    return aurora::AuroraReference(aurora::ReferenceTexture(noise0), aurora::ReferenceTexture(noise1));
}

// Screen pixels compared with the reference, and the viewport size the
// reference takes for its uniforms.
struct Comparison {
    const aurora::AuroraReference& reference;
    float viewportWidth;
    float viewportHeight;
    std::vector<int> columns;
    std::vector<int> rows;
    Frame pixels;

    FrameComparison at(double time) const {
        std::vector<aurora::AuroraPixel> expected;
        expected.reserve(columns.size() * rows.size());
        for (int row : rows) {
            for (int column : columns) {
                expected.push_back(reference.shade(column + 0.5f, row + 0.5f, static_cast<float>(time),
                                                   viewportWidth, viewportHeight));
            }
        }
        return compareFrame(pixels, expected);
    }
};

std::vector<int> everyNth(int first, int last, int stride) {
    std::vector<int> values;
    for (int value = first; value <= last; value += stride) values.push_back(value);
    return values;
}

Comparison comparisonOf(const aurora::AuroraReference& reference, const Frame& screen, const Options& options,
                        int stride) {
    const int edge = screen.height / kEdgeFraction;
    Comparison comparison{reference,
                          static_cast<float>(options.viewportWidth > 0 ? options.viewportWidth : screen.width),
                          static_cast<float>(options.viewportHeight > 0 ? options.viewportHeight : screen.height),
                          everyNth(stride / 2, screen.width - 1, stride),
                          everyNth(edge + stride / 2, screen.height - 1 - edge, stride),
                          {}};
    comparison.pixels.width = static_cast<int>(comparison.columns.size());
    comparison.pixels.height = static_cast<int>(comparison.rows.size());
    for (int row : comparison.rows) {
        for (int column : comparison.columns) {
            const std::uint8_t* pixel = screen.pixel(column, row);
            comparison.pixels.rgba.insert(comparison.pixels.rgba.end(), pixel, pixel + 4);
        }
    }
    return comparison;
}

// The time in from..to, `step` apart, with the smallest mean band difference.
double bestTime(const Comparison& comparison, double from, double to, double step) {
    double best = from;
    double bestMean = 1e30;
    const int steps = static_cast<int>((to - from) / step + 0.5);
    for (int i = 0; i <= steps; ++i) {
        const double time = from + i * step;
        const FrameComparison result = comparison.at(time);
        if (result.bandPixels > 0 && result.bandMeanDifference < bestMean) {
            bestMean = result.bandMeanDifference;
            best = time;
        }
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: %s <screenshot.ppm> <from seconds> <to seconds> [--swap-textures] "
                     "[--viewport <width>x<height>]\n",
                     argv[0]);
        return 2;
    }
    const std::optional<Frame> screen = readScreenshot(options->screenshot);
    if (!screen) {
        std::fprintf(stderr, "cannot read %s as a binary PPM\n", options->screenshot.c_str());
        return 1;
    }
    const std::optional<aurora::AuroraReference> reference = loadReference(options->swapTextures);
    if (!reference) {
        std::fprintf(stderr, "no noise textures\n");
        return 1;
    }

    const Comparison sparse = comparisonOf(*reference, *screen, *options, kSampleStride);
    double time = bestTime(sparse, options->from, options->to, kCoarseStep);
    for (double step : {kCoarseStep / 10, kCoarseStep / 100}) {
        time = bestTime(sparse, std::max(options->from, time - 10 * step), std::min(options->to, time + 10 * step),
                        step);
    }
    const Comparison full = comparisonOf(*reference, *screen, *options, 1);
    const FrameComparison result = full.at(time);
    std::printf("time=%.4f pixels=%zu band_pixels=%lld band_mean=%.3f band_max=%d star_share=%.5f reference_star_share=%.5f "
                "matches=%d\n",
                time, full.pixels.rgba.size() / 4, result.bandPixels, result.bandMeanDifference, result.bandMaxDifference, result.starShare,
                result.referenceStarShare, matchesReference(result) ? 1 : 0);
    return 0;
}
