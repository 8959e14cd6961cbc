#include <cstdio>
#include <string_view>

#include "about_window.h"

namespace {

// The notice separates its lines with "\r\n"; a terminal wants "\n".
void printWithPlainLineEnds(std::string_view text) {
    for (char c : text) {
        if (c != '\r') std::putchar(c);
    }
    std::putchar('\n');
}

}  // namespace

// Linux has no About window: configure mode prints what the window shows.
AboutWindow::AboutWindow(platform::Instance, int) {
    std::printf("%s\n", headingText);
    printWithPlainLineEnds(noticeText);
    std::printf("%s\n", aboutWebAddress);
    std::fflush(stdout);
}
