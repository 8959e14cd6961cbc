// The platform services the program uses, implemented once per backend:
// platform_win32.cpp calls Win32, platform_linux.cpp stands in for it on X11.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

// HWND on Win32; an X11 window id on Linux.
using NativeWindow = void*;
// HINSTANCE on Win32; unused on Linux.
using Instance = void*;

constexpr unsigned kMessageOk = 0x00;
constexpr unsigned kMessageIconWarning = 0x30;
constexpr unsigned kMessageIconInformation = 0x40;

// Modal message box without an owner window (Linux: caption and text on stderr).
void messageBox(const char* text, const char* caption, unsigned style);

// Bytes of the executable's "TEXTFILE" resource with this id; empty, with a
// null data pointer, when there is no such resource.
std::string_view textResource(int id);

// The pixels of a BITMAP resource: colours as 0x00BBGGRR (red in the lowest
// byte, as GetPixel returns them), rows from the top, columns from the left.
struct BitmapPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> colours;
};
// False, with `out` empty, when the resource does not exist or is no bitmap.
bool loadBitmapResource(int id, BitmapPixels& out);

// The single-instance guard: true for the first holder of the name
// "K_OPENGL_SCREENSAVER", false while another process holds it. The name
// stays taken until this process ends.
bool claimSingleInstance();

// Windows version as major * 10 + minor (Linux counts as a modern Windows).
int windowsVersion();

// The host window of a preview.
bool hostWindowExists(NativeWindow window);
bool hostClientSize(NativeWindow window, int& width, int& height);
bool isHostWindowEnabled(NativeWindow window);

// The OpenGL library and its two lookups (wglGetProcAddress / GetProcAddress
// on Win32, glXGetProcAddressARB / dlsym on Linux).
void* openGLLibrary();
void closeGLLibrary(void* library);
void* contextProcAddress(const char* name);
void* libraryExport(void* library, const char* name);

}  // namespace platform
