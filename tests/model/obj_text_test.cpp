#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "obj_records.h"
#include "obj_text.h"

namespace {

using Strings = std::vector<std::string>;

struct LineCase {
    std::string line;
    std::string token;
    std::string remainder;
};

class LineFunctionsTest : public testing::TestWithParam<LineCase> {};

TEST_P(LineFunctionsTest, TokenAndRemainder) {
    EXPECT_EQ(leadingToken(GetParam().line), GetParam().token);
    EXPECT_EQ(lineRemainder(GetParam().line), GetParam().remainder);
}

INSTANTIATE_TEST_SUITE_P(Lines, LineFunctionsTest,
                         testing::Values(LineCase{"", "", ""}, LineCase{"   \t ", "", ""},
                                         LineCase{"v", "v", ""}, LineCase{"v   ", "v", ""},
                                         LineCase{"v  -1.0 1.0 0.0", "v", "-1.0 1.0 0.0"},
                                         LineCase{"\tKa 0.1  0.2 \t", "Ka", "0.1  0.2"},
                                         LineCase{"f 1/1/1 2/2/1 3/3/1 ", "f", "1/1/1 2/2/1 3/3/1"},
                                         LineCase{"newmtl wire\r", "newmtl", "wire\r"},
                                         LineCase{"newmtl\r", "newmtl\r", ""},
                                         LineCase{"  o\tPlane001", "o", "Plane001"}));

struct SplitCase {
    std::string text;
    std::string separator;
    Strings pieces;
};

class SplitOnTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitOnTest, Pieces) { EXPECT_EQ(splitOn(GetParam().text, GetParam().separator), GetParam().pieces); }

INSTANTIATE_TEST_SUITE_P(Texts, SplitOnTest,
                         testing::Values(SplitCase{"a b", " ", {"a", "b"}}, SplitCase{"a  b", " ", {"a", "", "b"}},
                                         SplitCase{" a", " ", {"", "a"}}, SplitCase{"a ", " ", {"a"}},
                                         SplitCase{"1//3", "/", {"1", "", "3"}}, SplitCase{"", " ", {}},
                                         SplitCase{"abc", " ", {"abc"}}, SplitCase{"1/2/3", "/", {"1", "2", "3"}},
                                         SplitCase{"1/", "/", {"1"}}, SplitCase{"/1", "/", {"", "1"}},
                                         SplitCase{"1/2/3/4", "/", {"1", "2", "3", "4"}},
                                         SplitCase{"a--b", "--", {"a", "b"}}, SplitCase{"ab-", "--", {"ab-"}}));

struct TrimCase {
    std::string text;
    std::string trimmed;
};

class TrimLineBreaksTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimLineBreaksTest, Trimmed) { EXPECT_EQ(trimLineBreaks(GetParam().text), GetParam().trimmed); }

INSTANTIATE_TEST_SUITE_P(Texts, TrimLineBreaksTest,
                         testing::Values(TrimCase{"", ""}, TrimCase{"\r\n", "\r\n"}, TrimCase{"\n\r\r", "\n\r\r"},
                                         TrimCase{"wire\r", "wire"}, TrimCase{"wire\r\n\n", "wire"},
                                         TrimCase{"a\rb\n", "a\rb"}, TrimCase{"name ", "name "}));

// Numbers take the longest valid start of the field; what has none, is out
// of range or is not finite does not convert.
TEST(NumberFieldsTest, Floats) {
    EXPECT_EQ(parseFloat("1.5"), 1.5f);
    EXPECT_EQ(parseFloat(" \t-0.25\r"), -0.25f);
    EXPECT_EQ(parseFloat("2e3x"), 2000.0f);
    EXPECT_TRUE(std::signbit(*parseFloat("-0.0000")));
    for (const char* bad : {"", "x1", "-", "1e39", "1e-50", "nan", "inf", "-infinity"}) {
        EXPECT_EQ(parseFloat(bad), std::nullopt) << bad;
    }
}

TEST(NumberFieldsTest, Integers) {
    EXPECT_EQ(parseInt("12"), 12);
    EXPECT_EQ(parseInt(" -3/"), -3);
    EXPECT_EQ(parseInt("2147483647"), 2147483647);
    for (const char* bad : {"", "a", "/1", "2147483648", "-2147483649", "99999999999999999999"}) {
        EXPECT_EQ(parseInt(bad), std::nullopt) << bad;
    }
}

TEST(NumberFieldsTest, LeadingFieldsAsFloats) {
    EXPECT_EQ(parseFloats({"1", "2.5", "x"}, 2), (std::vector<float>{1, 2.5f}));
    EXPECT_EQ(parseFloats({"1", "2.5", "x"}, 0), std::vector<float>{});
    EXPECT_EQ(parseFloats({"1", "2.5", "x"}, 3), std::nullopt);
    EXPECT_EQ(parseFloats({"1"}, 2), std::nullopt);
}

TEST(ObjIndexLookupTest, CountsFromOneAndBackFromMinusOne) {
    const std::vector<int> list = {10, 20, 30};
    EXPECT_EQ(objIndexLookup(list, "1"), 10);
    EXPECT_EQ(objIndexLookup(list, "3"), 30);
    EXPECT_EQ(objIndexLookup(list, "-1"), 30);
    EXPECT_EQ(objIndexLookup(list, "-3"), 10);
}

TEST(ObjIndexLookupTest, RejectsIndicesOutsideTheList) {
    const std::vector<int> list = {10, 20, 30};
    for (const char* bad : {"0", "4", "-4", "", "x", "-2147483648", "2147483647"}) {
        EXPECT_EQ(objIndexLookup(list, bad), std::nullopt) << bad;
    }
    EXPECT_EQ(objIndexLookup(std::vector<int>{}, "1"), std::nullopt);
}

TEST(ForEachLineTest, SplitsAtLineFeedsAndKeepsCarriageReturns) {
    const auto lines = [](std::string_view text) {
        Strings result;
        forEachLine(text, [&](std::string_view line) {
            result.emplace_back(line);
            return true;
        });
        return result;
    };
    EXPECT_EQ(lines(""), Strings{});
    EXPECT_EQ(lines("\n"), Strings{""});
    EXPECT_EQ(lines("a\r\nb"), (Strings{"a\r", "b"}));
    EXPECT_EQ(lines("a\n\nb\n"), (Strings{"a", "", "b"}));
}

TEST(Vector3Test, ExactEqualityCrossAndDot) {
    EXPECT_TRUE((objl::Vector3{1, 2, 3} == objl::Vector3{1, 2, 3}));
    EXPECT_TRUE((objl::Vector3{1, 2, 3} != objl::Vector3{1, 2, 3.0000005f}));
    EXPECT_TRUE((objl::Vector3{0, -0.0f, 0} == objl::Vector3{0, 0, 0}));
    const objl::Vector3 c = cross(objl::Vector3{1, 0, 0}, objl::Vector3{0, 1, 0});
    EXPECT_TRUE((c == objl::Vector3{0, 0, 1}));
    EXPECT_EQ(dot(objl::Vector3{1, 2, 3}, objl::Vector3{4, 5, 6}), 32.0f);
    EXPECT_TRUE((objl::Vector3{1, 2, 3} - objl::Vector3{1, 1, 1} + objl::Vector3{0, 0, 1} == objl::Vector3{0, 1, 3}));
}

}  // namespace
