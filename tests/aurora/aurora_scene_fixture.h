// The program's scene in a hidden window, rendered at chosen times and
// viewport sizes and read back, with the CPU reference of the same frames.
#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "aurora_reference.h"
#include "frame_comparison.h"

struct FrameCase {
    float time;
    int width;
    int height;
};

std::ostream& operator<<(std::ostream& out, const FrameCase& frame);

// Times from the first frame to a long run, at a landscape and a portrait size.
const auto kFrameCases = testing::Values(FrameCase{0.0f, 640, 360}, FrameCase{7.5f, 640, 360},
                                         FrameCase{1000.0f, 640, 360}, FrameCase{0.0f, 300, 400},
                                         FrameCase{7.5f, 300, 400}, FrameCase{1000.0f, 300, 400});

class AuroraSceneTest : public testing::TestWithParam<FrameCase> {
protected:
    // Large enough for every frame case.
    static constexpr int kWindowWidth = 640;
    static constexpr int kWindowHeight = 400;

    // Opens the window, loads the entry points and runs setupScene once.
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    // One updateFrame at the case's time and size, read back from the back buffer.
    static Frame renderScene(const FrameCase& frame);
    static std::vector<aurora::AuroraPixel> renderReference(const FrameCase& frame);
};
