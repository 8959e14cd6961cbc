#include <gtest/gtest.h>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdlib>
#include <string>

#include "gl_api.h"
#include "gl_loader.h"
#include "hidden_gl_window.h"

namespace {

// A hidden window with a current context, as the program makes it (a 2.0
// request, which Mesa answers with its newest compatibility context).
class GLLoaderTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        window = openHiddenGLWindow(64, 64, "gl_loader_test");
        ASSERT_NE(window, nullptr) << "no display: GL tests need Xvfb";
        result = loadOpenGLEntryPoints();
    }
    static void TearDownTestSuite() { glfwTerminate(); }

    static inline GLFWwindow* window = nullptr;
    static inline int result = 0;
};

TEST_F(GLLoaderTest, ReportsTheContextsVersion) {
    const std::string version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const int major = std::atoi(version.c_str());
    const int minor = std::atoi(version.c_str() + version.find('.') + 1);
    EXPECT_EQ(glMajorVersion, major) << version;
    EXPECT_EQ(glMinorVersion, minor) << version;
    EXPECT_EQ(result, major >= 3 ? 0 : -1);
}

TEST_F(GLLoaderTest, ResolvesEveryCoreNameTheContextOffers) {
    // Mesa's llvmpipe offers 4.5 in a compatibility context: every core
    // entry point up to its version resolves.
    ASSERT_GE(glMajorVersion * 10 + glMinorVersion, 45);
    for (int i = 0; i < glEntryPointCount; ++i) {
        if (std::string(glEntryPointNames[i].group) == "ARB") continue;
        EXPECT_NE(glEntryPointNames[i].address(), nullptr) << glEntryPointNames[i].name;
    }
    EXPECT_NE(glTexStorage2D, nullptr);
    EXPECT_NE(glCreateShader, nullptr);
    EXPECT_NE(glTextureBarrier, nullptr);
}

TEST_F(GLLoaderTest, PointersCallIntoTheCurrentContext) {
    glClearColor(0.25f, 0.5f, 0.75f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    unsigned char pixel[4] = {};
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_NEAR(pixel[0], 64, 1);
    EXPECT_NEAR(pixel[1], 128, 1);
    EXPECT_NEAR(pixel[2], 191, 1);
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
}

}  // namespace
