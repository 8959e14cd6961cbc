#include "test_windows.h"

#include <map>

namespace testwindows {
namespace {

constexpr const wchar_t* kClassName = L"VelmarisPreviewTestWindow";

std::map<HWND, int> messageCounts;

LRESULT CALLBACK countingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ++messageCounts[window];
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerClassOnce() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = countingProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        // White, so that a picture that never reaches the window shows.
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

HWND create(DWORD style, DWORD exStyle, int width, int height, HWND parent) {
    registerClassOnce();
    const int position = parent != nullptr ? 20 : 100;
    HWND window = CreateWindowExW(exStyle, kClassName, L"preview test", style | WS_VISIBLE, position, position, width,
                                  height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    pumpMessages();
    return window;
}

PreviewHost createPreviewHost() {
    PreviewHost host;
    host.frame = create(WS_OVERLAPPEDWINDOW, 0, 400, 300);
    host.preview = create(WS_CHILD, 0, kPreviewWidth, kPreviewHeight, host.frame);
    return host;
}

WNDPROC classProcedure() { return countingProcedure; }

LONG procedureOf(HWND window) { return GetWindowLongW(window, GWL_WNDPROC); }

int messagesReceived(HWND window) { return messageCounts[window]; }

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace testwindows
