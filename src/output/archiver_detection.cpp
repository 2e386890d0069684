#include "output/archiver_detection.h"

#include "model/configuration.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace glyphwright {
namespace {

constexpr char kWinRarProgram[] = "WinRaR.exe";
constexpr char kSevenZipProgram[] = "7zG.exe";
constexpr char kSevenZipLibrary[] = "7z.dll";
constexpr char kWinRarConfigurationKey[] = "WinRaR";
constexpr char kSevenZipConfigurationKey[] = "7zip";

bool WinRarPresent(ArchiverProbes& probes, const std::string& path) {
    return !path.empty() && probes.FileExists(ArchiverFolder(path) + kWinRarProgram);
}

bool SevenZipPresent(ArchiverProbes& probes, const std::string& path) {
    const std::string folder = ArchiverFolder(path);
    return !path.empty() && probes.FileExists(folder + kSevenZipProgram) &&
           probes.FileExists(folder + kSevenZipLibrary);
}

}  // namespace

std::string ArchiverFolder(std::string_view path) { return platform::FolderPart(path); }

std::string Unquoted(std::string_view path) {
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
    return std::string(path);
}

ArchiverDetection DetectArchivers(ArchiverProbes& probes) {
    ArchiverDetection result;
    if (std::optional<std::string> registered = probes.RegisteredPath(Archiver::WinRar)) {
        result.winRarPath = Unquoted(*registered);
    }
    if (WinRarPresent(probes, result.winRarPath)) {
        result.winRarEnabled = true;
        result.winRarSelected = true;
    }
    if (std::optional<std::string> registered = probes.RegisteredPath(Archiver::SevenZip)) {
        result.sevenZipPath = Unquoted(*registered);
    }
    if (SevenZipPresent(probes, result.sevenZipPath)) {
        result.sevenZipEnabled = true;
        result.sevenZipSelected = !result.winRarSelected;
    }

    if (!result.winRarEnabled && !result.sevenZipEnabled) {
        result.winRarPath = probes.ConfiguredPath(kWinRarConfigurationKey, result.winRarPath);
        result.sevenZipPath = probes.ConfiguredPath(kSevenZipConfigurationKey, result.sevenZipPath);
        if (WinRarPresent(probes, result.winRarPath)) {
            result.winRarEnabled = true;
            result.winRarSelected = !result.sevenZipSelected;
        }
        if (SevenZipPresent(probes, result.sevenZipPath)) {
            result.sevenZipEnabled = true;
            result.sevenZipSelected = !result.winRarSelected;
        }
    }
    result.showNoArchiverMessage = !result.winRarEnabled && !result.sevenZipEnabled;
    return result;
}

SystemArchiverProbes::SystemArchiverProbes(std::string configurationPath, std::string winRarKey,
                                           std::string sevenZipKey)
    : configurationPath_(std::move(configurationPath)),
      winRarKey_(std::move(winRarKey)),
      sevenZipKey_(std::move(sevenZipKey)) {}

std::optional<std::string> SystemArchiverProbes::RegisteredPath(Archiver archiver) {
    return platform::ReadAppPath(archiver == Archiver::WinRar ? winRarKey_ : sevenZipKey_);
}

std::string SystemArchiverProbes::ConfiguredPath(const std::string& key, const std::string& defaultValue) {
    return ReadArchiverPath(configurationPath_, key, defaultValue);
}

bool SystemArchiverProbes::FileExists(const std::string& path) { return platform::FileExists(path); }

}  // namespace glyphwright
