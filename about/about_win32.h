// What the About window's constructor and its window procedure share.
#pragma once

#include <windows.h>

namespace about {

inline constexpr COLORREF kBackgroundColour = RGB(177, 232, 179);
inline constexpr COLORREF kHeadingColour = RGB(0, 0, 0);
inline constexpr COLORREF kNoticeColour = RGB(0, 51, 255);

inline constexpr int kWindowWidth = 400;
inline constexpr int kWindowHeight = 300;
inline constexpr int kLogoX = 142;
inline constexpr int kLogoY = 55;
inline constexpr int kLogoResource = 101;
inline constexpr int kWindowIconResource = 104;

// A child control's place in the client area and its id.
struct ControlPlace {
    int x;
    int y;
    int width;
    int height;
    int id;
};
inline constexpr ControlPlace kHeadingPlace{100, 20, 280, 20, 30};
inline constexpr ControlPlace kNoticePlace{20, 150, 380, 80, 10};
inline constexpr ControlPlace kButtonPlace{150, 210, 100, 32, 10};

struct FontShape {
    int height;
    int width;
    int weight;
    bool underline;
};
inline constexpr FontShape kTextFont{16, 6, FW_NORMAL, false};
inline constexpr FontShape kHeadingFont{18, 8, FW_BOLD, true};

// Set while the window exists.
extern HWND mainWindow;
extern HBITMAP logoBitmap;
extern HWND headingLabel;
extern HWND noticeLabel;
extern HWND websiteButton;
// Created on the first message and kept for the rest of the process.
extern HBRUSH labelBrush;

LRESULT CALLBACK aboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace about
