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
