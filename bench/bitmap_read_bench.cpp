// Times the two ways of reading a 1024 x 1024 BITMAP resource for a texture:
// one GetPixel per texel through a memory device context, and the
// whole-bitmap read (GetDIBits) behind platform::loadBitmapResource, which
// BitmapTexture uses. Prints the best of a few runs of each and checks that
// both give the same colours.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "bitmap_texture.h"
#include "platform.h"

namespace {

constexpr int kBitmapId = 1;
constexpr int kSide = 1024;
constexpr int kRuns = 3;

// Colours as GetPixel returns them (0x00BBGGRR), rows from the top.
std::vector<std::uint32_t> readWithGetPixel() {
    std::vector<std::uint32_t> colours(static_cast<std::size_t>(kSide) * kSide);
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kBitmapId));
    HWND desktop = GetDesktopWindow();
    HDC screen = GetDC(desktop);
    HDC memory = CreateCompatibleDC(screen);
    SelectObject(memory, bitmap);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) colours[static_cast<std::size_t>(y) * kSide + x] = GetPixel(memory, x, y);
    }
    DeleteDC(memory);
    ReleaseDC(desktop, screen);
    DeleteObject(bitmap);
    return colours;
}

std::vector<std::uint32_t> readWholeBitmap() {
    platform::BitmapPixels pixels;
    platform::loadBitmapResource(kBitmapId, pixels);
    return pixels.colours;
}

void convertForTexture() {
    std::vector<float> texels(static_cast<std::size_t>(kSide) * kSide * 4);
    BitmapTexture::readBitmapPixels(texels.data(), kBitmapId, kSide, kSide, true);
}

long countDiffering(const std::vector<std::uint32_t>& first, const std::vector<std::uint32_t>& second) {
    if (first.size() != second.size()) return static_cast<long>(std::max(first.size(), second.size()));
    long count = 0;
    for (std::size_t i = 0; i < first.size(); ++i) count += first[i] != second[i] ? 1 : 0;
    return count;
}

template <typename Work>
double bestMilliseconds(Work work) {
    double best = 1e30;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

}  // namespace

int main() {
    const long differing = countDiffering(readWithGetPixel(), readWholeBitmap());
    std::printf("bitmap %d x %d, %d runs each, best time:\n", kSide, kSide, kRuns);
    std::printf("  GetPixel per texel:            %9.2f ms\n", bestMilliseconds(readWithGetPixel));
    std::printf("  whole-bitmap read (GetDIBits): %9.2f ms\n", bestMilliseconds(readWholeBitmap));
    std::printf("  readBitmapPixels (whole read + float texels): %9.2f ms\n", bestMilliseconds(convertForTexture));
    std::printf("  pixels that differ between the two reads: %ld\n", differing);
    return differing == 0 ? 0 : 1;
}
