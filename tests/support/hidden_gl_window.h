#pragma once

struct GLFWwindow;

// Initialises GLFW and opens a hidden window whose context is current,
// requested the way the program requests its own (OpenGL 2.0). Null when
// there is no display.
GLFWwindow* openHiddenGLWindow(int width, int height, const char* title);
