// Native windows for the preview tests, made the way a preview host makes
// them: their class procedure counts the messages that reach it.
#pragma once

#include <windows.h>

namespace testwindows {

// The Control Panel's preview area.
constexpr int kPreviewWidth = 152;
constexpr int kPreviewHeight = 112;

// A shown window of the test class; a child when `parent` is given.
HWND create(DWORD style, DWORD exStyle, int width, int height, HWND parent = nullptr);

struct PreviewHost {
    HWND frame = nullptr;
    HWND preview = nullptr;
};
// An overlapped top-level window with a borderless child of the preview size.
PreviewHost createPreviewHost();

// The test class's procedure, which every window of it has until attached.
WNDPROC classProcedure();
// The window's procedure as GetWindowLongW reports it.
LONG procedureOf(HWND window);
// Messages that have reached the class procedure for this window.
int messagesReceived(HWND window);

// Dispatches every message waiting for this thread.
void pumpMessages();

}  // namespace testwindows
