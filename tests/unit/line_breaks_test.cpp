#include "model/line_breaks.h"

#include <gtest/gtest.h>

#include <string>

namespace glyphwright {
namespace {

struct TokenCase {
    std::string text;
    std::string tokens;
};

class LineBreakTokenTest : public ::testing::TestWithParam<TokenCase> {};

// Each pair converts both ways, so every case is also a round trip.
TEST_P(LineBreakTokenTest, ConvertsBothWays) {
    const TokenCase& c = GetParam();
    EXPECT_EQ(ConvertLineBreaks(c.text, LineBreakDirection::ToTokens), c.tokens);
    EXPECT_EQ(ConvertLineBreaks(c.tokens, LineBreakDirection::FromTokens), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, LineBreakTokenTest,
    ::testing::Values(TokenCase{"", ""}, TokenCase{"no breaks", "no breaks"},
                      TokenCase{"Hello\r\nWorld", "Hello{#}World"},
                      TokenCase{"a\r\n\r\nb", "a{#}{#}b"},  // an empty line between
                      TokenCase{"\r\nedge\r\n", "{#}edge{#}"},
                      // Lone CR and LF are not breaks and pass through.
                      TokenCase{"a\rb\nc", "a\rb\nc"}, TokenCase{"a\r\r\nb", "a\r{#}b"},
                      TokenCase{"a\n\r\nb", "a\n{#}b"},
                      // Braces around a break do not confuse the way back.
                      TokenCase{"{\r\n}", "{{#}}"}, TokenCase{"{\r\n#}", "{{#}#}"}));

TEST(LineBreakTokens, IncompleteTokensStay) {
    EXPECT_EQ(ConvertLineBreaks("{#", LineBreakDirection::FromTokens), "{#");
    EXPECT_EQ(ConvertLineBreaks("{ #}", LineBreakDirection::FromTokens), "{ #}");
    EXPECT_EQ(ConvertLineBreaks("\n\r", LineBreakDirection::ToTokens), "\n\r");
}

}  // namespace
}  // namespace glyphwright
