// Starts a program and watches the X screen for its first aurora frame:
//   first_frame_watch <seconds> <program> [arguments...]
// An argument "@launch" is replaced by the launch time (wall-clock
// nanoseconds since 1970, taken just before the program starts), for
// programs that time their own steps from it. Once the middle of the screen
// shows the aurora band's colour (bright green, more blue than red), the
// program may run on until it ends by itself or `seconds` have passed since
// the launch; then it is ended. Prints, after the program's own output:
//   watch: first_frame_ms=<launch to the band on screen> peak_rss_kb=<the
//   program's largest resident set>
// The exit status is 1 when no aurora appeared within the time.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr long kPollNanoseconds = 2000000;
constexpr unsigned long kBandGreen = 100;

std::int64_t now(clockid_t clock) {
    timespec value{};
    clock_gettime(clock, &value);
    return static_cast<std::int64_t>(value.tv_sec) * 1000000000LL + value.tv_nsec;
}

bool showsBand(Display* display) {
    const Window root = DefaultRootWindow(display);
    const Screen* screen = DefaultScreenOfDisplay(display);
    XImage* image = XGetImage(display, root, screen->width / 2, screen->height / 2, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    const unsigned long red = (pixel >> 16) & 0xFF;
    const unsigned long green = (pixel >> 8) & 0xFF;
    const unsigned long blue = pixel & 0xFF;
    return green >= kBandGreen && blue > red;
}

pid_t launch(char** command, std::int64_t launchedAt) {
    std::vector<std::string> arguments;
    for (char** argument = command; *argument != nullptr; ++argument) {
        arguments.emplace_back(std::string(*argument) == "@launch" ? std::to_string(launchedAt) : *argument);
    }
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        std::perror(argv[0]);
        _exit(127);
    }
    return child;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <seconds> <program> [arguments...]\n", argv[0]);
        return 2;
    }
    const std::int64_t limit = static_cast<std::int64_t>(std::atof(argv[1]) * 1e9);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    if (showsBand(display)) {
        std::fprintf(stderr, "the screen shows the band before the program starts\n");
        return 1;
    }

    std::fflush(stdout);
    const std::int64_t start = now(CLOCK_MONOTONIC);
    const pid_t child = launch(argv + 2, now(CLOCK_REALTIME));
    std::int64_t firstFrame = -1;
    bool ended = false;
    int status = 0;
    rusage usage{};
    while (now(CLOCK_MONOTONIC) - start < limit) {
        if (wait4(child, &status, WNOHANG, &usage) == child) {
            ended = true;
            break;
        }
        if (firstFrame < 0 && showsBand(display)) firstFrame = now(CLOCK_MONOTONIC) - start;
        const timespec pause{0, kPollNanoseconds};
        nanosleep(&pause, nullptr);
    }
    if (!ended) {
        kill(-child, SIGKILL);
        wait4(child, &status, 0, &usage);
    }
    XCloseDisplay(display);
    std::printf("watch: first_frame_ms=%.2f peak_rss_kb=%ld\n", firstFrame < 0 ? -1.0 : firstFrame / 1e6,
                usage.ru_maxrss);
    return firstFrame < 0 ? 1 : 0;
}
