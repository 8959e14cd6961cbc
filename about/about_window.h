#pragma once

#include "platform.h"

// The configure-mode window; the constructor returns once it is closed.
class AboutWindow {
public:
    AboutWindow(platform::Instance instance, int showCommand);
};
