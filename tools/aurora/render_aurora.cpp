// Renders the aurora on the CPU, from the program's own noise textures:
//   render_aurora <seconds> <width> <height> <picture.bmp | picture.ppm>
// A .bmp file is a 24-bit Windows bitmap, anything else a binary PPM.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "aurora_reference.h"
#include "image_files.h"

namespace {

// The frame as a picture, rows from the top.
images::Picture picture(const aurora::AuroraReference& reference, int width, int height, float time) {
    const std::vector<aurora::AuroraPixel> pixels = reference.render(width, height, time);
    images::Picture result{width, height, 3, {}};
    result.values.reserve(pixels.size() * 3);
    for (int row = height - 1; row >= 0; --row) {
        for (int column = 0; column < width; ++column) {
            const aurora::Rgb& colour = pixels[static_cast<std::size_t>(row) * width + column].colour;
            result.values.insert(result.values.end(), {aurora::framebufferLevel(colour.red),
                                                       aurora::framebufferLevel(colour.green),
                                                       aurora::framebufferLevel(colour.blue)});
        }
    }
    return result;
}

bool endsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <seconds> <width> <height> <picture.bmp | picture.ppm>\n", argv[0]);
        return 2;
    }
    const float time = std::strtof(argv[1], nullptr);
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    const std::string path = argv[4];
    const std::optional<aurora::AuroraReference> reference = aurora::AuroraReference::fromResources();
    if (!reference || width <= 0 || height <= 0) {
        std::fprintf(stderr, "no noise textures, or an empty size\n");
        return 1;
    }
    const images::Picture frame = picture(*reference, width, height, time);
    const bool written =
        endsWith(path, ".bmp") ? images::writeBitmapFile(path, frame) : images::writePpmFile(path, frame);
    if (!written) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
