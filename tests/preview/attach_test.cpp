// glfwAttachWindow on native windows of this process: what the library
// window takes from the native one, where the native window's messages go,
// and what destruction and refused requests leave behind.
#include <windows.h>

#include "glfw_attach.h"
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3native.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "checks.h"
#include "test_windows.h"

namespace {

using testwindows::procedureOf;

struct Events {
    std::vector<std::string> sizes;
    std::vector<int> iconify;
    std::vector<int> maximize;
    std::vector<int> focus;
    std::vector<int> keys;
    std::vector<int> buttons;
    std::vector<int> errors;
};
Events events;

void onError(int code, const char* description) {
    events.errors.push_back(code);
    std::cout << "  library error 0x" << std::hex << code << std::dec << ": " << description << std::endl;
}

void installHandlers(GLFWwindow* window) {
    glfwSetWindowSizeCallback(window, [](GLFWwindow*, int width, int height) {
        events.sizes.push_back(std::to_string(width) + "x" + std::to_string(height));
    });
    glfwSetWindowIconifyCallback(window, [](GLFWwindow*, int iconified) { events.iconify.push_back(iconified); });
    glfwSetWindowMaximizeCallback(window, [](GLFWwindow*, int maximized) { events.maximize.push_back(maximized); });
    glfwSetWindowFocusCallback(window, [](GLFWwindow*, int focused) { events.focus.push_back(focused); });
    glfwSetKeyCallback(window, [](GLFWwindow*, int key, int, int, int) { events.keys.push_back(key); });
    glfwSetMouseButtonCallback(window, [](GLFWwindow*, int button, int, int) { events.buttons.push_back(button); });
}

std::string joined(const std::vector<int>& values) {
    std::ostringstream text;
    text << "{";
    for (std::size_t i = 0; i < values.size(); ++i) text << (i == 0 ? "" : ",") << values[i];
    text << "}";
    return text.str();
}

std::string clientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return std::to_string(client.right) + "x" + std::to_string(client.bottom);
}

// Everything about a native window that attaching may touch and that a
// detached window must have as before.
std::string nativeState(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    std::ostringstream state;
    state << "exists=" << (IsWindow(window) != 0) << " procedure=" << std::hex << procedureOf(window)
          << " property=" << GetPropW(window, L"GLFW") << " style=" << GetWindowLongW(window, GWL_STYLE)
          << " exstyle=" << GetWindowLongW(window, GWL_EXSTYLE) << std::dec << " rect=" << outer.left << ","
          << outer.top << "," << outer.right << "," << outer.bottom << " client=" << clientSize(window)
          << " visible=" << (IsWindowVisible(window) != 0) << " enabled=" << (IsWindowEnabled(window) != 0)
          << " iconic=" << (IsIconic(window) != 0) << " zoomed=" << (IsZoomed(window) != 0)
          << " parent=" << GetParent(window);
    return state.str();
}

// A fresh native window per case, gone when the case ends.
class NativeWindow {
public:
    NativeWindow(DWORD style, DWORD exStyle, bool child) {
        if (child) frame_ = testwindows::create(WS_OVERLAPPEDWINDOW, 0, 400, 300);
        handle_ =
            child ? testwindows::create(style, exStyle, testwindows::kPreviewWidth, testwindows::kPreviewHeight, frame_)
                  : testwindows::create(style, exStyle, 320, 240);
    }
    NativeWindow(const NativeWindow&) = delete;
    NativeWindow& operator=(const NativeWindow&) = delete;
    static NativeWindow previewChild() { return NativeWindow(WS_CHILD, 0, true); }
    static NativeWindow overlapped() { return NativeWindow(WS_OVERLAPPEDWINDOW, 0, false); }
    ~NativeWindow() {
        DestroyWindow(frame_ != nullptr ? frame_ : handle_);
        testwindows::pumpMessages();
    }
    HWND handle() const { return handle_; }

private:
    HWND frame_ = nullptr;
    HWND handle_ = nullptr;
};

GLFWwindow* attach(HWND handle, GLFWwindow* share = nullptr) {
    events = Events{};
    return glfwAttachWindow(handle, share);
}

LONG libraryProcedure() {
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
    GLFWwindow* own = glfwCreateWindow(64, 64, "library window", nullptr, nullptr);
    const LONG procedure = procedureOf(glfwGetWin32Window(own));
    glfwDestroyWindow(own);
    glfwDefaultWindowHints();
    return procedure;
}

struct StyleCase {
    const char* name;
    DWORD style;
    DWORD exStyle;
    bool child;
    int resizable;
    int decorated;
    int floating;
};

void attributesFollowTheNativeStyle() {
    const StyleCase cases[] = {
        {"an overlapped window", WS_OVERLAPPEDWINDOW, 0, false, GLFW_TRUE, GLFW_TRUE, GLFW_FALSE},
        {"a borderless child", WS_CHILD, 0, true, GLFW_FALSE, GLFW_FALSE, GLFW_FALSE},
        {"a child with a thin border", WS_CHILD | WS_BORDER, 0, true, GLFW_FALSE, GLFW_TRUE, GLFW_FALSE},
        {"a popup with a sizing frame", WS_POPUP | WS_THICKFRAME, 0, false, GLFW_TRUE, GLFW_TRUE, GLFW_FALSE},
        {"a popup with a caption", WS_POPUP | WS_CAPTION, 0, false, GLFW_FALSE, GLFW_TRUE, GLFW_FALSE},
        {"a topmost popup", WS_POPUP, WS_EX_TOPMOST, false, GLFW_FALSE, GLFW_FALSE, GLFW_TRUE},
    };
    for (const StyleCase& styleCase : cases) {
        checks::runCase(std::string("attributes of ") + styleCase.name, [&] {
            NativeWindow native(styleCase.style, styleCase.exStyle, styleCase.child);
            GLFWwindow* window = attach(native.handle());
            REQUIRE(window != nullptr);
            CHECK_EQ(glfwGetWindowAttrib(window, GLFW_RESIZABLE), styleCase.resizable);
            CHECK_EQ(glfwGetWindowAttrib(window, GLFW_DECORATED), styleCase.decorated);
            CHECK_EQ(glfwGetWindowAttrib(window, GLFW_FLOATING), styleCase.floating);
            CHECK(glfwGetWindowMonitor(window) == nullptr);
            glfwDestroyWindow(window);
        });
    }
}

void attachingInstallsThePropertyProcedureAndContext() {
    checks::runCase("attaching sets the property, the library's procedure and a context", [] {
        const LONG expectedProcedure = libraryProcedure();
        NativeWindow native = NativeWindow::previewChild();
        const HWND handle = native.handle();
        CHECK_EQ(procedureOf(handle), reinterpret_cast<LONG>(testwindows::classProcedure()));
        GLFWwindow* window = attach(handle);
        REQUIRE(window != nullptr);
        CHECK_EQ(GetPropW(handle, L"GLFW"), static_cast<HANDLE>(window));
        CHECK_EQ(procedureOf(handle), expectedProcedure);
        CHECK_EQ(glfwGetWin32Window(window), handle);
        CHECK_EQ(glfwGetWindowAttrib(window, GLFW_CLIENT_API), GLFW_OPENGL_API);
        CHECK(glfwGetWindowAttrib(window, GLFW_CONTEXT_VERSION_MAJOR) >= 2);
        glfwMakeContextCurrent(window);
        CHECK(glfwGetCurrentContext() == window);
        CHECK(glfwGetProcAddress("glClear") != nullptr);
        glfwMakeContextCurrent(nullptr);
        glfwDestroyWindow(window);
    });
}

struct MessageCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::vector<int> Events::*reported;
    int expected;
};

void messagesGoToTheLibraryNotTheSavedProcedure() {
    // Scan code 0x1E, repeat count 1: the A key going down.
    const LPARAM keyA = (0x1E << 16) | 1;
    const MessageCase cases[] = {
        {"a key", WM_KEYDOWN, 'A', keyA, &Events::keys, GLFW_KEY_A},
        {"a mouse button", WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10), &Events::buttons, GLFW_MOUSE_BUTTON_RIGHT},
        {"a focus change", WM_SETFOCUS, 0, 0, &Events::focus, GLFW_TRUE},
    };
    for (const MessageCase& messageCase : cases) {
        checks::runCase(std::string(messageCase.name) + " reaches its handler", [&] {
            NativeWindow native = NativeWindow::previewChild();
            GLFWwindow* window = attach(native.handle());
            REQUIRE(window != nullptr);
            installHandlers(window);
            const int savedProcedureMessages = testwindows::messagesReceived(native.handle());
            SendMessageW(native.handle(), messageCase.message, messageCase.wParam, messageCase.lParam);
            CHECK_EQ(joined(events.*messageCase.reported), joined({messageCase.expected}));
            CHECK_EQ(testwindows::messagesReceived(native.handle()), savedProcedureMessages);
            glfwDestroyWindow(window);
        });
    }
    checks::runCase("a close request sets the close flag and leaves the window", [] {
        NativeWindow native = NativeWindow::previewChild();
        GLFWwindow* window = attach(native.handle());
        REQUIRE(window != nullptr);
        SendMessageW(native.handle(), WM_CLOSE, 0, 0);
        CHECK_EQ(glfwWindowShouldClose(window), GLFW_TRUE);
        CHECK(IsWindow(native.handle()));
        glfwDestroyWindow(window);
    });
}

void resizingReachesTheSizeHandler() {
    const struct {
        const char* name;
        bool child;
    } cases[] = {{"the preview child", true}, {"an overlapped window", false}};
    for (const auto& resizeCase : cases) {
        checks::runCase(std::string("resizing ") + resizeCase.name + " reports its new client size", [&] {
            NativeWindow native = resizeCase.child ? NativeWindow::previewChild() : NativeWindow::overlapped();
            const HWND handle = native.handle();
            GLFWwindow* window = attach(handle);
            REQUIRE(window != nullptr);
            installHandlers(window);
            const std::string before = clientSize(handle);
            SetWindowPos(handle, nullptr, 0, 0, 230, 170, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            testwindows::pumpMessages();
            CHECK(clientSize(handle) != before);
            CHECK(!events.sizes.empty());
            if (!events.sizes.empty()) CHECK_EQ(events.sizes.back(), clientSize(handle));
            int width = 0;
            int height = 0;
            glfwGetWindowSize(window, &width, &height);
            CHECK_EQ(std::to_string(width) + "x" + std::to_string(height), clientSize(handle));
            glfwDestroyWindow(window);
        });
    }
}

constexpr int kPlainResize = -1;

struct ShowStateCase {
    const char* name;
    int showBeforeAttaching;
    int change;  // a show command, or kPlainResize
    std::vector<int> iconify;
    std::vector<int> maximize;
};

void showStateChangesCountFromTheStateWhenAttached() {
    const ShowStateCase cases[] = {
        {"a normal window resized", SW_SHOWNORMAL, kPlainResize, {}, {}},
        {"a minimised window restored", SW_MINIMIZE, SW_RESTORE, {GLFW_FALSE}, {}},
        {"a maximised window restored", SW_MAXIMIZE, SW_RESTORE, {}, {GLFW_FALSE}},
        {"a normal window minimised", SW_SHOWNORMAL, SW_MINIMIZE, {GLFW_TRUE}, {}},
    };
    for (const ShowStateCase& stateCase : cases) {
        checks::runCase(std::string(stateCase.name) + " reports the change from the attached state", [&] {
            NativeWindow native = NativeWindow::overlapped();
            const HWND handle = native.handle();
            ShowWindow(handle, stateCase.showBeforeAttaching);
            testwindows::pumpMessages();
            CHECK_EQ(IsIconic(handle) != 0, stateCase.showBeforeAttaching == SW_MINIMIZE);
            CHECK_EQ(IsZoomed(handle) != 0, stateCase.showBeforeAttaching == SW_MAXIMIZE);
            GLFWwindow* window = attach(handle);
            REQUIRE(window != nullptr);
            installHandlers(window);
            if (stateCase.change == kPlainResize) {
                SetWindowPos(handle, nullptr, 0, 0, 360, 280, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                CHECK(!events.sizes.empty());
            } else {
                ShowWindow(handle, stateCase.change);
            }
            testwindows::pumpMessages();
            CHECK_EQ(joined(events.iconify), joined(stateCase.iconify));
            CHECK_EQ(joined(events.maximize), joined(stateCase.maximize));
            glfwDestroyWindow(window);
        });
    }
}

void destructionGivesTheNativeWindowBack() {
    const struct {
        const char* name;
        void (*destroy)(GLFWwindow*);
    } cases[] = {
        {"glfwDestroyWindow", [](GLFWwindow* window) { glfwDestroyWindow(window); }},
        {"glfwTerminate",
         [](GLFWwindow*) {
             glfwTerminate();
             glfwInit();
         }},
    };
    for (const auto& destroyCase : cases) {
        checks::runCase(std::string(destroyCase.name) + " detaches the native window and leaves it alive", [&] {
            NativeWindow native = NativeWindow::previewChild();
            const HWND handle = native.handle();
            const std::string before = nativeState(handle);
            GLFWwindow* window = attach(handle);
            REQUIRE(window != nullptr);
            unsigned char pixels[16 * 16 * 4] = {};
            const GLFWimage icon{16, 16, pixels};
            glfwSetWindowIcon(window, 1, &icon);
            glfwMakeContextCurrent(window);
            destroyCase.destroy(window);
            CHECK(glfwGetCurrentContext() == nullptr);
            CHECK_EQ(nativeState(handle), before);
            const int messages = testwindows::messagesReceived(handle);
            SendMessageW(handle, WM_NULL, 0, 0);
            CHECK_EQ(testwindows::messagesReceived(handle), messages + 1);
        });
    }
}

struct RefusalCase {
    const char* name;
    // Sets the hints; returns the share window to ask for, if any.
    GLFWwindow* (*prepare)();
    int error;
};

GLFWwindow* hinted(int hint, int value) {
    glfwWindowHint(hint, value);
    return nullptr;
}

GLFWwindow* uninitialised() {
    glfwTerminate();
    return nullptr;
}

GLFWwindow* windowWithoutContext() {
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
    GLFWwindow* window = glfwCreateWindow(64, 64, "no context", nullptr, nullptr);
    glfwDefaultWindowHints();
    return window;
}

void refusedRequestsLeaveTheWindowAsItWas() {
    const RefusalCase cases[] = {
        {"an unknown client API", []() -> GLFWwindow* { return hinted(GLFW_CLIENT_API, 0x7ABC); }, GLFW_INVALID_ENUM},
        {"an unknown context creation API", []() -> GLFWwindow* { return hinted(GLFW_CONTEXT_CREATION_API, 0x7ABC); },
         GLFW_INVALID_ENUM},
        {"OpenGL 99.0", []() -> GLFWwindow* { return hinted(GLFW_CONTEXT_VERSION_MAJOR, 99); },
         GLFW_VERSION_UNAVAILABLE},
        {"a share window without a context", windowWithoutContext, GLFW_NO_WINDOW_CONTEXT},
        {"an uninitialised library", uninitialised, GLFW_NOT_INITIALIZED},
    };
    for (const RefusalCase& refusal : cases) {
        checks::runCase(std::string(refusal.name) + " gives no window and changes nothing", [&] {
            NativeWindow native = NativeWindow::previewChild();
            const HWND handle = native.handle();
            const std::string before = nativeState(handle);
            events = Events{};
            GLFWwindow* share = refusal.prepare();
            GLFWwindow* window = glfwAttachWindow(handle, share);
            CHECK(window == nullptr);
            CHECK(std::find(events.errors.begin(), events.errors.end(), refusal.error) != events.errors.end());
            CHECK_EQ(nativeState(handle), before);
            const int messages = testwindows::messagesReceived(handle);
            SendMessageW(handle, WM_NULL, 0, 0);
            CHECK_EQ(testwindows::messagesReceived(handle), messages + 1);
            if (share != nullptr) glfwDestroyWindow(share);
            glfwInit();
            glfwDefaultWindowHints();
        });
    }
}

}  // namespace

int main() {
    glfwSetErrorCallback(onError);
    if (!glfwInit()) {
        std::cout << "glfwInit failed" << std::endl;
        return 1;
    }
    attributesFollowTheNativeStyle();
    attachingInstallsThePropertyProcedureAndContext();
    messagesGoToTheLibraryNotTheSavedProcedure();
    resizingReachesTheSizeHandler();
    showStateChangesCountFromTheStateWhenAttached();
    destructionGivesTheNativeWindowBack();
    refusedRequestsLeaveTheWindowAsItWas();
    glfwTerminate();
    return checks::exitCode();
}
