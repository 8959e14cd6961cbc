#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "fixture_ids.h"
#include "gl_api.h"
#include "gl_test_context.h"
#include "gpu_mesh.h"
#include "program_registry.h"
#include "vertex_layout_checks.h"

namespace {

constexpr int kFloatsPerVertex = 24;
constexpr int kVertexCount = 4;
constexpr const char* kProgram = "QuadProgram";

std::vector<float> fourVertices() {
    std::vector<float> vertices(kVertexCount * kFloatsPerVertex);
    for (std::size_t i = 0; i < vertices.size(); ++i) vertices[i] = static_cast<float>(i) * 0.5f;
    return vertices;
}

GLint bufferSize(GLenum target) {
    GLint size = 0;
    glGetBufferParameteriv(target, GL_BUFFER_SIZE, &size);
    return size;
}

class GpuMeshTest : public GLContextTest {
protected:
    void SetUp() override {
        registry.add(kProgram, kQuadVertexShader, kQuadFragmentShader);
        for (GLuint index = 0; index < 16; ++index) glDisableVertexAttribArray(index);
        mesh.setVertexData(static_cast<int>(vertices.size() * sizeof(float)), vertices.data(), kFloatsPerVertex);
        mesh.setIndexData(static_cast<int>(indices.size() * sizeof(std::uint32_t)), indices.data(),
                          static_cast<int>(indices.size()));
    }

    void declareTheSkysAttributes() {
        mesh.addAttribute(kProgram, "position", 3, 0);
        mesh.addAttribute(kProgram, "position_tex", 2, 3);
        mesh.addAttribute(kProgram, "position_normal", 3, 5);
    }

    GLuint location(const char* name) { return static_cast<GLuint>(registry.get(kProgram)->attributeLocation(name)); }

    ProgramRegistry registry;
    GpuMesh mesh{&registry};
    std::vector<float> vertices = fourVertices();
    std::vector<std::uint32_t> indices = {0, 1, 2, 0, 2, 3};
};

TEST_F(GpuMeshTest, BindEnablesTheAttributesInNameOrder) {
    declareTheSkysAttributes();
    mesh.upload();
    AttributeCallRecorder recorder;
    mesh.bind();
    EXPECT_EQ(recorder.enabled(), (std::vector<GLuint>{location("position"), location("position_normal"),
                                                       location("position_tex")}));
    EXPECT_EQ(recorder.pointed(), skyAttributeCalls(*registry.get(kProgram)));
}

TEST_F(GpuMeshTest, AttributesPointIntoTheVertexBuffer) {
    declareTheSkysAttributes();
    mesh.upload();
    expectSkyLayout(*registry.get(kProgram));
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
}

TEST_F(GpuMeshTest, UploadFillsBothBuffersOnce) {
    declareTheSkysAttributes();
    mesh.upload();
    EXPECT_EQ(bufferSize(GL_ARRAY_BUFFER), 384);
    EXPECT_EQ(bufferSize(GL_ELEMENT_ARRAY_BUFFER), 24);
    GLint usage = 0;
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_USAGE, &usage);
    EXPECT_EQ(usage, static_cast<GLint>(GL_STATIC_DRAW));

    std::vector<float> storedVertices(vertices.size());
    std::vector<std::uint32_t> storedIndices(indices.size());
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, 384, storedVertices.data());
    glGetBufferSubData(GL_ELEMENT_ARRAY_BUFFER, 0, 24, storedIndices.data());
    EXPECT_EQ(storedVertices, vertices);
    EXPECT_EQ(storedIndices, indices);
    EXPECT_EQ(mesh.indexCount(), 6);
}

TEST_F(GpuMeshTest, UploadWithoutAttributesEnablesNone) {
    AttributeCallRecorder recorder;
    mesh.upload();
    EXPECT_TRUE(recorder.enabled().empty());
    EXPECT_EQ(bufferSize(GL_ARRAY_BUFFER), 384);
    EXPECT_EQ(bufferSize(GL_ELEMENT_ARRAY_BUFFER), 24);
}

TEST_F(GpuMeshTest, BindBuffersBindsTheMeshsBuffers) {
    mesh.upload();
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    mesh.bindBuffers();
    EXPECT_EQ(bufferSize(GL_ARRAY_BUFFER), 384);
    EXPECT_EQ(bufferSize(GL_ELEMENT_ARRAY_BUFFER), 24);
}

TEST_F(GpuMeshTest, TwoMeshesHaveTheirOwnBuffers) {
    GpuMesh other(&registry);
    const std::vector<std::uint32_t> threeIndices = {0, 1, 2};
    other.setVertexData(static_cast<int>(vertices.size() * sizeof(float)), vertices.data(), kFloatsPerVertex);
    other.setIndexData(12, threeIndices.data(), 3);
    mesh.upload();
    other.upload();
    mesh.bindBuffers();
    EXPECT_EQ(bufferSize(GL_ELEMENT_ARRAY_BUFFER), 24);
    other.bindBuffers();
    EXPECT_EQ(bufferSize(GL_ELEMENT_ARRAY_BUFFER), 12);
}

TEST_F(GpuMeshTest, ARepeatedAttributeKeepsItsFirstDeclaration) {
    mesh.addAttribute(kProgram, "position", 3, 0);
    mesh.addAttribute(kProgram, "position", 2, 7);
    GLFWProgram other(kQuadVertexShader, kQuadFragmentShader);
    mesh.addAttribute(&other, "position", 4, 9);
    mesh.upload();
    AttributeCallRecorder recorder;
    mesh.bind();
    EXPECT_EQ(recorder.pointed(), (std::vector<AttributeCall>{{location("position"), 3, GL_FLOAT, GL_FALSE, 96, 0}}));
}

TEST_F(GpuMeshTest, AnUnregisteredProgramDeclaresNothing) {
    mesh.addAttribute("NoSuchProgram", "position", 3, 0);
    AttributeCallRecorder recorder;
    mesh.upload();
    EXPECT_TRUE(recorder.enabled().empty());
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
}

}  // namespace
