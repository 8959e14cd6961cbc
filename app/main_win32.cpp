#include <windows.h>

#include "entry.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    return screensaverMain(instance, commandLine, showCommand);
}
