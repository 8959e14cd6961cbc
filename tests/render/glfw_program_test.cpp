#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "fixture_ids.h"
#include "gl_api.h"
#include "gl_test_context.h"
#include "glfw_program.h"

namespace {

// --- loadTextResource -------------------------------------------------------

constexpr char kGuard = '#';

struct TextCase {
    const char* label;
    int resourceId;
    int capacity;
    std::string expected;
};

void PrintTo(const TextCase& textCase, std::ostream* out) { *out << textCase.label; }

class LoadTextResourceTest : public testing::TestWithParam<TextCase> {};

// The buffer holds capacity + 4 bytes; the bytes after it must stay untouched.
TEST_P(LoadTextResourceTest, CopiesTheTextThenFourZeroBytes) {
    const TextCase& textCase = GetParam();
    std::string buffer(textCase.capacity + 4 + 8, kGuard);
    GLFWProgram::loadTextResource(textCase.resourceId, buffer.data(), textCase.capacity);
    const std::size_t length = textCase.expected.size();
    EXPECT_EQ(buffer.substr(0, length), textCase.expected);
    EXPECT_EQ(buffer.substr(length, 4), std::string(4, '\0'));
    EXPECT_EQ(buffer.substr(length + 4), std::string(buffer.size() - length - 4, kGuard));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LoadTextResourceTest,
    testing::Values(TextCase{"endsAtTheFirstMarker", kTextWithTwoMarkers, SHADER_TEXT_CAPACITY, "line one\n//"},
                    TextCase{"leadingMarkerGivesEmptyText", kTextStartingWithMarker, SHADER_TEXT_CAPACITY, ""},
                    TextCase{"noMarkerEndsWithTheResource", kTextWithoutMarker, SHADER_TEXT_CAPACITY, "abcdefghij"},
                    TextCase{"noMarkerStopsAtTheCapacity", kTextWithoutMarker, 4, "abcd"},
                    TextCase{"markerBeyondTheCapacity", kTextWithTwoMarkers, 5, "line "},
                    TextCase{"missingResourceGivesEmptyText", kMissingResource, SHADER_TEXT_CAPACITY, ""}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.label); });

// --- programs ---------------------------------------------------------------

class GLFWProgramTest : public GLContextTest {
protected:
    static inline int uniformQueries = 0;
    static inline decltype(glGetUniformLocation) realGetUniformLocation = nullptr;

    static GLint countingGetUniformLocation(GLuint program, const GLchar* name) {
        ++uniformQueries;
        return realGetUniformLocation(program, name);
    }

    void SetUp() override {
        uniformQueries = 0;
        realGetUniformLocation = glGetUniformLocation;
    }
};

TEST_F(GLFWProgramTest, LinksBothShadersFromTheirResources) {
    GLFWProgram program(kQuadVertexShader, kQuadFragmentShader);
    ASSERT_NE(program.programId(), 0u);
    GLint linked = 0;
    GLint attached = 0;
    glGetProgramiv(program.programId(), GL_LINK_STATUS, &linked);
    glGetProgramiv(program.programId(), GL_ATTACHED_SHADERS, &attached);
    EXPECT_EQ(linked, GL_TRUE);
    EXPECT_EQ(attached, 2);
    program.use();
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(static_cast<GLuint>(current), program.programId());
}

TEST_F(GLFWProgramTest, AsksOpenGLOncePerName) {
    GLFWProgram program(kQuadVertexShader, kQuadFragmentShader);
    ReplacedEntryPoint counting(glGetUniformLocation, &countingGetUniformLocation);
    const GLint first = program.uniformLocation("iTime");
    const GLint second = program.uniformLocation("iTime");
    EXPECT_EQ(uniformQueries, 1);
    EXPECT_GE(first, 0);
    EXPECT_EQ(second, first);
    EXPECT_EQ(first, realGetUniformLocation(program.programId(), "iTime"));
}

TEST_F(GLFWProgramTest, EachProgramHasItsOwnCache) {
    GLFWProgram first(kQuadVertexShader, kQuadFragmentShader);
    GLFWProgram second(kQuadVertexShader, kQuadFragmentShader);
    ReplacedEntryPoint counting(glGetUniformLocation, &countingGetUniformLocation);
    first.uniformLocation("viewportWidth");
    second.uniformLocation("viewportWidth");
    first.uniformLocation("viewportWidth");
    EXPECT_EQ(uniformQueries, 2);
}

TEST_F(GLFWProgramTest, OneCacheServesUniformsAndAttributes) {
    GLFWProgram program(kQuadVertexShader, kQuadFragmentShader);
    const GLint uniform = program.uniformLocation("iTime");
    ASSERT_GE(uniform, 0);
    EXPECT_EQ(program.attributeLocation("iTime"), uniform);

    const GLint attribute = program.attributeLocation("position_tex");
    ASSERT_GE(attribute, 0);
    EXPECT_EQ(attribute, glGetAttribLocation(program.programId(), "position_tex"));
    EXPECT_EQ(program.uniformLocation("position_tex"), attribute);
}

TEST_F(GLFWProgramTest, AnUnusedUniformIsMinusOneEveryTime) {
    GLFWProgram program(kQuadVertexShader, kQuadFragmentShader);
    ReplacedEntryPoint counting(glGetUniformLocation, &countingGetUniformLocation);
    EXPECT_EQ(program.uniformLocation("unusedUniform"), -1);
    EXPECT_EQ(program.uniformLocation("unusedUniform"), -1);
    EXPECT_EQ(uniformQueries, 1);
}

TEST_F(GLFWProgramTest, AnEmptyLogGivesAnEmptyBox) {
    const GLuint shader = glCreateShader(GL_VERTEX_SHADER);
    testing::internal::CaptureStderr();
    GLFWProgram::showShaderLog(shader);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "[Debug] \n");
    glDeleteShader(shader);
}

// --- compile failures (each runs in a child process) -------------------------

struct FailureCase {
    const char* label;
    int vertexId;
    int fragmentId;
    const char* expectedOutput;
};

void PrintTo(const FailureCase& failureCase, std::ostream* out) { *out << failureCase.label; }

class CompileFailureTest : public GLContextTest, public testing::WithParamInterface<FailureCase> {
protected:
    static inline decltype(glCreateShader) realCreateShader = nullptr;
    static inline decltype(glDeleteShader) realDeleteShader = nullptr;
    static inline std::string created;

    static const char* kindOf(GLenum type) { return type == GL_VERTEX_SHADER ? "vertex" : "fragment"; }

    static GLuint reportingCreateShader(GLenum type) {
        std::fprintf(stderr, "created %s shader\n", kindOf(type));
        created += std::string(created.empty() ? "" : " ") + kindOf(type);
        return realCreateShader(type);
    }

    static void reportingDeleteShader(GLuint shader) {
        GLint type = 0;
        glGetShaderiv(shader, GL_SHADER_TYPE, &type);
        std::fprintf(stderr, "deleted %s shader\n", kindOf(static_cast<GLenum>(type)));
        realDeleteShader(shader);
    }

    // Runs in the child, on the way out through the normal process exit.
    static void reportCreatedShaders() { std::fprintf(stderr, "shaders created: %s\n", created.c_str()); }

    static void compileWhileReporting(int vertexId, int fragmentId) {
        realCreateShader = glCreateShader;
        realDeleteShader = glDeleteShader;
        glCreateShader = reportingCreateShader;
        glDeleteShader = reportingDeleteShader;
        std::atexit(reportCreatedShaders);
        GLFWProgram program(vertexId, fragmentId);
        std::fprintf(stderr, "constructor returned\n");
    }
};

TEST_P(CompileFailureTest, ShowsTheLogThenTheMessageAndExitsWithZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(compileWhileReporting(GetParam().vertexId, GetParam().fragmentId), testing::ExitedWithCode(0),
                GetParam().expectedOutput);
}

INSTANTIATE_TEST_SUITE_P(
    Shaders, CompileFailureTest,
    testing::Values(FailureCase{"vertex", kBrokenVertexShader, kQuadFragmentShader,
                                "created vertex shader\n"
                                "\\[Debug\\] [^\n]*error[^\n]*undeclaredValue.*\n"
                                "\\[Debug\\] Vertex shader compilation error\n"
                                "deleted vertex shader\n"
                                "shaders created: vertex\n$"},
                    FailureCase{"fragment", kQuadVertexShader, kBrokenFragmentShader,
                                "created vertex shader\n"
                                "created fragment shader\n"
                                "\\[Debug\\] [^\n]*error[^\n]*undeclaredColour.*\n"
                                "\\[Debug\\] Fragment shader compilation error\n"
                                "deleted fragment shader\n"
                                "shaders created: vertex fragment\n$"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.label); });

}  // namespace
