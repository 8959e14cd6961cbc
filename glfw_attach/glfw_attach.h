// The one operation this project adds to GLFW: make a library window, with
// an OpenGL context, out of an existing native window (the preview host).
#pragma once

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
struct HWND__;
typedef struct HWND__* GLFWnativewindow;
#else
typedef unsigned long GLFWnativewindow;
#endif

GLFWAPI GLFWwindow* glfwAttachWindow(GLFWnativewindow handle, GLFWwindow* share);

#ifdef __cplusplus
}

inline GLFWwindow* attachToHostWindow(void* handle) {
    return glfwAttachWindow((GLFWnativewindow)handle, nullptr);
}
#endif
