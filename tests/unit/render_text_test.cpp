#include <gtest/gtest.h>

#include <string>

#include "engine_test_support.h"
#include "platform/codepage.h"
#include "render/text.h"

namespace glyphwright {
namespace {

struct MaskCase {
    std::string text;
    std::string mask;
    bool matches;
};

class MatchMaskTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MatchMaskTest, Matches) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(MatchMask(c.text, c.mask), c.matches)
        << "text '" << c.text << "' mask '" << c.mask << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MatchMaskTest,
    ::testing::Values(
        // Empty sides never match, not even a lone star.
        MaskCase{"", "*", false}, MaskCase{"abc", "", false},
        // The whole text against the whole mask.
        MaskCase{"abc", "abc", true}, MaskCase{"abcd", "abc", false}, MaskCase{"ab", "abc", false},
        MaskCase{"abc", "a*", true}, MaskCase{"abc", "*c", true}, MaskCase{"abc", "b*", false},
        MaskCase{"abc", "*b", false}, MaskCase{"a", "a*a", false}, MaskCase{"aa", "a*a", true},
        // '*' takes any run, the empty one too; '?' exactly one character.
        MaskCase{"abc", "*", true}, MaskCase{"abc", "a*b*c", true}, MaskCase{"abc", "a?c", true},
        MaskCase{"ac", "a?c", false}, MaskCase{"a", "?*?", false}, MaskCase{"ab", "?*?", true},
        MaskCase{"ab", "*ab*b*", false}, MaskCase{"abab", "*ab*b*", true},
        // Case-insensitive (the ANSI code page's letters: MatchMaskCaseFolding).
        MaskCase{"ABC", "abc", true}, MaskCase{"abc", "*B*", true},
        // The masks the renderer builds.
        MaskCase{"x{A}y", "*{?}*", true}, MaskCase{"{}", "*{?}*", false},
        MaskCase{"x{AB}y", "*{?}*", false}, MaskCase{"Name: {A}", "*:*{A}*", true},
        MaskCase{"{A} :", "*:*{A}*", false}, MaskCase{"Cracked..{H}", "*..{H}*", true},
        MaskCase{"Cracked.. {H}", "*..{H}*", false}, MaskCase{"x {a} y", "*{A}*", true}));

// Letters beyond ASCII fold in the system's ANSI code page, so each page has its own pairs;
// a page without a row here skips. A double-byte character is folded whole: lower-casing its
// second byte ('A' in katakana A, 83 41) would make it another character (83 61).
struct FoldCase {
    unsigned codePage;
    std::string text;
    std::string mask;
    bool matches;
};

TEST(MatchMaskCaseFolding, FollowsTheAnsiCodePage) {
    const FoldCase cases[] = {
        {1252, "x\xC4y", "*\xE4*", true},              // A-umlaut
        {1251, "x\xA8y", "*\xB8*", true},              // Cyrillic Io: no letters in 1252
        {932, "x\x82\x60y", "*\x82\x81*", true},       // full-width A
        {932, "\x83\x41", "\x83\x61", false},
    };
    const unsigned codePage = platform::AnsiCodePage();
    bool any = false;
    for (const FoldCase& c : cases) {
        if (c.codePage != codePage) continue;
        any = true;
        EXPECT_EQ(MatchMask(c.text, c.mask), c.matches) << ::testing::PrintToString(c.text);
    }
    if (!any) GTEST_SKIP() << "no letters given for ANSI code page " << codePage;
}

// Many stars against a long text that almost matches: an exponential matcher never returns.
TEST(MatchMaskLongText, ManyStarsStayTractable) {
    const std::string text(100000, 'a');
    EXPECT_FALSE(MatchMask(text, "*a*a*a*a*a*a*a*a*a*a*a*a*b*"));
    EXPECT_TRUE(MatchMask(text + "b", "*a*a*a*a*a*a*a*a*a*a*a*a*b*"));
    EXPECT_TRUE(MatchMask(text, "*a?a*a*?*"));
}

struct ReplaceCase {
    std::string text;
    std::string search;
    std::string replacement;
    std::string expected;
    bool found;
};

class ReplaceFirstTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceFirstTest, ReplacesFirstOccurrenceOnly) {
    const ReplaceCase& c = GetParam();
    std::string text = c.text;
    EXPECT_EQ(ReplaceFirst(text, c.search, c.replacement), c.found);
    EXPECT_EQ(text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, ReplaceFirstTest,
                         ::testing::Values(ReplaceCase{"a-b-c", "-", "+", "a+b-c", true},
                                           ReplaceCase{"a-b", "-", "", "ab", true},
                                           ReplaceCase{"{A}", "{A}", "longer", "longer", true},
                                           ReplaceCase{"abc", "x", "y", "abc", false},
                                           ReplaceCase{"abc", "", "y", "abc", false},
                                           ReplaceCase{"", "", "y", "", false},
                                           // Case-sensitive, unlike the mask test.
                                           ReplaceCase{"{a}", "{A}", "x", "{a}", false}));

struct PadCase {
    std::string text;
    std::size_t width;
    std::string right;
    std::string centre;
};

class PadTest : public ::testing::TestWithParam<PadCase> {};

TEST_P(PadTest, Widens) {
    const PadCase& c = GetParam();
    EXPECT_EQ(PadRight(c.text, c.width), c.right);
    EXPECT_EQ(PadCenter(c.text, c.width), c.centre);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, PadTest,
    ::testing::Values(PadCase{"{A}", 0, "{A}", "{A}"}, PadCase{"{A}", 3, "{A}", "{A}"},
                      PadCase{"{A}", 4, "{A} ", "{A} "}, PadCase{"{A}", 5, "{A}  ", " {A} "},
                      PadCase{"{A}", 8, "{A}     ", "  {A}   "}, PadCase{"", 2, "  ", "  "}));

TEST(AnsiToOem, KeepsLengthAndAscii) {
    EXPECT_EQ(AnsiToOem(""), "");
    const std::string ascii = "Plain {A} text: 0-9 ~";
    EXPECT_EQ(AnsiToOem(ascii), ascii);
    const std::string zero("a\0b", 3);
    EXPECT_EQ(AnsiToOem(zero), zero);
}

TEST(AnsiToOem, MapsWesternLetters) {
    if (!testing::UsesWesternCodePages()) GTEST_SKIP() << "system code pages are not 1252/437";
    EXPECT_EQ(AnsiToOem("Caf\xE9 \xC4\xD6\xDC \xDF"), "Caf\x82 \x8E\x99\x9A \xE1");
}

}  // namespace
}  // namespace glyphwright
