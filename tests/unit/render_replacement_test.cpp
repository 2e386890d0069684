#include <gtest/gtest.h>

#include <random>
#include <string>

#include "render/repeated_replacement.h"
#include "render/text.h"

namespace glyphwright {
namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

struct RepeatCase {
    std::string text;
    std::string search;
    std::string replacement;
    std::string expected;
};

class ReplaceRepeatedlyTest : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(ReplaceRepeatedlyTest, Replaces) {
    const RepeatCase& c = GetParam();
    EXPECT_EQ(ReplaceRepeatedly(c.text, c.search, c.replacement), c.expected)
        << "'" << c.text << "' '" << c.search << "' -> '" << c.replacement << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceRepeatedlyTest,
    ::testing::Values(
        RepeatCase{"a b c", " ", ".", "a.b.c"}, RepeatCase{"abc", "x", "y", "abc"},
        RepeatCase{"abc", "", "y", "abc"}, RepeatCase{"", "a", "b", ""},
        RepeatCase{"aaa", "a", "", ""},
        // Replacements that form new occurrences with their neighbours are followed through,
        // before and after the inserted text.
        RepeatCase{"abb", "ab", "a", "a"}, RepeatCase{"aab", "ab", "b", "b"},
        RepeatCase{"x { {A} ", " {A} ", "A} ab", "xA} abab"},
        RepeatCase{"A____B", "__", "_", "A_B"},
        // Each replacement re-forms an occurrence one byte further left, sixty times over.
        RepeatCase{"x" + std::string(60, ' ') + "Z", " Z", "Z- ", "xZ" + Repeat("- ", 60)},
        // A replacement that holds the search text would go on for ever: each original
        // occurrence is replaced once.
        RepeatCase{"a b", " ", " ", "a b"}, RepeatCase{"a b c", " ", "_ _", "a_ _b_ _c"},
        RepeatCase{"x{A}y{A}", "{A}", "{A}", "x{A}y{A}"}, RepeatCase{"a.b", ".", "..", "a..b"}));

// The same result as the plain loop wherever that loop ends in reasonable time, on many small
// random cases over a two-letter alphabet, where occurrences overlap and re-form all the time.
TEST(ReplaceRepeatedly, AgreesWithThePlainLoop) {
    std::mt19937 random(20240601);
    auto word = [&](int maxLength) {
        std::string s(random() % (maxLength + 1), 'a');
        for (char& c : s) c = static_cast<char>('a' + random() % 2);
        return s;
    };
    int compared = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string text = word(10), search = word(3), replacement = word(4);
        std::string plain = text;
        int steps = 0;
        while (steps < 40 && ReplaceFirst(plain, search, replacement)) ++steps;
        if (steps == 40) continue;  // endless, or growing without bound
        ++compared;
        ASSERT_EQ(ReplaceRepeatedly(text, search, replacement), plain)
            << "'" << text << "' '" << search << "' -> '" << replacement << "'";
    }
    EXPECT_GT(compared, 15000);
}

// Rules that grow the text at every step end only when an allowance proportional to the input
// is spent; then each original occurrence is replaced once.
TEST(ReplaceRepeatedly, EndlessGrowthEndsWithOnePass) {
    EXPECT_EQ(ReplaceRepeatedly("ab", "ab", "bab"), "bab");
    const std::string text(1000, 'a');
    EXPECT_EQ(ReplaceRepeatedly(text + "b", "ab", "bba"), ReplaceEachOnce(text + "b", "ab", "bba"));
}

// The blank-skipping search gives exactly what std::string_view::find gives.
TEST(FindText, AgreesWithFind) {
    std::mt19937 random(7);
    auto word = [&](int maxLength) {
        std::string s(random() % (maxLength + 1), ' ');
        for (char& c : s) c = " {A}"[random() % 4];
        return s;
    };
    for (int i = 0; i < 20000; ++i) {
        const std::string text = word(16), search = word(5);
        const std::size_t from = random() % (text.size() + 2);
        ASSERT_EQ(FindText(text, search, from), std::string_view(text).find(search, from))
            << "'" << text << "' '" << search << "' from " << from;
    }
}

TEST(ReplaceEachOnce, NeverSearchesInsertedText) {
    EXPECT_EQ(ReplaceEachOnce("abb", "ab", "a"), "ab");
    EXPECT_EQ(ReplaceEachOnce("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(ReplaceEachOnce("x", "", "y"), "x");
}

}  // namespace
}  // namespace glyphwright
