#pragma once

#include "about_text.h"
#include "platform.h"

// The configure-mode window; the constructor returns once it is closed.
class AboutWindow {
public:
    AboutWindow(platform::Instance instance, int showCommand);

    const char* title = "About";
    const char* windowClassName = "QuorvaleWindowClass";
    // Kept for reference only: the button is a system "BUTTON".
    const char* buttonClassName = "QuorvaleButtonClass";
    const char* buttonText = "Visit website";
    const char* noticeText = aboutNoticeText;
    const char* headingText = aboutHeadingText;
};
