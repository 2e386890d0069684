// check on files as they come from git (LF line ends) and from DOS editors (a final 1A byte):
// one finding for what they are, and DIZ limits measured on the lines a lister shows.

#include "cli/cli_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace glyphwright::cli {
namespace {

std::size_t CountCode(const std::vector<Finding>& findings, const std::string& code) {
    return static_cast<std::size_t>(std::count_if(
        findings.begin(), findings.end(), [&](const Finding& f) { return f.code == code; }));
}

const Finding* FindCode(const std::vector<Finding>& findings, const std::string& code) {
    const auto found = std::find_if(findings.begin(), findings.end(),
                                    [&](const Finding& f) { return f.code == code; });
    return found == findings.end() ? nullptr : &*found;
}

std::vector<Finding> CheckDizBytes(const std::string& bytes) {
    CheckRequest request;
    request.templates.push_back({"t.diz", TemplateKind::Diz, bytes});
    return CheckTemplates(request);
}

TEST(CliCheck, LfOnlyFileIsOneFindingAndMeasuredPerShownLine) {
    std::string bytes = "{A}\n" + std::string(50, 'y') + "\n";
    for (int i = 0; i < 10; ++i) bytes += "z\n";
    const std::vector<Finding> findings = CheckDizBytes(bytes);
    ASSERT_EQ(CountCode(findings, "line-end"), 1u);
    EXPECT_NE(FindCode(findings, "line-end")->message.find("12 line(s)"), std::string::npos);
    ASSERT_EQ(CountCode(findings, "diz-width"), 1u);
    EXPECT_EQ(FindCode(findings, "diz-width")->line, 2u);
    ASSERT_EQ(CountCode(findings, "diz-height"), 1u);
    EXPECT_NE(FindCode(findings, "diz-height")->message.find("12 lines"), std::string::npos);
}

TEST(CliCheck, DosEndOfFileByteIsReportedOnceAndNotCounted) {
    std::string tenLines;
    for (int i = 0; i < 10; ++i) tenLines += std::string(45, 'x') + "\r\n";
    const std::vector<Finding> findings = CheckDizBytes(tenLines + "\x1A");
    EXPECT_EQ(CountCode(findings, "end-of-file"), 1u);
    EXPECT_EQ(findings.size(), 1u) << findings.back().message;  // no extra line, column or line end
}

}  // namespace
}  // namespace glyphwright::cli

namespace glyphwright::cli {
namespace {

// What the renderer reads otherwise than a viewer shows it is a warning of render, once per kind.
TEST(CliRenderWarnings, ReadingThatLosesTextIsSaid) {
    const struct {
        const char* name;
        std::string bytes;
        const char* code;
        std::size_t line;
    } cases[] = {
        {"LF alone throughout", "| {A} |\n|     |\n", "line-end", 0},
        {"LF alone among CR LF", "a\r\nb\nc\r\n", "line-end", 2},
        {"CR CR LF", "a\r\nb\r\r\n", "cr-cr-lf", 2},
        {"NUL inside a line", std::string("a\r\nb\0c\r\n", 7), "nul", 2},
        {"NUL first: nothing renders", std::string("\0a\r\n", 4), "nul", 1},
        {"empty file", "", "empty", 0},
    };
    for (const auto& c : cases) {
        const std::vector<Finding> warnings = TemplateReadingWarnings("t.nfo", c.bytes);
        ASSERT_EQ(warnings.size(), 1u) << c.name;
        EXPECT_EQ(warnings[0].code, c.code) << c.name;
        EXPECT_EQ(warnings[0].line, c.line) << c.name;
    }
    EXPECT_TRUE(TemplateReadingWarnings("t.nfo", "a\r\nb\rc\r\n").empty());  // a lone CR breaks as shown
}

// A value or block line with too little room keeps its placeholder: render says which, and
// writes the same bytes as the engine.
TEST(CliRenderWarnings, UnplacedValuesAreSaidAndTheBytesStay) {
    const std::string bytes = "|{A}|\r\n|  {B}       |\r\n|  Greet: {U}    |\r\n";
    RenderInput input;
    input.lineValues[0] = "too long";
    input.lineValues[1] = "fits";
    input.blocks[3] = {"ok", "a line far too long"};
    std::string text, error;
    std::vector<Finding> warnings;
    ASSERT_TRUE(RenderTemplate("t.nfo", TemplateKind::Nfo, bytes, input, text, warnings, error));
    EXPECT_EQ(text, DocumentText(RenderNfo(bytes, input)));
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0].line, 1u);
    EXPECT_EQ(warnings[1].line, 3u);
    EXPECT_NE(warnings[1].message.find("1 of its 2"), std::string::npos) << warnings[1].message;
}

}  // namespace
}  // namespace glyphwright::cli

namespace glyphwright::cli {
namespace {

// The size that decides whether a rendering is refused is the size the rendering has, however
// the blocks' lines multiply, shorten, fail to fit or bring placeholders in.
TEST(CliRenderSize, CountsWhatLayingInWrites) {
    const std::vector<std::string> letters = {"S", "T", "U", "s", "x"};  // wrapped at one column
    const struct {
        const char* name;
        Document document;
        TextBlockLines blocks;
    } cases[] = {
        {"two blocks on a line multiply", {"| {R}      {S}      |", "plain"}, {{{"ab", "abcd", ""}, {"x", "yy"}, {}, {}}}},
        {"short lines shorten, long ones keep the placeholder",
         {"|{R}   |", "{U}"}, {{{"a", "ab", "abcdefghij"}, {}, {}, {"", "long line"}}}},
        {"one-letter lines make the next placeholders", {"{{R}}", "x{{R}}{{S}}y"}, {{letters, letters, letters, letters}}},
        {"braces in the text bring placeholders", {"| {R}          |"}, {{{"{S}", "a{T}b", "ok"}, {"1", "2"}, {"3"}, {}}}},
        {"no lines lay in one empty line", {"{R}{S}", ""}, {}},
        {"a lower-case placeholder repeats its line unchanged", {"| {r} |"}, {{{"ab", "abcd"}, {}, {}, {}}}},
    };
    for (const auto& c : cases) {
        Document laid = c.document;
        LayTextBlocks(laid, c.blocks);
        const std::size_t size = DocumentText(laid).size();
        EXPECT_EQ(LaidTextBlocksSize(c.document, c.blocks, size), size) << c.name;
        EXPECT_GT(LaidTextBlocksSize(c.document, c.blocks, size - 1), size - 1) << c.name;
    }
}

}  // namespace
}  // namespace glyphwright::cli
