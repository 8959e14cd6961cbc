#include "aurora_scene_fixture.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdlib>
#include <optional>

#include "gl_api.h"
#include "gl_loader.h"
#include "hidden_gl_window.h"
#include "scene.h"
#include "screensaver_app.h"

namespace {

GLFWwindow* window = nullptr;
std::optional<aurora::AuroraReference> reference;
bool suiteFinished = false;

// The scene ends the process with status 0 when a shader does not compile;
// for a test that is a failure.
void failIfEndedEarly() {
    if (!suiteFinished) std::_Exit(1);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const FrameCase& frame) {
    return out << "t = " << frame.time << " at " << frame.width << " x " << frame.height;
}

void AuroraSceneTest::SetUpTestSuite() {
    std::atexit(failIfEndedEarly);
    reference = aurora::AuroraReference::fromResources();
    ASSERT_TRUE(reference.has_value()) << "BITMAP 210 and 211";
    window = openHiddenGLWindow(kWindowWidth, kWindowHeight, "aurora scene test");
    ASSERT_NE(window, nullptr) << "no display: scene tests need Xvfb";
    ASSERT_EQ(loadOpenGLEntryPoints(), 0);
    setupScene();
}

void AuroraSceneTest::TearDownTestSuite() {
    glfwTerminate();
    window = nullptr;
    suiteFinished = true;
}

Frame AuroraSceneTest::renderScene(const FrameCase& frame) {
    setSurfaceSize(frame.width, frame.height);
    glfwSetTime(frame.time);
    updateFrame();
    glFinish();
    Frame result{frame.width, frame.height,
                 std::vector<std::uint8_t>(static_cast<std::size_t>(frame.width) * frame.height * 4)};
    glReadPixels(0, 0, frame.width, frame.height, GL_RGBA, GL_UNSIGNED_BYTE, result.rgba.data());
    return result;
}

std::vector<aurora::AuroraPixel> AuroraSceneTest::renderReference(const FrameCase& frame) {
    return reference->render(frame.width, frame.height, frame.time);
}
