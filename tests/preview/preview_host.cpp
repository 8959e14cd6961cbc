// A preview host in a process of its own. "child" makes it as the Control
// Panel does: a frame with a borderless preview window; "top-level" makes
// the preview window a top-level window of its own. Prints
// "preview=<handle> frame=<handle>" (decimal; the same for "top-level").
// Given an ending, it answers WM_CLOSE posted to the preview window by
// printing "attached=<0|1>" (whether the window carries a "GLFW" property),
// then disables or destroys the window. WM_CLOSE posted to the frame prints
// "procedure=<own|replaced> property=<set|none>" for the preview window and
// ends the program.
//   preview_host child|top-level [disable|destroy]
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "test_windows.h"

namespace {

unsigned long decimal(HWND window) { return static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(window)); }

bool hasProperty(HWND window) { return GetPropW(window, L"GLFW") != nullptr; }

void endPreview(HWND preview, const std::string& ending) {
    if (ending == "disable") EnableWindow(preview, FALSE);
    if (ending == "destroy") DestroyWindow(preview);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string shape = argc > 1 ? argv[1] : "";
    const std::string ending = argc > 2 ? argv[2] : "";
    if (shape != "child" && shape != "top-level") {
        std::printf("usage: preview_host child|top-level [disable|destroy]\n");
        return 2;
    }
    testwindows::PreviewHost host;
    if (shape == "child") {
        host = testwindows::createPreviewHost();
    } else {
        host.frame = host.preview =
            testwindows::create(WS_OVERLAPPEDWINDOW, 0, testwindows::kPreviewWidth, testwindows::kPreviewHeight);
    }
    std::printf("preview=%lu frame=%lu\n", decimal(host.preview), decimal(host.frame));
    std::fflush(stdout);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_CLOSE && message.hwnd == host.preview && !ending.empty()) {
            std::printf("attached=%d\n", hasProperty(host.preview));
            std::fflush(stdout);
            endPreview(host.preview, ending);
            continue;
        }
        if (message.message == WM_CLOSE && message.hwnd == host.frame) break;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }

    const bool ownProcedure =
        testwindows::procedureOf(host.preview) == reinterpret_cast<LONG>(testwindows::classProcedure());
    std::printf("procedure=%s property=%s\n", ownProcedure ? "own" : "replaced",
                hasProperty(host.preview) ? "set" : "none");
    std::fflush(stdout);
    return 0;
}
