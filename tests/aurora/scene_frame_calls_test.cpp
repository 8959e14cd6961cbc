// What one updateFrame asks of OpenGL, in order, recorded on the way.
#include <gtest/gtest.h>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

#include "aurora_scene_fixture.h"
#include "gl_api.h"
#include "scene.h"
#include "screensaver_app.h"

namespace {

struct Call {
    std::string name;
    std::vector<double> arguments;

    bool operator==(const Call&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Call& call) {
    out << call.name << "(";
    for (double argument : call.arguments) out << argument << " ";
    return out << ")";
}

std::vector<Call> calls;

template <auto& entry>
struct Original {
    static inline std::remove_reference_t<decltype(entry)> function = nullptr;
};

template <typename... Arguments>
void record(const char* name, Arguments... arguments) {
    calls.push_back({name, {static_cast<double>(arguments)...}});
}

// Replaces an entry point with one that records its call and then makes it.
#define RECORD(entry, parameters, ...)          \
    Original<entry>::function = entry;          \
    entry = [] parameters {                     \
        record(#entry, __VA_ARGS__);            \
        Original<entry>::function(__VA_ARGS__); \
    }

void startRecording() {
    calls.clear();
    RECORD(glBindFramebuffer, (GLenum target, GLuint framebuffer), target, framebuffer);
    RECORD(glViewport, (GLint x, GLint y, GLsizei width, GLsizei height), x, y, width, height);
    RECORD(glUseProgram, (GLuint program), program);
    RECORD(glUniform1i, (GLint location, GLint value), location, value);
    RECORD(glUniform1f, (GLint location, GLfloat value), location, value);
    RECORD(glActiveTexture, (GLenum unit), unit);
    RECORD(glEnable, (GLenum capability), capability);
    RECORD(glBindTexture, (GLenum target, GLuint texture), target, texture);
    RECORD(glClear, (GLbitfield mask), mask);
    Original<glDrawElements>::function = glDrawElements;
    glDrawElements = [](GLenum mode, GLsizei count, GLenum type, const void* indices) {
        record("glDrawElements", mode, count);
        Original<glDrawElements>::function(mode, count, type, indices);
    };
}

void stopRecording() {
    glBindFramebuffer = Original<glBindFramebuffer>::function;
    glViewport = Original<glViewport>::function;
    glUseProgram = Original<glUseProgram>::function;
    glUniform1i = Original<glUniform1i>::function;
    glUniform1f = Original<glUniform1f>::function;
    glActiveTexture = Original<glActiveTexture>::function;
    glEnable = Original<glEnable>::function;
    glBindTexture = Original<glBindTexture>::function;
    glClear = Original<glClear>::function;
    glDrawElements = Original<glDrawElements>::function;
}

std::vector<Call> recordFrame(float time, int width, int height) {
    setSurfaceSize(width, height);
    glfwSetTime(time);
    startRecording();
    updateFrame();
    stopRecording();
    return calls;
}

GLint textureWidth(GLuint texture) {
    GLint width = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    return width;
}

using SceneFrameCalls = AuroraSceneTest;

TEST_F(SceneFrameCalls, BindTheTexturesThenDrawTheSkyOnce) {
    for (const FrameCase& frame : {FrameCase{42.0f, 320, 200}, FrameCase{43.5f, 200, 300}}) {
        const std::vector<Call> frameCalls = recordFrame(frame.time, frame.width, frame.height);
        ASSERT_GE(frameCalls.size(), 12u) << frame;
        const GLuint program = static_cast<GLuint>(frameCalls[2].arguments.at(0));
        const GLuint noise0 = static_cast<GLuint>(frameCalls[7].arguments.at(1));
        const GLuint noise1 = static_cast<GLuint>(frameCalls[10].arguments.at(1));
        const auto uniform = [program](const char* name) {
            return static_cast<double>(glGetUniformLocation(program, name));
        };
        const std::vector<Call> expected = {
            {"glBindFramebuffer", {GL_FRAMEBUFFER, 0}},
            {"glViewport", {0, 0, static_cast<double>(frame.width), static_cast<double>(frame.height)}},
            {"glUseProgram", {static_cast<double>(program)}},
            {"glUniform1i", {uniform("texture0"), 0}},
            {"glUniform1i", {uniform("texture1"), 1}},
            {"glActiveTexture", {GL_TEXTURE0}},
            {"glEnable", {GL_TEXTURE_2D}},
            {"glBindTexture", {GL_TEXTURE_2D, static_cast<double>(noise0)}},
            {"glActiveTexture", {GL_TEXTURE1}},
            {"glEnable", {GL_TEXTURE_2D}},
            {"glBindTexture", {GL_TEXTURE_2D, static_cast<double>(noise1)}},
        };
        EXPECT_EQ(std::vector<Call>(frameCalls.begin(), frameCalls.begin() + expected.size()), expected) << frame;
        EXPECT_EQ(frameCalls.back(), (Call{"glDrawElements", {GL_TRIANGLES, 6}})) << "one draw of two triangles";

        std::vector<Call> floats;
        int draws = 0;
        for (const Call& call : frameCalls) {
            EXPECT_NE(call.name, "glClear") << "the sky covers the viewport";
            if (call.name == "glDrawElements") ++draws;
            if (call.name == "glUniform1f") floats.push_back(call);
        }
        EXPECT_EQ(draws, 1);
        EXPECT_NE(uniform("texture0"), uniform("texture1"));
        EXPECT_EQ(textureWidth(noise0), 512);
        EXPECT_EQ(textureWidth(noise1), 1024);
        ASSERT_EQ(floats.size(), 3u);
        EXPECT_EQ(floats[0].arguments.at(0), uniform("iTime"));
        EXPECT_NEAR(floats[0].arguments.at(1), frame.time, 1e-3) << "the frame's glfwGetTime";
        EXPECT_EQ(floats[1], (Call{"glUniform1f", {uniform("viewportWidth"), static_cast<double>(frame.width)}}));
        EXPECT_EQ(floats[2], (Call{"glUniform1f", {uniform("viewportHeight"), static_cast<double>(frame.height)}}));
    }
}

}  // namespace
