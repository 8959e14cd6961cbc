// The program's own full-screen start and frame loop, with timestamps taken
// around its steps:
//   scene_startup_bench <launched-at nanoseconds> <frames>
// It builds the application object and the scene from the program's code and
// resources, unchanged; the steps of setupScene are told apart by wrapping a
// few OpenGL entry points that mark where a step begins or ends:
//   resources  reading each noise bitmap and turning it into float texels,
//              from the end of glTexStorage2D to the start of glTexSubImage2D
//   textures   the rest of the texture work (objects, storage, uploads,
//              parameters), up to glCreateProgram
//   shaders    glCreateProgram to the end of glLinkProgram
//   model      the rest of setupScene: the model parsed, built and uploaded
//   first draw the first updateFrame and buffer swap
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdio>
#include <optional>

#include "bench_timing.h"
#include "gl_api.h"
#include "scene.h"
#include "screensaver_app.h"

namespace {

std::int64_t storageEnd = 0;
std::int64_t bitmapReading = 0;
std::int64_t programStart = 0;
std::int64_t linkEnd = 0;

decltype(glTexStorage2D) realTexStorage2D = nullptr;
decltype(glTexSubImage2D) realTexSubImage2D = nullptr;
decltype(glCreateProgram) realCreateProgram = nullptr;
decltype(glLinkProgram) realLinkProgram = nullptr;

void VELMARIS_APIENTRY markTexStorage2D(GLenum target, GLsizei levels, GLenum format, GLsizei width,
                                        GLsizei height) {
    realTexStorage2D(target, levels, format, width, height);
    storageEnd = wallClockNanoseconds();
}

void VELMARIS_APIENTRY markTexSubImage2D(GLenum target, GLint level, GLint x, GLint y, GLsizei width,
                                         GLsizei height, GLenum format, GLenum type, const void* pixels) {
    bitmapReading += wallClockNanoseconds() - storageEnd;
    realTexSubImage2D(target, level, x, y, width, height, format, type, pixels);
}

GLuint VELMARIS_APIENTRY markCreateProgram() {
    programStart = wallClockNanoseconds();
    return realCreateProgram();
}

void VELMARIS_APIENTRY markLinkProgram(GLuint program) {
    realLinkProgram(program);
    linkEnd = wallClockNanoseconds();
}

void wrapEntryPoints() {
    realTexStorage2D = glTexStorage2D;
    realTexSubImage2D = glTexSubImage2D;
    realCreateProgram = glCreateProgram;
    realLinkProgram = glLinkProgram;
    glTexStorage2D = markTexStorage2D;
    glTexSubImage2D = markTexSubImage2D;
    glCreateProgram = markCreateProgram;
    glLinkProgram = markLinkProgram;
}

void restoreEntryPoints() {
    glTexStorage2D = realTexStorage2D;
    glTexSubImage2D = realTexSubImage2D;
    glCreateProgram = realCreateProgram;
    glLinkProgram = realLinkProgram;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<BenchArguments> arguments = parseBenchArguments(argc, argv);
    if (!arguments) {
        std::fprintf(stderr, "usage: %s <launched-at nanoseconds> <frames>\n", argv[0]);
        return 2;
    }
    theArgs = new ScreensaverArgs("/s");
    theApp = new ScreensaverApp(theArgs);
    const std::int64_t windowReady = wallClockNanoseconds();

    wrapEntryPoints();
    setupScene();
    const std::int64_t setupEnd = wallClockNanoseconds();
    restoreEntryPoints();
    updateFrame();
    glfwSwapBuffers(theApp->window);
    glfwPollEvents();
    const std::int64_t firstFrame = wallClockNanoseconds();

    StartupFigures startup;
    startup.window = millisecondsBetween(arguments->launchedAt, windowReady);
    startup.resources = millisecondsBetween(0, bitmapReading);
    startup.textures = millisecondsBetween(windowReady, programStart) - startup.resources;
    startup.shaders = millisecondsBetween(programStart, linkEnd);
    startup.model = millisecondsBetween(linkEnd, setupEnd);
    startup.firstDraw = millisecondsBetween(setupEnd, firstFrame);
    startup.firstFrame = millisecondsBetween(arguments->launchedAt, firstFrame);
    printFigures(startup, medianFrameMilliseconds(theApp->window, arguments->frames, updateFrame), arguments->frames);
    return 0;
}
