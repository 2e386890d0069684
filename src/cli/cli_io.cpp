#include "cli/cli_io.h"

#include <cstdio>
#include <fstream>

#include "platform/files.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace glyphwright::cli {

bool ReadInput(const std::string& path, std::string& bytes, std::string& error) {
    if (path.empty()) {
        error = "an empty file name was given";
        return false;
    }
    if (platform::DirectoryExists(path)) {
        error = path + ": is a folder, not a file";
        return false;
    }
    if (!platform::FileExists(path)) {
        error = path + ": no such file";
        return false;
    }
    {
        // Check the size before reading: the whole file is held in memory.
        std::ifstream probe(path, std::ios::binary | std::ios::ate);
        if (probe) {
            const std::streamoff size = probe.tellg();
            if (size > static_cast<std::streamoff>(kMaxInputBytes)) {
                error = path + ": too large (" + std::to_string(size) + " bytes; at most " +
                        std::to_string(kMaxInputBytes) + " are read)";
                return false;
            }
        }
    }
    if (!platform::ReadWholeFile(path, bytes)) {
        error = path + ": cannot be read";
        return false;
    }
    return true;
}

bool WriteOutput(const std::string& path, std::string_view bytes, std::string& error) {
    if (path.empty() || path == "-") {
#ifdef _WIN32
        _setmode(_fileno(stdout), _O_BINARY);
#endif
        if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
            error = "standard output: write failed";
            return false;
        }
        return true;
    }
    if (platform::DirectoryExists(path)) {
        error = path + ": is a folder; give a file name";
        return false;
    }
    if (!platform::WriteFileReplacing(path, bytes)) {
        error = path + ": cannot be written (missing folder, no permission, or read-only)";
        return false;
    }
    return true;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const char last = folder.back();
    if (last == '/' || last == '\\') return folder + name;
    return folder + platform::kPathSeparator + name;
}

}  // namespace glyphwright::cli
