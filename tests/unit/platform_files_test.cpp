// Files and folders: whole reads, atomic replacement, folder tests and listings.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace glyphwright::platform {
namespace {

using glyphwright::testing::TempFolder;

std::size_t EntryCount(const std::string& folder) {
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        (void)entry;
        ++count;
    }
    return count;
}

TEST(StartFolder, IsTheExecutablesFolderWithASeparator) {
    const std::string folder = StartFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), kPathSeparator);
    EXPECT_TRUE(DirectoryExists(folder));
    EXPECT_TRUE(FileExists(folder + ExecutableFileName()));
}

TEST(FolderPart, EndsAtTheLastSeparatorOfAnyKind) {
    EXPECT_EQ(FolderPart("C:\\Program Files\\App\\app.exe"), "C:\\Program Files\\App\\");
    EXPECT_EQ(FolderPart("C:app.exe"), "C:");
    EXPECT_EQ(FolderPart("/usr/bin/app"), "/usr/bin/");
    EXPECT_EQ(FolderPart("C:\\mixed/forward\\back/x"), "C:\\mixed/forward\\back/");
    EXPECT_EQ(FolderPart("app.exe"), "");
    EXPECT_EQ(FolderPart(""), "");
}

TEST(FileTests, TellFilesFromFolders) {
    TempFolder folder;
    folder.Write("file.txt", "x");
    EXPECT_TRUE(FileExists(folder.File("file.txt")));
    EXPECT_FALSE(DirectoryExists(folder.File("file.txt")));
    EXPECT_TRUE(DirectoryExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder.File("missing")));
    EXPECT_FALSE(DirectoryExists(folder.File("missing")));
    EXPECT_TRUE(CreateOneDirectory(folder.File("one")));
    EXPECT_TRUE(DirectoryExists(folder.File("one")));
    EXPECT_FALSE(CreateOneDirectory(folder.File("two") + kPathSeparator + "three"));
}

TEST(ReadWholeFile, ReadsEveryByteOrLeavesTheOutputAlone) {
    TempFolder folder;
    const std::string bytes("a\0b\r\n\xff", 6);
    folder.Write("data.bin", bytes);
    std::string read = "previous";
    EXPECT_TRUE(ReadWholeFile(folder.File("data.bin"), read, bytes.size()));
    EXPECT_EQ(read, bytes);
    read = "previous";
    EXPECT_FALSE(ReadWholeFile(folder.File("data.bin"), read, bytes.size() - 1));  // too big
    EXPECT_FALSE(ReadWholeFile(folder.File("missing.bin"), read, SIZE_MAX));
    EXPECT_FALSE(ReadWholeFile(folder.Path(), read, SIZE_MAX));
    EXPECT_EQ(read, "previous");
    folder.Write("empty.bin", "");
    EXPECT_TRUE(ReadWholeFile(folder.File("empty.bin"), read, 0));
    EXPECT_EQ(read, "");
}

// The reason comes from the system on both platforms; the cap counts the bytes read.
TEST(ReadFileUpTo, ReadsUpToTheLimitOrSaysWhyNot) {
    TempFolder folder;
    folder.Write("ten.bin", "0123456789");
    const struct {
        std::string path;
        std::size_t limit;
        FileError expected;
    } cases[] = {
        {folder.File("ten.bin"), 10, FileError::None},
        {folder.File("ten.bin"), 9, FileError::TooLarge},
        {folder.File("missing.bin"), 10, FileError::NotFound},
        {folder.Path(), 10, FileError::IsAFolder},
        {folder.File("ten.bin") + kPathSeparator + "x", 10, FileError::NotAFolder},
        {folder.File(std::string(300, 'n')), 10, FileError::NameTooLong},
    };
    for (const auto& c : cases) {
        std::string read = "previous";
        EXPECT_EQ(ReadFileUpTo(c.path, c.limit, read).error, c.expected) << c.path.substr(0, 80);
        EXPECT_EQ(read, c.expected == FileError::None ? "0123456789" : "previous");
    }
}

TEST(WriteFileReplacing, CreatesAndReplacesWithoutLeftovers) {
    TempFolder folder;
    const std::string path = folder.File("out.nfo");
    EXPECT_TRUE(WriteFileReplacing(path, "first version, rather long"));
    EXPECT_TRUE(WriteFileReplacing(path, "second"));
    EXPECT_EQ(folder.Read("out.nfo"), "second");
    EXPECT_TRUE(WriteFileReplacing(path, ""));
    EXPECT_EQ(folder.Read("out.nfo"), "");
    EXPECT_EQ(EntryCount(folder.Path()), 1u);  // no temporary file stays behind
}

TEST(WriteFileReplacing, LeavesAReadOnlyFileIntact) {
    TempFolder folder;
    folder.Write("kept.nfo", "good content");
    TempFolder::MakeReadOnly(folder.File("kept.nfo"));
    EXPECT_FALSE(WriteFileReplacing(folder.File("kept.nfo"), "new"));
    EXPECT_EQ(folder.Read("kept.nfo"), "good content");
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

TEST(WriteFileReplacing, FailsCleanlyWhereItCannotWrite) {
    TempFolder folder;
    EXPECT_FALSE(WriteFileReplacing(folder.File("missing") + kPathSeparator + "x.nfo", "x"));
    ASSERT_TRUE(CreateOneDirectory(folder.File("a folder")));
    EXPECT_FALSE(WriteFileReplacing(folder.File("a folder"), "x"));
    EXPECT_TRUE(DirectoryExists(folder.File("a folder")));
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

#ifdef _WIN32
// A file held open by someone else cannot be replaced: the old content must survive whole.
TEST(WriteFileReplacing, KeepsAFileThatIsInUse) {
    TempFolder folder;
    folder.Write("busy.nfo", "good content");
    const std::string path = folder.File("busy.nfo");
    HANDLE busy = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteFileReplacing(path, "new"));
    CloseHandle(busy);
    EXPECT_EQ(folder.Read("busy.nfo"), "good content");
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
}
#endif

// Past the system's plain limit of 260 characters every operation a save uses still works, and
// a doubled separator (an empty Name) still counts as one.
TEST(LongPaths, WorkLikeShortOnes) {
    TempFolder folder;
    std::string path = folder.Path();
    std::vector<std::string> made;
    while (path.size() < 300) {
        path += std::string(40, 'd');
        ASSERT_TRUE(CreateFolder(path).Ok()) << path.size();
        made.push_back(path);
        path += kPathSeparator;
    }
    const std::string file = path + kPathSeparator + "Crew.nfo";
    ASSERT_TRUE(ReplaceFileWhole(file, "nfo").Ok());
    std::string read;
    EXPECT_TRUE(ReadWholeFile(path + "Crew.nfo", read, 100));
    EXPECT_EQ(read, "nfo");
    EXPECT_EQ(ListFiles(path, "*.nfo"), std::vector<std::string>{"Crew.nfo"});
    EXPECT_TRUE(RenameFile(path + "Crew.nfo", path + "Other.nfo", false).Ok());
    EXPECT_TRUE(FolderHasMatch(path, "Other.*"));
    EXPECT_TRUE(DeleteOneFile(path + "Other.nfo"));
    EXPECT_FALSE(FolderHasMatch(path, "*"));
    // The test folder's own clean-up cannot reach this deep on every system.
    for (auto it = made.rbegin(); it != made.rend(); ++it) EXPECT_TRUE(RemoveEmptyFolder(*it));
}

#ifdef _WIN32
// A name the program takes from a listing goes back to the same file, whatever its letters.
TEST(ListFiles, GivesNamesOutsideTheCodePageAsUTF8) {
    TempFolder folder;
    const std::wstring name = L"\u0416-art.nfo";
    HANDLE file = CreateFileW((std::filesystem::path(folder.Path()) / name).wstring().c_str(), GENERIC_WRITE, 0,
                              nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    const std::vector<std::string> names = ListFiles(folder.Path(), "*.nfo");
    ASSERT_EQ(names, std::vector<std::string>{"\xD0\x96-art.nfo"});
    std::string read = "previous";
    EXPECT_TRUE(ReadWholeFile(folder.Path() + names[0], read, 10));
    EXPECT_EQ(read, "");
}
#endif

TEST(FolderHasMatch, CountsFilesAndFoldersButNotDots) {
    TempFolder folder;
    ASSERT_TRUE(CreateOneDirectory(folder.File("empty")));
    EXPECT_FALSE(FolderHasMatch(folder.File("empty"), "*.nfo"));
    EXPECT_FALSE(FolderHasMatch(folder.File("empty"), "*"));  // "." and ".." do not count
    EXPECT_FALSE(FolderHasMatch(folder.File("missing"), "*.nfo"));

    ASSERT_TRUE(CreateOneDirectory(folder.File("diz")));
    folder.Write("diz" + std::string(1, kPathSeparator) + "File_ID.diz", "x");
    EXPECT_FALSE(FolderHasMatch(folder.File("diz"), "*.nfo"));

    ASSERT_TRUE(CreateOneDirectory(folder.File("upper")));
    folder.Write("upper" + std::string(1, kPathSeparator) + "TEAM.NFO", "x");
    EXPECT_TRUE(FolderHasMatch(folder.File("upper"), "*.nfo"));

    ASSERT_TRUE(CreateOneDirectory(folder.File("nested")));
    ASSERT_TRUE(CreateOneDirectory(folder.File("nested") + kPathSeparator + "old.nfo"));
    EXPECT_TRUE(FolderHasMatch(folder.File("nested"), "*.nfo"));
    EXPECT_TRUE(FolderHasMatch(folder.File("nested") + kPathSeparator, "*.nfo"));
}

}  // namespace
}  // namespace glyphwright::platform
