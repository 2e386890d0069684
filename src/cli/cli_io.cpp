#include "cli/cli_io.h"

#include <cstdio>

#include "platform/files.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace glyphwright::cli {

bool ReadInput(const std::string& path, std::size_t limit, std::string& bytes, std::string& error) {
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
    const platform::FileStatus status = platform::WriteOutputFile(path, bytes);
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
