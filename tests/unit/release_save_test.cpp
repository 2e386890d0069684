// "Save NFO && DIZ" into the release folder beside the executable.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "output/release_paths.h"
#include "output/release_save.h"
#include "platform/files.h"
#include "temp_folder.h"

namespace glyphwright {
namespace {

using glyphwright::testing::TempFolder;
constexpr char kSep = platform::kPathSeparator;

std::string Under(const TempFolder& folder, std::string relative) {
    for (char& c : relative) {
        if (c == '/') c = kSep;
    }
    return folder.Path() + relative;
}

ReleaseSaveInput Input(const TempFolder& folder) {
    ReleaseSaveInput input;
    input.startFolder = folder.Path();
    input.name = "My Tool";
    input.teamName = "Crew";
    input.nfoText = "NFO\r\n\xDB\xB2\r\n";
    input.dizText = "DIZ\r\n";
    input.dizTemplateChosen = true;
    return input;
}

TEST(ReleasePaths, AreBuiltByPlainConcatenation) {
    EXPECT_EQ(OutputRoot("S" + std::string(1, kSep)), "S" + std::string(1, kSep) + "Release");
    const std::string folder = ReleaseFolder("S" + std::string(1, kSep), "My Tool");
    EXPECT_EQ(folder, std::string("S") + kSep + "Release" + kSep + "My Tool");
    EXPECT_EQ(NfoFilePath(folder, ""), folder + kSep + ".nfo");
    EXPECT_EQ(DizFilePath(folder), folder + kSep + "File_ID.diz");
}

TEST(SaveRelease, WritesBothPreviewsByteForByte) {
    TempFolder folder;
    const ReleaseSaveInput input = Input(folder);
    const ReleaseSaveResult result = SaveRelease(input);
    EXPECT_TRUE(result.nfoWritten);
    EXPECT_TRUE(result.dizWritten);
    EXPECT_EQ(TempFolder::ReadFile(Under(folder, "Release/My Tool/Crew.nfo")), input.nfoText);
    EXPECT_EQ(TempFolder::ReadFile(Under(folder, "Release/My Tool/File_ID.diz")), input.dizText);
}

TEST(SaveRelease, WritesNoDizWithoutATemplateOrText) {
    for (const bool chosen : {false, true}) {
        TempFolder folder;
        ReleaseSaveInput input = Input(folder);
        input.dizTemplateChosen = chosen;
        if (chosen) input.dizText.clear();
        SaveRelease(Input(folder));  // an earlier save left a DIZ behind
        input.nfoText = "second";
        const ReleaseSaveResult result = SaveRelease(input);
        EXPECT_FALSE(result.dizWritten);
        EXPECT_EQ(TempFolder::ReadFile(Under(folder, "Release/My Tool/File_ID.diz")), "DIZ\r\n");
        EXPECT_EQ(TempFolder::ReadFile(Under(folder, "Release/My Tool/Crew.nfo")), "second");
    }
}

TEST(SaveRelease, EmptyNamesAndTexts) {
    TempFolder folder;
    ReleaseSaveInput input = Input(folder);
    input.name.clear();
    input.teamName.clear();
    input.nfoText.clear();
    EXPECT_TRUE(SaveRelease(input).nfoWritten);
    // The files land in Release itself; the NFO is named ".nfo" and is empty.
    EXPECT_TRUE(platform::FileExists(Under(folder, "Release/.nfo")));
    EXPECT_EQ(TempFolder::ReadFile(Under(folder, "Release/.nfo")), "");
    EXPECT_TRUE(platform::FileExists(Under(folder, "Release/File_ID.diz")));
}

TEST(SaveRelease, RefusesNamesThatLeaveTheReleaseFolder) {
    const char* const names[][2] = {
        {"Outer\\Inner", "Crew"},
        {"Tool", "..\\..\\x"},
        {"Tool", "a/b"},
        {"C:x", "Crew"},
        {"..", ""},
        {"CON", "Crew"},
        {"Tool", "nul"},
        {"Tool.", "Crew"},
    };
    for (const auto& name : names) {
        SCOPED_TRACE(std::string(name[0]) + " / " + name[1]);
        TempFolder folder;
        ReleaseSaveInput input = Input(folder);
        input.name = name[0];
        input.teamName = name[1];
        const ReleaseSaveResult result = SaveRelease(input);
        EXPECT_TRUE(result.refused);
        EXPECT_NE(result.failure.find("Nothing was saved."), std::string::npos) << result.failure;
        EXPECT_FALSE(result.nfoWritten || result.dizWritten);
        EXPECT_FALSE(platform::DirectoryExists(Under(folder, "Release")));
    }
}

// A save that was cut short leaves its temporary file; the next save clears what no running
// writer owns, so packing the folder never takes it.
TEST(SaveRelease, RemovesStaleTemporaryFilesOfItsOwnPattern) {
    TempFolder folder;
    SaveRelease(Input(folder));
    const std::string releaseFolder = Under(folder, "Release/My Tool/");
    const char* const names[] = {"~gw7ffffff0-1.tmp", "~gw7ffffff0-1.tmp.keep", "~gwx-1.tmp"};
    for (const char* name : names) folder.Write(std::string("Release/My Tool/") + name, "partial");
    SaveRelease(Input(folder));
    EXPECT_FALSE(platform::FileExists(releaseFolder + names[0]));
    EXPECT_TRUE(platform::FileExists(releaseFolder + names[1]));
    EXPECT_TRUE(platform::FileExists(releaseFolder + names[2]));
}

TEST(SaveRelease, ReplacesItsOwnFilesAndKeepsOthers) {
    TempFolder folder;
    ReleaseSaveInput input = Input(folder);
    SaveRelease(input);
    input.teamName = "Other Crew";
    input.nfoText = "new";
    SaveRelease(input);
    EXPECT_EQ(TempFolder::ReadFile(Under(folder, "Release/My Tool/Crew.nfo")), Input(folder).nfoText);
    EXPECT_EQ(TempFolder::ReadFile(Under(folder, "Release/My Tool/Other Crew.nfo")), "new");
    std::size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Under(folder, "Release/My Tool"))) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 3u);  // two NFOs and the DIZ, no temporary files
}

// Entries in the folder, temporaries included.
std::size_t EntriesIn(const std::string& folder) {
    std::size_t entries = 0;
    std::error_code error;
    for (auto it = std::filesystem::directory_iterator(folder, error);
         it != std::filesystem::directory_iterator(); it.increment(error)) {
        ++entries;
    }
    return entries;
}

// Both files or neither: whatever stops the save, the earlier release stays as it was, no
// temporary is left, a folder the save made is gone again, and the message names the path.
TEST(SaveRelease, AFailedSaveLeavesEverythingAsItWas) {
    struct Case {
        const char* what;
        void (*arrange)(TempFolder&);
        const char* named;  // the path the message names, under the folder
        bool releaseFolderStays;
    };
    const Case cases[] = {
        {"read-only NFO", [](TempFolder& f) { TempFolder::MakeReadOnly(Under(f, "Release/My Tool/Crew.nfo")); },
         "Release/My Tool/Crew.nfo", true},
        {"a folder where the DIZ goes",
         [](TempFolder& f) {
             std::filesystem::remove(Under(f, "Release/My Tool/File_ID.diz"));
             std::filesystem::create_directory(Under(f, "Release/My Tool/File_ID.diz"));
         },
         "Release/My Tool/File_ID.diz", true},
        {"a file where the release folder goes",
         [](TempFolder& f) {
             std::filesystem::remove_all(Under(f, "Release/My Tool"));
             f.Write("Release/My Tool", "not a folder");
         },
         "Release/My Tool", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        ReleaseSaveInput input = Input(folder);
        SaveRelease(input);
        c.arrange(folder);
        const std::size_t before = EntriesIn(Under(folder, "Release/My Tool"));
        input.nfoText = "would replace";
        input.dizText = "new DIZ";
        const ReleaseSaveResult result = SaveRelease(input);
        EXPECT_FALSE(result.nfoWritten || result.dizWritten);
        EXPECT_NE(result.failure.find(Under(folder, c.named)), std::string::npos) << result.failure;
        if (c.releaseFolderStays) {
            EXPECT_EQ(TempFolder::ReadFile(Under(folder, "Release/My Tool/Crew.nfo")), Input(folder).nfoText);
            EXPECT_EQ(EntriesIn(Under(folder, "Release/My Tool")), before);
        }
    }
    // A save that made the folders and then failed takes them away again.
    TempFolder folder;
    ReleaseSaveInput input = Input(folder);
    input.teamName = std::string(300, 'T');  // too long a file name for any system
    const ReleaseSaveResult result = SaveRelease(input);
    EXPECT_FALSE(result.failure.empty());
    EXPECT_FALSE(platform::DirectoryExists(Under(folder, "Release")));
}

}  // namespace
}  // namespace glyphwright
