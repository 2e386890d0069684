#include <gtest/gtest.h>

#include <string>

#include "engine_test_support.h"
#include "render/substitution.h"

namespace glyphwright {
namespace {

using testing::Fields;

struct LineCase {
    const char* rule;
    std::string line;
    FieldTable values;
    std::string expected;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.rule; }

class SubstituteLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(SubstituteLineTest, Renders) {
    const LineCase& c = GetParam();
    EXPECT_EQ(SubstituteLine(c.line, PlaceholderTags, c.values), c.expected) << c.rule;
}

// Every cell of the placement table: a label line never centres; any other line centres when
// the blanks allow, else aligns; a value with no room leaves the placeholder.
INSTANTIATE_TEST_SUITE_P(
    Placement, SubstituteLineTest,
    ::testing::Values(
        LineCase{"label, room to centre: still aligned", "Name:  {A}  |", Fields({{'A', "Hello"}}),
                 "Name:  Hello|"},
        LineCase{"label, room only after", "Name:{A}  |", Fields({{'A', "Hello"}}), "Name:Hello|"},
        LineCase{"label, too few blanks after", "Name: {A} |", Fields({{'A', "Hello"}}),
                 "Name: {A} |"},
        LineCase{"label, nothing after", "Name: {A}", Fields({{'A', "Hello"}}), "Name: {A}"},
        LineCase{"other line, centred", "|  {A}  |", Fields({{'A', "Hello"}}), "| Hello |"},
        LineCase{"other line, centred in a wide gap", "          {A}          ",
                 Fields({{'A', "Hello"}}), "         Hello         "},
        LineCase{"other line, no blank before: aligned", "{A}          ", Fields({{'A', "Hello"}}),
                 "Hello        "},
        LineCase{"other line, fits neither", "| {A}|", Fields({{'A', "Hello"}}), "| {A}|"},
        LineCase{"colon anywhere before makes a label", "Cracked: x {H}     |",
                 Fields({{'H', "Hello"}}), "Cracked: x Hello   |"},
        LineCase{"no colon: centred", "Cracked  x {H}     |", Fields({{'H', "Hello"}}),
                 "Cracked  xHello    |"},
        LineCase{"a colon after the placeholder is no label", "| {A}  : |",
                 Fields({{'A', "Hello"}}), "|Hello : |"},
        LineCase{"dots directly before: label for every occurrence", "Cracked..{H}   x {H}   |",
                 Fields({{'H', "Hello"}}), "Cracked..Hello x Hello |"},
        LineCase{"dots then a blank: no label", "Cracked.. {H}     |", Fields({{'H', "Hello"}}),
                 "Cracked..Hello    |"},
        LineCase{"an odd blank goes after the value", "|{A}    |", Fields({{'A', "Four"}}),
                 "|Four   |"}));

INSTANTIATE_TEST_SUITE_P(
    Lengths, SubstituteLineTest,
    ::testing::Values(
        LineCase{"empty value is three blanks on a label line", "Name: {A}", Fields({}),
                 "Name:    "},
        LineCase{"empty value is three blanks elsewhere", "|{A}|", Fields({}), "|   |"},
        LineCase{"three characters keep the length", "Name: {A} |", Fields({{'A', "Foo"}}),
                 "Name: Foo |"},
        LineCase{"two characters shorten by one", "x{A}y", Fields({{'A', "ab"}}), "xaby"},
        LineCase{"one character shortens by two", "x{A}y", Fields({{'A', "a"}}), "xay"},
        LineCase{"typed blanks count in the length", "x{A}y", Fields({{'A', " ab"}}), "x aby"},
        LineCase{"a tab is not a blank", "Name:\t{A}  |", Fields({{'A', "Hello"}}),
                 "Name:\tHello|"},
        LineCase{"a tab beside the placeholder gives no room", "\t{A}\t", Fields({{'A', "Hello"}}),
                 "\t{A}\t"}));

INSTANTIATE_TEST_SUITE_P(
    WhatIsReplaced, SubstituteLineTest,
    ::testing::Values(
        LineCase{"no brace group", "| plain line |", Fields({{'A', "Hello"}}), "| plain line |"},
        LineCase{"empty line", "", Fields({{'A', "Hello"}}), ""},
        LineCase{"lower-case placeholder passes the tests but stays", "Name: {a}   |",
                 Fields({{'A', "Hello"}}), "Name: {a}   |"},
        LineCase{"other brace groups stay", "{R} {A} {#} {AB} {}", Fields({{'A', "abc"}}),
                 "{R} abc {#} {AB} {}"},
        LineCase{"both occurrences, each with room", "  {A}  |  {A}  |", Fields({{'A', "Hello"}}),
                 " Hello | Hello |"},
        LineCase{"only the occurrence with room", "  {A}  |{A}|", Fields({{'A', "Hello"}}),
                 " Hello |{A}|"},
        LineCase{"{Q} is the last letter", "File: {Q}        |", Fields({{'Q', "My.Tool-XYZ"}}),
                 "File: My.Tool-XYZ|"},
        LineCase{"letters are filled A to Q, so a Name spelling a later placeholder is filled",
                 "|{A}|", Fields({{'A', "{B}"}, {'B', "Foo"}}), "|Foo|"},
        LineCase{"a one-byte value can close braces around it into a later placeholder", "{{A}}",
                 Fields({{'A', "B"}, {'B', "xyz"}}), "xyz"},
        LineCase{"a short value moves what follows, later placeholders included",
                 "{A}{A} {B}  |{C}|", Fields({{'A', "ab"}, {'B', "Hello"}, {'C', "c"}}),
                 "ababHello |c|"}));

// A value that brings back its own search text must not repeat the replacement for ever.
INSTANTIATE_TEST_SUITE_P(
    SelfContainingValues, SubstituteLineTest,
    ::testing::Values(LineCase{"placeholder typed as its own value", "Name: {A}",
                               Fields({{'A', "{A}"}}), "Name: {A}"},
                      LineCase{"placeholder typed as its value, repeated", "{A}{A}{A}",
                               Fields({{'A', "{A}"}}), "{A}{A}{A}"},
                      LineCase{"value equal to the centred search text", "  {A} |",
                               Fields({{'A', " {A} "}}), "  {A} |"},
                      LineCase{"value equal to the aligned search text", "x{A}    |",
                               Fields({{'A', "{A}  "}}), "x{A}    |"},
                      // Each placement searches on after what it inserted: the centred pass and
                      // then the aligned pass each place the value once.
                      LineCase{"value that re-forms its own search text", "{A}     |",
                               Fields({{'A', "x{A}"}}), "xx{A}   |"}));

TEST(SubstituteLine, ConvertsValuesButNotTemplateBytes) {
    if (!testing::UsesWesternCodePages()) GTEST_SKIP() << "system code pages are not 1252/437";
    // 0xBA is a double vertical bar in the OEM template; as ANSI it would map to 0xA7.
    EXPECT_EQ(SubstituteLine("\xBA {A} \xBA", PlaceholderTags, Fields({{'A', "Caf\xE9"}})),
              "\xBA Caf\x82\xBA");
    EXPECT_EQ(SubstituteLine("\xC9\xCD\xCD\xBB", PlaceholderTags, Fields({})), "\xC9\xCD\xCD\xBB");
}

TEST(SubstituteLine, EveryPlaceholderOnOneLine) {
    std::string line;
    FieldTable values;
    std::string expected;
    for (std::size_t k = 0; k < PlaceholderTags.size(); ++k) {
        line += "|" + PlaceholderTags[k] + "    ";
        values[k] = std::string(1, static_cast<char>('a' + k)) + "bcde";
        expected += "|" + values[k] + "  ";
    }
    // A ':' at the front makes every placeholder a label, so each is aligned.
    EXPECT_EQ(SubstituteLine(":" + line, PlaceholderTags, values), ":" + expected);
}

// The engine indexes whatever table it is given by the tags' own letters: the program's tags
// in reverse order, with the values reversed alongside, render as the program's table does.
TEST(SubstituteLine, AnotherTableIsIndexedByItsOwnLetters) {
    const std::size_t n = PlaceholderTags.size();
    const FieldTable values =
        Fields({{'A', "Tool"}, {'B', "x"}, {'C', "a much longer value"}, {'P', "ab"}});
    FieldTable tags, reversedValues;
    for (std::size_t k = 0; k < n; ++k) {
        tags[k] = PlaceholderTags[n - 1 - k];
        reversedValues[k] = values[n - 1 - k];
    }
    for (const std::string line :
         {"Name: {A}     {P}   |", "|   {B}   {c}   {C}                    |", "..{P}  {A}    {Q}",
          "{A}{B}{P}"}) {
        EXPECT_EQ(SubstituteLine(line, tags, reversedValues),
                  SubstituteLine(line, PlaceholderTags, values))
            << line;
    }
}

}  // namespace
}  // namespace glyphwright
