#include "gl_test_context.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "gl_loader.h"
#include "hidden_gl_window.h"

void GLContextTest::SetUpTestSuite() {
    window = openHiddenGLWindow(kWindowWidth, kWindowHeight, "render test");
    ASSERT_NE(window, nullptr) << "no display: GL tests need Xvfb";
    ASSERT_EQ(loadOpenGLEntryPoints(), 0);
}

void GLContextTest::TearDownTestSuite() {
    glfwTerminate();
    window = nullptr;
}
