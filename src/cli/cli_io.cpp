#include "cli/cli_io.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/files.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace glyphwright::cli {

namespace {

// "-" names standard input, read whole like a file and capped the same way.
bool ReadStandardInput(std::size_t limit, std::string& bytes, std::string& error) {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    std::string content;
    char chunk[65536];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, stdin);
        if (got > limit - content.size()) {
            error =
                "standard input: too large: over the limit of " + std::to_string(limit) + " bytes";
            return false;
        }
        content.append(chunk, got);
        if (got < sizeof chunk) break;
    }
    if (std::ferror(stdin)) {
        error = "standard input: read failed";
        return false;
    }
    bytes.swap(content);
    return true;
}

}  // namespace

bool ReadInput(const std::string& path, std::size_t limit, std::string& bytes, std::string& error) {
    if (path == "-") return ReadStandardInput(limit, bytes, error);
    if (path.empty()) {
        error = "an empty file name was given";
        return false;
    }
    const platform::FileStatus status = platform::ReadFileUpTo(path, limit, bytes);
    if (status.error == platform::FileError::TooLarge) {
        error =
            ShownPath(path) + ": too large: over the limit of " + std::to_string(limit) + " bytes";
        return false;
    }
    if (!status.Ok()) {
        error = ShownPath(path) + ": " + platform::DescribeFileStatus(status);
        return false;
    }
    return true;
}

bool ReadInput(const std::string& path, std::string& bytes, std::string& error) {
    return ReadInput(path, kMaxInputBytes, bytes, error);
}

bool WriteOutput(const std::string& path, std::string_view bytes, std::string& error) {
    if (path.empty() || path == "-") {
#ifdef _WIN32
        _setmode(_fileno(stdout), _O_BINARY);
#endif
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
            std::fflush(stdout) != 0) {
            error = "standard output: write failed";
            return false;
        }
        return true;
    }
    std::vector<std::string> made;
    if (!MakeFolders(platform::FolderPart(path), made, error)) return false;
    const platform::FileStatus status = platform::WriteOutputFile(path, bytes);
    if (!status.Ok()) RemoveFolders(made);
    if (status.error == platform::FileError::IsAFolder) {
        error = ShownPath(path) + ": is a folder; give a file name";
        return false;
    }
    if (!status.Ok()) {
        error = ShownPath(path) + ": cannot be written: " + platform::DescribeFileStatus(status);
        return false;
    }
    return true;
}

namespace {

// The path without separators at its end, "" for none left; a root ("/", "C:\\") stays.
std::string WithoutTrailingSeparators(std::string folder) {
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\') &&
           folder[folder.size() - 2] != ':') {
        folder.pop_back();
    }
    return folder;
}

}  // namespace

bool MakeFolders(const std::string& folder, std::vector<std::string>& made, std::string& error) {
    // The missing folders from the deepest up to the first that exists.
    std::vector<std::string> missing;
    for (std::string at = WithoutTrailingSeparators(folder);
         !at.empty() && !platform::DirectoryExists(at);) {
        if (platform::FileExists(at)) {
            error = ShownPath(at) + ": is a file, not a folder to write into";
            return false;
        }
        missing.push_back(at);
        const std::string parent = WithoutTrailingSeparators(platform::FolderPart(at));
        if (parent == at) break;
        at = parent;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        const platform::FileStatus status = platform::CreateFolder(*it);
        if (!status.Ok()) {
            error = ShownPath(*it) +
                    ": the folder cannot be created: " + platform::DescribeFileStatus(status);
            RemoveFolders(made);
            return false;
        }
        made.insert(made.begin(), *it);
    }
    return true;
}

void RemoveFolders(std::vector<std::string>& made) {
    std::error_code ignored;
    for (const std::string& folder : made)
        std::filesystem::remove(folder, ignored);  // only if empty
    made.clear();
}

bool UsableFileName(std::string_view name, std::string& why) {
    constexpr std::size_t kLongestName = 250;  // most file systems allow 255 bytes, less ".nfo"
    if (name.empty()) {
        why = "it is empty";
        return false;
    }
    if (name.size() > kLongestName) {
        why = "it is " + std::to_string(name.size()) + " bytes long, more than a file name may be";
        return false;
    }
    return true;
}

std::string ShownPath(std::string_view path) {
    constexpr std::size_t kHead = 60;
    constexpr std::size_t kTail = 40;
    if (path.size() <= kHead + kTail + 20) return std::string(path);
    const std::size_t left = path.size() - kHead - kTail;
    return std::string(path.substr(0, kHead)) + "[... " + std::to_string(left) + " bytes ...]" +
           std::string(path.substr(path.size() - kTail));
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    if (last == '/' || last == '\\') return folder + name;
    return folder + platform::kPathSeparator + name;
}

}  // namespace glyphwright::cli
