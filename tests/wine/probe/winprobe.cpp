// A console tool that the Wine tests run inside the test prefix to look at
// the windows of other processes, the way a user would see them.
//   winprobe windows          one line per visible top-level window
//   winprobe boxes            caption and text of every open message box
//   winprobe dismiss          presses OK on every open message box
//   winprobe close <hwnd>     sends WM_CLOSE to a window
//   winprobe cursor           whether the cursor is showing
//   winprobe idle             waits until killed, keeping the prefix's desktop up
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

BOOL CALLBACK collectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> topLevelWindows() {
    std::vector<HWND> found;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string className(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string windowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool isMessageBox(HWND window) { return IsWindowVisible(window) && className(window) == "#32770"; }

// Tabs and line breaks would break the line format.
std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\t') c = ' ';
    }
    std::string escaped;
    for (char c : text) {
        if (c == '\r') escaped += "\\r";
        else if (c == '\n') escaped += "\\n";
        else escaped += c;
    }
    return escaped;
}

int listWindows() {
    for (HWND window : topLevelWindows()) {
        if (!IsWindowVisible(window)) continue;
        RECT outer{};
        RECT client{};
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        std::printf("hwnd=%lu\tpid=%lu\tclass=%s\ttitle=%s\trect=%ld,%ld,%ld,%ld\tclient=%ld,%ld\tstyle=%lx\texstyle=%lx\n",
                    static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)), process,
                    oneLine(className(window)).c_str(), oneLine(windowText(window)).c_str(), outer.left, outer.top,
                    outer.right, outer.bottom, client.right, client.bottom,
                    static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)),
                    static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)));
    }
    return 0;
}

int listBoxes() {
    for (HWND window : topLevelWindows()) {
        if (!isMessageBox(window)) continue;
        char text[4096] = {};
        GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
        std::printf("caption=%s\ttext=%s\n", oneLine(windowText(window)).c_str(), oneLine(text).c_str());
    }
    return 0;
}

int dismissBoxes() {
    for (HWND window : topLevelWindows()) {
        if (isMessageBox(window)) PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    return 0;
}

int closeWindow(const char* handle) {
    const auto window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoul(handle, nullptr, 10)));
    return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
}

int cursorState() {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    std::printf("showing=%d\tcursor=%lu\n", (info.flags & CURSOR_SHOWING) ? 1 : 0,
                static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(info.hCursor)));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    int result = 2;
    if (command == "windows") result = listWindows();
    else if (command == "boxes") result = listBoxes();
    else if (command == "dismiss") result = dismissBoxes();
    else if (command == "close" && argc > 2) result = closeWindow(argv[2]);
    else if (command == "cursor") result = cursorState();
    else if (command == "idle") Sleep(INFINITE);
    else std::fprintf(stderr, "usage: winprobe windows|boxes|dismiss|close <hwnd>|cursor|idle\n");
    std::fflush(stdout);
    return result;
}
