#include "bench_timing.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <time.h>
#endif

std::int64_t wallClockNanoseconds() {
#if defined(_WIN32)
    // 100 ns ticks since 1601.
    constexpr std::int64_t kTicksFrom1601To1970 = 116444736000000000LL;
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const std::int64_t ticks = (static_cast<std::int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return (ticks - kTicksFrom1601To1970) * 100;
#else
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000LL + now.tv_nsec;
#endif
}

double millisecondsBetween(std::int64_t from, std::int64_t to) { return static_cast<double>(to - from) / 1e6; }

std::optional<BenchArguments> parseBenchArguments(int argc, char** argv) {
    if (argc != 3) return std::nullopt;
    BenchArguments arguments{std::strtoll(argv[1], nullptr, 10), std::atoi(argv[2])};
    if (arguments.launchedAt <= 0 || arguments.frames <= 0) return std::nullopt;
    return arguments;
}

double medianFrameMilliseconds(GLFWwindow* window, int frames, const std::function<void()>& draw) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(frames));
    auto previous = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i) {
        draw();
        glfwSwapBuffers(window);
        glfwPollEvents();
        const auto now = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(now - previous).count());
        previous = now;
    }
    std::nth_element(times.begin(), times.begin() + frames / 2, times.end());
    return times[static_cast<std::size_t>(frames / 2)];
}

void printFigures(const StartupFigures& startup, double medianFrame, int frames) {
    std::printf("bench: window_ms=%.2f resources_ms=%.2f textures_ms=%.2f shaders_ms=%.2f model_ms=%.2f "
                "first_draw_ms=%.2f first_frame_ms=%.2f frame_median_ms=%.3f frames=%d\n",
                startup.window, startup.resources, startup.textures, startup.shaders, startup.model,
                startup.firstDraw, startup.firstFrame, medianFrame, frames);
    std::fflush(stdout);
}
