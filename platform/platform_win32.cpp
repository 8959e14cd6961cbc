#include <windows.h>

#include "platform.h"

namespace platform {

void messageBox(const char* text, const char* caption, unsigned style) {
    MessageBoxA(nullptr, text, caption, style);
}

std::string_view textResource(int id) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "TEXTFILE");
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    if (bytes == nullptr) return {};
    return {bytes, SizeofResource(nullptr, found)};
}

bool loadBitmapResource(int id, BitmapPixels& out) {
    out = BitmapPixels{};
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    if (bitmap == nullptr) return false;
    BITMAP description{};
    GetObjectA(bitmap, sizeof description, &description);

    // One GetDIBits read of the whole bitmap as 32-bit rows from the top.
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof request.bmiHeader;
    request.bmiHeader.biWidth = description.bmWidth;
    request.bmiHeader.biHeight = -description.bmHeight;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> bgra(static_cast<std::size_t>(description.bmWidth) * description.bmHeight);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, description.bmHeight, bgra.data(), &request, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    if (rows != description.bmHeight) return false;

    out.width = description.bmWidth;
    out.height = description.bmHeight;
    out.colours.resize(bgra.size());
    for (std::size_t i = 0; i < bgra.size(); ++i) {
        const std::uint32_t value = bgra[i];
        out.colours[i] = ((value >> 16) & 0xFF) | (value & 0xFF00) | ((value & 0xFF) << 16);
    }
    return true;
}

bool claimSingleInstance() {
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, L"K_OPENGL_SCREENSAVER");
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(event);
        return false;
    }
    return true;
}

int windowsVersion() {
    const DWORD version = GetVersion();
    return LOBYTE(LOWORD(version)) * 10 + HIBYTE(LOWORD(version));
}

bool hostWindowExists(NativeWindow window) { return IsWindow(static_cast<HWND>(window)) != 0; }

bool hostClientSize(NativeWindow window, int& width, int& height) {
    RECT client{};
    const bool found = GetClientRect(static_cast<HWND>(window), &client) != 0;
    width = client.right - client.left;
    height = client.bottom - client.top;
    return found;
}

bool isHostWindowEnabled(NativeWindow window) { return IsWindowEnabled(static_cast<HWND>(window)) != 0; }

void* openGLLibrary() { return LoadLibraryA("opengl32.dll"); }

void closeGLLibrary(void* library) {
    if (library != nullptr) FreeLibrary(static_cast<HMODULE>(library));
}

void* contextProcAddress(const char* name) { return reinterpret_cast<void*>(wglGetProcAddress(name)); }

void* libraryExport(void* library, const char* name) {
    return library != nullptr ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name)) : nullptr;
}

}  // namespace platform
