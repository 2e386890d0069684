#include "output/archiver_detection.h"

#include "model/configuration.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace glyphwright {
namespace {

// The archiver's program (and the library it needs) beside the found path.
bool Present(ArchiverProbes& probes, const ArchiverRow& row, const std::string& path) {
    if (path.empty()) return false;
    const std::string folder = ArchiverFolder(path);
    return probes.FileExists(folder + row.program) && (!row.library || probes.FileExists(folder + row.library));
}

bool AnySelected(const ArchiverDetection& result) {
    for (const FoundArchiver& found : result.values) {
        if (found.selected) return true;
    }
    return false;
}

void EnableWherePresent(ArchiverProbes& probes, ArchiverDetection& result) {
    for (const ArchiverRow& row : kArchivers) {
        FoundArchiver& found = result[row.archiver];
        if (Present(probes, row, found.path)) {
            found.enabled = true;
            found.selected = !AnySelected(result);
        }
    }
}

bool AnyEnabled(const ArchiverDetection& result) {
    for (const FoundArchiver& found : result.values) {
        if (found.enabled) return true;
    }
    return false;
}

}  // namespace

std::string ArchiverFolder(std::string_view path) { return platform::FolderPart(path); }

std::string Unquoted(std::string_view path) {
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
    return std::string(path);
}

ArchiverDetection DetectArchivers(ArchiverProbes& probes) {
    ArchiverDetection result;
    for (const ArchiverRow& row : kArchivers) {
        if (std::optional<std::string> registered = probes.RegisteredPath(row.archiver)) {
            result[row.archiver].path = Unquoted(*registered);
        }
    }
    EnableWherePresent(probes, result);
    // The configuration file is asked only when the registry yields no usable archiver at all.
    if (!AnyEnabled(result)) {
        for (const ArchiverRow& row : kArchivers) {
            std::string& path = result[row.archiver].path;
            path = probes.ConfiguredPath(row.pathKey, path);
        }
        EnableWherePresent(probes, result);
    }
    result.showNoArchiverMessage = !AnyEnabled(result);
    return result;
}

PerArchiver<std::string> StandardAppPathsKeys() {
    PerArchiver<std::string> keys;
    for (const ArchiverRow& row : kArchivers) keys[row.archiver] = row.appPathsKey;
    return keys;
}

SystemArchiverProbes::SystemArchiverProbes(std::string configurationPath, PerArchiver<std::string> appPathsKeys)
    : configurationPath_(std::move(configurationPath)), appPathsKeys_(std::move(appPathsKeys)) {}

std::optional<std::string> SystemArchiverProbes::RegisteredPath(Archiver archiver) {
    return platform::ReadAppPath(appPathsKeys_[archiver]);
}

std::string SystemArchiverProbes::ConfiguredPath(const std::string& key, const std::string& defaultValue) {
    return ReadArchiverPath(configurationPath_, key, defaultValue);
}

bool SystemArchiverProbes::FileExists(const std::string& path) { return platform::FileExists(path); }

}  // namespace glyphwright
