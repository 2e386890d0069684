// Reading a whole value through the buffer-based read, the same on both builds.

#include "platform/ini_profile.h"

namespace glyphwright::platform {
namespace {

// Two defaults no value is likely to equal: a key is missing only when each call gives back
// its own default, so even a value that equals one of them is read correctly.
const std::string kAbsentFirst = "\x01glyphwright:absent\x01";
const std::string kAbsentSecond = "\x02glyphwright:absent\x02";

// Reads with the given buffer, or for a whole value with a growing buffer until the value leaves two characters of room: the platform cuts
// a long value at bufferSize - 1, and a quoted one of exactly bufferSize characters at
// bufferSize - 2.
std::string ReadGrowing(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& defaultValue, std::size_t bufferSize) {
    if (bufferSize != kWholeValue) return ReadProfileString(path, section, key, defaultValue, bufferSize);
    std::size_t size = kProfileValueBuffer;
    for (;;) {
        std::string value = ReadProfileString(path, section, key, defaultValue, size);
        if (value.size() + 2 < size || size > (std::size_t(1) << 30)) return value;
        size *= 2;
    }
}

}  // namespace

std::optional<std::string> ReadProfileValue(const std::string& path, const std::string& section,
                                            const std::string& key, std::size_t bufferSize) {
    std::string value = ReadGrowing(path, section, key, kAbsentFirst, bufferSize);
    if (value != kAbsentFirst) return value;
    value = ReadGrowing(path, section, key, kAbsentSecond, bufferSize);
    if (value != kAbsentSecond) return value;
    return std::nullopt;
}

std::string ReadProfileStringWhole(const std::string& path, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) {
    std::optional<std::string> value = ReadProfileValue(path, section, key);
    return value ? *value : defaultValue;
}

}  // namespace glyphwright::platform
