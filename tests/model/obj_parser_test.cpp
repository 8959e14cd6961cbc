#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "fixture_ids.h"
#include "obj_parser.h"
#include "platform.h"

namespace {

struct Loaded {
    bool result;
    std::string output;
};

Loaded loadText(ObjParser& parser, std::string_view obj, std::string_view mtl = {}) {
    testing::internal::CaptureStdout();
    const bool result = parser.loadModelText(obj, mtl);
    return {result, testing::internal::GetCapturedStdout()};
}

void expectVector(objl::Vector3 v, objl::Vector3 expected) {
    EXPECT_FLOAT_EQ(v.x, expected.x);
    EXPECT_FLOAT_EQ(v.y, expected.y);
    EXPECT_FLOAT_EQ(v.z, expected.z);
}

// Every field; numbers to float precision, the text parsed from decimals.
void expectMaterial(const objl::Material& m, const objl::Material& expected) {
    EXPECT_EQ(m.name, expected.name);
    expectVector(m.ambient, expected.ambient);
    expectVector(m.diffuse, expected.diffuse);
    expectVector(m.specular, expected.specular);
    EXPECT_FLOAT_EQ(m.specularExponent, expected.specularExponent);
    EXPECT_FLOAT_EQ(m.opticalDensity, expected.opticalDensity);
    EXPECT_FLOAT_EQ(m.dissolve, expected.dissolve);
    EXPECT_EQ(m.illumination, expected.illumination);
    EXPECT_EQ(m.ambientMap, expected.ambientMap);
    EXPECT_EQ(m.diffuseMap, expected.diffuseMap);
    EXPECT_EQ(m.specularMap, expected.specularMap);
    EXPECT_EQ(m.specularExponentMap, expected.specularExponentMap);
    EXPECT_EQ(m.dissolveMap, expected.dissolveMap);
    EXPECT_EQ(m.bumpMap, expected.bumpMap);
}

TEST(RectangleModelTest, OneMeshOfTwoTriangles) {
    ObjParser parser;
    testing::internal::CaptureStdout();
    ASSERT_TRUE(parser.loadModel(kRectangleObj, kRectangleMtl));
    testing::internal::GetCapturedStdout();

    ASSERT_EQ(parser.meshes.size(), 1u);
    const objl::Mesh& mesh = parser.meshes[0];
    EXPECT_EQ(mesh.name, "Plane001");
    ASSERT_EQ(mesh.vertices.size(), 6u);
    EXPECT_EQ(mesh.indices, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(parser.indices, mesh.indices);
    ASSERT_EQ(parser.vertices.size(), mesh.vertices.size());
    for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
        EXPECT_TRUE(parser.vertices[i].position == mesh.vertices[i].position) << i;
    }

    const objl::Vertex& first = mesh.vertices[0];
    expectVector(first.position, {-1, 1, 0});
    EXPECT_EQ(first.texCoord.x, 0.0f);
    EXPECT_EQ(first.texCoord.y, 1.0f);
    expectVector(first.normal, {0, 0, 1});
    EXPECT_TRUE(std::signbit(first.normal.y));
    expectVector(mesh.vertices[3].position, {1, -1, 0});
    EXPECT_TRUE(std::signbit(mesh.vertices[3].position.z));

    objl::Material material;
    material.name = "wire_198225087";
    material.ambient = material.diffuse = {0.7765f, 0.8824f, 0.3412f};
    material.specular = {0.35f, 0.35f, 0.35f};
    material.specularExponent = 32;
    material.dissolve = 1;
    material.illumination = 2;
    expectMaterial(mesh.material, material);
    ASSERT_EQ(parser.materials.size(), 1u);
}

TEST(RectangleModelTest, ProgressTextBytes) {
    ObjParser parser;
    testing::internal::CaptureStdout();
    parser.loadModel(kRectangleObj, kRectangleMtl);
    const std::string progress = "\r- Plane001\t| vertices > 4\t| texcoords > 4\t| normals > 1\t| triangles > 0";
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\n" + progress + "\n" + progress + progress + "\t| material: wire_198225087" + "\n");
}

TEST(RectangleModelTest, ResourcesKeepTheirCarriageReturns) {
    for (const int id : {kRectangleObj, kRectangleMtl}) {
        const std::string_view text = platform::textResource(id);
        ASSERT_NE(text.data(), nullptr) << id;
        ASSERT_GT(text.size(), 2u) << id;
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << id;
        for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1)) {
            EXPECT_EQ(text[at - 1], '\r') << id << " at " << at;
        }
    }
    EXPECT_NE(platform::textResource(kRectangleMtl).find("\r\n\tNs 32\r\n"), std::string_view::npos);
}

TEST(ObjParserTest, ProgressEveryThousandLinesAndAfterGroupLines) {
    std::string obj = "o big\n";
    for (int i = 0; i < 1500; ++i) obj += "v 1 2 3\n";
    ObjParser parser;
    const Loaded loaded = loadText(parser, obj);
    EXPECT_FALSE(loaded.result);
    // After the "o" line the counter restarts: lines 1 and 1001 after it.
    EXPECT_EQ(loaded.output,
              "\n\r- big\t| vertices > 0\t| texcoords > 0\t| normals > 0\t| triangles > 0"
              "\r- big\t| vertices > 1000\t| texcoords > 0\t| normals > 0\t| triangles > 0\n");
}

TEST(ObjParserTest, ObjectWithoutNameWritesNoProgress) {
    ObjParser parser;
    const Loaded loaded = loadText(parser, "o\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n");
    ASSERT_TRUE(loaded.result);
    EXPECT_EQ(loaded.output, "\n\n");
    ASSERT_EQ(parser.meshes.size(), 1u);
    EXPECT_EQ(parser.meshes[0].name, "");
}

struct NamingCase {
    const char* name;
    const char* obj;
    std::vector<std::string> meshNames;
};

class MeshNamingTest : public testing::TestWithParam<NamingCase> {};

TEST_P(MeshNamingTest, MeshesInTheOrderClosed) {
    ObjParser parser;
    const std::string triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
    ASSERT_TRUE(loadText(parser, triangle + GetParam().obj).result);
    std::vector<std::string> names;
    for (const objl::Mesh& mesh : parser.meshes) names.push_back(mesh.name);
    EXPECT_EQ(names, GetParam().meshNames);
    for (const objl::Mesh& mesh : parser.meshes) EXPECT_EQ(mesh.indices, (std::vector<std::uint32_t>{0, 1, 2}));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MeshNamingTest,
    testing::Values(
        // Meshes closed by "usemtl" take the first free number from 2; the
        // one closed at the end keeps the plain name.
        NamingCase{"Usemtl", "o part\nusemtl a\nf 1 2 3\nusemtl b\nf 1 2 3\nusemtl c\nf 3 2 1\n",
                   {"part_2", "part_3", "part"}},
        NamingCase{"UsemtlBeforeAnyFace", "usemtl a\nusemtl b\nf 1 2 3\n", {""}},
        NamingCase{"UsemtlAfterTheLastFace", "g a\nf 1 2 3\nusemtl x\n", {"a_2"}},
        // "gear" begins with 'g': a group line. Before any geometry it names
        // the mesh "unnamed"; after geometry the rest of the line names it.
        NamingCase{"GroupLines", "gear x\nf 1 2 3\ngear wheel two\nf 1 2 3\ng third\nf 1 2 3\n",
                   {"unnamed", "wheel two", "third"}},
        NamingCase{"GroupLineWithoutGeometry", "g a\ng b\nf 1 2 3\n", {"b"}}),
    [](const testing::TestParamInfo<NamingCase>& info) { return std::string(info.param.name); });

TEST(ObjParserTest, MaterialsPairWithMeshesByPosition) {
    // The first "usemtl" name goes to the first mesh closed, and so on; the
    // name "a" precedes the second mesh's faces but pairs with the first.
    const char* obj =
        "mtllib x.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\n"
        "g one\nf 1 2 3\nusemtl a\ng two\nf 1 2 3\nusemtl missing\nusemtl b\n";
    const char* mtl = "newmtl a\nKd 1 0 0\nnewmtl b\nKd 0 1 0\n";
    ObjParser parser;
    ASSERT_TRUE(loadText(parser, obj, mtl).result);
    ASSERT_EQ(parser.meshes.size(), 2u);
    EXPECT_EQ(parser.meshes[0].material.name, "a");
    EXPECT_EQ(parser.meshes[1].material.name, "");
    // Names beyond the meshes ("b" here) pair with nothing.
}

TEST(ObjParserTest, EveryMtllibLineReadsTheMaterialsAgain) {
    const char* obj = "mtllib a.mtl\nmtllib b.mtl\nusemtl red\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";
    ObjParser parser;
    ASSERT_TRUE(loadText(parser, obj, "newmtl red\nNs 5\nnewmtl red\nNs 7\n").result);
    ASSERT_EQ(parser.materials.size(), 4u);
    EXPECT_EQ(parser.meshes[0].material.specularExponent, 5.0f);
}

TEST(ObjParserTest, NegativeIndicesCountBackFromTheLastValueRead) {
    const char* obj =
        "v 9 9 9\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0.5 0.5\nvt 0.25 0.75\nvn 0 0 1\nvn 1 0 0\n"
        "f -3/-2/-1 -2/-1/-1 -1/-1/-2\nv 7 7 7\nf -1//1 -2//2 -3//2\n";
    ObjParser parser;
    ASSERT_TRUE(loadText(parser, obj).result);
    const auto& v = parser.vertices;
    ASSERT_EQ(v.size(), 6u);
    expectVector(v[0].position, {0, 0, 0});
    EXPECT_EQ(v[0].texCoord.x, 0.5f);
    expectVector(v[0].normal, {1, 0, 0});
    expectVector(v[2].position, {0, 1, 0});
    EXPECT_EQ(v[2].texCoord.y, 0.75f);
    expectVector(v[2].normal, {0, 0, 1});
    expectVector(v[3].position, {7, 7, 7});
    EXPECT_EQ(v[3].texCoord.x, 0.0f);
    expectVector(v[3].normal, {0, 0, 1});
}

TEST(ObjParserTest, FacesWithoutNormalsGetTheFaceNormal) {
    ObjParser parser;
    ASSERT_TRUE(loadText(parser, "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 1 1\nf 1 2 3\n").result);
    for (const objl::Vertex& corner : parser.vertices) {
        expectVector(corner.normal, {0, 0, -1});
        EXPECT_EQ(corner.texCoord.x, 0.0f);
        EXPECT_EQ(corner.texCoord.y, 0.0f);
    }
}

TEST(ObjParserTest, OneCornerWithoutNormalGivesTheWholeFaceTheFaceNormal) {
    ObjParser parser;
    ASSERT_TRUE(loadText(parser, "v 0 0 0\nv 2 0 0\nv 0 2 0\nvt 1 1\nvn 1 0 0\nf 1//1 2/1 3//1\n").result);
    for (const objl::Vertex& corner : parser.vertices) expectVector(corner.normal, {0, 0, -4});
    EXPECT_EQ(parser.vertices[1].texCoord.x, 1.0f);
}

TEST(ObjParserTest, PolygonFacesAreCutIntoTriangles) {
    ObjParser parser;
    ASSERT_TRUE(loadText(parser, "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvn 0 0 1\nf 1//1 2//1 3//1\nf 1//1 2//1 3//1 4//1\n").result);
    EXPECT_EQ(parser.indices, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 6, 4, 5, 6}));
    EXPECT_EQ(parser.vertices.size(), 7u);
}

// Faces of one or two corners become vertices but no triangle. Without a
// normal in the file they cannot have a face normal: theirs is zero.
TEST(ObjParserTest, FacesOfFewerThanThreeCorners) {
    ObjParser parser;
    ASSERT_TRUE(loadText(parser, "v 0 0 0\nv 1 0 0\nvn 0 1 0\nf 1//1 2//1\nf 1 2\n").result);
    ASSERT_EQ(parser.meshes.size(), 0u);
    ASSERT_EQ(parser.vertices.size(), 4u);
    EXPECT_TRUE(parser.indices.empty());
    expectVector(parser.vertices[1].normal, {0, 1, 0});
    expectVector(parser.vertices[3].normal, {0, 0, 0});
}

TEST(ObjParserTest, AFaceNormalBeyondTheFloatRangeIsZero) {
    ObjParser parser;
    ASSERT_TRUE(loadText(parser, "v -3e38 0 0\nv 3e38 0 0\nv 0 3e38 0\nf 1 2 3\n").result);
    for (const objl::Vertex& corner : parser.vertices) expectVector(corner.normal, {0, 0, 0});
}

TEST(ObjParserTest, NothingLoadedGivesFalse) {
    ObjParser parser;
    EXPECT_FALSE(loadText(parser, "").result);
    EXPECT_FALSE(loadText(parser, "# only\n\ns 1\nv 1 2 3\n").result);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(parser.loadModel(kMissingResource, kRectangleMtl));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n");
}

TEST(ObjParserTest, AMissingMaterialResourceGivesOneDefaultMaterial) {
    ObjParser parser;
    testing::internal::CaptureStdout();
    ASSERT_TRUE(parser.loadModel(kRectangleObj, kMissingResource));
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(parser.materials.size(), 1u);
    EXPECT_EQ(parser.materials[0].name, "");
    EXPECT_EQ(parser.meshes[0].material.name, "");
}

TEST(ObjParserTest, EachLoadReplacesTheModelButKeepsTheMaterials) {
    ObjParser parser;
    ASSERT_TRUE(loadText(parser, "mtllib m\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\nf 1 2 3\n", "newmtl m\n").result);
    ASSERT_TRUE(loadText(parser, "mtllib m\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n", "newmtl m\n").result);
    EXPECT_EQ(parser.vertices.size(), 3u);
    EXPECT_EQ(parser.meshes.size(), 1u);
    EXPECT_EQ(parser.materials.size(), 2u);
}

// Malformed OBJ input rejects the whole model: loadModel gives false and
// the parser holds no mesh, vertex or index.
struct RejectedCase {
    const char* name;
    const char* obj;
};

class RejectedModelTest : public testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedModelTest, LoadsNothing) {
    ObjParser parser;
    const std::string valid = "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvn 0 0 1\nf 1/1/1 2/1/1 3/1/1\n";
    const Loaded loaded = loadText(parser, valid + GetParam().obj);
    EXPECT_FALSE(loaded.result);
    EXPECT_TRUE(parser.meshes.empty());
    EXPECT_TRUE(parser.vertices.empty());
    EXPECT_TRUE(parser.indices.empty());
    EXPECT_EQ(loaded.output, "\n");
}

INSTANTIATE_TEST_SUITE_P(
    MalformedInput, RejectedModelTest,
    testing::Values(RejectedCase{"PositionNotANumber", "v 1 x 3\n"}, RejectedCase{"PositionNaN", "v 1 nan 3\n"},
                    RejectedCase{"PositionInfinite", "v 1 2 inf\n"}, RejectedCase{"PositionOutOfRange", "v 1 2 1e39\n"},
                    RejectedCase{"PositionTooSmall", "v 1 2 1e-60\n"},
                    RejectedCase{"PositionDoubleBlank", "v 1  2 3\n"},
                    RejectedCase{"PositionTwoFields", "v 1 2\n"}, RejectedCase{"PositionNoField", "v\n"},
                    RejectedCase{"NormalTwoFields", "vn 1 2\n"}, RejectedCase{"TexCoordOneField", "vt 1\n"},
                    RejectedCase{"TexCoordNotANumber", "vt 1 -\n"}, RejectedCase{"IndexZero", "f 0 1 2\n"},
                    RejectedCase{"IndexPastTheEnd", "f 1 2 4\n"}, RejectedCase{"NegativeIndexTooFar", "f -4 1 2\n"},
                    RejectedCase{"TexCoordIndexPastTheEnd", "f 1/2 2/1 3/1\n"},
                    RejectedCase{"NormalIndexPastTheEnd", "f 1//2 2//1 3//1\n"},
                    RejectedCase{"IndexNotANumber", "f a b c\n"}, RejectedCase{"IndexOutOfRange", "f 1 2 99999999999\n"},
                    RejectedCase{"EmptyCorner", "f 1  2 3\n"}, RejectedCase{"FourParts", "f 1/1/1/1 2/1/1 3/1/1\n"},
                    RejectedCase{"EmptyPosition", "f /1/1 2/1/1 3/1/1\n"},
                    RejectedCase{"EmptyTexCoord", "f 1/ 2// 3/\n"},
                    RejectedCase{"EmptyNormalIsTwoParts", "f 1/1/ 2/1/ 3//\n"},
                    RejectedCase{"IndexOfALaterValue", "f 1 2 4\nv 5 5 5\n"}),
    [](const testing::TestParamInfo<RejectedCase>& info) { return std::string(info.param.name); });

TEST(ObjParserTest, TabsDoNotSeparateFields) {
    // "1\t2\t3" is one field, read as 1: the line has too few fields.
    ObjParser parser;
    EXPECT_FALSE(loadText(parser, "v 1\t2\t3\n").result);
}

TEST(ObjParserTest, ACarriageReturnGoesWithTheCharacterAfterIt) {
    ObjParser parser;
    ASSERT_TRUE(loadText(parser, "v 0 0 0\r\nv 1 0 0\rx\nv 0 1 0\r5\nf 1 2 3\r\n").result);
    expectVector(parser.vertices[2].position, {0, 1, 0});
}

TEST(MaterialReaderTest, ReadsEveryStatement) {
    const char* mtl =
        "# comment\r\nnewmtl shiny\r\n\tKa 0.1 0.2 0.3\r\n\tKd 0.4 0.5 0.6\r\n\tKs 0.7 0.8 0.9\r\n"
        "\tNs 96\r\n\tNi 1.5\r\n\td 0.5\r\n\tillum 3\r\n\tTr 0\r\n\tTf 1 1 1\r\n"
        "\tmap_Ka a.png\r\n\tmap_Kd d.png\r\n\tmap_Ks s.png\r\n\tmap_Ns n.png\r\n\tmap_d o.png\r\n\tbump b.png\r\n";
    ObjParser parser;
    ASSERT_TRUE(parser.loadMaterialsText(mtl));
    ASSERT_EQ(parser.materials.size(), 1u);
    // Map names keep the carriage return of their line.
    const objl::Material expected{"shiny", {0.1f, 0.2f, 0.3f}, {0.4f, 0.5f, 0.6f}, {0.7f, 0.8f, 0.9f}, 96, 1.5f, 0.5f, 3,
                                  "a.png\r", "d.png\r", "s.png\r", "n.png\r", "o.png\r", "b.png\r"};
    expectMaterial(parser.materials[0], expected);
}

TEST(MaterialReaderTest, BumpMapSpellings) {
    for (const char* line : {"map_Bump x", "map_bump x", "bump x"}) {
        ObjParser parser;
        parser.loadMaterialsText(line);
        EXPECT_EQ(parser.materials[0].bumpMap, "x") << line;
    }
}

TEST(MaterialReaderTest, ShortNewmtlLinesName_none) {
    ObjParser parser;
    parser.loadMaterialsText("newmtl\n\tnewmtl\nnewmtl ab\nnewmtl a\n");
    ASSERT_EQ(parser.materials.size(), 4u);
    EXPECT_EQ(parser.materials[0].name, "none");
    EXPECT_EQ(parser.materials[1].name, "none");
    EXPECT_EQ(parser.materials[2].name, "ab");
    EXPECT_EQ(parser.materials[3].name, "a");
}

TEST(MaterialReaderTest, WithoutNewmtlOneNamelessMaterial) {
    ObjParser parser;
    EXPECT_TRUE(parser.loadMaterialsText(""));
    EXPECT_TRUE(parser.loadMaterialsText("Kd 1 1 1\n"));
    ASSERT_EQ(parser.materials.size(), 2u);
    EXPECT_EQ(parser.materials[0].name, "");
    expectVector(parser.materials[1].diffuse, {1, 1, 1});
}

// A statement whose numbers do not convert, or a colour without exactly
// three fields, is left out: the value stays as it was.
TEST(MaterialReaderTest, StatementsThatDoNotConvertAreLeftOut) {
    const char* mtl =
        "newmtl m\nKa 0.5 0.5 0.5\nKa 1 nan 1\nKd 1 2\nKd 1 1 1 1\nKs 0.25 0.25 0.25 \r\n"
        "Ns x\nNi 1e99\nd inf\nillum 99999999999\n";
    ObjParser parser;
    parser.loadMaterialsText(mtl);
    const objl::Material& m = parser.materials[0];
    expectVector(m.ambient, {0.5f, 0.5f, 0.5f});
    expectVector(m.diffuse, {0, 0, 0});
    expectVector(m.specular, {0, 0, 0});
    EXPECT_EQ(m.specularExponent, 0.0f);
    EXPECT_EQ(m.opticalDensity, 0.0f);
    EXPECT_EQ(m.dissolve, 0.0f);
    EXPECT_EQ(m.illumination, 0);
}

}  // namespace
