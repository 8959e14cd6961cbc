#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "camera.h"
#include "math.h"
#include "render_environment.h"

namespace {

constexpr float kTolerance = 1e-5f;

void expectColumn(const Float4x4& m, int c, Float4 expected, float tolerance = kTolerance) {
    for (int r = 0; r < 4; ++r) EXPECT_NEAR(m[c][r], expected[r], tolerance) << "column " << c << " row " << r;
}

void expectVector(Float3 v, Float3 expected, float tolerance = kTolerance) {
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(v[i], expected[i], tolerance) << "component " << i;
}

TEST(Float4x4Test, FromAScalarEveryElementTakesIt) {
    for (const float scalar : {0.0f, 1.0f}) {
        const Float4x4 m(scalar);
        for (int i = 0; i < 16; ++i) EXPECT_EQ(m.data()[i], scalar) << i;
    }
}

TEST(Float4x4Test, StoresSixteenFloatsColumnByColumn) {
    const Float4x4 m({0, 1, 2, 3}, {4, 5, 6, 7}, {8, 9, 10, 11}, {12, 13, 14, 15});
    static_assert(sizeof(Float4x4) == 16 * sizeof(float));
    for (int i = 0; i < 16; ++i) EXPECT_EQ(m.data()[i], static_cast<float>(i));
    EXPECT_EQ(m[3][1], 13.0f);
}

TEST(Float4x4Test, ProductAppliesTheRightOperandFirst) {
    const Float4x4 scale({2, 0, 0, 0}, {0, 2, 0, 0}, {0, 0, 2, 0}, {0, 0, 0, 1});
    // Translating, then scaling, doubles the offset; the other way round keeps it.
    expectColumn(scale * translation(1, 2, 3), 3, {2, 4, 6, 1});
    expectColumn(translation(1, 2, 3) * scale, 3, {1, 2, 3, 1});
    expectColumn(translation(1, 2, 3) * scale, 0, {2, 0, 0, 0});
}

TEST(Float4x4Test, TranslationFromAVector) {
    const Float4x4 m = translation(Float3{4, 5, 6});
    expectColumn(m, 0, {1, 0, 0, 0});
    expectColumn(m, 1, {0, 1, 0, 0});
    expectColumn(m, 2, {0, 0, 1, 0});
    expectColumn(m, 3, {4, 5, 6, 1});
}

TEST(MathTest, RadiansUseTheFloatNearestPiOver180) {
    EXPECT_EQ(radians(1.0f), 0.017453292f);
    EXPECT_EQ(radians(180.0f), 180.0f * 0.017453292f);
}

TEST(MathTest, PerspectiveOfTheScene) {
    const Float4x4 m = perspective(50, 16.0f / 9.0f, 0.1f, 1000);
    expectColumn(m, 0, {1.2062851f, 0, 0, 0});
    expectColumn(m, 1, {0, 2.1445069f, 0, 0});
    expectColumn(m, 2, {0, 0, -1.0002f, -1});
    expectColumn(m, 3, {0, 0, -0.20002f, 0});
}

TEST(MathTest, PerspectiveWithoutDepthRangeMapsEveryDepthToZero) {
    const Float4x4 m = perspective(50, 1, 5, 5);
    expectColumn(m, 2, {0, 0, 0, -1});
    expectColumn(m, 3, {0, 0, 0, 0});
}

TEST(MathTest, VectorOperations) {
    expectVector(cross({1, 0, 0}, {0, 1, 0}), {0, 0, 1});
    expectVector(cross({0, 1, 0}, {1, 0, 0}), {0, 0, -1});
    EXPECT_EQ(length({3, 4, 12}), 13.0f);
    expectVector(normalize({0, 3, 4}), {0, 0.6f, 0.8f});
    expectVector(Float3{1, 2, 3} + Float3{4, 5, 6}, {5, 7, 9});
    expectVector(Float3{1, 2, 3} - Float3{4, 6, 8}, {-3, -4, -5});
    expectVector(-Float3{1, -2, 0}, {-1, 2, 0});
    expectVector(Float3{1, 2, 3} * 2.0f, {2, 4, 6});
    expectVector(Float3{1, 2, 3} / 2.0f, {0.5f, 1, 1.5f});
    const Float2 d = Float2{1, 5} - Float2{3, 2};
    EXPECT_EQ(d[0], -2.0f);
    EXPECT_EQ(d[1], 3.0f);
}

// normalize never divides by zero: what has no direction becomes zero, and
// lengths beyond the float range are measured in double.
TEST(MathTest, NormalizeGivesZeroOrAUnitVectorForAnyInput) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    expectVector(normalize({0, 0, 0}), {0, 0, 0});
    expectVector(normalize({inf, 0, 0}), {0, 0, 0});
    expectVector(normalize({nan, 1, 0}), {0, 0, 0});
    expectVector(normalize({3e30f, 4e30f, 0}), {0.6f, 0.8f, 0});
    expectVector(normalize({0, -3e-30f, 4e-30f}), {0, -0.6f, 0.8f});
}

TEST(CameraTest, StartsLookingDownTheNegativeZAxis) {
    const Camera camera(0, 0, 100);
    expectVector(camera.eye, {0, 0, 100});
    expectVector(camera.target, {0, 0, 99});
    expectVector(camera.direction, {0, 0, -1});
    expectVector(camera.right, {1, 0, 0});
    expectVector(camera.up, {0, 1, 0});
    EXPECT_EQ(camera.activeView, 0);
}

TEST(CameraTest, PitchTurnsDirectionAndUpAboutRight) {
    Camera camera(0, 0, 100);
    camera.pitch(1);
    expectVector(camera.direction, {0, 0.0174524f, -0.9998477f});
    expectVector(camera.up, {0, 0.9998477f, 0.0174524f});
    expectVector(camera.right, {1, 0, 0});
    expectVector(camera.target, camera.eye + camera.direction, 0);
}

TEST(CameraTest, ViewOfThePitchedCamera) {
    Camera camera(0, 0, 100);
    camera.pitch(1);
    camera.selectView(3);
    camera.updateView(0);
    EXPECT_EQ(camera.activeView, 0);
    const Float4x4 view = camera.view();
    expectColumn(view, 3, {0, -1.74524f, -99.98477f, 1}, 1e-4f);
    // The rows of the upper-left block, read across the columns.
    const Float3 rows[3] = {{1, 0, 0}, {0, 0.9998477f, 0.0174524f}, {0, -0.0174524f, 0.9998477f}};
    for (int r = 0; r < 3; ++r) expectVector({view[0][r], view[1][r], view[2][r]}, rows[r]);
}

TEST(CameraTest, ProjectionAndViewSlots) {
    Camera camera(1, 2, 3);
    const Float4x4 projection = perspective(60, 1, 1, 10);
    camera.setProjection(projection);
    EXPECT_EQ(std::memcmp(camera.projection().data(), projection.data(), 64), 0);
    camera.updateView(4);
    EXPECT_EQ(camera.activeView, 4);
    camera.selectView(2);
    EXPECT_EQ(camera.activeView, 2);
}

TEST(CameraTest, SlotsOutsideZeroToFourAreIgnored) {
    Camera camera(0, 0, 100);
    camera.updateView(0);
    for (const int slot : {-1, 5, 1000}) {
        camera.updateView(slot);
        camera.selectView(slot);
        EXPECT_EQ(camera.activeView, 0) << slot;
    }
}

TEST(LookAtTest, UpVectorLengthDoesNotMatter) {
    const Float4x4 unit = lookAt({1, 2, 3}, {1, 2, -5}, {0, 1, 0});
    const Float4x4 longer = lookAt({1, 2, 3}, {1, 2, -5}, {0, 2, 0});
    EXPECT_EQ(std::memcmp(unit.data(), longer.data(), 64), 0);
}

TEST(LookAtTest, MovesTheEyeToTheOrigin) {
    const Float4x4 view = lookAt({1, 2, 3}, {1, 2, -5}, {0, 1, 0});
    expectColumn(view, 0, {1, 0, 0, 0});
    expectColumn(view, 1, {0, 1, 0, 0});
    expectColumn(view, 2, {0, 0, 1, 0});
    expectColumn(view, 3, {-1, -2, -3, 1});
}

TEST(LookAtTest, AnEyeOnItsTargetGivesNoNumbersThatAreNotFinite) {
    const Float4x4 view = lookAt({1, 2, 3}, {1, 2, 3}, {0, 0, 0});
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(std::isfinite(view.data()[i])) << i;
}

TEST(RenderEnvironmentTest, HoldsWhatWasLastSet) {
    RenderEnvironment environment(0.5f);
    EXPECT_EQ(environment.getTime(), 0.5f);
    environment.setTime(12.25f);
    environment.setViewport(1280, 720);
    EXPECT_EQ(environment.getTime(), 12.25f);
    EXPECT_EQ(environment.getViewportWidth(), 1280.0f);
    EXPECT_EQ(environment.getViewportHeight(), 720.0f);
}

}  // namespace
