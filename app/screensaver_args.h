#pragma once

#include "platform.h"

enum class ScreensaverMode : int { Preview = 0, Run = 1, Configure = 2, None = 3 };

struct ScreensaverArgs {
    ScreensaverMode mode = ScreensaverMode::None;
    platform::NativeWindow hostWindow = nullptr;

    ScreensaverArgs() = default;
    // Reads the switches "/p <handle>", "/s" and "/c" from the command-line
    // text (without the program's own path).
    explicit ScreensaverArgs(const char* commandLine);
};

extern ScreensaverArgs* theArgs;
