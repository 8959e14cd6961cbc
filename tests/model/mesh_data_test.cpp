#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "fixture_ids.h"
#include "mesh_data.h"
#include "obj_parser.h"

namespace {

using Floats = std::vector<float>;

// The floats of vertex v's record from offset on.
Floats slot(const MeshData& mesh, int v, int offset, int count) {
    const float* start = mesh.vertexData() + v * mesh.floatsPerVertex() + offset;
    return Floats(start, start + count);
}

void expectFloats(const Floats& actual, const Floats& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_FLOAT_EQ(actual[i], expected[i]) << i;
}

std::unique_ptr<MeshData> quietMeshData(int objId, int mtlId, float scale) {
    testing::internal::CaptureStdout();
    auto mesh = std::make_unique<MeshData>(objId, mtlId, scale);
    testing::internal::GetCapturedStdout();
    return mesh;
}

MeshData meshFromText(std::string_view obj, std::string_view mtl = {}) {
    ObjParser parser;
    testing::internal::CaptureStdout();
    const bool loaded = parser.loadModelText(obj, mtl);
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(loaded);
    return MeshData(std::make_unique<MeshAttributeArrays>(parser.meshes, 1.0f));
}

void expectAllFinite(const MeshData& mesh) {
    const int floats = mesh.vertexCount() * mesh.floatsPerVertex();
    for (int i = 0; i < floats; ++i) EXPECT_TRUE(std::isfinite(mesh.vertexData()[i])) << "float " << i;
}

TEST(RectangleMeshTest, SixRecordsAndTwoTriangles) {
    const auto mesh = quietMeshData(kRectangleObj, kRectangleMtl, 1.0f);
    EXPECT_EQ(mesh->vertexCount(), 6);
    EXPECT_EQ(mesh->indexCount(), 6);
    EXPECT_EQ(mesh->floatsPerVertex(), 24);
    EXPECT_EQ(mesh->vertexDataBytes(), 576u);
    EXPECT_EQ(mesh->indexDataBytes(), 24u);
    EXPECT_EQ(std::vector<std::uint32_t>(mesh->indexData(), mesh->indexData() + 6),
              (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));
    for (int v = 0; v < 6; ++v) {
        SCOPED_TRACE(v);
        expectFloats(slot(*mesh, v, MeshData::normalOffset, 3), {0, 0, 1});
        EXPECT_TRUE(std::signbit(slot(*mesh, v, MeshData::normalOffset + 1, 1)[0]));
        expectFloats(slot(*mesh, v, MeshData::tangentOffset, 3), {1, 0, 0});
        expectFloats(slot(*mesh, v, MeshData::bitangentOffset, 3), {0, 1, 0});
        expectFloats(slot(*mesh, v, MeshData::ambientOffset, 3), {0.7765f, 0.8824f, 0.3412f});
        expectFloats(slot(*mesh, v, MeshData::diffuseOffset, 3), {0.7765f, 0.8824f, 0.3412f});
        expectFloats(slot(*mesh, v, MeshData::specularOffset, 4), {0.35f, 0.35f, 0.35f, 32});
    }
    expectFloats(slot(*mesh, 0, 0, 5), {-1, 1, 0, 0, 1});
    expectFloats(slot(*mesh, 3, 0, 5), {1, -1, 0, 1, 0});
    EXPECT_TRUE(std::signbit(slot(*mesh, 3, 2, 1)[0]));
}

TEST(RectangleMeshTest, OffsetsOfTheRecord) {
    EXPECT_EQ(MeshData::positionOffset, 0);
    EXPECT_EQ(MeshData::texCoordOffset, 3);
    EXPECT_EQ(MeshData::normalOffset, 5);
    EXPECT_EQ(MeshData::tangentOffset, 8);
    EXPECT_EQ(MeshData::bitangentOffset, 11);
    EXPECT_EQ(MeshData::ambientOffset, 14);
    EXPECT_EQ(MeshData::diffuseOffset, 17);
    EXPECT_EQ(MeshData::specularOffset, 20);
}

TEST(RectangleMeshTest, ScaleTwoDoublesOnlyThePositions) {
    const auto single = quietMeshData(kRectangleObj, kRectangleMtl, 1.0f);
    const auto doubled = quietMeshData(kRectangleObj, kRectangleMtl, 2.0f);
    for (int v = 0; v < 6; ++v) {
        for (int i = 0; i < 24; ++i) {
            const float expected = single->vertexData()[v * 24 + i] * (i < 3 ? 2.0f : 1.0f);
            EXPECT_EQ(doubled->vertexData()[v * 24 + i], expected) << v << " " << i;
        }
    }
}

TEST(MeshBuilderTest, SecondMeshFollowsTheFirst) {
    const auto mesh = quietMeshData(kTwoMeshesObj, kTwoMeshesMtl, 1.0f);
    ASSERT_EQ(mesh->vertexCount(), 7);
    ASSERT_EQ(mesh->indexCount(), 9);
    EXPECT_EQ(std::vector<std::uint32_t>(mesh->indexData(), mesh->indexData() + 9),
              (std::vector<std::uint32_t>{0, 1, 3, 1, 2, 3, 4, 5, 6}));
    for (int v = 0; v < 4; ++v) {
        SCOPED_TRACE(v);
        expectFloats(slot(*mesh, v, MeshData::normalOffset, 3), {0, 0, 1});
        expectFloats(slot(*mesh, v, MeshData::diffuseOffset, 3), {0, 0, 1});
        expectFloats(slot(*mesh, v, MeshData::specularOffset, 4), {0.75f, 0.75f, 0.75f, 64});
    }
    for (int v = 4; v < 7; ++v) {
        SCOPED_TRACE(v);
        expectFloats(slot(*mesh, v, MeshData::normalOffset, 3), {0, 0, -1});
        expectFloats(slot(*mesh, v, MeshData::ambientOffset, 3), {0.5f, 0, 0});
        expectFloats(slot(*mesh, v, MeshData::specularOffset, 4), {0.25f, 0.25f, 0.25f, 8});
    }
    expectFloats(slot(*mesh, 2, 0, 5), {1, 1, 0, 1, 1});
    expectFloats(slot(*mesh, 6, 0, 5), {0, 1, 1, 0, 1});
}

TEST(MeshBuilderTest, AMeshWithoutMaterialHasZeroColours) {
    const MeshData mesh = meshFromText("v 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 1\nf 1//1 2//1 3//1\n");
    for (int v = 0; v < 3; ++v) expectFloats(slot(mesh, v, MeshData::ambientOffset, 10), Floats(10, 0.0f));
}

TEST(MeshBuilderTest, GeneratedNormalsAreNormalised) {
    const MeshData mesh = meshFromText("v 0 0 0\nv 2 0 0\nv 0 2 0\nf 1 2 3\n");
    for (int v = 0; v < 3; ++v) expectFloats(slot(mesh, v, MeshData::normalOffset, 3), {0, 0, -1});
}

// Degenerate input gives zero vectors where no direction exists, never a
// number that is not finite.
TEST(MeshBuilderTest, AZeroNormalStaysZero) {
    const MeshData mesh = meshFromText("v 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 0\nf 1//1 2//1 3//1\n");
    for (int v = 0; v < 3; ++v) expectFloats(slot(mesh, v, MeshData::normalOffset, 3), {0, 0, 0});
}

TEST(MeshBuilderTest, TextureCoordinatesWithoutAreaGiveNoTangents) {
    const MeshData mesh = meshFromText("v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0.5 0.5\nvn 0 0 1\nf 1/1/1 2/1/1 3/1/1\n");
    for (int v = 0; v < 3; ++v) {
        expectFloats(slot(mesh, v, MeshData::tangentOffset, 6), Floats(6, 0.0f));
        expectFloats(slot(mesh, v, MeshData::normalOffset, 3), {0, 0, 1});
    }
}

TEST(MeshBuilderTest, CornersOfNoTriangleHaveZeroTangents) {
    const MeshData mesh = meshFromText(
        "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 0 1\nvn 0 0 1\nf 1/1/1 2/2/1\nf 1/1/1 2/2/1 3/3/1\n");
    ASSERT_EQ(mesh.vertexCount(), 5);
    for (int v = 0; v < 2; ++v) expectFloats(slot(mesh, v, MeshData::tangentOffset, 6), Floats(6, 0.0f));
    for (int v = 2; v < 5; ++v) expectFloats(slot(mesh, v, MeshData::tangentOffset, 6), {1, 0, 0, 0, 1, 0});
}

TEST(MeshBuilderTest, TangentsSurviveTinyTextureSpans) {
    // A texture span of 1e-20 makes 1 / area overflow; the direction stays.
    const MeshData mesh = meshFromText(
        "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvt 1e-20 0\nvt 0 1e-20\nvn 0 0 1\nf 1/1/1 2/2/1 3/3/1\n");
    expectAllFinite(mesh);
    expectFloats(slot(mesh, 0, MeshData::tangentOffset, 6), {1, 0, 0, 0, 1, 0});
}

TEST(MeshBuilderTest, HugeCoordinatesGiveFiniteRecords) {
    const MeshData mesh = meshFromText("v -3e38 -3e38 0\nv 3e38 -3e38 0\nv 0 3e38 0\nvt 0 0\nvt 1 0\nvt 0 1\n"
                                       "f 1/1 2/2 3/3\nf 1/1 2/1 3/1\n");
    expectAllFinite(mesh);
}

TEST(MeshBuilderTest, EmptyMeshListGivesEmptyArrays) {
    const MeshData mesh(std::make_unique<MeshAttributeArrays>(std::vector<objl::Mesh>{}, 1.0f));
    EXPECT_EQ(mesh.vertexCount(), 0);
    EXPECT_EQ(mesh.indexCount(), 0);
    EXPECT_EQ(mesh.vertexDataBytes(), 0u);
    EXPECT_EQ(mesh.indexDataBytes(), 0u);
}

TEST(MeshLoadFailureDeathTest, NothingToLoadEndsTheProcessWithCodeZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(MeshData(kCommentsOnlyObj, kTwoMeshesMtl, 1.0f), testing::ExitedWithCode(0),
                "\\[Debug\\] Failed to load mesh");
    EXPECT_EXIT(MeshData(kMissingResource, kRectangleMtl, 1.0f), testing::ExitedWithCode(0),
                "\\[Debug\\] Failed to load mesh");
    EXPECT_EXIT(MeshAttributeArrays(kMissingResource, kRectangleMtl, 1.0f), testing::ExitedWithCode(0),
                "\\[Debug\\] Failed to load mesh");
}

}  // namespace
