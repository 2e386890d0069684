#include "model/release_record.h"

#include <gtest/gtest.h>

#include <string>

namespace glyphwright {
namespace {

struct DeriveCase {
    std::string name;
    std::string spacer;
    std::string fileName;
};

class DeriveFileNameTest : public ::testing::TestWithParam<DeriveCase> {};

TEST_P(DeriveFileNameTest, Derives) {
    const DeriveCase& c = GetParam();
    EXPECT_EQ(DeriveFileName(c.name, c.spacer), c.fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeriveFileNameTest,
    ::testing::Values(DeriveCase{"My Tool Pro", ".", "My.Tool.Pro"},
                      DeriveCase{"My  Tool", ".", "My..Tool"},  // runs are not merged
                      DeriveCase{" edge ", "_", "_edge_"}, DeriveCase{"NoSpaces", ".", "NoSpaces"},
                      DeriveCase{"", ".", ""}, DeriveCase{"My Tool", "", "MyTool"},
                      DeriveCase{"a b c", "_-", "a_-b_-c"},
                      // A spacer holding a blank would never run out of spaces to replace.
                      DeriveCase{"a b", " ", "a b"}, DeriveCase{"a  b", ". ", "a. . b"}));

struct SpacerCase {
    const char* rule;
    std::string fileName;
    std::string remembered;
    std::string newSpacer;
    std::string expected;
};

void PrintTo(const SpacerCase& c, std::ostream* os) { *os << c.rule; }

class ReplaceSpacerTest : public ::testing::TestWithParam<SpacerCase> {};

TEST_P(ReplaceSpacerTest, Replaces) {
    const SpacerCase& c = GetParam();
    EXPECT_EQ(ReplaceSpacer(c.fileName, c.remembered, c.newSpacer), c.expected) << c.rule;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceSpacerTest,
    ::testing::Values(SpacerCase{"every occurrence, the name's own ones too", "My.Tool.v1.0", ".",
                                 "_", "My_Tool_v1_0"},
                      SpacerCase{"empty file name", "", ".", "_", ""},
                      SpacerCase{"nothing remembered yet", "My.Tool", "", "_", "My.Tool"},
                      SpacerCase{"spacer cleared", "My.Tool", ".", "", "My.Tool"},
                      SpacerCase{"remembered spacer absent", "My_Tool", ".", "-", "My_Tool"},
                      SpacerCase{"longer spacer", "My.Tool", ".", "-_-", "My-_-Tool"},
                      // Replacing the first occurrence again and again merges what it re-forms.
                      SpacerCase{"shorter spacer does not re-form occurrences", "A____B", "__", "_", "A__B"},
                      // These would repeat for ever; each occurrence is replaced once instead.
                      SpacerCase{"the same spacer again", "My.Tool", ".", ".", "My.Tool"},
                      SpacerCase{"new spacer holds the old one", "My.Tool.Pro", ".", "..",
                                 "My..Tool..Pro"}));

}  // namespace
}  // namespace glyphwright
