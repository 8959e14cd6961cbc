#include "screensaver_app.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdlib>

#include "gl_api.h"
#include "gl_loader.h"
#include "glfw_attach.h"
#include "scene.h"
#include "window_icon.h"

ScreensaverApp* theApp = nullptr;
int screenWidth = 0;
int screenHeight = 0;
float screenAspect = 1.0f;

// A surface without height (a minimised or empty host) keeps an aspect of 1
// instead of dividing by zero.
void setSurfaceSize(int width, int height) {
    screenWidth = width;
    screenHeight = height;
    screenAspect = height != 0 ? static_cast<float>(width) / static_cast<float>(height) : 1.0f;
}

ScreensaverApp::ScreensaverApp(ScreensaverArgs* arguments) : args(arguments) {
    initLibrary();
    computeSurfaceSize();
    openWindow();
    setFixedState();
}

int ScreensaverApp::windowsVersion() { return platform::windowsVersion(); }

int ScreensaverApp::primaryMonitorSize(int which) {
    const GLFWvidmode* mode = glfwGetVideoMode(glfwGetPrimaryMonitor());
    // Without an initialised library there is no video mode to read.
    if (mode == nullptr) return 0;
    return which == 0 ? mode->width : mode->height;
}

void ScreensaverApp::setVerticalSync(bool enabled) { glfwSwapInterval(enabled ? 1 : 0); }

void ScreensaverApp::setWindowIcon(GLFWwindow* target) {
    std::vector<unsigned char> rows = iconRowsFromColumns(windowIconColumns, kWindowIconSize);
    GLFWimage icon{kWindowIconSize, kWindowIconSize, rows.data()};
    glfwSetWindowIcon(target, 1, &icon);
}

void ScreensaverApp::initLibrary() {
    glfwSetErrorCallback(onError);
    if (!glfwInit()) {
        platform::messageBox("Failed to initialize GLFW", "Debug", platform::kMessageIconInformation);
    }
}

void ScreensaverApp::computeSurfaceSize() {
    if (args->mode == ScreensaverMode::Preview) {
        int width = 0;
        int height = 0;
        platform::hostClientSize(args->hostWindow, width, height);
        setSurfaceSize(width, height);
    } else if (windowsVersion() >= 60) {
        setSurfaceSize(primaryMonitorSize(0), primaryMonitorSize(1));
    } else {
        setSurfaceSize(800, 600);
    }
}

void ScreensaverApp::openWindow() {
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    glfwWindowHint(GLFW_CONTEXT_ROBUSTNESS, GLFW_LOSE_CONTEXT_ON_RESET);
    glfwWindowHint(GLFW_SAMPLES, 0);
    glfwWindowHint(GLFW_STEREO, GLFW_FALSE);

    if (args->mode == ScreensaverMode::Preview) {
        // A handle that names no window (0, or a closed host) must not get a
        // context: on Win32 a null window would mean the whole screen.
        if (platform::hostWindowExists(args->hostWindow)) window = attachToHostWindow(args->hostWindow);
    } else {
        window = glfwCreateWindow(screenWidth, screenHeight, "VelmarisSkyScreensaver", glfwGetPrimaryMonitor(),
                                  nullptr);
    }
    if (window == nullptr) {
        platform::messageBox("Failed to open window", "Debug", platform::kMessageIconInformation);
        glfwTerminate();
        std::exit(0);
    }

    glfwSetWindowSizeCallback(window, onWindowSize);
    glfwSetKeyCallback(window, onKey);
    glfwSetMouseButtonCallback(window, onMouseButton);
    glfwSetCursorPosCallback(window, onCursorPos);
    glfwSetScrollCallback(window, onScroll);
    glfwMakeContextCurrent(window);
    setWindowIcon(window);
    loadOpenGLEntryPoints();
}

void ScreensaverApp::setFixedState() {
    glCullFace(GL_BACK);
    glFrontFace(GL_CW);
    glDisable(GL_MULTISAMPLE);
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_POLYGON_SMOOTH);
    setVerticalSync(true);
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
}

void ScreensaverApp::run() {
    setupScene();
    bool running = true;
    do {
        updateFrame();
        glfwSwapBuffers(theApp->window);
        glfwPollEvents();
        if (glfwGetKey(theApp->window, GLFW_KEY_ESCAPE) != GLFW_RELEASE) running = false;
        if (glfwWindowShouldClose(theApp->window) == GLFW_TRUE) running = false;
        if (args->mode == ScreensaverMode::Preview && !platform::isHostWindowEnabled(args->hostWindow)) break;
    } while (running);
}

void onError(int, const char* description) {
    platform::messageBox(description, "Error", platform::kMessageIconInformation);
}

void onWindowSize(GLFWwindow*, int width, int height) { setSurfaceSize(width, height); }

void onKey(GLFWwindow*, int, int, int, int) { std::exit(0); }

void onMouseButton(GLFWwindow*, int, int, int) { std::exit(0); }

void onCursorPos(GLFWwindow*, double, double) {}

void onScroll(GLFWwindow*, double, double) {}
