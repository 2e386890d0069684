// The INI reading and writing rules the configuration and project files rely on. The same
// cases run against the platform's profile functions (Windows build) and against the portable
// reader (native build), so the two cannot drift apart.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ini_profile.h"
#include "temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace glyphwright::platform {
namespace {

using glyphwright::testing::TempFolder;

constexpr char kSample[] =
    "; hand-written\r\n"
    "[Team]\r\n"
    "Name = Alpha Crew  \r\n"
    "Quoted=\"  padded  \"\r\n"
    "Single='x'\r\n"
    "Mixed=\"half'\r\n"
    "LoneQuote=\"\r\n"
    "Empty=\r\n"
    "NoEquals\r\n"
    "Dup=first\r\n"
    "dup=second\r\n"
    "\r\n"
    "[ Spaced ]\r\n"
    "\tTabbed\t=\tvalue\t\r\n"
    "[team]\r\n"
    "Late=hidden by the first [TEAM]\r\n"
    "[Other]\r\n"
    "Name=other\r";

struct ReadCase {
    const char* section;
    const char* key;
    const char* defaultValue;
    const char* expected;
};

class ReadProfileStringTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadProfileStringTest, FollowsThePlatformRules) {
    TempFolder folder;
    folder.Write("sample.ini", kSample);
    const ReadCase& c = GetParam();
    EXPECT_EQ(ReadProfileString(folder.File("sample.ini"), c.section, c.key, c.defaultValue), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadProfileStringTest,
    ::testing::Values(
        ReadCase{"Team", "Name", "", "Alpha Crew"},           // blanks around the value dropped
        ReadCase{"TEAM", "name", "", "Alpha Crew"},           // names match without regard to case
        ReadCase{" team ", " NAME\t", "", "Alpha Crew"},      // and are trimmed
        ReadCase{"Team", "Quoted", "", "  padded  "},         // one pair of quotes stripped
        ReadCase{"Team", "Single", "", "x"},
        ReadCase{"Team", "Mixed", "", "\"half'"},             // unmatched quotes stay
        ReadCase{"Team", "LoneQuote", "", "\""},
        ReadCase{"Team", "Empty", "fallback", ""},            // an empty value is a value
        ReadCase{"Team", "NoEquals", "fallback", "fallback"}, // a line without '=' is no value
        ReadCase{"Team", "Dup", "", "first"},                 // the first key counts
        ReadCase{"Team", "Late", "fallback", "fallback"},     // and only the first section
        ReadCase{"Spaced", "Tabbed", "", "value"},
        ReadCase{"Other", "Name", "", "other"},               // a file ending in a lone CR
        ReadCase{"Team", "Missing", "kept", "kept"},
        ReadCase{"Missing", "Name", "kept  ", "kept"},        // the default loses trailing blanks
        ReadCase{"Missing", "Name", "\"quoted\"", "quoted"},  // and its quotes
        ReadCase{"Missing", "Name", "\tkept \t ", "\tkept \t"}));

TEST(ReadProfileString, MissingFileGivesTheDefault) {
    TempFolder folder;
    EXPECT_EQ(ReadProfileString(folder.File("none.ini"), "Team", "Name", "default"), "default");
    EXPECT_FALSE(ReadProfileValue(folder.File("none.ini"), "Team", "Name"));
    EXPECT_TRUE(ReadProfileSectionLines(folder.File("none.ini"), "Team").empty());
}

TEST(ReadProfileValue, TellsAMissingKeyFromAnEmptyValue) {
    TempFolder folder;
    folder.Write("sample.ini", kSample);
    const std::string path = folder.File("sample.ini");
    EXPECT_EQ(ReadProfileValue(path, "Team", "Empty"), std::optional<std::string>(""));
    EXPECT_FALSE(ReadProfileValue(path, "Team", "Missing"));
    EXPECT_FALSE(ReadProfileValue(path, "Team", "NoEquals"));
    EXPECT_FALSE(ReadProfileValue(path, "Nowhere", "Name"));
    // A default is given back exactly, trailing blanks and quotes included.
    EXPECT_EQ(ReadProfileStringWhole(path, "Team", "Missing", " \"as is\" "), " \"as is\" ");
}

TEST(ReadProfileString, CutsAValueAtTheBuffer) {
    TempFolder folder;
    const std::string longValue(5000, 'v');
    folder.Write("long.ini", "[S]\r\nK=" + longValue + "\r\nQ=\"" + longValue + "\"\r\n");
    const std::string path = folder.File("long.ini");
    EXPECT_EQ(ReadProfileString(path, "S", "K", ""), std::string(4095, 'v'));
    EXPECT_EQ(ReadProfileString(path, "S", "K", "", 11), std::string(10, 'v'));
    EXPECT_EQ(ReadProfileString(path, "S", "Q", ""), std::string(4095, 'v'));
    EXPECT_EQ(ReadProfileStringWhole(path, "S", "K", ""), longValue);
    EXPECT_EQ(ReadProfileStringWhole(path, "S", "Q", ""), longValue);
}

// Values around the buffer size, where the platform's quote handling is at its least obvious:
// a whole read must give every one back exactly.
TEST(ReadProfileValue, ReadsEveryLengthAroundTheBufferWhole) {
    TempFolder folder;
    std::string content = "[S]\r\n";
    for (std::size_t length = 4090; length <= 4100; ++length) {
        content += "P" + std::to_string(length) + "=" + std::string(length, 'p') + "\r\n";
        content += "Q" + std::to_string(length) + "=\"" + std::string(length, 'q') + "\"\r\n";
    }
    folder.Write("edges.ini", content);
    for (std::size_t length = 4090; length <= 4100; ++length) {
        SCOPED_TRACE(length);
        EXPECT_EQ(ReadProfileValue(folder.File("edges.ini"), "S", "P" + std::to_string(length)),
                  std::string(length, 'p'));
        EXPECT_EQ(ReadProfileValue(folder.File("edges.ini"), "S", "Q" + std::to_string(length)),
                  std::string(length, 'q'));
    }
}

TEST(ReadProfileSectionLines, GivesWholeLinesInFileOrder) {
    TempFolder folder;
    folder.Write("lists.ini",
                 "[MEMBERS]\r\n"
                 "  Alice  \r\n"
                 "\r\n"
                 "Bob=Builder\r\n"
                 "; not a member\r\n"
                 "Carol\r\n"
                 "[members]\r\n"
                 "Dave\r\n"
                 "[EMPTY]\r\n"
                 "[NEXT]\r\n"
                 "Eve\r\n");
    const std::string path = folder.File("lists.ini");
    EXPECT_EQ(ReadProfileSectionLines(path, "members"),
              (std::vector<std::string>{"Alice", "Bob=Builder", "Carol"}));
    EXPECT_TRUE(ReadProfileSectionLines(path, "EMPTY").empty());
    EXPECT_TRUE(ReadProfileSectionLines(path, "ABSENT").empty());
    EXPECT_EQ(ReadProfileSectionLines(path, "NEXT"), std::vector<std::string>{"Eve"});
}

TEST(ReadProfileSectionLines, StopsAtTheSectionBuffer) {
    TempFolder folder;
    std::string content = "[S]\r\n";
    for (int i = 0; i < 4000; ++i) {
        char line[16];
        std::snprintf(line, sizeof line, "line%05d\r\n", i);
        content += line;
    }
    folder.Write("big.ini", content);
    const std::vector<std::string> lines = ReadProfileSectionLines(folder.File("big.ini"), "S");
    // 3276 lines of nine characters and their separators fill 32760 of the 32765 characters
    // the buffer holds; the next line is cut to what is left.
    ASSERT_EQ(lines.size(), 3277u);
    EXPECT_EQ(lines.front(), "line00000");
    EXPECT_EQ(lines[3275], "line03275");
    EXPECT_EQ(lines.back(), "line0");
    // A small buffer cuts the same way.
    EXPECT_EQ(ReadProfileSectionLines(folder.File("big.ini"), "S", 25),
              (std::vector<std::string>{"line00000", "line00001", "lin"}));
}

TEST(ReadProfileInt, ReadsTheLeadingNumber) {
    TempFolder folder;
    folder.Write("int.ini", "[S]\r\nOne=1\r\nZero=0\r\nWord=yes\r\nTrail=12x\r\nEmpty=\r\nBig=2\r\n");
    const std::string path = folder.File("int.ini");
    EXPECT_EQ(ReadProfileInt(path, "S", "One", 7), 1);
    EXPECT_EQ(ReadProfileInt(path, "S", "Zero", 7), 0);
    EXPECT_EQ(ReadProfileInt(path, "S", "Word", 7), 0);
    EXPECT_EQ(ReadProfileInt(path, "S", "Trail", 7), 12);
    EXPECT_EQ(ReadProfileInt(path, "S", "Big", 7), 2);
    EXPECT_EQ(ReadProfileInt(path, "S", "Empty", 7), 7);
    EXPECT_EQ(ReadProfileInt(path, "S", "Missing", 7), 7);
}

TEST(WriteProfileValue, CreatesTheFileSectionAndKey) {
    TempFolder folder;
    const std::string path = folder.File("new.ini");
    ASSERT_TRUE(WriteProfileValue(path, "APPLICATION", "Name", "Tool"));
    ASSERT_TRUE(WriteProfileValue(path, "APPLICATION", "Site", "example.org"));
    ASSERT_TRUE(WriteProfileValue(path, "TEAM", "Name", "Crew"));
    EXPECT_EQ(folder.Read("new.ini"), "[APPLICATION]\r\nName=Tool\r\nSite=example.org\r\n[TEAM]\r\nName=Crew\r\n");
}

TEST(WriteProfileValue, KeepsEverythingElseInItsPlace) {
    TempFolder folder;
    folder.Write("edit.ini",
                 "; notes\r\n"
                 "[Extra]\r\n"
                 "Keep=me\r\n"
                 "[APPLICATION]\r\n"
                 "Name=Old\r\n"
                 "Custom=value\r\n"
                 "[Tail]\r\n"
                 "Last=1\r\n");
    const std::string path = folder.File("edit.ini");
    ASSERT_TRUE(WriteProfileValue(path, "application", "name", "New"));
    ASSERT_TRUE(WriteProfileValue(path, "APPLICATION", "Site", "added"));
    ASSERT_TRUE(WriteProfileValue(path, "INFO", "Description", "text"));

    EXPECT_EQ(ReadProfileString(path, "Extra", "Keep", ""), "me");
    EXPECT_EQ(ReadProfileString(path, "APPLICATION", "Name", ""), "New");
    EXPECT_EQ(ReadProfileString(path, "APPLICATION", "Custom", ""), "value");
    EXPECT_EQ(ReadProfileSectionLines(path, "APPLICATION"),
              (std::vector<std::string>{"Name=New", "Custom=value", "Site=added"}));
    EXPECT_EQ(ReadProfileString(path, "Tail", "Last", ""), "1");
    const std::string text = folder.Read("edit.ini");
    EXPECT_NE(text.find("; notes"), std::string::npos);
    EXPECT_LT(text.find("[Extra]"), text.find("[APPLICATION]"));
    EXPECT_LT(text.find("[APPLICATION]"), text.find("[Tail]"));
    EXPECT_LT(text.find("[Tail]"), text.find("[INFO]"));
}

TEST(WriteProfileValue, FailsWhereNoFileCanBeMade) {
    TempFolder folder;
    EXPECT_FALSE(WriteProfileValue(folder.File("missing-folder") + platform::kPathSeparator + "x.ini",
                                    "S", "K", "V"));
}

// Text of the system code page, every character the page has once: each byte but the line
// breaks that stands for a character alone, and on a double-byte page each first byte with
// second bytes that a byte-wise reader would take for '[', '\\' or ']', and with the ends of
// their range. Only pairs that the system writes back as the same two bytes count: an unassigned
// pair, or the second code of a character the page holds twice, comes back as other bytes from
// any system call.
std::string TextOfTheCodePage() {
    std::string text;
    for (int c = 1; c < 256; ++c) {
        if (c == '\r' || c == '\n') continue;
#ifdef _WIN32
        if (IsDBCSLeadByte(static_cast<BYTE>(c))) {
            for (const int second : {0x40, 0x5B, 0x5C, 0x5D, 0x7E, 0x80, 0xA1, 0xFC}) {
                const char pair[2] = {static_cast<char>(c), static_cast<char>(second)};
                wchar_t wide[2];
                char back[2];
                if (MultiByteToWideChar(CP_ACP, 0, pair, 2, wide, 2) == 1 &&
                    WideCharToMultiByte(CP_ACP, 0, wide, 1, back, 2, nullptr, nullptr) == 2 &&
                    back[0] == pair[0] && back[1] == pair[1]) {
                    text.append(pair, 2);
                }
            }
            continue;
        }
#endif
        text += static_cast<char>(c);
    }
    return text;
}

TEST(WriteProfileValue, ReadsBackWhatItWrote) {
    TempFolder folder;
    const std::string path = folder.File("round.ini");
    const std::string page = TextOfTheCodePage();
    std::string longPage;  // more characters than one read's buffer holds
    while (longPage.size() < 2 * kProfileValueBuffer) longPage += page;
    const std::vector<std::string> values = {"plain", "x=y=z", "[not a section]", "; not a comment",
                                             "{#}", page, longPage, std::string(9000, 'w')};
    for (std::size_t i = 0; i < values.size(); ++i) {
        ASSERT_TRUE(WriteProfileValue(path, "S", "K" + std::to_string(i), values[i]));
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(ReadProfileStringWhole(path, "S", "K" + std::to_string(i), "?"), values[i]) << i;
    }
}

#ifdef _WIN32
TEST(ReadProfileString, LockedFileGivesTheDefault) {
    TempFolder folder;
    folder.Write("locked.ini", "[S]\r\nK=value\r\n");
    const std::string path = folder.File("locked.ini");
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadProfileString(path, "S", "K", "default"), "default");
    EXPECT_FALSE(ReadProfileValue(path, "S", "K"));
    EXPECT_TRUE(ReadProfileSectionLines(path, "S").empty());
    CloseHandle(lock);
    EXPECT_EQ(ReadProfileString(path, "S", "K", "default"), "value");
}
#endif

}  // namespace
}  // namespace glyphwright::platform
