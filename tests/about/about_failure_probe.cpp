// Drives the About window into its failure paths inside this process, then
// reports that the constructor came back instead of waiting in a loop:
//   about_failure_probe taken-class     the class name is already registered, by a class whose
//                                       windows refuse to be created
//   about_failure_probe refused-window  a hook refuses to create the About window
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "about_window.h"

namespace {

const char* const kAboutClassName = "QuorvaleWindowClass";

LRESULT CALLBACK refusingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return FALSE;
    return DefWindowProcA(window, message, wParam, lParam);
}

void takeTheClassName(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = refusingWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kAboutClassName;
    RegisterClassA(&windowClass);
}

LRESULT CALLBACK refuseAboutWindow(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        char name[64] = {};
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (std::strcmp(name, kAboutClassName) == 0) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string failure = argc > 1 ? argv[1] : "";
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (failure == "taken-class") {
        takeTheClassName(instance);
    } else if (failure == "refused-window") {
        SetWindowsHookExA(WH_CBT, refuseAboutWindow, nullptr, GetCurrentThreadId());
    } else {
        std::fprintf(stderr, "usage: about_failure_probe taken-class|refused-window\n");
        return 2;
    }
    AboutWindow about(instance, SW_SHOWNORMAL);
    std::printf("constructor returned\n");
    std::fflush(stdout);
    return 0;
}
