// The portable INI reader and writer on text in memory. Under Windows the same generated files
// are also put to the platform's profile functions, which must answer exactly alike.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "platform/ini_profile.h"
#include "platform/profile_text.h"
#include "temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace glyphwright::platform {
namespace {

using glyphwright::testing::TempFolder;

TEST(ProfileText, WritingKeepsEveryOtherByte) {
    const std::string original =
        "; top\r\n\r\n[One]\r\n  A = 1  \r\n\r\n[Two]\r\nC=3\r\n\r\n";
    const ProfileText text(original);
    EXPECT_EQ(text.WithString("one", "a", " new "),
              "; top\r\n\r\n[One]\r\n  A=new  \r\n\r\n[Two]\r\nC=3\r\n\r\n");
    // A new key goes after the section's last entry, before the blank line.
    EXPECT_EQ(text.WithString("One", "B", "2"),
              "; top\r\n\r\n[One]\r\n  A = 1  \r\nB=2\r\n\r\n[Two]\r\nC=3\r\n\r\n");
    EXPECT_EQ(text.WithString("Three", "D", "4"), original + "[Three]\r\nD=4\r\n");
    EXPECT_EQ(text.WithString("Two", "C", "3"), original);  // nothing to change
}

TEST(ProfileText, WritingAfterALastLineWithoutBreak) {
    EXPECT_EQ(ProfileText("[S]\r\nA=1").WithString("S", "B", "2"), "[S]\r\nA=1\r\nB=2\r\n");
    EXPECT_EQ(ProfileText("[S]\nA=1").WithString("T", "B", "2"), "[S]\nA=1\r\n[T]\r\nB=2\r\n");
    EXPECT_EQ(ProfileText("[S]").WithString("S", "B", "2"), "[S]\r\nB=2\r\n");
    EXPECT_EQ(ProfileText("").WithString("S", "B", "2"), "[S]\r\nB=2\r\n");
}

TEST(ProfileText, ReadsTextWithAByteOrderMark) {
    const ProfileText utf8("\xEF\xBB\xBF[S]\r\nK=caf\xC3\xA9 \xE2\x82\xAC \xE2\x98\x83\r\n");
    EXPECT_EQ(utf8.GetString("S", "K", "", 4096), "caf\xE9 \x80 ?");
    const std::string utf16("\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0\xE9\0", 18);
    EXPECT_EQ(ProfileText(utf16).GetString("S", "K", "", 4096), "\xE9");
    // Only plain 8-bit files are written back.
    EXPECT_FALSE(utf8.WithString("S", "K", "x"));
}

TEST(ProfileText, AnUnreadableFileAnswersWithTheDefault) {
    const ProfileText text = ProfileText::Unreadable();
    // Unlike a missing key, the default's quotes stay: the platform copies it as it is.
    EXPECT_EQ(text.GetString("S", "K", "\"d\"  ", 4096), "\"d\"");
    EXPECT_FALSE(text.HasValue("S", "K"));
    EXPECT_TRUE(text.GetSectionLines("S", 100).empty());
    EXPECT_EQ(text.GetInt("S", "K", 5), 5);
    EXPECT_FALSE(text.WithString("S", "K", "v"));
}

TEST(ProfileText, ReadsNumbersAsThePlatformDoes) {
    const ProfileText text("[S]\r\na=-3\r\nb=0x1f\r\nc=0X1F\r\nd=0b102\r\ne=4294967297\r\nf=+ 5\r\n");
    EXPECT_EQ(text.GetInt("S", "a", 7), -3);
    EXPECT_EQ(text.GetInt("S", "b", 7), 31);
    EXPECT_EQ(text.GetInt("S", "c", 7), 0);
    EXPECT_EQ(text.GetInt("S", "d", 7), 2);
    EXPECT_EQ(text.GetInt("S", "e", 7), 1);
    EXPECT_EQ(text.GetInt("S", "f", 7), 0);
}

#ifdef _WIN32

// The pieces as text of the system code page. On a double-byte page a first byte standing alone
// is no text (the system reads it together with the byte after it, a line break included), and
// the portable rules count bytes where the program's wide reading counts characters, so pieces
// holding one are left out there; every other page keeps them all.
std::vector<std::string> SingleBytePieces(std::vector<std::string> pieces) {
    pieces.erase(std::remove_if(pieces.begin(), pieces.end(),
                                [](const std::string& piece) {
                                    for (char byte : piece) {
                                        if (IsDBCSLeadByte(static_cast<BYTE>(byte))) return true;
                                    }
                                    return false;
                                }),
                 pieces.end());
    return pieces;
}

// Random INI texts built from the pieces the rules care about.
std::string RandomProfile(std::mt19937& random) {
    static const std::vector<std::string> pieces = SingleBytePieces({
        "[", "]", "=", " ", "\t", "\r", "\n", "\r\n", "\r\n", "\r\n", ";", "\"", "'", "\x1a", "\v",
        "\xA0", "\xE9", "\xC9", std::string(1, '\0'), "s", "S", "k", "K", "v", "a b", "[s]", "[S]\r\n",
        "[ s ]\r\n", "k=", "K = ", "=v", "\r\n[s]\r\n", "\r\n[t]\r\n", "x", "0x1", "-12", "7"});
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    std::string text;
    for (int i = length(random); i > 0; --i) text += pieces[pick(random)];
    return text;
}

std::string PlatformString(const std::string& path, const char* section, const char* key,
                           const char* defaultValue, DWORD size) {
    std::vector<char> buffer(size + 1, '\0');
    const DWORD length = GetPrivateProfileStringA(section, key, defaultValue, buffer.data(), size, path.c_str());
    return std::string(buffer.data(), length);
}

TEST(ProfileTextAgainstPlatform, AnswersEveryQueryAlike) {
    TempFolder folder;
    std::mt19937 random(20240601);
    const char* sections[] = {"s", " S ", "t", "", "a b"};
    const char* keys[] = {"k", " K ", "", "v", ";"};
    const char* defaults[] = {"d  ", "\"q\""};
    const DWORD sizes[] = {1, 3, 4096};
    const DWORD sectionSizes[] = {2, 3, 4, 7, 16, 32767};
    for (int file = 0; file < 40; ++file) {
        const std::string content = RandomProfile(random);
        const std::string name = "r" + std::to_string(file) + ".ini";
        folder.Write(name, content);
        const std::string path = folder.File(name);
        const ProfileText text(content);
        SCOPED_TRACE(::testing::PrintToString(content));
        for (const char* section : sections) {
            for (const char* key : keys) {
                for (const char* defaultValue : defaults) {
                    for (DWORD size : sizes) {
                        ASSERT_EQ(text.GetString(section, key, defaultValue, size),
                                  PlatformString(path, section, key, defaultValue, size))
                            << section << "/" << key << "/" << defaultValue << "/" << size;
                    }
                }
                ASSERT_EQ(text.GetInt(section, key, 99), static_cast<int>(GetPrivateProfileIntA(section, key, 99, path.c_str())));
            }
            for (DWORD size : sectionSizes) {
                ASSERT_EQ(text.GetSectionLines(section, size), ReadProfileSectionLines(path, section, size))
                    << section << "/" << size;
            }
        }
    }
}

// The platform's writer rewrites the whole file from what it parsed, which changes the meaning of
// two kinds of odd files: a section header with an empty name ("[]") is dropped, so its entries
// join the section before it, and a name or value cut at a NUL loses the bytes after it, so a
// blank before the NUL becomes trailing and is trimmed on the next read. The portable writer keeps
// the file's bytes, so the two are compared only on files without either.
bool HasNamelessSection(const std::string& content) {
    std::size_t start = 0;
    while (start <= content.size()) {
        std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(start, end - start);
        const std::size_t first = line.find_first_not_of(" \t\v\f\x1a");
        if (first != std::string::npos && line[first] == '[') {
            const std::size_t close = line.rfind(']');
            if (close != std::string::npos && close > first &&
                line.find_first_not_of(" \t\v\f\x1a", first + 1) == close) {
                return true;
            }
        }
        start = end + 1;
    }
    return false;
}

// Writing through the platform and through the portable writer must leave files that read alike.
TEST(ProfileTextAgainstPlatform, WritesFilesThatReadAlike) {
    TempFolder folder;
    std::mt19937 random(7);
    const char* sections[] = {"s", "S", "t", "new"};
    const char* keys[] = {"k", "K", "v", "fresh"};
    const char* values[] = {"1", "  padded  ", "\"q\"", "", "a=b"};
    for (int file = 0; file < 40; ++file) {
        const std::string content = RandomProfile(random);
        if (HasNamelessSection(content) || content.find('\0') != std::string::npos) continue;
        const std::string platformFile = folder.File("p" + std::to_string(file) + ".ini");
        const std::string portableFile = folder.File("q" + std::to_string(file) + ".ini");
        folder.Write("p" + std::to_string(file) + ".ini", content);
        std::string portable = content;
        SCOPED_TRACE(::testing::PrintToString(content));
        for (int step = 0; step < 3; ++step) {
            const char* section = sections[random() % 4];
            const char* key = keys[random() % 4];
            const char* value = values[random() % 5];
            ASSERT_TRUE(WritePrivateProfileStringA(section, key, value, platformFile.c_str()));
            const std::optional<std::string> updated = ProfileText(portable).WithString(section, key, value);
            ASSERT_TRUE(updated);
            portable = *updated;
        }
        folder.Write("q" + std::to_string(file) + ".ini", portable);
        for (const char* section : sections) {
            for (const char* key : keys) {
                ASSERT_EQ(PlatformString(portableFile, section, key, "-", 4096),
                          PlatformString(platformFile, section, key, "-", 4096))
                    << section << "/" << key << "\nportable: " << ::testing::PrintToString(portable)
                    << "\nplatform: " << ::testing::PrintToString(TempFolder::ReadFile(platformFile));
            }
            ASSERT_EQ(ReadProfileSectionLines(portableFile, section), ReadProfileSectionLines(platformFile, section))
                << section;
        }
    }
}

#endif

}  // namespace
}  // namespace glyphwright::platform
