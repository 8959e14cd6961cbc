#include "pebble_noise.h"

#include <algorithm>
#include <cmath>

#include "field.h"
#include "random.h"

namespace noise {
namespace {

constexpr int kStonesPerSide = 4;
// How far a stone's centre may stray from its grid cell's centre, in cells.
constexpr double kJitter = 0.5;
// Half the width of the dark gap between neighbouring stones, in pixels.
constexpr double kHalfGap = 3.0;
// Width of the rounded rim over which a stone rises to its full height.
constexpr double kRimWidth = 12.0;
// Softness of the stones' corners, in pixels.
constexpr double kCornerRounding = 8.0;
// Height of the gentle dome over a whole stone, in cell widths.
constexpr double kDomeHeight = 0.12;

struct Colour {
    double red, green, blue;
};
struct StoneKind {
    Colour colour;
    double share;
};
constexpr StoneKind kKinds[] = {
    {{0.26, 0.50, 0.30}, 0.44},  // green
    {{0.20, 0.34, 0.60}, 0.40},  // blue
    {{0.80, 0.70, 0.52}, 0.16},  // beige
};
constexpr Colour kGap{0.02, 0.02, 0.015};

struct Stone {
    double x, y;
    Colour colour;
};

// Where a point lies on its stone.
struct StonePoint {
    const Stone* stone;
    // Distance to the stone's edge (the bisector with its neighbours, corners
    // rounded); the gap between stones is where it is below kHalfGap.
    double edgeDistance;
    double centreDistance;
};

// The stones' colours in random order, each kind on its share of the stones.
std::vector<Colour> shuffledColours(int count, Random& random) {
    std::vector<Colour> colours;
    for (const StoneKind& kind : kKinds) {
        const int stones = static_cast<int>(std::lround(kind.share * count));
        for (int i = 0; i < stones && static_cast<int>(colours.size()) < count; ++i) colours.push_back(kind.colour);
    }
    while (static_cast<int>(colours.size()) < count) colours.push_back(kKinds[0].colour);
    for (int i = count - 1; i > 0; --i) {
        std::swap(colours[i], colours[static_cast<std::size_t>(random.next() % static_cast<std::uint64_t>(i + 1))]);
    }
    for (Colour& colour : colours) {
        const double brightness = random.uniform(0.85, 1.15);
        colour = {colour.red * brightness, colour.green * brightness, colour.blue * brightness};
    }
    return colours;
}

class StoneField {
public:
    StoneField(int period, Random& random) : period_(period), cell_(static_cast<double>(period) / kStonesPerSide) {
        const std::vector<Colour> colours = shuffledColours(kStonesPerSide * kStonesPerSide, random);
        for (int gy = 0; gy < kStonesPerSide; ++gy) {
            for (int gx = 0; gx < kStonesPerSide; ++gx) {
                Stone stone;
                stone.x = (gx + 0.5 + random.uniform(-kJitter, kJitter)) * cell_;
                stone.y = (gy + 0.5 + random.uniform(-kJitter, kJitter)) * cell_;
                stone.colour = colours[stones_.size()];
                stones_.push_back(stone);
            }
        }
    }

    StonePoint locate(double x, double y) const {
        struct Candidate {
            double x, y, distance2;
            const Stone* stone;
        };
        Candidate candidates[25];
        int count = 0;
        const int gx = static_cast<int>(std::floor(x / cell_));
        const int gy = static_cast<int>(std::floor(y / cell_));
        for (int j = -2; j <= 2; ++j) {
            for (int i = -2; i <= 2; ++i) {
                const int cx = gx + i;
                const int cy = gy + j;
                const int wx = ((cx % kStonesPerSide) + kStonesPerSide) % kStonesPerSide;
                const int wy = ((cy % kStonesPerSide) + kStonesPerSide) % kStonesPerSide;
                const Stone& stone = stones_[static_cast<std::size_t>(wy) * kStonesPerSide + wx];
                const double sx = stone.x + (cx - wx) / kStonesPerSide * period_;
                const double sy = stone.y + (cy - wy) / kStonesPerSide * period_;
                candidates[count++] = {sx, sy, (sx - x) * (sx - x) + (sy - y) * (sy - y), &stone};
            }
        }
        const Candidate* closest = &candidates[0];
        for (const Candidate& c : candidates) {
            if (c.distance2 < closest->distance2) closest = &c;
        }
        // Soft minimum of the distances to the bisectors with every other stone.
        double sum = 0.0;
        for (const Candidate& c : candidates) {
            if (&c == closest) continue;
            const double separation = std::hypot(c.x - closest->x, c.y - closest->y);
            const double toBisector = (c.distance2 - closest->distance2) / (2.0 * separation);
            sum += std::exp(-toBisector / kCornerRounding);
        }
        return {closest->stone, -kCornerRounding * std::log(sum), std::sqrt(closest->distance2)};
    }

private:
    int period_;
    double cell_;
    std::vector<Stone> stones_;
};

// Height of the stone's surface: a steep rounded rim and a gentle dome.
double stoneHeight(const StonePoint& point, double cell) {
    const double t = std::clamp((point.edgeDistance - kHalfGap) / kRimWidth, 0.0, 1.0);
    const double rim = kRimWidth * 0.5 * (1.0 - (1.0 - t) * (1.0 - t));
    const double r = point.centreDistance / cell;
    return rim + kDomeHeight * cell * std::max(0.0, 1.0 - r * r);
}

// The gap is darkest half way between the stones.
double gapShade(const StonePoint& point) { return 0.2 + 0.8 * std::clamp(point.edgeDistance / kHalfGap, 0.0, 1.0); }

double stoneCover(const StonePoint& point) { return std::clamp((point.edgeDistance - kHalfGap) / 1.5, 0.0, 1.0); }

struct Vector {
    double x, y, z;
};

Vector normalised(Vector v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / length, v.y / length, v.z / length};
}

double dot(const Vector& a, const Vector& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

}  // namespace

ColourField makePebbleNoise(int size, int period, std::uint64_t seed) {
    Random random(seed);
    const StoneField stones(period, random);
    const double cell = static_cast<double>(period) / kStonesPerSide;
    TorusField height(period);
    std::vector<StonePoint> points(static_cast<std::size_t>(period) * period);
    for (int y = 0; y < period; ++y) {
        for (int x = 0; x < period; ++x) {
            const StonePoint point = stones.locate(x + 0.5, y + 0.5);
            points[static_cast<std::size_t>(y) * period + x] = point;
            height.at(x, y) = static_cast<float>(stoneHeight(point, cell));
        }
    }

    // Lit from the top left; glossy highlights where the surface mirrors the
    // light towards the viewer.
    const Vector light = normalised({-0.5, -0.6, 0.62});
    const Vector halfway = normalised({light.x, light.y, light.z + 1.0});
    ColourField picture;
    picture.size = size;
    for (auto* channel : {&picture.red, &picture.green, &picture.blue}) {
        channel->resize(static_cast<std::size_t>(size) * size);
    }
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const Vector normal = normalised({-(height.at(x + 1, y) - height.at(x - 1, y)) / 2.0,
                                              -(height.at(x, y + 1) - height.at(x, y - 1)) / 2.0, 1.0});
            const double lit = 0.25 + 0.85 * std::max(0.0, dot(normal, light));
            const double gloss = std::pow(std::max(0.0, dot(normal, halfway)), 40.0);
            const StonePoint& point = points[static_cast<std::size_t>(y) * period + x];
            const double cover = stoneCover(point);
            const double gap = (1.0 - cover) * gapShade(point);
            const auto shade = [&](double stone, double dark) {
                return static_cast<float>(cover * (stone * lit + 0.5 * gloss) + gap * dark);
            };
            const std::size_t at = static_cast<std::size_t>(y) * size + x;
            picture.red[at] = shade(point.stone->colour.red, kGap.red);
            picture.green[at] = shade(point.stone->colour.green, kGap.green);
            picture.blue[at] = shade(point.stone->colour.blue, kGap.blue);
        }
    }
    return picture;
}

}  // namespace noise
