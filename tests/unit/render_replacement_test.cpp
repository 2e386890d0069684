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

class ReplaceEachOnceTest : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(ReplaceEachOnceTest, Replaces) {
    const RepeatCase& c = GetParam();
    EXPECT_EQ(ReplaceEachOnce(c.text, c.search, c.replacement), c.expected)
        << "'" << c.text << "' '" << c.search << "' -> '" << c.replacement << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceEachOnceTest,
    ::testing::Values(
        RepeatCase{"a b c", " ", ".", "a.b.c"}, RepeatCase{"abc", "x", "y", "abc"},
        RepeatCase{"abc", "", "y", "abc"}, RepeatCase{"", "a", "b", ""},
        RepeatCase{"aaa", "a", "", ""},
        // The search goes on after the inserted text, so occurrences that a replacement forms
        // with its neighbours are not replaced again.
        RepeatCase{"abb", "ab", "a", "ab"}, RepeatCase{"A____B", "__", "_", "A__B"},
        // A replacement that holds the search text ends at once.
        RepeatCase{"a b", " ", " ", "a b"}, RepeatCase{"a b c", " ", "_ _", "a_ _b_ _c"},
        RepeatCase{"x{A}y{A}", "{A}", "{A}", "x{A}y{A}"}, RepeatCase{"a.b", ".", "..", "a..b"},
        RepeatCase{Repeat("  ", 3), "  ", " ", "   "}));

// The same result as the plain loop of ReplaceFirst with the search restarted after the
// inserted text, on many small random cases over a two-letter alphabet, where occurrences
// overlap all the time.
TEST(ReplaceEachOnce, AgreesWithThePlainLoop) {
    std::mt19937 random(20240601);
    auto word = [&](int maxLength) {
        std::string s(random() % (maxLength + 1), 'a');
        for (char& c : s) c = static_cast<char>('a' + random() % 2);
        return s;
    };
    for (int i = 0; i < 20000; ++i) {
        const std::string text = word(10), search = word(3), replacement = word(4);
        std::string plain = text;
        if (!search.empty()) {
            for (std::size_t at = plain.find(search); at != std::string::npos;
                 at = plain.find(search, at + replacement.size())) {
                plain.replace(at, search.size(), replacement);
            }
        }
        ASSERT_EQ(ReplaceEachOnce(text, search, replacement), plain)
            << "'" << text << "' '" << search << "' -> '" << replacement << "'";
    }
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
