#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "triangulation.h"

namespace {

using Indices = std::vector<std::uint32_t>;

std::vector<objl::Vertex> polygon(const std::vector<objl::Vector3>& positions) {
    std::vector<objl::Vertex> corners;
    for (const objl::Vector3& p : positions) corners.push_back({p, {0, 0, 1}, {}});
    return corners;
}

struct PolygonCase {
    const char* name;
    std::vector<objl::Vector3> positions;
    Indices triangles;
};

class TriangulatePolygonTest : public testing::TestWithParam<PolygonCase> {};

TEST_P(TriangulatePolygonTest, Triangles) {
    EXPECT_EQ(triangulatePolygon(polygon(GetParam().positions)), GetParam().triangles);
}

INSTANTIATE_TEST_SUITE_P(
    Polygons, TriangulatePolygonTest,
    testing::Values(
        PolygonCase{"NoCorner", {}, {}}, PolygonCase{"OneCorner", {{0, 0, 0}}, {}},
        PolygonCase{"TwoCorners", {{0, 0, 0}, {1, 0, 0}}, {}},
        PolygonCase{"Triangle", {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {0, 1, 2}},
        // Any triangle, even one whose corners coincide, gives 0, 1, 2.
        PolygonCase{"CollapsedTriangle", {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}, {0, 1, 2}},
        PolygonCase{"Square", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {0, 1, 3, 1, 2, 3}},
        // A quadrilateral gives the same cut whatever its shape.
        PolygonCase{"ConcaveQuadrilateral", {{0, 0, 0}, {2, 0, 0}, {1, 0.2f, 0}, {1, 2, 0}}, {0, 1, 3, 1, 2, 3}},
        PolygonCase{"ConvexPentagon",
                    {{1, 0, 0}, {0.3f, 0.95f, 0}, {-0.8f, 0.6f, 0}, {-0.8f, -0.6f, 0}, {0.3f, -0.95f, 0}},
                    {0, 1, 4, 1, 2, 4, 2, 3, 4}},
        // The candidate at corner 0 (prev 4, next 1) holds corner 2: the ear is
        // clipped at corner 1 instead.
        PolygonCase{"ReflexPentagon",
                    {{0, 0, 0}, {4, 0, 0}, {1, 1, 0}, {4, 4, 0}, {0, 4, 0}},
                    {0, 1, 2, 0, 2, 4, 2, 3, 4}},
        // prev 5, cur 0 and next 1 lie on one line, through corner 3: a candidate
        // without area holds no corner and is clipped.
        PolygonCase{"StraightCorner",
                    {{1, 0, 0}, {3, 0, 0}, {3, 3, 0}, {2, 0, 0}, {0, 3, 0}, {0, 0, 0}},
                    {0, 1, 5, 1, 2, 3, 1, 3, 5, 3, 4, 5}},
        // Every candidate holds another corner: the pass ends without a triangle.
        PolygonCase{"NoEar",
                    {{5, 6, 0}, {3, 2, 0}, {0, 6, 0}, {4, 5, 0}, {3, 1, 0}, {2, 5, 0}},
                    {}},
        // Corners that share a position still give one index per triangle corner.
        PolygonCase{"SharedPosition", {{0, 0, 0}, {1, 0, 0}, {0, 0, 0}, {0, 1, 0}}, {0, 1, 3, 1, 2, 3}},
        PolygonCase{"AllCornersOnePoint",
                    {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}},
                    {0, 1, 5, 1, 2, 5, 2, 3, 5, 3, 4, 5}}),
    [](const testing::TestParamInfo<PolygonCase>& info) { return std::string(info.param.name); });

TEST(TriangulatePolygonTest, EveryTriangleHasThreeIndicesWithinTheFace) {
    // A star: five reflex corners between five tips.
    std::vector<objl::Vector3> star;
    for (int i = 0; i < 10; ++i) {
        const double angle = i * 3.14159265358979 / 5;
        const float radius = i % 2 == 0 ? 2.0f : 0.7f;
        star.push_back({static_cast<float>(radius * std::cos(angle)), static_cast<float>(radius * std::sin(angle)), 0});
    }
    const Indices triangles = triangulatePolygon(polygon(star));
    ASSERT_FALSE(triangles.empty());
    ASSERT_EQ(triangles.size() % 3, 0u);
    for (std::size_t i = 0; i < triangles.size(); i += 3) {
        EXPECT_LT(triangles[i], triangles[i + 1]);
        EXPECT_LT(triangles[i + 1], triangles[i + 2]);
        EXPECT_LT(triangles[i + 2], 10u);
    }
}

struct PointCase {
    const char* name;
    objl::Vector3 point;
    bool inside;
};

class PointInTriangleTest : public testing::TestWithParam<PointCase> {};

TEST_P(PointInTriangleTest, Inside) {
    EXPECT_EQ(pointInTriangle(GetParam().point, {0, 0, 0}, {4, 0, 0}, {0, 4, 0}), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(Points, PointInTriangleTest,
                         testing::Values(PointCase{"CornerA", {0, 0, 0}, true}, PointCase{"CornerB", {4, 0, 0}, true},
                                         PointCase{"CornerC", {0, 4, 0}, true}, PointCase{"OnEdge", {2, 2, 0}, true},
                                         PointCase{"Inside", {1, 1, 0}, true},
                                         PointCase{"AbovePlane", {1, 1, 5}, true},
                                         PointCase{"OutsideEdge", {3, 3, 0}, false},
                                         PointCase{"BeyondCorner", {-1, 0, 0}, false}),
                         [](const testing::TestParamInfo<PointCase>& info) { return std::string(info.param.name); });

TEST(PointInTriangleTest, ADegenerateTriangleContainsNoPoint) {
    for (const objl::Vector3 p : {objl::Vector3{0, 0, 0}, objl::Vector3{1, 1, 1}, objl::Vector3{2, 2, 2}}) {
        EXPECT_FALSE(pointInTriangle(p, {0, 0, 0}, {1, 1, 1}, {2, 2, 2}));
        EXPECT_FALSE(pointInTriangle(p, {1, 1, 1}, {1, 1, 1}, {1, 1, 1}));
    }
}

}  // namespace
