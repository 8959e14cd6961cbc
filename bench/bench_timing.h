// What the start-up benchmarks share: a clock that a Linux launcher and a
// Windows program under Wine read alike, the loop that times frames, and the
// line of figures that bench/run_bench.py reads.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

struct GLFWwindow;

// Wall-clock time in nanoseconds since 1970 (CLOCK_REALTIME on Linux, the
// precise system time on Windows, which Wine takes from the same clock).
std::int64_t wallClockNanoseconds();

double millisecondsBetween(std::int64_t from, std::int64_t to);

// <launched-at nanoseconds> <frames>: when the launcher started the process,
// and how many frames to time after the first.
struct BenchArguments {
    std::int64_t launchedAt = 0;
    int frames = 0;
};
std::optional<BenchArguments> parseBenchArguments(int argc, char** argv);

// Start-up steps in milliseconds; firstFrame counts from the launch to the
// return of the first buffer swap.
struct StartupFigures {
    double window = 0;
    double resources = 0;
    double textures = 0;
    double shaders = 0;
    double model = 0;
    double firstDraw = 0;
    double firstFrame = 0;
};

// The median time of `frames` iterations of: draw, swap, poll events.
double medianFrameMilliseconds(GLFWwindow* window, int frames, const std::function<void()>& draw);

// One line "bench: name=value ...".
void printFigures(const StartupFigures& startup, double medianFrame, int frames);
