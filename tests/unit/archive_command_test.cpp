// "Create Release": the archive name, the archivers' command lines, and what is started.

#include <gtest/gtest.h>

#include <string>

#include "output/archive_command.h"
#include "platform/files.h"
#include "temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace glyphwright {
namespace {

using glyphwright::testing::TempFolder;
constexpr char kSep = platform::kPathSeparator;

CreateReleaseInput Input() {
    CreateReleaseInput input;
    input.startFolder = std::string("S") + kSep;
    input.name = "My Tool";
    input.fileName = "My.Tool";
    input.releaseType = "Retail Edition";
    input.delimiter = "-";
    input.team = "CREW";
    input.spacer = ".";
    input.archivers[Archiver::SevenZip].options = "a -tzip";
    input.archivers[Archiver::WinRar].options = "a -m5";
    input.archivers[Archiver::SevenZip].path = "C:\\Program Files\\7-Zip\\7zFM.exe";
    input.archivers[Archiver::WinRar].path = "C:\\WinRAR\\WinRAR.exe";
    return input;
}

TEST(ComposeArchiveName, JoinsThePackagePieces) {
    EXPECT_EQ(ComposeArchiveName("My.Tool", ".", "Retail", "-", "CREW"), "My.Tool.Retail-CREW");
    EXPECT_EQ(ComposeArchiveName("My.Tool", ".", "Retail", "-", ""), "My.Tool.Retail-");
    EXPECT_EQ(ComposeArchiveName("My.Tool", ".", "", "-", "CREW"), "My.Tool.-CREW");
    EXPECT_EQ(ComposeArchiveName("", "", "", "", ""), "");
}

TEST(ArchiveExtensions, FollowTheCaseSensitiveSwitches) {
    EXPECT_EQ(ArchiveExtension(Archiver::SevenZip, "a -tzip"), ".zip");
    EXPECT_EQ(ArchiveExtension(Archiver::SevenZip, "a -t7z -mx=9"), ".7z");
    EXPECT_EQ(ArchiveExtension(Archiver::SevenZip, "a -TZIP"), ".7z");
    EXPECT_EQ(ArchiveExtension(Archiver::SevenZip, ""), ".7z");
    EXPECT_EQ(ArchiveExtension(Archiver::WinRar, "a -afzip"), ".zip");
    EXPECT_EQ(ArchiveExtension(Archiver::WinRar, "a -AFZIP"), ".rar");
    EXPECT_EQ(ArchiveExtension(Archiver::WinRar, "a -m5"), ".rar");
}

TEST(ComposeArchiverParameters, QuotesTheTwoPaths) {
    EXPECT_EQ(ComposeArchiverParameters("a -tzip", "C:\\R\\x.zip", "C:\\R\\*"),
              std::optional<std::string>("a -tzip \"C:\\R\\x.zip\" \"C:\\R\\*\""));
    EXPECT_EQ(ComposeArchiverParameters("", "x.7z", "*"), std::optional<std::string>(" \"x.7z\" \"*\""));
    // A quote in either path would end its argument early: nothing is built.
    EXPECT_FALSE(ComposeArchiverParameters("a", "C:\\R\\x\" -p\"secret.zip", "C:\\R\\*"));
    EXPECT_FALSE(ComposeArchiverParameters("a", "x.zip", "C:\\R\"\\*"));
    EXPECT_TRUE(ComposeArchiverParameters("a -p\"pass word\"", "x.zip", "*"));
}

TEST(ComposeCommandLine, QuotesAProgramPathWithBlanks) {
    EXPECT_EQ(ComposeCommandLine("C:\\Program Files\\7-Zip\\7zG.exe", "a \"x\""),
              "\"C:\\Program Files\\7-Zip\\7zG.exe\" a \"x\"");
    EXPECT_EQ(ComposeCommandLine("\"C:\\Program Files\\7zG.exe\"", "a"), "\"C:\\Program Files\\7zG.exe\" a");
    EXPECT_EQ(ComposeCommandLine("C:\\7-Zip\\7zG.exe", "a"), "C:\\7-Zip\\7zG.exe a");
    EXPECT_EQ(ComposeCommandLine("7zG.exe", ""), "7zG.exe");
    EXPECT_EQ(ComposeCommandLine("", "a b"), "a b");
}

TEST(PlanCreateRelease, AsksForTheNfoFirst) {
    const CreateReleasePlan plan = PlanCreateRelease(Input(), false);
    EXPECT_TRUE(plan.showNothingToPackMessage);
    EXPECT_TRUE(plan.commandLines.empty());
}

TEST(PlanCreateRelease, RunsSevenZipBeforeWinRar) {
    CreateReleaseInput input = Input();
    input.archivers[Archiver::SevenZip].selected = true;
    input.archivers[Archiver::WinRar].selected = true;
    const CreateReleasePlan plan = PlanCreateRelease(input, true);
    EXPECT_FALSE(plan.showNothingToPackMessage);
    const std::string folder = std::string("S") + kSep + "Release" + kSep + "My Tool";
    ASSERT_EQ(plan.commandLines.size(), 2u);
    // The Spacer sits inside {Q} and once more before the release type; the folder keeps blanks.
    EXPECT_EQ(plan.commandLines[0], "\"C:\\Program Files\\7-Zip\\7zG.exe\" a -tzip \"" + folder + kSep +
                                        "My.Tool.Retail Edition-CREW.zip\" \"" + folder + kSep + "*\"");
    EXPECT_EQ(plan.commandLines[1], "C:\\WinRAR\\winrar.exe a -m5 \"" + folder + kSep +
                                        "My.Tool.Retail Edition-CREW.rar\" \"" + folder + kSep + "*\"");
}

TEST(PlanCreateRelease, StartsNothingWithoutASelectedButton) {
    const CreateReleasePlan plan = PlanCreateRelease(Input(), true);
    EXPECT_FALSE(plan.showNothingToPackMessage);
    EXPECT_TRUE(plan.commandLines.empty());
}

TEST(PlanCreateRelease, AnUndetectedArchiverIsStartedByItsBareName) {
    CreateReleaseInput input = Input();
    input.archivers[Archiver::WinRar].selected = true;
    input.archivers[Archiver::WinRar].path.clear();
    input.archivers[Archiver::WinRar].options.clear();
    const CreateReleasePlan plan = PlanCreateRelease(input, true);
    ASSERT_EQ(plan.commandLines.size(), 1u);
    EXPECT_EQ(plan.commandLines[0].rfind("winrar.exe  \"", 0), 0u);
}

TEST(PlanCreateRelease, RefusesTextsThatWouldSplitTheCommandLine) {
    for (const char* field : {"name", "fileName", "team"}) {
        CreateReleaseInput input = Input();
        input.archivers[Archiver::SevenZip].selected = true;
        input.archivers[Archiver::WinRar].selected = true;
        std::string& text = std::string(field) == "name" ? input.name
                            : std::string(field) == "fileName" ? input.fileName
                                                               : input.team;
        text += "\" -p\"x";
        const CreateReleasePlan plan = PlanCreateRelease(input, true);
        EXPECT_FALSE(plan.showNothingToPackMessage) << field;
        EXPECT_TRUE(plan.commandLines.empty()) << field;
    }
}

// The folder and the archive name come from project files that people pass around: the Name
// and the archive's whole file name must pass the file name rule, or nothing is started. The
// whole name is judged, as it is put together, not its pieces.
TEST(PlanCreateRelease, RefusesNamesThatLeaveTheReleaseFolder) {
    struct Case {
        std::string CreateReleaseInput::*field;
        const char* text;
        bool refused;
    };
    const Case cases[] = {
        {&CreateReleaseInput::name, "My Tool\\..\\Other", true},
        {&CreateReleaseInput::fileName, "..\\..\\x", true},
        {&CreateReleaseInput::spacer, "/", true},
        {&CreateReleaseInput::releaseType, "Keygen/Patch", true},
        {&CreateReleaseInput::delimiter, "..", false},  // "Edition..CREW" is an ordinary name
        {&CreateReleaseInput::team, "C:CREW", true},
        {&CreateReleaseInput::fileName, "My.Tool.", false},  // "My.Tool." + "." joins into ".."
        {&CreateReleaseInput::name, "My Tool.", true},       // Windows would pack "My Tool"
        {&CreateReleaseInput::team, "CREW ", false},         // the extension follows the blank
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CreateReleaseInput input = Input();
        input.archivers[Archiver::SevenZip].selected = true;
        input.*c.field = c.text;
        const CreateReleasePlan plan = PlanCreateRelease(input, true);
        EXPECT_EQ(plan.refused, c.refused);
        EXPECT_EQ(plan.commandLines.empty(), c.refused);
        EXPECT_FALSE(plan.showNothingToPackMessage);
    }
}

// "CON" as File Name with the other pieces empty makes "CON.7z" for one archiver and "CON.rar"
// for the other: each selected archiver's own name is judged, before the folder is looked at.
TEST(PlanCreateRelease, JudgesEachSelectedArchiversWholeFileName) {
    CreateReleaseInput input = Input();
    input.fileName = "CON";
    input.spacer = input.releaseType = input.delimiter = input.team = "";
    for (const Archiver archiver : {Archiver::SevenZip, Archiver::WinRar}) {
        CreateReleaseInput one = input;
        one.archivers[archiver].selected = true;
        one.archivers[archiver].options = "a";
        const CreateReleasePlan plan = PlanCreateRelease(one, false);
        EXPECT_TRUE(plan.refused);
        EXPECT_FALSE(plan.showNothingToPackMessage);
        EXPECT_NE(
            plan.refusalText.find(archiver == Archiver::WinRar ? "\"CON.rar\"" : "\"CON.7z\""),
            std::string::npos)
            << plan.refusalText;
    }
    // With no archiver selected there is no archive name to judge.
    EXPECT_FALSE(PlanCreateRelease(input, true).refused);
}

TEST(PlanCreateRelease, LooksForAnNfoInTheReleaseFolder) {
    TempFolder folder;
    CreateReleaseInput input = Input();
    input.startFolder = folder.Path();
    input.archivers[Archiver::SevenZip].selected = true;
    EXPECT_TRUE(PlanCreateRelease(input).showNothingToPackMessage);  // no folder at all
    ASSERT_TRUE(platform::CreateOneDirectory(folder.File("Release")));
    ASSERT_TRUE(platform::CreateOneDirectory(folder.File("Release") + kSep + "My Tool"));
    folder.Write(std::string("Release") + kSep + "My Tool" + kSep + "File_ID.diz", "x");
    EXPECT_TRUE(PlanCreateRelease(input).showNothingToPackMessage);
    folder.Write(std::string("Release") + kSep + "My Tool" + kSep + "CREW.nfo", "x");
    EXPECT_EQ(PlanCreateRelease(input).commandLines.size(), 1u);
    // An empty name packs Release itself, which counts its sub-folders' names too.
    input.name.clear();
    EXPECT_TRUE(PlanCreateRelease(input).showNothingToPackMessage);
    folder.Write(std::string("Release") + kSep + ".nfo", "");
    EXPECT_EQ(PlanCreateRelease(input).commandLines.size(), 1u);
}

#ifdef _WIN32
// A program in a folder whose name has a blank is started, and waited for, through the
// quoted command line.
TEST(StartAndWait, StartsAProgramAndWaitsForIt) {
    TempFolder folder;
    ASSERT_TRUE(platform::CreateOneDirectory(folder.File("with blank")));
    char system[MAX_PATH];
    ASSERT_GT(GetSystemDirectoryA(system, MAX_PATH), 0u);
    const std::string program = folder.File("with blank") + "\\cmd.exe";
    ASSERT_TRUE(CopyFileA((std::string(system) + "\\cmd.exe").c_str(), program.c_str(), FALSE));
    const std::string marker = folder.File("done.txt");
    EXPECT_TRUE(StartAndWait(program, "/c echo finished> \"" + marker + "\""));
    // The call returns only after the program has ended, so its output is already there.
    EXPECT_NE(TempFolder::ReadFile(marker).find("finished"), std::string::npos);
    EXPECT_FALSE(StartAndWait(folder.File("missing") + "\\none.exe", "x"));
}
#endif

}  // namespace
}  // namespace glyphwright
