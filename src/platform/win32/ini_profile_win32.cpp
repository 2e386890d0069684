#include <windows.h>

#include <vector>

#include "platform/ini_profile.h"
#include "platform/wide_text.h"

// The wide profile functions, so that a project or configuration file may sit in any folder.
// Values are the system code page's text on both sides: the system reads and writes a file
// without a byte-order mark in that code page, so a value survives the trip byte for byte.

namespace glyphwright::platform {
namespace {

WideText Text(const std::string& text) { return Widen(text, CP_ACP); }

}  // namespace

std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::size_t bufferSize) {
    if (bufferSize == 0) return std::string();
    WideText buffer(bufferSize, L'\0');
    const DWORD length = GetPrivateProfileStringW(
        Text(section).data(), Text(key).data(), Text(defaultValue).data(), buffer.data(),
        static_cast<DWORD>(bufferSize), WidePath(path).data());
    return Narrow(buffer.data(), static_cast<int>(length < bufferSize ? length : bufferSize - 1),
                  CP_ACP);
}

std::vector<std::string> ReadProfileSectionLines(const std::string& path, const std::string& section,
                                                 std::size_t bufferSize) {
    std::vector<std::string> lines;
    // Smaller buffers make some versions of the call write before the buffer.
    if (bufferSize < 2) return lines;
    WideText buffer(bufferSize, L'\0');
    const DWORD length = GetPrivateProfileSectionW(Text(section).data(), buffer.data(),
                                                   static_cast<DWORD>(bufferSize),
                                                   WidePath(path).data());
    const std::size_t end = length < bufferSize ? length : bufferSize - 1;
    std::size_t start = 0;
    while (start < end && buffer[start] != L'\0') {
        std::size_t stop = start;
        while (stop < end && buffer[stop] != L'\0') ++stop;
        lines.push_back(Narrow(buffer.data() + start, static_cast<int>(stop - start), CP_ACP));
        start = stop + 1;
    }
    return lines;
}

int ReadProfileInt(const std::string& path, const std::string& section, const std::string& key,
                   int defaultValue) {
    return static_cast<int>(GetPrivateProfileIntW(Text(section).data(), Text(key).data(),
                                                  defaultValue, WidePath(path).data()));
}

bool WriteProfileValue(const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value) {
    return WritePrivateProfileStringW(Text(section).data(), Text(key).data(), Text(value).data(),
                                      WidePath(path).data()) != FALSE;
}

}  // namespace glyphwright::platform
