#include "screensaver_args.h"

#include <cstdint>
#include <cstdlib>

ScreensaverArgs* theArgs = nullptr;

ScreensaverArgs::ScreensaverArgs(const char* commandLine) {
    for (const char* at = commandLine; *at != '\0'; ++at) {
        if (*at != '/') continue;
        switch (at[1]) {
            case 'p': mode = ScreensaverMode::Preview; break;
            case 's': mode = ScreensaverMode::Run; break;
            case 'c': mode = ScreensaverMode::Configure; break;
            default: break;
        }
        // The handle starts after the switch letter and one separator.
        if (mode != ScreensaverMode::None && at[1] != '\0' && at[2] != '\0') {
            hostWindow = reinterpret_cast<platform::NativeWindow>(static_cast<std::intptr_t>(std::atoi(at + 3)));
        }
    }
}
