#include <gtest/gtest.h>

#include <cstdint>

#include "screensaver_args.h"

namespace {

struct ArgsCase {
    const char* commandLine;
    ScreensaverMode mode;
    std::intptr_t hostWindow;
};

class ScreensaverArgsTest : public testing::TestWithParam<ArgsCase> {};

TEST_P(ScreensaverArgsTest, ParsesModeAndHandle) {
    const ArgsCase& expected = GetParam();
    const ScreensaverArgs args(expected.commandLine);
    EXPECT_EQ(args.mode, expected.mode) << '"' << expected.commandLine << '"';
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(args.hostWindow), expected.hostWindow)
        << '"' << expected.commandLine << '"';
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ScreensaverArgsTest,
    testing::Values(ArgsCase{"/s", ScreensaverMode::Run, 0},
                    ArgsCase{"/p 1234", ScreensaverMode::Preview, 1234},
                    ArgsCase{"/p:1234", ScreensaverMode::Preview, 1234},
                    ArgsCase{"/p12345", ScreensaverMode::Preview, 2345},
                    ArgsCase{"/c", ScreensaverMode::Configure, 0},
                    ArgsCase{"/c:5678", ScreensaverMode::Configure, 5678},
                    ArgsCase{"", ScreensaverMode::None, 0},
                    ArgsCase{"/S", ScreensaverMode::None, 0},
                    ArgsCase{"-s", ScreensaverMode::None, 0},
                    ArgsCase{"/p 1234 /s", ScreensaverMode::Run, 1234},
                    ArgsCase{"/p 1234 /x 99", ScreensaverMode::Preview, 99},
                    // The handle is read the atoi way: blanks, a sign, digits.
                    ArgsCase{"/p   42", ScreensaverMode::Preview, 42},
                    ArgsCase{"/p -7", ScreensaverMode::Preview, -7},
                    ArgsCase{"/p 12ab", ScreensaverMode::Preview, 12},
                    ArgsCase{"/p abc", ScreensaverMode::Preview, 0},
                    // A switch at the very end reads no handle.
                    ArgsCase{"/p", ScreensaverMode::Preview, 0},
                    ArgsCase{"/p 55 /", ScreensaverMode::Preview, 55},
                    ArgsCase{"/p 55 /s", ScreensaverMode::Run, 55},
                    ArgsCase{"/p 55 /c:", ScreensaverMode::Configure, 0},
                    // Before any mode is set, unknown switches read nothing.
                    ArgsCase{"/x 5 /s", ScreensaverMode::Run, 0},
                    ArgsCase{"text without switches", ScreensaverMode::None, 0},
                    ArgsCase{"/P 1234", ScreensaverMode::None, 0}));

}  // namespace
