#pragma once
// The archivers "Create Release" can pack with, one row each. Detection, the command plan, the
// form's buttons and option fields (model/form_item.h), the configuration file and the project
// file all read this table; a third archiver is a new row here (and a place for its button and
// options field in the window's layout).

#include <array>
#include <cstddef>
#include <iterator>

namespace glyphwright {

enum class Archiver { WinRar, SevenZip };

struct ArchiverRow {
    Archiver archiver;
    const char* appPathsKey;   // its key under the registry's App Paths
    const char* program;       // what packs: looked for beside the found path, and run
    const char* library;       // also needed beside the program, or nullptr
    const char* pathKey;       // "ARCHIVERS" key of the configuration file: a path to it
    const char* optionsKey;    // "ARCHIVERS OPTION" key of the configuration and project files
    const char* projectKey;    // "ARCHIVER" key of a project file: its button, "1" or "0"
    const char* zipSwitch;     // in the options (case-sensitive): the archive is a zip
    const char* extension;     // the archive's extension otherwise
    const char* buttonCaption;  // the form's radio button for it
};

// In detection order: where several are found, the first one is selected.
inline constexpr ArchiverRow kArchivers[] = {
    {Archiver::WinRar, "WinRAR.exe", "winrar.exe", nullptr, "WinRaR", "Winrar", "WinRAR", "-afzip", ".rar",
     "WinRAR"},
    {Archiver::SevenZip, "7zFM.exe", "7zG.exe", "7z.dll", "7zip", "7zip", "7zip", "-tzip", ".7z",
     "7-zip"},
};
inline constexpr std::size_t kArchiverCount = std::size(kArchivers);

// The order "Create Release" runs them in: 7-Zip's archive is finished before WinRAR starts.
inline constexpr Archiver kArchiverRunOrder[] = {Archiver::SevenZip, Archiver::WinRar};

constexpr const ArchiverRow& ArchiverOf(Archiver archiver) {
    return kArchivers[static_cast<std::size_t>(archiver)];
}

constexpr bool TableIsInEnumOrder() {
    for (std::size_t i = 0; i < kArchiverCount; ++i) {
        if (static_cast<std::size_t>(kArchivers[i].archiver) != i) return false;
    }
    return std::size(kArchiverRunOrder) == kArchiverCount;
}
static_assert(TableIsInEnumOrder(), "one row per archiver, in the order of the enum");

// One value per archiver, indexed by the archiver.
template <class T>
struct PerArchiver {
    std::array<T, kArchiverCount> values{};

    T& operator[](Archiver archiver) { return values[static_cast<std::size_t>(archiver)]; }
    const T& operator[](Archiver archiver) const { return values[static_cast<std::size_t>(archiver)]; }
};

}  // namespace glyphwright
