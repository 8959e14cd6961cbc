// A console tool that the Wine tests run inside the test prefix to look at
// the windows of other processes, the way a user would see them.
//   winprobe windows          one line per visible top-level window
//   winprobe boxes            caption and text of every open message box
//   winprobe dismiss          presses OK on every open message box
//   winprobe close <hwnd>     sends WM_CLOSE to a window
//   winprobe client <hwnd>    the client area's top-left corner on the screen and its size
//   winprobe children <hwnd>  id, class, text and place of every child window
//   winprobe hittest <hwnd> <x> <y>  the WM_NCHITTEST answer for a screen point
//   winprobe focus <hwnd>     the id and class of the control with the focus in the window's thread
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

HWND handleArgument(const char* text) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoul(text, nullptr, 10)));
}

int closeWindow(const char* handle) {
    return PostMessageA(handleArgument(handle), WM_CLOSE, 0, 0) ? 0 : 1;
}

int clientArea(HWND window) {
    POINT origin{0, 0};
    RECT client{};
    if (!ClientToScreen(window, &origin) || !GetClientRect(window, &client)) return 1;
    std::printf("origin=%ld,%ld\tsize=%ld,%ld\n", origin.x, origin.y, client.right, client.bottom);
    return 0;
}

int listChildren(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        std::printf("id=%d\tclass=%s\ttext=%s\trect=%ld,%ld,%ld,%ld\tstyle=%lx\n", GetDlgCtrlID(child),
                    oneLine(className(child)).c_str(), oneLine(windowText(child)).c_str(), place.left, place.top,
                    place.right, place.bottom, static_cast<unsigned long>(GetWindowLongA(child, GWL_STYLE)));
    }
    return 0;
}

int hitTest(HWND window, int x, int y) {
    std::printf("hit=%ld\n", static_cast<long>(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y))));
    return 0;
}

int focusedControl(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return 1;
    std::printf("id=%d\tclass=%s\n", info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0,
                info.hwndFocus ? oneLine(className(info.hwndFocus)).c_str() : "");
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
    else if (command == "client" && argc > 2) result = clientArea(handleArgument(argv[2]));
    else if (command == "children" && argc > 2) result = listChildren(handleArgument(argv[2]));
    else if (command == "hittest" && argc > 4)
        result = hitTest(handleArgument(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
    else if (command == "focus" && argc > 2) result = focusedControl(handleArgument(argv[2]));
    else if (command == "idle") Sleep(INFINITE);
    else std::fprintf(stderr, "usage: winprobe windows|boxes|dismiss|close <hwnd>|client <hwnd>|children <hwnd>|\n"
                              "       hittest <hwnd> <x> <y>|focus <hwnd>|idle\n");
    std::fflush(stdout);
    return result;
}
