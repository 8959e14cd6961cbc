#include <cstdio>

#include "about_text.h"
#include "about_window.h"

// Linux has no About window: configure mode prints what the window shows.
AboutWindow::AboutWindow(platform::Instance, int) {
    std::printf("%s\n%s\n%s\n", aboutHeadingText, aboutNoticeText, aboutWebAddress);
    std::fflush(stdout);
}
