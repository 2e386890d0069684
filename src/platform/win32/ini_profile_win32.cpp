#include <windows.h>

#include <vector>

#include "platform/ini_profile.h"

namespace glyphwright::platform {

std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::size_t bufferSize) {
    if (bufferSize == 0) return std::string();
    std::vector<char> buffer(bufferSize, '\0');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                  buffer.data(), static_cast<DWORD>(bufferSize),
                                                  path.c_str());
    return std::string(buffer.data(), length < bufferSize ? length : bufferSize - 1);
}

std::vector<std::string> ReadProfileSectionLines(const std::string& path, const std::string& section,
                                                 std::size_t bufferSize) {
    std::vector<std::string> lines;
    // Smaller buffers make some versions of the call write before the buffer.
    if (bufferSize < 2) return lines;
    std::vector<char> buffer(bufferSize, '\0');
    const DWORD length = GetPrivateProfileSectionA(section.c_str(), buffer.data(),
                                                   static_cast<DWORD>(bufferSize), path.c_str());
    const std::size_t end = length < bufferSize ? length : bufferSize - 1;
    std::size_t start = 0;
    while (start < end && buffer[start] != '\0') {
        std::size_t stop = start;
        while (stop < end && buffer[stop] != '\0') ++stop;
        lines.emplace_back(buffer.data() + start, stop - start);
        start = stop + 1;
    }
    return lines;
}

int ReadProfileInt(const std::string& path, const std::string& section, const std::string& key,
                   int defaultValue) {
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, path.c_str()));
}

bool WriteProfileValue(const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != FALSE;
}

}  // namespace glyphwright::platform
