// The profile functions for systems without them: the platform's rules through ProfileText.

#include <cstdint>

#include "platform/files.h"
#include "platform/ini_profile.h"
#include "platform/profile_text.h"

namespace glyphwright::platform {

std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::size_t bufferSize) {
    return LoadProfileText(path).GetString(section, key, defaultValue, bufferSize);
}

std::vector<std::string> ReadProfileSectionLines(const std::string& path, const std::string& section,
                                                 std::size_t bufferSize) {
    return LoadProfileText(path).GetSectionLines(section, bufferSize);
}

int ReadProfileInt(const std::string& path, const std::string& section, const std::string& key,
                   int defaultValue) {
    return LoadProfileText(path).GetInt(section, key, defaultValue);
}

bool WriteProfileValue(const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes, SIZE_MAX)) {
        if (FileExists(path) || DirectoryExists(path)) return false;
        bytes.clear();
    }
    const std::optional<std::string> updated = ProfileText(bytes).WithString(section, key, value);
    if (!updated) return false;
    if (*updated == bytes && FileExists(path)) return true;
    return WriteFileReplacing(path, *updated);
}

}  // namespace glyphwright::platform
