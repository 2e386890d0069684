// Locating WinRAR and 7-Zip: registry first, configuration paths only when the registry
// yields no usable archiver at all.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "output/archiver_detection.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace glyphwright {
namespace {

class FakeProbes : public ArchiverProbes {
public:
    std::optional<std::string> RegisteredPath(Archiver archiver) override {
        return archiver == Archiver::WinRar ? winRarRegistry : sevenZipRegistry;
    }
    std::string ConfiguredPath(const std::string& key, const std::string& defaultValue) override {
        configurationRead = true;
        defaultsSeen[key] = defaultValue;
        const auto found = configuration.find(key);
        return found == configuration.end() ? defaultValue : found->second;
    }
    // Windows file names ignore case.
    bool FileExists(const std::string& path) override {
        return std::any_of(files.begin(), files.end(), [&path](const std::string& file) {
            return std::equal(file.begin(), file.end(), path.begin(), path.end(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            });
        });
    }

    std::optional<std::string> winRarRegistry;
    std::optional<std::string> sevenZipRegistry;
    std::map<std::string, std::string> configuration;
    std::set<std::string> files;
    bool configurationRead = false;
    std::map<std::string, std::string> defaultsSeen;
};

constexpr char kRar[] = "C:\\Program Files\\WinRAR\\";
constexpr char kSeven[] = "C:\\Program Files\\7-Zip\\";

FakeProbes Installed(bool winRar, bool sevenZip) {
    FakeProbes probes;
    if (winRar) probes.files.insert(std::string(kRar) + "WinRaR.exe");
    if (sevenZip) {
        probes.files.insert(std::string(kSeven) + "7zG.exe");
        probes.files.insert(std::string(kSeven) + "7z.dll");
    }
    return probes;
}

struct Outcome {
    bool winRarEnabled, winRarSelected, sevenZipEnabled, sevenZipSelected, message;
};

void ExpectOutcome(const ArchiverDetection& result, const Outcome& expected) {
    EXPECT_EQ(result[Archiver::WinRar].enabled, expected.winRarEnabled);
    EXPECT_EQ(result[Archiver::WinRar].selected, expected.winRarSelected);
    EXPECT_EQ(result[Archiver::SevenZip].enabled, expected.sevenZipEnabled);
    EXPECT_EQ(result[Archiver::SevenZip].selected, expected.sevenZipSelected);
    EXPECT_EQ(result.showNoArchiverMessage, expected.message);
}

TEST(DetectArchivers, BothRegisteredPrefersWinRar) {
    FakeProbes probes = Installed(true, true);
    probes.winRarRegistry = std::string(kRar) + "WinRAR.exe";
    probes.sevenZipRegistry = std::string(kSeven) + "7zFM.exe";
    const ArchiverDetection result = DetectArchivers(probes);
    ExpectOutcome(result, {true, true, true, false, false});
    EXPECT_EQ(result[Archiver::SevenZip].path, std::string(kSeven) + "7zFM.exe");
    EXPECT_FALSE(probes.configurationRead);
}

TEST(DetectArchivers, OnlySevenZipRegistered) {
    FakeProbes probes = Installed(false, true);
    probes.sevenZipRegistry = std::string(kSeven) + "7zFM.exe";
    ExpectOutcome(DetectArchivers(probes), {false, false, true, true, false});
}

TEST(DetectArchivers, SevenZipWithoutItsLibraryIsNotFound) {
    FakeProbes probes = Installed(false, true);
    probes.files.erase(std::string(kSeven) + "7z.dll");
    probes.sevenZipRegistry = std::string(kSeven) + "7zFM.exe";
    const ArchiverDetection result = DetectArchivers(probes);
    ExpectOutcome(result, {false, false, false, false, true});
    // The registry's path stays as the default for the configuration lookup.
    EXPECT_EQ(probes.defaultsSeen["7zip"], std::string(kSeven) + "7zFM.exe");
    EXPECT_EQ(result[Archiver::SevenZip].path, std::string(kSeven) + "7zFM.exe");
}

TEST(DetectArchivers, ConfigurationIsNotReadWhenOneArchiverIsRegistered) {
    FakeProbes probes = Installed(true, true);
    probes.winRarRegistry = std::string(kRar) + "WinRAR.exe";
    probes.configuration["7zip"] = std::string(kSeven) + "7zG.exe";
    ExpectOutcome(DetectArchivers(probes), {true, true, false, false, false});
    EXPECT_FALSE(probes.configurationRead);
}

TEST(DetectArchivers, ConfigurationPathsWhenTheRegistryHasNone) {
    FakeProbes probes = Installed(true, true);
    probes.configuration["WinRaR"] = std::string(kRar) + "WinRAR.exe";
    probes.configuration["7zip"] = kSeven;
    const ArchiverDetection result = DetectArchivers(probes);
    ExpectOutcome(result, {true, true, true, false, false});
    EXPECT_EQ(result[Archiver::WinRar].path, std::string(kRar) + "WinRAR.exe");
}

TEST(DetectArchivers, AConfiguredFolderNeedsItsTrailingSeparator) {
    FakeProbes probes = Installed(false, true);
    probes.configuration["7zip"] = "C:\\Program Files\\7-Zip";
    ExpectOutcome(DetectArchivers(probes), {false, false, false, false, true});
    probes.configuration["7zip"] = "C:\\Program Files\\7-Zip\\";
    ExpectOutcome(DetectArchivers(probes), {false, false, true, true, false});
}

TEST(DetectArchivers, UnquotesARegisteredPath) {
    FakeProbes probes = Installed(true, false);
    probes.winRarRegistry = "\"" + std::string(kRar) + "WinRAR.exe\"";
    const ArchiverDetection result = DetectArchivers(probes);
    ExpectOutcome(result, {true, true, false, false, false});
    EXPECT_EQ(result[Archiver::WinRar].path, std::string(kRar) + "WinRAR.exe");
}

TEST(DetectArchivers, NothingAnywhereShowsTheMessageOnce) {
    FakeProbes probes;
    probes.winRarRegistry = "";  // a value of another type reads as empty
    const ArchiverDetection result = DetectArchivers(probes);
    ExpectOutcome(result, {false, false, false, false, true});
    EXPECT_TRUE(probes.configurationRead);
    EXPECT_EQ(result[Archiver::WinRar].path, "");
    EXPECT_EQ(result[Archiver::SevenZip].path, "");
}

TEST(ArchiverFolder, TakesThePathUpToItsLastSeparator) {
    EXPECT_EQ(ArchiverFolder("C:\\Program Files\\WinRAR\\WinRAR.exe"), "C:\\Program Files\\WinRAR\\");
    EXPECT_EQ(ArchiverFolder("D:7zG.exe"), "D:");
    EXPECT_EQ(ArchiverFolder("/opt/7zip/7zG.exe"), "/opt/7zip/");
    EXPECT_EQ(ArchiverFolder("7zG.exe"), "");
    EXPECT_EQ(Unquoted("\"C:\\a b\\x.exe\""), "C:\\a b\\x.exe");
    EXPECT_EQ(Unquoted("\"half"), "\"half");
    EXPECT_EQ(Unquoted("\""), "\"");
}

// The configuration fallback through the real configuration reader and file tests.
TEST(SystemArchiverProbes, FindAnArchiverNamedInTheConfiguration) {
    glyphwright::testing::TempFolder folder;
    ASSERT_TRUE(platform::CreateOneDirectory(folder.File("7-Zip")));
    const std::string sevenFolder = folder.File("7-Zip") + platform::kPathSeparator;
    folder.Write("7-Zip" + std::string(1, platform::kPathSeparator) + "7zG.exe", "MZ");
    folder.Write("7-Zip" + std::string(1, platform::kPathSeparator) + "7z.dll", "MZ");
    folder.Write("Glyphwright.ini", "[ARCHIVERS]\r\n7zip=" + sevenFolder + "7zG.exe\r\n");
    SystemArchiverProbes probes(folder.File("Glyphwright.ini"),
                                PerArchiver<std::string>{{"GlyphwrightTestMissing-WinRAR.exe",
                                                          "GlyphwrightTestMissing-7zFM.exe"}});
    const ArchiverDetection result = DetectArchivers(probes);
    ExpectOutcome(result, {false, false, true, true, false});
    EXPECT_EQ(result[Archiver::SevenZip].path, sevenFolder + "7zG.exe");
}

#ifdef _WIN32

// An App Paths key made for one test and removed afterwards, in one registry view.
class TestAppPath {
public:
    TestAppPath(const std::string& program, REGSAM view, DWORD type, const std::string& value)
        : key_("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + program), view_(view) {
        HKEY key = nullptr;
        created_ = RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_.c_str(), 0, nullptr, 0, KEY_WRITE | view_, nullptr,
                                   &key, nullptr) == ERROR_SUCCESS;
        if (!created_) return;
        RegSetValueExA(key, nullptr, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(key);
    }
    ~TestAppPath() {
        if (created_) RegDeleteKeyExA(HKEY_LOCAL_MACHINE, key_.c_str(), view_, 0);
    }
    bool Created() const { return created_; }

private:
    std::string key_;
    REGSAM view_;
    bool created_ = false;
};

std::string UniqueProgram(const char* stem) {
    return std::string("GlyphwrightTest-") + stem + "-" + std::to_string(GetCurrentProcessId()) + ".exe";
}

bool KeyExists(const std::string& program, REGSAM view) {
    HKEY key = nullptr;
    const std::string path = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + program;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

TEST(ReadAppPath, ReadsTheDefaultValueOfEitherView) {
    const std::string plain = UniqueProgram("plain");
    const std::string expand = UniqueProgram("expand");
    const std::string other = UniqueProgram("other");
    const std::string number = UniqueProgram("number");
    TestAppPath plainKey(plain, 0, REG_SZ, "C:\\Tools\\plain.exe");
    TestAppPath expandKey(expand, 0, REG_EXPAND_SZ, "%SystemRoot%\\tool.exe");
    TestAppPath otherKey(other, KEY_WOW64_32KEY, REG_SZ, "\"C:\\Program Files (x86)\\Other\\other.exe\"");
    ASSERT_TRUE(plainKey.Created() && expandKey.Created() && otherKey.Created());
    HKEY numberKey = nullptr;
    const std::string numberPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + number;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, numberPath.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &numberKey, nullptr),
              ERROR_SUCCESS);
    const DWORD value = 7;
    RegSetValueExA(numberKey, nullptr, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(numberKey);

    EXPECT_EQ(platform::ReadAppPath(plain), std::optional<std::string>("C:\\Tools\\plain.exe"));
    char windows[MAX_PATH];
    ASSERT_GT(GetEnvironmentVariableA("SystemRoot", windows, MAX_PATH), 0u);
    EXPECT_EQ(platform::ReadAppPath(expand), std::string(windows) + "\\tool.exe");
    // A 64-bit build finds a key that only the 32-bit view holds (and the reverse).
    EXPECT_EQ(platform::ReadAppPath(other), std::optional<std::string>("\"C:\\Program Files (x86)\\Other\\other.exe\""));
    EXPECT_EQ(platform::ReadAppPath(number), std::optional<std::string>(""));
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, numberPath.c_str(), 0, 0);
}

TEST(ReadAppPath, CreatesNothing) {
    const std::string missing = UniqueProgram("missing");
    EXPECT_FALSE(platform::ReadAppPath(missing));
    EXPECT_FALSE(KeyExists(missing, KEY_WOW64_64KEY));
    EXPECT_FALSE(KeyExists(missing, KEY_WOW64_32KEY));
}

// The whole detection with a registered 7-Zip: an App Paths key and the two files.
TEST(SystemArchiverProbes, FindARegisteredArchiver) {
    glyphwright::testing::TempFolder folder;
    folder.Write("7zG.exe", "MZ");
    folder.Write("7z.dll", "MZ");
    const std::string sevenZip = UniqueProgram("7zFM");
    TestAppPath key(sevenZip, 0, REG_SZ, folder.File("7zFM.exe"));
    ASSERT_TRUE(key.Created());
    SystemArchiverProbes probes(folder.File("none.ini"),
                                PerArchiver<std::string>{{UniqueProgram("WinRAR"), sevenZip}});
    const ArchiverDetection result = DetectArchivers(probes);
    ExpectOutcome(result, {false, false, true, true, false});
    EXPECT_EQ(result[Archiver::SevenZip].path, folder.File("7zFM.exe"));
}

#endif

}  // namespace
}  // namespace glyphwright
