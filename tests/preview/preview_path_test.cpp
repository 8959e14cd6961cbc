// The program's own preview start and frame loop on a host made like the
// Control Panel's preview, all on this thread: the entry point gets
// "/p <handle>" (or "/p:<handle>"), and a timer, whose callbacks run inside
// the loop's event polling, looks at the host, resizes it and finally
// disables or destroys it.
//   preview_path_test disable|destroy
#include <windows.h>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "aurora_reference.h"
#include "checks.h"
#include "entry.h"
#include "frame_comparison.h"
#include "gl_api.h"
#include "screensaver_app.h"
#include "test_windows.h"

namespace {

constexpr UINT kTickMilliseconds = 50;
// A step that sees no frame drawn for this long has failed.
constexpr int kMaxTicksPerStep = 600;
constexpr int kResizedWidth = 240;
constexpr int kResizedHeight = 180;

enum class Step { Watch, Resize, Ended };

struct Scenario {
    HWND host = nullptr;
    bool destroyHost = false;
    Step step = Step::Watch;
    int ticksInStep = 0;
    int framesAtEnd = -1;
};
Scenario scenario;

// What the frame loop draws, seen through two entry points: one indexed
// draw a frame, and the "iTime" uniform of that frame.
int framesDrawn = 0;
float lastFrameTime = -1.0f;
decltype(glDrawElements) originalDrawElements = nullptr;
decltype(glUniform1f) originalUniform1f = nullptr;

// The picture of a frame to come, read back from the host's drawing surface
// once the frame is drawn and before it is shown.
int captureFrame = -1;
std::optional<Frame> captured;
float capturedTime = 0.0f;

void captureDrawnFrame() {
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    Frame frame{viewport[2], viewport[3],
                std::vector<std::uint8_t>(static_cast<std::size_t>(viewport[2]) * viewport[3] * 4)};
    glReadPixels(0, 0, frame.width, frame.height, GL_RGBA, GL_UNSIGNED_BYTE, frame.rgba.data());
    captured = std::move(frame);
    capturedTime = lastFrameTime;
}

void VELMARIS_APIENTRY countingDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
    ++framesDrawn;
    originalDrawElements(mode, count, type, indices);
    if (framesDrawn == captureFrame) captureDrawnFrame();
}

void VELMARIS_APIENTRY recordingUniform1f(GLint location, GLfloat value) {
    GLint program = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    if (location == glGetUniformLocation(static_cast<GLuint>(program), "iTime")) lastFrameTime = value;
    originalUniform1f(location, value);
}

void watchFrames() {
    originalDrawElements = glDrawElements;
    glDrawElements = countingDrawElements;
    originalUniform1f = glUniform1f;
    glUniform1f = recordingUniform1f;
}

std::string viewport() {
    GLint values[4] = {};
    glGetIntegerv(GL_VIEWPORT, values);
    return std::to_string(values[0]) + "," + std::to_string(values[1]) + "," + std::to_string(values[2]) + "," +
           std::to_string(values[3]);
}

void checkAurora(const Frame& frame, float time) {
    static const std::optional<aurora::AuroraReference> reference = aurora::AuroraReference::fromResources();
    REQUIRE(reference.has_value());
    const FrameComparison comparison = compareFrame(frame, reference->render(frame.width, frame.height, time));
    std::cout << "  frame at " << frame.width << "x" << frame.height << ", t = " << time << ": band pixels "
              << comparison.bandPixels << ", mean difference " << comparison.bandMeanDifference << ", largest "
              << comparison.bandMaxDifference << ", stars " << comparison.starShare << " (reference "
              << comparison.referenceStarShare << ")" << std::endl;
    CHECK(matchesReference(comparison));
}

// Under Wine 8 neither the screen nor the front buffer shows the picture of
// an OpenGL child window: the frame is read back where it is drawn.
void checkDrawing(int width, int height) {
    CHECK_EQ(screenWidth, width);
    CHECK_EQ(screenHeight, height);
    CHECK_EQ(viewport(), "0,0," + std::to_string(width) + "," + std::to_string(height));
    REQUIRE(captured.has_value());
    CHECK_EQ(captured->width, width);
    CHECK_EQ(captured->height, height);
    checkAurora(*captured, capturedTime);
}

void checkHostAttached() {
    const HWND host = scenario.host;
    CHECK_EQ(GetPropW(host, L"GLFW"), static_cast<HANDLE>(theApp->window));
    CHECK(testwindows::procedureOf(host) != reinterpret_cast<LONG>(testwindows::classProcedure()));
    CHECK(SendMessageW(host, WM_GETICON, ICON_BIG, 0) != 0);
    CHECK_EQ(glfwGetInputMode(theApp->window, GLFW_CURSOR), GLFW_CURSOR_HIDDEN);
    SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
    SendMessageW(host, WM_SETCURSOR, reinterpret_cast<WPARAM>(host), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    CHECK(GetCursor() == nullptr);
}

// Wine's drawable of an OpenGL child window takes a new window size at the
// buffer swap after the first frame of that size: the second frame of a
// step is the one compared.
void enterStep(Step step) {
    scenario.step = step;
    scenario.ticksInStep = 0;
    captured.reset();
    captureFrame = step != Step::Ended ? framesDrawn + 2 : -1;
}

void endPreview() {
    if (scenario.destroyHost) {
        DestroyWindow(scenario.host);
    } else {
        EnableWindow(scenario.host, FALSE);
    }
    scenario.framesAtEnd = framesDrawn;
    enterStep(Step::Ended);
}

void CALLBACK onTick(HWND, UINT, UINT_PTR, DWORD) {
    // A message box of a failed start also runs timers.
    if (theApp == nullptr || theApp->window == nullptr || scenario.step == Step::Ended) return;
    if (originalDrawElements == nullptr) {
        watchFrames();
        return enterStep(Step::Watch);
    }
    if (++scenario.ticksInStep > kMaxTicksPerStep) {
        checks::fail(__FILE__, __LINE__, "no frame drawn");
        return endPreview();
    }
    if (!captured.has_value()) return;

    if (scenario.step == Step::Watch) {
        checks::runCase("the preview draws the aurora into the host", [] {
            checkHostAttached();
            checkDrawing(testwindows::kPreviewWidth, testwindows::kPreviewHeight);
        });
        checks::runCase("resizing the host resizes the surface at once", [] {
            SetWindowPos(scenario.host, nullptr, 0, 0, kResizedWidth, kResizedHeight,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            CHECK_EQ(screenWidth, kResizedWidth);
            CHECK_EQ(screenHeight, kResizedHeight);
            CHECK_EQ(screenAspect, static_cast<float>(kResizedWidth) / kResizedHeight);
        });
        enterStep(Step::Resize);
    } else {
        checks::runCase("frames after the resize fill the resized host",
                        [] { checkDrawing(kResizedWidth, kResizedHeight); });
        endPreview();
    }
}

bool loopReturned = false;

// The program ends the process itself when its start fails or on input.
void failIfEndedEarly() {
    if (loopReturned) return;
    std::cout << "FAILED: the process ended before the frame loop returned" << std::endl;
    std::fflush(stdout);
    std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string ending = argc > 1 ? argv[1] : "";
    if (ending != "disable" && ending != "destroy") {
        std::cout << "usage: preview_path_test disable|destroy" << std::endl;
        return 2;
    }
    scenario.destroyHost = ending == "destroy";
    const testwindows::PreviewHost host = testwindows::createPreviewHost();
    scenario.host = host.preview;

    const std::string handle = std::to_string(reinterpret_cast<std::uintptr_t>(host.preview));
    const std::string commandLine = scenario.destroyHost ? "/p:" + handle : "/p " + handle;
    std::cout << "command line: " << commandLine << std::endl;
    std::atexit(failIfEndedEarly);
    SetTimer(nullptr, 0, kTickMilliseconds, onTick);
    const int result = screensaverMain(GetModuleHandleW(nullptr), commandLine.c_str(), SW_SHOWNORMAL);
    loopReturned = true;

    const std::string endingName = scenario.destroyHost ? "destroyed" : "disabled";
    checks::runCase("the loop ends after the frame in which the host was " + endingName, [&] {
        CHECK_EQ(result, 0);
        CHECK(scenario.step == Step::Ended);
        CHECK_EQ(framesDrawn, scenario.framesAtEnd);
        CHECK_EQ(IsWindow(host.preview) != 0, !scenario.destroyHost);
    });
    return checks::exitCode();
}
