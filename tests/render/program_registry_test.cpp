#include <gtest/gtest.h>

#include "fixture_ids.h"
#include "gl_api.h"
#include "gl_test_context.h"
#include "program_registry.h"

namespace {

GLuint currentProgram() {
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    return static_cast<GLuint>(current);
}

class ProgramRegistryTest : public GLContextTest {
protected:
    void SetUp() override {
        registry.add("Sky", kQuadVertexShader, kQuadFragmentShader);
        registry.add("Ground", kQuadVertexShader, kQuadFragmentShader);
        glUseProgram(0);
    }

    ProgramRegistry registry;
};

TEST_F(ProgramRegistryTest, FindsEachProgramByItsName) {
    GLFWProgram* sky = registry.get("Sky");
    GLFWProgram* ground = registry.get("Ground");
    ASSERT_NE(sky, nullptr);
    ASSERT_NE(ground, nullptr);
    EXPECT_NE(sky, ground);
    EXPECT_NE(sky->programId(), ground->programId());
    EXPECT_EQ(registry.get("Sky"), sky);
}

TEST_F(ProgramRegistryTest, NamesAreCaseSensitive) { EXPECT_EQ(registry.get("sky"), nullptr); }

TEST_F(ProgramRegistryTest, UseMakesTheNamedProgramCurrent) {
    registry.use("Ground");
    EXPECT_EQ(currentProgram(), registry.get("Ground")->programId());
    registry.use("Sky");
    EXPECT_EQ(currentProgram(), registry.get("Sky")->programId());
}

TEST_F(ProgramRegistryTest, ATakenNameKeepsItsFirstProgram) {
    GLFWProgram* first = registry.get("Sky");
    const GLuint firstId = first->programId();
    registry.add("Sky", kQuadVertexShader, kQuadFragmentShader);
    EXPECT_EQ(registry.get("Sky"), first);
    EXPECT_EQ(registry.get("Sky")->programId(), firstId);
}

TEST_F(ProgramRegistryTest, AnUnknownNameFindsNothingAndUsesNothing) {
    EXPECT_EQ(registry.get("Water"), nullptr);
    registry.use("Sky");
    registry.use("Water");
    EXPECT_EQ(currentProgram(), registry.get("Sky")->programId());
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
}

}  // namespace
