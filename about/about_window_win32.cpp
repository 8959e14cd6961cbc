#include "about_window.h"

#include "about_win32.h"

using namespace about;

namespace {

void showFailure(const char* text) {
    platform::messageBox(text, "Error!", platform::kMessageOk | platform::kMessageIconWarning);
}

bool registerWindowClass(HINSTANCE program, const char* className) {
    WNDCLASSA windowClass{};
    windowClass.style = 0;
    windowClass.lpfnWndProc = aboutWindowProc;
    windowClass.hInstance = program;
    windowClass.hIcon = static_cast<HICON>(LoadImageA(GetModuleHandleA("user32.dll"),
                                                      MAKEINTRESOURCEA(kWindowIconResource), IMAGE_ICON, 16, 16,
                                                      LR_SHARED));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    return RegisterClassA(&windowClass) != 0;
}

// The window's top-left corner that centres it on the screen, measured in
// physical pixels.
POINT centredPosition() {
    SetProcessDPIAware();
    HDC screen = GetDC(nullptr);
    const int screenWidth = GetDeviceCaps(screen, HORZRES);
    const int screenHeight = GetDeviceCaps(screen, VERTRES);
    return {static_cast<LONG>((screenWidth - kWindowWidth) * 0.5),
            static_cast<LONG>((screenHeight - kWindowHeight) * 0.5)};
}

HFONT createArialFont(const FontShape& shape) {
    return CreateFontA(shape.height, shape.width, 0, 0, shape.weight, FALSE, shape.underline, FALSE,
                       DEFAULT_CHARSET, OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH,
                       "Arial");
}

void setFont(HWND control, HFONT font) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HWND createChild(const char* className, const char* text, DWORD style, const ControlPlace& place,
                 HINSTANCE instance) {
    return CreateWindowExA(0, className, text, style, place.x, place.y, place.width, place.height, mainWindow,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(place.id)), instance, nullptr);
}

HWND createLabel(const char* text, const ControlPlace& place, HFONT font) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongA(mainWindow, GWL_HINSTANCE));
    HWND label = createChild("static", "ST_U", WS_CHILD | WS_VISIBLE | WS_TABSTOP, place, instance);
    SetWindowTextA(label, text);
    setFont(label, font);
    return label;
}

void runMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

AboutWindow::AboutWindow(platform::Instance instance, int showCommand) {
    const auto program = static_cast<HINSTANCE>(instance);
    if (!registerWindowClass(program, windowClassName)) showFailure("Window Registration Failed!");

    const POINT position = centredPosition();
    mainWindow = CreateWindowExA(0, windowClassName, title, WS_SYSMENU, position.x, position.y, kWindowWidth,
                                 kWindowHeight, nullptr, nullptr, program, nullptr);
    if (mainWindow == nullptr) {
        // Nothing to show and no window to wait for.
        showFailure("Window Creation Failed!");
        return;
    }

    logoBitmap = static_cast<HBITMAP>(
        LoadImageA(program, MAKEINTRESOURCEA(kLogoResource), IMAGE_BITMAP, 0, 0, LR_SHARED));
    HFONT textFont = createArialFont(kTextFont);
    HFONT headingFont = createArialFont(kHeadingFont);
    noticeLabel = createLabel(noticeText, kNoticePlace, textFont);
    headingLabel = createLabel(headingText, kHeadingPlace, headingFont);
    websiteButton = createChild("BUTTON", buttonText, WS_CHILD | WS_VISIBLE, kButtonPlace, program);
    setFont(websiteButton, textFont);

    ShowWindow(mainWindow, showCommand);
    UpdateWindow(mainWindow);
    runMessageLoop();
}
