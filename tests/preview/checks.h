// Checks for the Windows test programs that run under Wine: a failed check
// prints what and where, the program's exit code says whether any failed.
#pragma once

#include <cstdio>
#include <iostream>
#include <string>

namespace checks {

inline int failures = 0;
inline std::string currentCase;

inline void fail(const char* file, int line, const std::string& what) {
    ++failures;
    std::cout << file << ":" << line << ": FAILED in " << currentCase << ": " << what << std::endl;
}

template <typename Actual, typename Expected>
void expectEqual(const Actual& actual, const Expected& expected, const char* expression, const char* file, int line) {
    if (actual == expected) return;
    std::cout << file << ":" << line << ": FAILED in " << currentCase << ": " << expression
              << "\n  actual:   " << actual << "\n  expected: " << expected << std::endl;
    ++failures;
}

// Runs one named case; returns whether it passed.
template <typename Body>
bool runCase(const std::string& name, Body body) {
    currentCase = name;
    const int before = failures;
    std::cout << "[ RUN  ] " << name << std::endl;
    body();
    const bool passed = failures == before;
    std::cout << (passed ? "[   OK ] " : "[ FAIL ] ") << name << std::endl;
    return passed;
}

inline int exitCode() {
    std::cout << (failures == 0 ? "ALL PASSED" : "FAILURES: " + std::to_string(failures)) << std::endl;
    std::fflush(stdout);
    return failures == 0 ? 0 : 1;
}

}  // namespace checks

#define CHECK(condition) ((condition) ? void() : checks::fail(__FILE__, __LINE__, #condition))
// Ends the current case when the condition does not hold.
#define REQUIRE(condition)                                \
    do {                                                  \
        if (!(condition)) {                               \
            checks::fail(__FILE__, __LINE__, #condition); \
            return;                                       \
        }                                                 \
    } while (false)
#define CHECK_EQ(actual, expected) \
    checks::expectEqual((actual), (expected), #actual " == " #expected, __FILE__, __LINE__)
