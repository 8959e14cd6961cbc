#include "gl_test_context.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "gl_loader.h"

void GLContextTest::SetUpTestSuite() {
    ASSERT_TRUE(glfwInit()) << "no display: GL tests need Xvfb";
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    window = glfwCreateWindow(kWindowWidth, kWindowHeight, "render test", nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    glfwMakeContextCurrent(window);
    ASSERT_EQ(loadOpenGLEntryPoints(), 0);
}

void GLContextTest::TearDownTestSuite() {
    glfwTerminate();
    window = nullptr;
}
