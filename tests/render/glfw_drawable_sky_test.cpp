#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "camera.h"
#include "fixture_ids.h"
#include "gl_api.h"
#include "gl_test_context.h"
#include "glfw_drawable_sky.h"
#include "math.h"
#include "program_registry.h"
#include "render_environment.h"
#include "vertex_layout_checks.h"

namespace {

constexpr const char* kProgram = "QuadProgram";
constexpr float kTime = 12.5f;

Float4x4 identity() { return translation(0.0f, 0.0f, 0.0f); }

// The draw-time calls of one frame, in the order they reach OpenGL.
struct Call {
    std::string what;  // "use", "matrix", "float" or "draw"
    GLint target;      // program, uniform location or index count
    std::vector<float> values;
};

class DrawableSkyTest : public GLContextTest {
protected:
    static inline std::vector<Call> calls;
    static inline decltype(glUseProgram) realUseProgram = nullptr;
    static inline decltype(glUniformMatrix4fv) realUniformMatrix = nullptr;
    static inline decltype(glUniform1f) realUniform1f = nullptr;
    static inline decltype(glDrawElements) realDrawElements = nullptr;

    static void recordingUseProgram(GLuint program) {
        calls.push_back({"use", static_cast<GLint>(program), {}});
        realUseProgram(program);
    }

    static void recordingUniformMatrix(GLint location, GLsizei count, GLboolean transpose, const GLfloat* value) {
        EXPECT_EQ(count, 1);
        EXPECT_EQ(transpose, GL_FALSE);
        calls.push_back({"matrix", location, std::vector<float>(value, value + 16)});
        realUniformMatrix(location, count, transpose, value);
    }

    static void recordingUniform1f(GLint location, GLfloat value) {
        calls.push_back({"float", location, {value}});
        realUniform1f(location, value);
    }

    static void recordingDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
        EXPECT_EQ(mode, static_cast<GLenum>(GL_TRIANGLES));
        EXPECT_EQ(type, static_cast<GLenum>(GL_UNSIGNED_INT));
        EXPECT_EQ(indices, nullptr);
        calls.push_back({"draw", count, {}});
        realDrawElements(mode, count, type, indices);
    }

    void SetUp() override {
        registry.add(kProgram, kQuadVertexShader, kQuadFragmentShader);
        camera.updateView(0);  // the eye at the origin looking down -z: the identity
        camera.setProjection(identity());
        environment.setViewport(kWindowWidth, kWindowHeight);
        glViewport(0, 0, kWindowWidth, kWindowHeight);
        calls.clear();
        realUseProgram = glUseProgram;
        realUniformMatrix = glUniformMatrix4fv;
        realUniform1f = glUniform1f;
        realDrawElements = glDrawElements;
    }

    // Draws once while recording, and returns what reached OpenGL.
    std::vector<Call> recordDraw() {
        ReplacedEntryPoint use(glUseProgram, &recordingUseProgram);
        ReplacedEntryPoint matrix(glUniformMatrix4fv, &recordingUniformMatrix);
        ReplacedEntryPoint scalar(glUniform1f, &recordingUniform1f);
        ReplacedEntryPoint drawing(glDrawElements, &recordingDrawElements);
        sky.draw();
        return calls;
    }

    GLint uniform(const char* name) { return registry.get(kProgram)->uniformLocation(name); }
    GLint programId() { return static_cast<GLint>(registry.get(kProgram)->programId()); }

    ProgramRegistry registry;
    RenderEnvironment environment{kTime};
    Camera camera{0.0f, 0.0f, 0.0f};
    GLFWDrawableSky sky{&environment, &camera, &registry, kProgram, kQuadModel, kQuadMaterial, 1.0f};
};

std::vector<float> floatsOf(const Float4x4& matrix) { return std::vector<float>(matrix.data(), matrix.data() + 16); }

// The uploaded 16 floats against a matrix, each to a relative 1e-4.
testing::AssertionResult uploadedAs(const std::vector<float>& uploaded, const Float4x4& expected) {
    const std::vector<float> floats = floatsOf(expected);
    if (uploaded.size() != floats.size()) return testing::AssertionFailure() << uploaded.size() << " floats";
    for (std::size_t i = 0; i < floats.size(); ++i) {
        if (std::fabs(uploaded[i] - floats[i]) > 1e-4f * std::max(1.0f, std::fabs(floats[i]))) {
            return testing::AssertionFailure() << "float " << i << " is " << uploaded[i] << ", expected " << floats[i];
        }
    }
    return testing::AssertionSuccess();
}

TEST_F(DrawableSkyTest, OneDrawUploadsTheUniformsInOrderThenDrawsTheIndices) {
    sky.prepare();
    sky.setModelMatrix(translation(0.0f, 0.0f, -100.0f));
    const std::vector<Call> frame = recordDraw();

    ASSERT_EQ(frame.size(), 8u);
    const std::vector<std::pair<std::string, GLint>> expected = {
        {"use", programId()},
        {"matrix", uniform("model_world")},
        {"matrix", uniform("world_projection")},
        {"matrix", uniform("model_projection")},
        {"float", uniform("iTime")},
        {"float", uniform("viewportWidth")},
        {"float", uniform("viewportHeight")},
        {"draw", 6},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(frame[i].what, expected[i].first) << i;
        EXPECT_EQ(frame[i].target, expected[i].second) << i;
        if (frame[i].what == "matrix" || frame[i].what == "float") {
            EXPECT_GE(frame[i].target, 0) << i;
        }
    }
    EXPECT_EQ(frame[4].values, std::vector<float>{kTime});
    EXPECT_EQ(frame[5].values, std::vector<float>{static_cast<float>(kWindowWidth)});
    EXPECT_EQ(frame[6].values, std::vector<float>{static_cast<float>(kWindowHeight)});
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
}

struct MatrixCase {
    const char* label;
    Float4x4 projection;
    Float4x4 model;
    Float4x4 modelWorld;
    Float4x4 worldProjection;
    Float4x4 modelProjection;
};

void PrintTo(const MatrixCase& matrixCase, std::ostream* out) { *out << matrixCase.label; }

class MatrixUniformTest : public DrawableSkyTest, public testing::WithParamInterface<MatrixCase> {};

TEST_P(MatrixUniformTest, UploadsModelThenProjectionTimesViewThenTheirProduct) {
    const MatrixCase& matrices = GetParam();
    camera.setProjection(matrices.projection);
    sky.prepare();
    sky.setModelMatrix(matrices.model);
    const std::vector<Call> frame = recordDraw();
    ASSERT_EQ(frame.size(), 8u);
    EXPECT_TRUE(uploadedAs(frame[1].values, matrices.modelWorld));
    EXPECT_TRUE(uploadedAs(frame[2].values, matrices.worldProjection));
    EXPECT_TRUE(uploadedAs(frame[3].values, matrices.modelProjection));
}

const Float4x4 kPerspective = perspective(50.0f, 16.0f / 9.0f, 0.1f, 1000.0f);
const Float4x4 kAwayFromTheEye = translation(0.0f, 0.0f, -100.0f);
const Float4x4 kShifted = translation(3.0f, -2.0f, 5.0f);
// perspective(50, 16/9, 0.1, 1000) x translation(0, 0, -100), worked out by hand.
const Float4x4 kPerspectiveAwayFromTheEye({1.2062851f, 0, 0, 0}, {0, 2.1445069f, 0, 0}, {0, 0, -1.0002f, -1},
                                          {0, 0, 99.81998f, 100});

INSTANTIATE_TEST_SUITE_P(
    Cameras, MatrixUniformTest,
    testing::Values(MatrixCase{"identityCamera", identity(), kShifted, kShifted, identity(), kShifted},
                    MatrixCase{"perspective", kPerspective, kAwayFromTheEye, kAwayFromTheEye, kPerspective,
                               kPerspectiveAwayFromTheEye}),
    [](const testing::TestParamInfo<MatrixCase>& info) { return std::string(info.param.label); });

TEST_F(DrawableSkyTest, BeforeTheFirstModelMatrixTheModelIsTheIdentity) {
    sky.prepare();
    const std::vector<Call> frame = recordDraw();
    ASSERT_EQ(frame.size(), 8u);
    EXPECT_EQ(frame[1].values, floatsOf(identity()));
}

TEST_F(DrawableSkyTest, TheViewComesFromTheCamerasActiveSlot) {
    Camera raised(0.0f, 0.0f, 100.0f);
    raised.updateView(0);
    raised.setProjection(identity());
    GLFWDrawableSky seen(&environment, &raised, &registry, kProgram, kQuadModel, kQuadMaterial, 1.0f);
    seen.prepare();
    seen.setModelMatrix(identity());
    calls.clear();
    {
        ReplacedEntryPoint matrix(glUniformMatrix4fv, &recordingUniformMatrix);
        seen.draw();
    }
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_TRUE(uploadedAs(calls[1].values, translation(0.0f, 0.0f, -100.0f)));
}

TEST_F(DrawableSkyTest, PrepareUploadsTheModelAndDrawPointsItsAttributes) {
    sky.prepare();
    sky.setModelMatrix(identity());
    AttributeCallRecorder recorder;
    sky.draw();
    const std::vector<AttributeCall> expectedCalls = skyAttributeCalls(*registry.get(kProgram));
    EXPECT_EQ(recorder.pointed(), expectedCalls);
    ASSERT_EQ(recorder.enabled().size(), expectedCalls.size());
    for (std::size_t i = 0; i < expectedCalls.size(); ++i) EXPECT_EQ(recorder.enabled()[i], expectedCalls[i].index);
    GLint vertexBytes = 0;
    GLint indexBytes = 0;
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &vertexBytes);
    glGetBufferParameteriv(GL_ELEMENT_ARRAY_BUFFER, GL_BUFFER_SIZE, &indexBytes);
    EXPECT_EQ(vertexBytes, 4 * 96);
    EXPECT_EQ(indexBytes, 6 * 4);

    expectSkyLayout(*registry.get(kProgram));
}

// The test shader colours each pixel (u, v, normal z): the rectangle must
// cover the whole viewport with its texture coordinates running 0 to 1.
TEST_F(DrawableSkyTest, TheDrawCoversTheViewport) {
    sky.prepare();
    sky.setModelMatrix(identity());
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    sky.draw();
    std::vector<std::array<unsigned char, 4>> pixels(kWindowWidth * kWindowHeight);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWindowWidth, kWindowHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    int wrong = 0;
    for (int y = 0; y < kWindowHeight; ++y) {
        for (int x = 0; x < kWindowWidth; ++x) {
            const auto& pixel = pixels[y * kWindowWidth + x];
            const float u = (x + 0.5f) / kWindowWidth * 255.0f;
            const float v = (y + 0.5f) / kWindowHeight * 255.0f;
            const bool right = std::fabs(pixel[0] - u) <= 1.5f && std::fabs(pixel[1] - v) <= 1.5f && pixel[2] == 255;
            if (!right && wrong++ < 5) {
                ADD_FAILURE() << "pixel " << x << "," << y << " is " << int{pixel[0]} << "," << int{pixel[1]} << ","
                              << int{pixel[2]};
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
}

}  // namespace
