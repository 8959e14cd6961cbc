#pragma once

#include "screensaver_args.h"

struct GLFWwindow;

// The drawing-surface size, written at start and by every window-size event.
extern int screenWidth;
extern int screenHeight;
extern float screenAspect;

class ScreensaverApp {
public:
    // Initialises the library, opens the full-screen or attached window and
    // sets up OpenGL; ends the process when no window can be had.
    explicit ScreensaverApp(ScreensaverArgs* args);

    // The frame loop; returns when the screensaver ends normally.
    void run();

    static int windowsVersion();
    static int primaryMonitorSize(int which);
    static void setVerticalSync(bool enabled);
    static void setWindowIcon(GLFWwindow* window);

    GLFWwindow* window = nullptr;
    ScreensaverArgs* args = nullptr;

private:
    void initLibrary();
    void computeSurfaceSize();
    void openWindow();
    void setFixedState();
};

extern ScreensaverApp* theApp;

void setSurfaceSize(int width, int height);

void onError(int code, const char* description);
void onWindowSize(GLFWwindow* window, int width, int height);
void onKey(GLFWwindow* window, int key, int scanCode, int action, int modifiers);
void onMouseButton(GLFWwindow* window, int button, int action, int modifiers);
void onCursorPos(GLFWwindow* window, double x, double y);
void onScroll(GLFWwindow* window, double xOffset, double yOffset);
