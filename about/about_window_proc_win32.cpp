#include "about_text.h"
#include "about_win32.h"

#include <shellapi.h>

namespace about {

HWND mainWindow = nullptr;
HBITMAP logoBitmap = nullptr;
HWND headingLabel = nullptr;
HWND noticeLabel = nullptr;
HWND websiteButton = nullptr;
HBRUSH labelBrush = nullptr;

namespace {

// Light green over the whole client area, then the logo at its place.
void paintBackgroundAndLogo(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    SetBkColor(dc, kBackgroundColour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);

    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, logoBitmap);
    BITMAP logo{};
    GetObjectA(logoBitmap, sizeof logo, &logo);
    BitBlt(dc, kLogoX, kLogoY, logo.bmWidth, logo.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    EndPaint(window, &paint);
}

}  // namespace

LRESULT CALLBACK aboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (labelBrush == nullptr) labelBrush = CreateSolidBrush(kBackgroundColour);
    switch (message) {
    case WM_CTLCOLORSTATIC: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, reinterpret_cast<HWND>(lParam) == headingLabel ? kHeadingColour : kNoticeColour);
        SetBkColor(dc, kBackgroundColour);
        return reinterpret_cast<LRESULT>(labelBrush);
    }
    case WM_COMMAND:
        // Exactly the button's id with notification code 0: a click.
        if (wParam == static_cast<WPARAM>(kButtonPlace.id)) {
            ShellExecuteA(mainWindow, "open", aboutHomePageFromAbout, nullptr, nullptr, SW_SHOWNORMAL);
        }
        return 0;
    case WM_PAINT:
        paintBackgroundAndLogo(window);
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        DeleteObject(logoBitmap);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace about
