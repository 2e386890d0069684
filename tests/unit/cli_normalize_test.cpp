// normalize: art as it comes from the web, git and DOS editors, made into a template.

#include <gtest/gtest.h>

#include <string>

#include "cli/cli_check.h"
#include "cli/normalize.h"

namespace glyphwright::cli {
namespace {

std::string Sauce(const std::string& title) {
    std::string record = "SAUCE00" + title;
    record.resize(128, ' ');
    record[104] = 0;  // no comment lines
    return record;
}

TEST(CliNormalize, MakesCp437WithCrLf) {
    const struct {
        const char* name;
        std::string in;
        std::string out;
        NormalizeOptions options;
    } cases[] = {
        {"LF ends, and one after the last line", "a\nb", "a\r\nb\r\n", {}},
        {"lone CR and CR CR LF end one line each", "a\rb\r\r\nc\r\n", "a\r\nb\r\nc\r\n", {}},
        {"UTF-8 box art", "\xE2\x95\x94\xE2\x95\x90\xE2\x95\x97\n", "\xC9\xCD\xBB\r\n", {}},
        {"CP437 that is no UTF-8 stays", "\xC9\xCD\xBB\r\n", "\xC9\xCD\xBB\r\n", {}},
        {"one sequence that is no UTF-8 keeps the file CP437",
         "\xE2\x95\x94\xC9\r\n",
         "\xE2\x95\x94\xC9\r\n",
         {}},
        {"UTF-8 mark", "\xEF\xBB\xBF\xE2\x96\x88\r\n", "\xDB\r\n", {}},
        {"UTF-16 little-endian", std::string("\xFF\xFE\x54\x25\x0A\x00", 6), "\xC9\r\n", {}},
        {"UTF-16 big-endian", std::string("\xFE\xFF\x25\x54\x00\x0A", 6), "\xC9\r\n", {}},
        {"pictures of the control range", "\xE2\x98\xBA\xE2\x8C\x82\n", "\x01\x7F\r\n", {}},
        {"tabs to the next stop", "a\tb\tc\n", "a   b   c\r\n", {4}},
        {"final 1A and the SAUCE record after it", "x\r\n\x1A" + Sauce("Box"), "x\r\n", {}},
        {"lines with a placeholder padded to the widest",
         "| {A}\n|-------|\n| {a}\n",
         "| {A}    \r\n|-------|\r\n| {a}\r\n",
         {8, true}},
        {"padded to a width", "{R}\n", "{R}  \r\n", {8, true, 5}},
        {"a character with no CP437 byte", "5\xE2\x82\xAC\n", "5?\r\n", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeArt("in", c.in, c.options).bytes, c.out) << c.name;
}

// The template it makes is one check finds nothing to fix in, however the art came.
TEST(CliNormalize, ResultPassesCheck) {
    const std::string messy =
        "\xEF\xBB\xBF\xE2\x95\x94\xE2\x95\x90\r\r\n\xE2\x95\x91\t{A}\n\xE2\x95\x9A\xE2\x95\x90";
    const Normalized normalized = NormalizeArt("in", messy + "\x1A", {});
    EXPECT_FALSE(HasProblems(normalized.report));
    for (const Finding& finding : CheckBytes("out", normalized.bytes, true)) {
        ADD_FAILURE() << finding.code << ": " << finding.message;
    }
}

TEST(CliNormalize, CharacterWithoutByteIsAProblemAtItsPlace) {
    const Normalized normalized =
        NormalizeArt("in", "ok\n\t\xE2\x99\xAA\n", {});  // a note, byte 0D
    ASSERT_TRUE(HasProblems(normalized.report));
    const Finding& problem = normalized.report[1];
    EXPECT_EQ(problem.code, "not-in-cp437");
    EXPECT_EQ(problem.line, 2u);
    EXPECT_EQ(problem.column, 9u);  // after the tab
}

}  // namespace
}  // namespace glyphwright::cli
