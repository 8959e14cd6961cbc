#include "triangulation.h"

#include <algorithm>
#include <numeric>

namespace {

using Index = std::uint32_t;

// A triangle's corner indices in ascending order, whatever the winding.
void appendTriangle(std::vector<Index>& triangles, Index a, Index b, Index c) {
    Index triangle[] = {a, b, c};
    std::sort(std::begin(triangle), std::end(triangle));
    triangles.insert(triangles.end(), std::begin(triangle), std::end(triangle));
}

// Any corner of the whole face, clipped or not, other than the candidate's own.
bool cornerInside(const std::vector<objl::Vertex>& corners, Index prev, Index cur, Index next) {
    const objl::Vector3 a = corners[prev].position;
    const objl::Vector3 b = corners[cur].position;
    const objl::Vector3 c = corners[next].position;
    return std::any_of(corners.begin(), corners.end(), [&](const objl::Vertex& corner) {
        const objl::Vector3 p = corner.position;
        return p != a && p != b && p != c && pointInTriangle(p, a, b, c);
    });
}

}  // namespace

std::vector<Index> triangulatePolygon(const std::vector<objl::Vertex>& corners) {
    if (corners.size() < 3) return {};
    if (corners.size() == 3) return {0, 1, 2};

    std::vector<Index> remaining(corners.size());
    std::iota(remaining.begin(), remaining.end(), Index{0});
    std::vector<Index> triangles;
    bool clipped = true;
    while (!remaining.empty() && clipped) {
        clipped = false;
        for (std::size_t i = 0; i < remaining.size(); ++i) {
            const std::size_t count = remaining.size();
            const Index prev = remaining[(i + count - 1) % count];
            const Index cur = remaining[i];
            const Index next = remaining[(i + 1) % count];
            if (count == 4) {
                appendTriangle(triangles, prev, cur, next);
                appendTriangle(triangles, prev, next, remaining[(i + 2) % count]);
                remaining.clear();
                break;
            }
            if (cornerInside(corners, prev, cur, next)) continue;
            appendTriangle(triangles, prev, cur, next);
            remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(i));
            clipped = true;
            break;
        }
    }
    return triangles;
}

bool pointInTriangle(objl::Vector3 p, objl::Vector3 a, objl::Vector3 b, objl::Vector3 c) {
    const objl::Vector3 u = b - a;
    const objl::Vector3 v = c - a;
    const objl::Vector3 w = p - a;
    const objl::Vector3 n = cross(u, v);
    const float area = dot(n, n);
    const float gamma = dot(cross(u, w), n) / area;
    const float beta = dot(cross(w, v), n) / area;
    const float alpha = 1 - gamma - beta;
    const auto within = [](float weight) { return weight >= 0 && weight <= 1; };
    return within(alpha) && within(beta) && within(gamma);
}
