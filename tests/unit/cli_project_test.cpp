// Project files read by the command-line companion: the same rows and reading rules as "Open
// Project", natively through the portable INI reader and under Wine through the platform's
// profile functions; both builds run these cases and must give the same values.

#include <gtest/gtest.h>

#include <string>

#include "cli/cli_render.h"
#include "cli/project_values.h"
#include "model/form_item.h"
#include "engine_test_support.h"
#include "platform/files.h"
#include "temp_folder.h"

namespace glyphwright::cli {
namespace {

using glyphwright::testing::TempFolder;

bool Write(const std::string& path, const std::string& bytes) { return platform::WriteFileReplacing(path, bytes); }

TEST(CliProject, ReadsWithThePlatformRules) {
    TempFolder folder;
    const std::string path = folder.File("p.gwp");
    const std::string longValue(5000, 'v');
    ASSERT_TRUE(Write(path,
                      "[application]\r\n"
                      "  NAME  =   My Tool   \r\n"          // names without case, blanks trimmed
                      "Copyright=\"  quoted  \"\r\n"        // one pair of quotes stripped
                      "Site='a'b'\r\n"                      // the outer pair only
                      "Langauge=\"\"x\"\"\r\n"
                      "[Team]\r\nName=XYZ\r\nName=Second\r\n"  // the first key counts
                      "[RELEASE]\r\nType=" + longValue + "\r\nDate=not a date\r\n"
                      "[RACKAGE]\r\nDelimiter=_\r\nTeam=GRP\r\nSpacer=-\r\nName=typed by hand\r\n"
                      "[ARCHIVER]\r\nWinRAR=7\r\n7zip=x\r\n"
                      "[INFO]\r\nDescription=one{#}two{#}{#}\r\nGreetings=\"  hi  \"\r\n"));
    MemoryProjectForm form;
    const std::string today = form.GetDateText();
    std::string error;
    ASSERT_TRUE(ReadProjectFile(path, form, error)) << error;
    EXPECT_EQ(form.GetText(ReleaseField('A')), "My Tool");
    EXPECT_EQ(form.GetText(ReleaseField('B')), "  quoted  ");
    EXPECT_EQ(form.GetText(ReleaseField('C')), "a'b");
    EXPECT_EQ(form.GetText(ReleaseField('D')), "\"x\"");
    EXPECT_EQ(form.GetText(ReleaseField('F')), "XYZ");
    EXPECT_EQ(form.GetText(ReleaseField('L')), longValue);  // values are read whole
    EXPECT_EQ(form.GetDateText(), today);                   // an unreadable date keeps the picker's
    EXPECT_EQ(form.GetText(ReleaseField('Q')), "My-Tool");  // derived again, not as typed
    EXPECT_TRUE(form.GetButton(ArchiverButtonItem(Archiver::WinRar)));
    EXPECT_FALSE(form.GetButton(ArchiverButtonItem(Archiver::SevenZip)));
    EXPECT_EQ(form.GetText(ReleaseField('R')), "one\r\ntwo\r\n\r\n");
    EXPECT_EQ(form.GetText(ReleaseField('S')), "");  // a missing block is empty
    EXPECT_EQ(form.GetText(ReleaseField('U')), "  hi  ");

    const FieldTable values = ReadLineValues(form);
    EXPECT_EQ(values[LineValueIndex('Q')], "My-Tool_GRP");  // File Name, Delimiter, Team
    EXPECT_EQ(WrapTextBlocks(form, 70)[0], (std::vector<std::string>{"one", "two", "", ""}));
}

TEST(CliProject, StartsAsTheWindowStarts) {
    TempFolder folder;
    const std::string path = folder.File("p.gwp");
    ASSERT_TRUE(Write(path, "[APPLICATION]\r\nName=A B\r\n[RELEASE]\r\nDate=07.12.2024\r\n"));
    MemoryProjectForm form;
    std::string error;
    ASSERT_TRUE(ReadProjectFile(path, form, error)) << error;
    const FieldTable values = ReadLineValues(form);
    EXPECT_EQ(values[LineValueIndex('Q')], "A.B-");  // Spacer "." and Delimiter "-" by default
#ifndef _WIN32
    // The portable build's short date picture.
    EXPECT_EQ(values[LineValueIndex('N')], "07.12.2024");
#endif
}

// A project saved on another machine holds the date in that user's picture: the picture {N} is
// written with reads it, ISO days always read, and anything else is said, not dropped.
TEST(CliProject, DateReadsWithThePictureInEffect) {
    const struct {
        const char* picture;
        const char* stored;
        const char* written;  // nullptr: not read, today's date and a warning
    } cases[] = {
        {"M/d/yyyy", "3/14/2026", "3/14/2026"},
        {"M/d/yyyy", "2026-03-14", "3/14/2026"},
        {"dd.MM.yyyy", "14.03.2026 0:00:00", "14.03.2026"},
        {"M/d/yyyy", "14.03.2026", nullptr},
    };
    for (const auto& c : cases) {
        MemoryProjectForm form;
        form.SetDatePicture(c.picture);
        const std::string today = form.GetDateText();
        std::vector<Finding> warnings;
        ASSERT_TRUE(ReadProjectBytes(std::string("[RELEASE]\r\nDate=") + c.stored + "\r\n", "p.gwp",
                                     {}, form, warnings));
        EXPECT_EQ(form.GetDateText(), c.written ? c.written : today) << c.stored;
        ASSERT_EQ(warnings.size(), c.written ? 0u : 1u) << c.stored;
        if (c.written) continue;
        EXPECT_NE(warnings[0].message.find(c.stored), std::string::npos) << warnings[0].message;
        EXPECT_NE(warnings[0].message.find(c.picture), std::string::npos) << warnings[0].message;
    }
}

// A UTF-8 project is converted to the code page the engine works in, and says so; the window's
// byte-for-byte reading stays one option away.
TEST(CliProject, Utf8ProjectsAreConvertedAndSaidSo) {
    // The expected bytes are those of code page 1252.
    if (!testing::UsesWesternCodePages()) GTEST_SKIP() << "system code pages are not 1252/437";
    const struct {
        const char* name;
        std::string value;  // [APPLICATION] Name=
        ProjectEncoding encoding;
        std::string read;
        std::size_t warnings;
    } cases[] = {
        {"UTF-8 beyond ASCII", "Caf\xC3\xA9", ProjectEncoding::Auto, "Caf\xE9", 1},
        {"byte-order mark", "\xEF\xBB\xBFx", ProjectEncoding::Auto, "x", 1},
        {"code page bytes stay", "Caf\xE9", ProjectEncoding::Auto, "Caf\xE9", 0},
        {"ansi reads every byte", "Caf\xC3\xA9", ProjectEncoding::Ansi, "Caf\xC3\xA9", 0},
        {"a character the code page lacks", "a\xE2\x86\x92", ProjectEncoding::Auto, "a?", 2},
        {"utf-8 forced on other bytes", "Caf\xE9", ProjectEncoding::Utf8, "Caf?", 2},
    };
    for (const auto& c : cases) {
        // The mark, when there is one, starts the file.
        const bool marked = c.value.compare(0, 3, "\xEF\xBB\xBF") == 0;
        const std::string bytes = (marked ? "\xEF\xBB\xBF" : "") +
                                  std::string("[APPLICATION]\r\nName=") +
                                  c.value.substr(marked ? 3 : 0) + "\r\n";
        MemoryProjectForm form;
        std::vector<Finding> warnings;
        ProjectReading how;
        how.encoding = c.encoding;
        ASSERT_TRUE(ReadProjectBytes(bytes, "p.gwp", how, form, warnings)) << c.name;
        EXPECT_EQ(form.GetText(ReleaseField('A')), c.read) << c.name;
        EXPECT_EQ(warnings.size(), c.warnings) << c.name;
    }
}

// Keys the format does not know are never asked for: each is named, with the spelling meant.
TEST(CliProject, KeysNoneWillReadAreNamed) {
    const struct {
        const char* lines;  // after "[APPLICATION]\r\nName=x\r\n" (lines 1 and 2)
        std::size_t line;
        const char* says;
    } cases[] = {
        {"Language=English\r\n", 3, "did you mean Langauge=?"},
        {"[PACKAGE]\r\nTeam=X\r\n", 3, "did you mean [RACKAGE]?"},
        {"[TEAM]\r\nTester=Bob\r\n", 4, "did you mean Tested=?"},
        {"Comment=hi\r\n", 3, "the keys there are Name, Copyright"},
        {"Name=y\r\n", 3, "first on line 2"},
        {"[Application]\r\nSite=s\r\n", 3, "the keys under this one are not read"},
        {"Site\r\n", 3, "no '='"},
    };
    for (const auto& c : cases) {
        MemoryProjectForm form;
        std::vector<Finding> warnings;
        ASSERT_TRUE(ReadProjectBytes(
            std::string("[APPLICATION]\r\nName=x\r\n") + c.lines + ";Comment=ok\r\n", "p.gwp", {},
            form, warnings));
        ASSERT_EQ(warnings.size(), 1u) << c.lines;
        EXPECT_EQ(warnings[0].line, c.line) << c.lines;
        EXPECT_NE(warnings[0].message.find(c.says), std::string::npos) << warnings[0].message;
    }
}

TEST(CliProject, RefusesWhatIsNoProject) {
    TempFolder folder;
    const struct {
        const char* name;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"junk.gwp", std::string("\x7f" "ELF\x00\x01\x02[\xff\xfe=\r\n\x00", 14), "not a project file"},
        {"other.ini", "[TEAM INFORMATION]\r\nGreetings=hi\r\n", "not a project file"},
        {"empty.gwp", "", "not a project file"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Write(folder.File(c.name), c.bytes));
        MemoryProjectForm form;
        std::string error;
        EXPECT_FALSE(ReadProjectFile(folder.File(c.name), form, error)) << c.name;
        EXPECT_NE(error.find(c.name), std::string::npos) << error;
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
    MemoryProjectForm form;
    std::string error;
    EXPECT_FALSE(ReadProjectFile(folder.File("missing.gwp"), form, error));
    EXPECT_NE(error.find("no such file"), std::string::npos) << error;
    EXPECT_FALSE(ReadProjectFile(folder.Path(), form, error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
}

}  // namespace
}  // namespace glyphwright::cli
