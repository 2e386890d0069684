#include <gtest/gtest.h>

#include <string>

#include "render/document.h"

namespace glyphwright {
namespace {

struct SplitCase {
    const char* rule;
    std::string bytes;
    Document lines;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.rule; }

class ParseDocumentTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(ParseDocumentTest, Splits) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(ParseDocument(c.bytes), c.lines) << c.rule;
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    LineBreaks, ParseDocumentTest,
    ::testing::Values(SplitCase{"empty file", "", {}}, SplitCase{"no break at the end", "a", {"a"}},
                      SplitCase{"CR LF", "a\r\nb", {"a", "b"}},
                      SplitCase{"a final break adds no line", "a\r\nb\r\n", {"a", "b"}},
                      SplitCase{"lone CR", "a\rb\r", {"a", "b"}},
                      SplitCase{"a lone LF is an ordinary character", "a\nb\n", {"a\nb\n"}},
                      SplitCase{"LF before CR stays in its line", "a\n\rb", {"a\n", "b"}},
                      SplitCase{"empty lines between", "a\r\n\r\n\rb", {"a", "", "", "b"}},
                      SplitCase{"only a break", "\r\n", {""}},
                      SplitCase{"two breaks at the end", "a\r\n\r\n", {"a", ""}},
                      SplitCase{"an LF after CR LF starts a line", "\r\n\n", {"", "\n"}},
                      SplitCase{"CR CR LF", "a\r\r\nb", {"a", "", "b"}}));

INSTANTIATE_TEST_SUITE_P(
    Nul, ParseDocumentTest,
    ::testing::Values(SplitCase{"NUL cuts its line short", "ab\0cd\r\nef"s, {"ab", "ef"}},
                      SplitCase{
                          "NUL at a line start ends the document", "ab\r\n\0cd\r\nef"s, {"ab"}},
                      SplitCase{"NUL at the very start", "\0abc"s, {}},
                      SplitCase{"NUL as the last byte", "ab\0"s, {"ab"}},
                      SplitCase{"NUL after a final break", "ab\r\n\0"s, {"ab"}}));

TEST(DocumentText, EveryLineEndsWithCrLf) {
    EXPECT_EQ(DocumentText({}), "");
    EXPECT_EQ(DocumentText({""}), "\r\n");
    EXPECT_EQ(DocumentText({"a", "", "b\n"}), "a\r\n\r\nb\n\r\n");
}

TEST(DocumentText, CrOnlyTemplateRendersLikeCrLf) {
    EXPECT_EQ(DocumentText(ParseDocument("one\rtwo")), "one\r\ntwo\r\n");
    EXPECT_EQ(DocumentText(ParseDocument("one\r\ntwo\r\n")), "one\r\ntwo\r\n");
}

}  // namespace
}  // namespace glyphwright
