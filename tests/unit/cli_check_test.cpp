// check on files as they come from git (LF line ends) and from DOS editors (a final 1A byte):
// one finding for what they are, and DIZ limits measured on the lines a lister shows.

#include "cli/cli_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/form_item.h"

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

// The record art editors append is named for what it says of the art, and its bytes count
// as no line of the template.
TEST(CliCheck, SauceRecordIsNotedAndNotCounted) {
    std::string tenLines;
    for (int i = 0; i < 10; ++i) tenLines += std::string(45, 'x') + "\r\n";
    std::string record = "SAUCE00" + std::string("Box Art") + std::string(28, ' ') + "Quillion" +
                         std::string(12, ' ') + "XYZ";
    record.resize(128, '\0');
    const std::vector<Finding> findings = CheckDizBytes(tenLines + "\x1A" + record);
    ASSERT_EQ(CountCode(findings, "sauce"), 1u);
    EXPECT_EQ(FindCode(findings, "sauce")->message,
              "SAUCE record: title \"Box Art\", author \"Quillion\", group \"XYZ\"");
    EXPECT_EQ(CountCode(findings, "end-of-file"), 1u);
    EXPECT_EQ(findings.size(), 2u) << findings.back().message;  // no NUL, width or line end of the record
}

std::vector<Finding> CheckWithProject(const CheckedTemplate& checked,
                                      const MemoryProjectForm& form) {
    CheckRequest request;
    request.templates.push_back(checked);
    request.project = &form;
    request.projectPath = "p.gwp";
    request.wrap = 70;
    return CheckTemplates(request);
}

// Values that move a border or run into the next text are found in text blocks as on single
// lines; each case is one template line and one value.
TEST(CliCheck, ValuesThatMoveOrMeetTextAreFound) {
    const struct {
        const char* name;
        const char* line;
        char letter;
        const char* value;
        const char* code;
        Severity severity;
    } cases[] = {
        {"a short block line moves the border", "|  Greet: {U}    |", 'U', "ab", "short-value",
         Severity::Problem},
        {"a block line that fills its room", "|  Notes: {T}    |", 'T', "fillsal", "no-blank",
         Severity::Warning},
        {"a value that runs into the next label", "| Lang ..: {D}    Type ..: x |", 'D', "English",
         "no-blank", Severity::Warning},
        {"a centred value that meets the frame", "|     {A}   |", 'A', "Exactly 9", "no-blank",
         Severity::Warning},
    };
    for (const auto& c : cases) {
        MemoryProjectForm form;
        form.SetText(ReleaseField(c.letter), c.value);
        const std::vector<Finding> findings =
            CheckWithProject({"t.nfo", TemplateKind::Nfo, std::string(c.line) + "\r\n"}, form);
        const Finding* found = FindCode(findings, c.code);
        ASSERT_NE(found, nullptr) << c.name;
        EXPECT_EQ(found->severity, c.severity) << c.name;
        EXPECT_EQ(found->line, 1u) << c.name;
    }
    MemoryProjectForm roomy;
    roomy.SetText(ReleaseField('D'), "Englis");  // one blank left before the label
    EXPECT_EQ(
        FindCode(CheckWithProject(
                     {"t.nfo", TemplateKind::Nfo, "| Lang ..: {D}    Type ..: x |\r\n"}, roomy),
                 "no-blank"),
        nullptr);
}

// A DIZ shows no text block, so what a text block loses is no problem of a DIZ.
TEST(CliCheck, DizIsNotBlamedForTextBlocks) {
    MemoryProjectForm form;
    form.SetText(ReleaseField('T'), "5 \x80");
    form.SetText(ReleaseField('A'), "x");
    EXPECT_EQ(CountCode(CheckWithProject({"t.diz", TemplateKind::Diz, "{A} {T}\r\n"}, form),
                        "not-in-oem"),
              0u);
    EXPECT_EQ(CountCode(CheckWithProject({"t.nfo", TemplateKind::Nfo, "{A} {T}\r\n"}, form),
                        "not-in-oem"),
              1u);
}

// The rendering copies a final 1A as a last line: the result's lines are counted as written.
TEST(CliCheck, ResultCountsTheEndOfFileLine) {
    std::string tenLines;
    for (int i = 0; i < 10; ++i) tenLines += "x\r\n";
    MemoryProjectForm form;
    const std::vector<Finding> findings =
        CheckWithProject({"t.diz", TemplateKind::Diz, tenLines + "\x1A"}, form);
    ASSERT_EQ(CountCode(findings, "diz-height"), 1u);
    EXPECT_NE(FindCode(findings, "diz-height")->message.find("result has 11 lines"),
              std::string::npos);
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
    EXPECT_TRUE(
        TemplateReadingWarnings("t.nfo", "a\r\nb\rc\r\n").empty());  // a lone CR breaks as shown
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
    Document rendered = ParseDocument(bytes);
    RenderNfo(rendered, input);
    EXPECT_EQ(text, DocumentText(rendered));
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
        {"two blocks on a line multiply",
         {"| {R}      {S}      |", "plain"},
         {{{"ab", "abcd", ""}, {"x", "yy"}, {}, {}}}},
        {"short lines shorten, long ones keep the placeholder",
         {"|{R}   |", "{U}"},
         {{{"a", "ab", "abcdefghij"}, {}, {}, {"", "long line"}}}},
        {"one-letter lines make the next placeholders",
         {"{{R}}", "x{{R}}{{S}}y"},
         {{letters, letters, letters, letters}}},
        {"braces in the text bring placeholders",
         {"| {R}          |"},
         {{{"{S}", "a{T}b", "ok"}, {"1", "2"}, {"3"}, {}}}},
        {"no lines lay in one empty line", {"{R}{S}", ""}, {}},
        {"a lower-case placeholder repeats its line unchanged",
         {"| {r} |"},
         {{{"ab", "abcd"}, {}, {}, {}}}},
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
