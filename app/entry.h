#pragma once

#include "platform.h"

// Dispatches on the command line's switch; returns the exit code, always 0.
int screensaverMain(platform::Instance instance, const char* commandLine, int showCommand);
