// A hidden window with a current context and loaded entry points, made once
// per test suite the way the program makes its own (a 2.0 request).
#pragma once

#include <gtest/gtest.h>

struct GLFWwindow;

class GLContextTest : public testing::Test {
protected:
    static constexpr int kWindowWidth = 64;
    static constexpr int kWindowHeight = 48;

    static void SetUpTestSuite();
    static void TearDownTestSuite();

    static inline GLFWwindow* window = nullptr;
};

// Points an entry point at a replacement for the life of the object.
template <typename Function>
class ReplacedEntryPoint {
public:
    ReplacedEntryPoint(Function& entry, Function replacement) : entry(entry), original(entry) { entry = replacement; }
    ~ReplacedEntryPoint() { entry = original; }
    ReplacedEntryPoint(const ReplacedEntryPoint&) = delete;
    ReplacedEntryPoint& operator=(const ReplacedEntryPoint&) = delete;

private:
    Function& entry;
    Function original;
};
