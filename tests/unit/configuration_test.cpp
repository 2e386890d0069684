// The configuration file read through the profile functions: lists, greetings, install texts
// per release type and archiver options.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/configuration.h"
#include "temp_folder.h"

namespace glyphwright {
namespace {

using glyphwright::testing::TempFolder;

class RecordingForm : public ConfigurationForm {
public:
    void AppendListEntry(FormItem dropDown, const std::string& entry) override {
        appended.emplace_back(dropDown, entry);
        lists[dropDown].push_back(entry);
    }
    void SetBlockText(FormItem block, const std::string& text) override { blocks[block] = text; }

    std::vector<std::pair<FormItem, std::string>> appended;
    std::map<FormItem, std::vector<std::string>> lists;
    std::map<FormItem, std::string> blocks;
};

constexpr char kConfiguration[] =
    "[team]\r\n"
    "Alpha Crew\r\n"
    "\r\n"
    "Beta=Team\r\n"
    "Gamma\r\n"
    "[MEMBERS]\r\n"
    "Zed\r\n"
    "[RELEASE TYPE]\r\n"
    "Retail\r\n"
    "Keygen\r\n"
    "[OS TYPE]\r\n"
    "Win10\r\n"
    "[LANGUAGE]\r\n"
    "English\r\n"
    "[PROGRAM TYPE]\r\n"
    "Utility\r\n"
    "[RELEASE SIZE]\r\n"
    "1 x 1.44\r\n"
    "[Team Information]\r\n"
    "greetings=Hello{#}world\r\n"
    "[INSTALL INFO]\r\n"
    "Retail=Unpack{#}{#}Install\r\n"
    "[ARCHIVERS OPTION]\r\n"
    "7zip=a -tzip\r\n";

TEST(ConfigurationPath, FollowsTheExecutablesOwnName) {
    EXPECT_EQ(ConfigurationPath("C:\\Tools\\", "Glyphwright.exe"), "C:\\Tools\\Glyphwright.ini");
    EXPECT_EQ(ConfigurationPath("C:\\Tools\\", "my.renamed.tool.exe"), "C:\\Tools\\my.renamed.tool.ini");
    EXPECT_EQ(ConfigurationPath("/opt/gw/", "glyphwright"), "/opt/gw/glyphwright.ini");
}

TEST(LoadConfiguration, FeedsEveryDropDownOfEachSection) {
    TempFolder folder;
    folder.Write("Glyphwright.ini", kConfiguration);
    RecordingForm form;
    ArchiverOptions options;
    LoadConfiguration(folder.File("Glyphwright.ini"), form, options);

    const std::vector<std::string> teams = {"Alpha Crew", "Beta=Team", "Gamma"};
    EXPECT_EQ(form.lists[ReleaseField('F')], teams);
    EXPECT_EQ(form.lists[FormItem::PackageTeam], teams);
    // Line by line: each line reaches every drop-down of its section before the next line.
    ASSERT_GE(form.appended.size(), 2u);
    EXPECT_EQ(form.appended[0], std::make_pair(ReleaseField('F'), std::string("Alpha Crew")));
    EXPECT_EQ(form.appended[1], std::make_pair(FormItem::PackageTeam, std::string("Alpha Crew")));

    // One member line reaches the five member boxes in the order {G} {H} {K} {I} {J}.
    std::vector<FormItem> memberBoxes;
    for (const auto& [item, entry] : form.appended) {
        if (entry == "Zed") memberBoxes.push_back(item);
    }
    EXPECT_EQ(memberBoxes, (std::vector<FormItem>{ReleaseField('G'), ReleaseField('H'), ReleaseField('K'),
                                                  ReleaseField('I'), ReleaseField('J')}));

    EXPECT_EQ(form.lists[ReleaseField('L')], (std::vector<std::string>{"Retail", "Keygen"}));
    EXPECT_TRUE(form.lists[ReleaseField('M')].empty());  // no PROTECTION section
    EXPECT_EQ(form.lists[ReleaseField('P')], std::vector<std::string>{"Win10"});
    EXPECT_EQ(form.lists[ReleaseField('D')], std::vector<std::string>{"English"});
    EXPECT_EQ(form.lists[ReleaseField('E')], std::vector<std::string>{"Utility"});
    EXPECT_EQ(form.lists[ReleaseField('O')], std::vector<std::string>{"1 x 1.44"});
    EXPECT_EQ(form.blocks[ReleaseField('U')], "Hello\r\nworld");
    // A missing option key keeps what was held.
    EXPECT_EQ(options[Archiver::SevenZip], "a -tzip");
    EXPECT_EQ(options[Archiver::WinRar], "");
}

TEST(LoadConfiguration, WithoutAFileChangesNothing) {
    TempFolder folder;
    RecordingForm form;
    ArchiverOptions options{"kept ", "\"kept\""};
    LoadConfiguration(folder.File("Glyphwright.ini"), form, options);
    EXPECT_TRUE(form.appended.empty());
    EXPECT_TRUE(form.blocks.empty());
    EXPECT_EQ(options[Archiver::WinRar], "kept ");
    EXPECT_EQ(options[Archiver::SevenZip], "\"kept\"");
}

TEST(ReadArchiverOptions, MissingKeysKeepTheHeldTextExactly) {
    TempFolder folder;
    folder.Write("a.ini", "[ARCHIVERS OPTION]\r\nWinrar=a -afzip\r\n");
    ArchiverOptions options{"old", " a -t7z "};
    ReadArchiverOptions(folder.File("a.ini"), options);
    EXPECT_EQ(options[Archiver::WinRar], "a -afzip");
    EXPECT_EQ(options[Archiver::SevenZip], " a -t7z ");
}

TEST(ReadInstallInfo, LooksTheReleaseTypeUp) {
    TempFolder folder;
    folder.Write("c.ini", std::string(kConfiguration) + "[INSTALL INFO]\r\n=nameless\r\n");
    const std::string path = folder.File("c.ini");
    EXPECT_EQ(ReadInstallInfo(path, "Retail"), "Unpack\r\n\r\nInstall");
    EXPECT_EQ(ReadInstallInfo(path, "retail"), "Unpack\r\n\r\nInstall");
    EXPECT_EQ(ReadInstallInfo(path, "Reta"), "");  // typed half-way: nothing yet
    EXPECT_EQ(ReadInstallInfo(path, "Keygen"), "");
    EXPECT_EQ(ReadInstallInfo(path, ""), "");
    EXPECT_EQ(ReadInstallInfo(path, "  "), "");
    EXPECT_EQ(ReadInstallInfo(folder.File("missing.ini"), "Retail"), "");
}

TEST(Configuration, KeepsThePlatformsLimits) {
    TempFolder folder;
    std::string content = "[TEAM INFORMATION]\r\nGreetings=" + std::string(5000, 'g') + "\r\n[TEAM]\r\n";
    for (int i = 0; i < 5000; ++i) content += "Team number " + std::to_string(i) + "\r\n";
    folder.Write("big.ini", content);
    EXPECT_EQ(ReadGreetings(folder.File("big.ini")), std::string(4095, 'g'));
    const std::vector<std::string> teams = ReadListEntries(folder.File("big.ini"), "TEAM");
    // The entries and the NULs between them fill the buffer but for its closing two NULs.
    std::size_t characters = 0;
    for (const std::string& team : teams) characters += team.size() + 1;
    EXPECT_EQ(characters - 1, 32765u);
    EXPECT_EQ(teams.front(), "Team number 0");
}

TEST(Configuration, JunkReadsAsLittleOrNothing) {
    TempFolder folder;
    std::string junk;
    for (int i = 0; i < 70000; ++i) junk += static_cast<char>((i * 7919) % 251 + 1);
    folder.Write("junk.ini", junk);
    RecordingForm form;
    ArchiverOptions options;
    LoadConfiguration(folder.File("junk.ini"), form, options);
    EXPECT_EQ(form.blocks[ReleaseField('U')], "");
}

}  // namespace
}  // namespace glyphwright
