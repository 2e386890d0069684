#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_test_support.h"
#include "render/field_layout.h"
#include "render/substitution.h"

namespace glyphwright {
namespace {

using Lines = std::vector<std::string>;

// A 79-column box line with "{R}" starting at the given 1-based column.
std::string BoxLine(std::size_t column) {
    std::string line = "|" + std::string(77, ' ') + "|";
    line.replace(column - 1, 3, "{R}");
    return line;
}

TEST(ExpandTextBlock, AlignedNearTheLeftBorder) {
    Document document = {"top", "|   {R}          |", "bottom"};
    ExpandTextBlock(document, "{R}", {"Tool", ""});
    EXPECT_EQ(document, (Document{"top", "|   Tool         |", "|                |", "bottom"}));
}

TEST(ExpandTextBlock, CentredInTheMiddle) {
    Document document = {BoxLine(39)};
    ExpandTextBlock(document, "{R}", {"Eleven char"});
    ASSERT_EQ(document.size(), 1u);
    EXPECT_EQ(document[0].size(), 79u);
    EXPECT_EQ(document[0].find("Eleven char"), 34u);  // columns 35 to 45
}

// The centre band is columns 31..49: a 5-character line is centred one column left of the
// placeholder inside it, and starts at the placeholder outside it.
class CentreBandTest : public ::testing::TestWithParam<std::pair<std::size_t, std::size_t>> {};

TEST_P(CentreBandTest, PlacesByColumn) {
    const auto [column, expectedStart] = GetParam();
    Document document = {BoxLine(column)};
    ExpandTextBlock(document, "{R}", {"Hello"});
    EXPECT_EQ(document[0].find("Hello") + 1, expectedStart) << "placeholder at " << column;
    EXPECT_EQ(document[0].size(), 79u);
}

INSTANTIATE_TEST_SUITE_P(Columns, CentreBandTest,
                         ::testing::Values(std::make_pair(5u, 5u), std::make_pair(30u, 30u),
                                           std::make_pair(31u, 30u), std::make_pair(40u, 39u),
                                           std::make_pair(49u, 48u), std::make_pair(50u, 50u)));

struct BlockCase {
    const char* rule;
    Document document;
    Lines field;
    Document expected;
};

void PrintTo(const BlockCase& c, std::ostream* os) { *os << c.rule; }

class ExpandCaseTest : public ::testing::TestWithParam<BlockCase> {};

TEST_P(ExpandCaseTest, Expands) {
    const BlockCase& c = GetParam();
    Document document = c.document;
    ExpandTextBlock(document, "{R}", c.field);
    EXPECT_EQ(document, c.expected) << c.rule;
}

const std::string kPad33(33, ' ');

INSTANTIATE_TEST_SUITE_P(
    Rules, ExpandCaseTest,
    ::testing::Values(
        BlockCase{"an empty field gives one copy with blanks", {"|{R}  |"}, {}, {"|     |"}},
        BlockCase{"an empty line is three blanks", {"|{R}  |"}, {""}, {"|     |"}},
        BlockCase{"one copy per line, frames repeated",
                  {"+--+", "|{R}  |", "+--+"},
                  {"one", "two", "three"},
                  {"+--+", "|one  |", "|two  |", "|three|", "+--+"}},
        BlockCase{"a line too long keeps the placeholder in its copy only",
                  {"|{R}  |"},
                  {"ok", "far too long", "fine"},
                  {"|ok  |", "|{R}  |", "|fine |"}},
        BlockCase{"a colon before the centred search text makes it aligned",
                  {kPad33 + "Info: {R}" + std::string(10, ' ')},
                  {"Hello"},
                  {kPad33 + "Info: Hello" + std::string(8, ' ')}},
        // The centred search text " {R} " is not directly after the dots, so the position
        // chooses centring, which finds no blank before the placeholder: no fallback.
        BlockCase{"dots with no room to centre keep the placeholder",
                  {kPad33 + "Info..{R}" + std::string(10, ' ')},
                  {"abcde", "abc", "abcd"},
                  {kPad33 + "Info..{R}" + std::string(10, ' '),
                   kPad33 + "Info..abc" + std::string(10, ' '),
                   kPad33 + "Info..abcd" + std::string(9, ' ')}},
        BlockCase{"only the first occurrence is filled",
                  {"|{R}  {R}  |"},
                  {"ab", "cd"},
                  {"|ab  {R}  |", "|cd  {R}  |"}},
        BlockCase{"lower case is repeated but never replaced",
                  {"|{r}  |"},
                  {"ab", "cd"},
                  {"|{r}  |", "|{r}  |"}},
        BlockCase{"every template line is expanded, copies are not examined again",
                  {"|{R}|", "middle", "|{R}|"},
                  {"{R}", "x"},
                  {"|{R}|", "|x|", "middle", "|{R}|", "|x|"}},
        BlockCase{"lines without the placeholder stay",
                  {"", "{S}", "plain"},
                  {"a", "b"},
                  {"", "{S}", "plain"}}));

TEST(ExpandTextBlock, RepeatsSingleLineValuesOnEveryCopy) {
    Document document = {
        SubstituteLine("|{A}   {R}    |", PlaceholderTags, testing::Fields({{'A', "Tool"}}))};
    ExpandTextBlock(document, "{R}", {"one", "two"});
    EXPECT_EQ(document, (Document{"|Tool  one    |", "|Tool  two    |"}));
}

TEST(ExpandTextBlock, ConvertsFieldLinesButNotTemplateBytes) {
    if (!testing::UsesWesternCodePages()) GTEST_SKIP() << "system code pages are not 1252/437";
    Document document = {"\xB3{R}  \xB3"};
    ExpandTextBlock(document, "{R}", {"Caf\xE9"});
    EXPECT_EQ(document, (Document{"\xB3"
                                  "Caf\x82 \xB3"}));
}

}  // namespace
}  // namespace glyphwright
