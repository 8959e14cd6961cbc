#include "hidden_gl_window.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

GLFWwindow* openHiddenGLWindow(int width, int height, const char* title) {
    if (!glfwInit()) return nullptr;
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    GLFWwindow* window = glfwCreateWindow(width, height, title, nullptr, nullptr);
    if (window != nullptr) glfwMakeContextCurrent(window);
    return window;
}
