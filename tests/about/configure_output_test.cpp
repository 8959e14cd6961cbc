// Configure mode of the Linux build: the program prints what the About window
// shows and ends with 0, without needing a display.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "about_text.h"

namespace {

struct ProgramRun {
    std::string output;
    int exitCode = -1;
};

ProgramRun runProgram(const std::string& arguments) {
    const std::string command = "env -u DISPLAY timeout 30 '" VELMARIS_SKY_PROGRAM "' " + arguments;
    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[256];
    for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.output.append(buffer, count);
    const int status = pclose(pipe);
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    return run;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> found;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) found.push_back(line);
    return found;
}

class ConfigureOutputTest : public testing::TestWithParam<const char*> {};

TEST_P(ConfigureOutputTest, PrintsHeadingNoticeAndWebAddressThenEndsWithZero) {
    const ProgramRun run = runProgram(GetParam());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output.find('\r'), std::string::npos) << "the notice keeps its carriage returns";
    ASSERT_FALSE(run.output.empty());
    EXPECT_EQ(run.output.back(), '\n');

    const std::vector<std::string> printed = lines(run.output);
    ASSERT_EQ(printed.size(), 5u) << run.output;
    EXPECT_EQ(printed[0], aboutHeadingText);
    EXPECT_EQ(printed[1] + "\r\n" + printed[2] + "\r\n" + printed[3], aboutNoticeText);
    EXPECT_EQ(printed[4], aboutWebAddress);
}

INSTANTIATE_TEST_SUITE_P(Switches, ConfigureOutputTest, testing::Values("/c", "/c:5678", "/c 5678"));

}  // namespace
