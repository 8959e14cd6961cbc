// The smallest program that draws the aurora: the same shaders and the same
// two noise textures, whose texels it carries already as floats, over a
// full-screen rectangle. It is what the program's start-up, frame time and
// memory are measured against.
//   aurora_baseline                                  runs until it is ended
//   aurora_baseline <launched-at nanoseconds> <frames>  prints its figures
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdio>
#include <optional>
#include <string_view>

#include "bench_timing.h"
#include "gl_api.h"
#include "gl_loader.h"
#include "platform.h"

namespace {

// TEXTFILE resources of the baseline's own resource script.
constexpr int kFragmentShader = 136;
constexpr int kVertexShader = 137;
// Raw RGBA float texels, rows from the bottom.
constexpr int kNoise0Texels = 310;
constexpr int kNoise1Texels = 311;

// Two triangles covering clip space.
constexpr float kRectangle[] = {-1, 1, -1, -1, 1, 1, 1, -1, 1, 1, -1, -1};

GLuint makeTexture(GLenum unit, int texelsResource, int side) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glActiveTexture(unit);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, side, side, 0, GL_RGBA, GL_FLOAT,
                 platform::textResource(texelsResource).data());
    return texture;
}

GLuint compile(GLenum type, int resource) {
    const std::string_view text = platform::textResource(resource);
    const GLchar* source = text.data();
    const GLint length = static_cast<GLint>(text.size());
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, &length);
    glCompileShader(shader);
    return shader;
}

GLuint makeProgram() {
    const GLuint program = glCreateProgram();
    glAttachShader(program, compile(GL_VERTEX_SHADER, kVertexShader));
    glAttachShader(program, compile(GL_FRAGMENT_SHADER, kFragmentShader));
    glLinkProgram(program);
    glUseProgram(program);
    glUniform1i(glGetUniformLocation(program, "texture0"), 0);
    glUniform1i(glGetUniformLocation(program, "texture1"), 1);
    return program;
}

void makeRectangle(GLuint program) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, sizeof kRectangle, kRectangle, GL_STATIC_DRAW);
    const GLint position = glGetAttribLocation(program, "position");
    glEnableVertexAttribArray(static_cast<GLuint>(position));
    glVertexAttribPointer(static_cast<GLuint>(position), 2, GL_FLOAT, GL_FALSE, 0, nullptr);
}

struct Frame {
    GLint time;
    GLint width;
    GLint height;
    float viewportWidth;
    float viewportHeight;

    void operator()() const {
        glUniform1f(time, static_cast<float>(glfwGetTime()));
        glUniform1f(width, viewportWidth);
        glUniform1f(height, viewportHeight);
        glDrawArrays(GL_TRIANGLES, 0, 6);
    }
};

}  // namespace

int main(int argc, char** argv) {
    const std::optional<BenchArguments> arguments = parseBenchArguments(argc, argv);
    glfwInit();
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = glfwGetVideoMode(monitor);
    GLFWwindow* window = glfwCreateWindow(mode->width, mode->height, "aurora baseline", monitor, nullptr);
    glfwMakeContextCurrent(window);
    glfwSwapInterval(1);
    loadOpenGLEntryPoints();
    const std::int64_t windowReady = wallClockNanoseconds();

    makeTexture(GL_TEXTURE0, kNoise0Texels, 512);
    makeTexture(GL_TEXTURE1, kNoise1Texels, 1024);
    const std::int64_t texturesReady = wallClockNanoseconds();
    const GLuint program = makeProgram();
    const std::int64_t programReady = wallClockNanoseconds();
    makeRectangle(program);
    const std::int64_t rectangleReady = wallClockNanoseconds();

    const Frame frame{glGetUniformLocation(program, "iTime"), glGetUniformLocation(program, "viewportWidth"),
                      glGetUniformLocation(program, "viewportHeight"), static_cast<float>(mode->width),
                      static_cast<float>(mode->height)};
    glViewport(0, 0, mode->width, mode->height);
    frame();
    glfwSwapBuffers(window);
    glfwPollEvents();
    const std::int64_t firstFrame = wallClockNanoseconds();

    if (!arguments) {
        while (!glfwWindowShouldClose(window)) {
            frame();
            glfwSwapBuffers(window);
            glfwPollEvents();
        }
        return 0;
    }
    StartupFigures startup;
    startup.window = millisecondsBetween(arguments->launchedAt, windowReady);
    startup.textures = millisecondsBetween(windowReady, texturesReady);
    startup.shaders = millisecondsBetween(texturesReady, programReady);
    startup.model = millisecondsBetween(programReady, rectangleReady);
    startup.firstDraw = millisecondsBetween(rectangleReady, firstFrame);
    startup.firstFrame = millisecondsBetween(arguments->launchedAt, firstFrame);
    printFigures(startup, medianFrameMilliseconds(window, arguments->frames, frame), arguments->frames);
    return 0;
}
