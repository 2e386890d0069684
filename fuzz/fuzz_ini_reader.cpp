// The portable INI reader and writer on arbitrary bytes: every query must answer without
// crashing, and a value written with the portable writer must read back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/profile_text.h"

using glyphwright::platform::ProfileText;

namespace {

// Values the reader gives back unchanged: no line break, no NUL, nothing the reader trims or
// strips at the ends.
bool IsPlainValue(std::string_view value) {
    if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
    auto trimmed = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a'; };
    if (!value.empty() && (trimmed(value.front()) || trimmed(value.back()))) return false;
    if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first line of the input names a section, a key and a value to query and write; the
    // rest is the file.
    const std::size_t split = bytes.find('\n');
    const std::string_view query = split == std::string_view::npos ? std::string_view() : bytes.substr(0, split);
    const std::string_view file = split == std::string_view::npos ? bytes : bytes.substr(split + 1);
    const std::size_t first = query.find('|');
    const std::size_t second = first == std::string_view::npos ? first : query.find('|', first + 1);
    const std::string section(query.substr(0, first));
    const std::string key(first == std::string_view::npos ? std::string_view() : query.substr(first + 1, second - first - 1));
    const std::string value(second == std::string_view::npos ? std::string_view() : query.substr(second + 1));

    const ProfileText text(file);
    for (std::size_t bufferSize : {std::size_t(1), std::size_t(2), std::size_t(7), std::size_t(4096)}) {
        const std::string read = text.GetString(section, key, value, bufferSize);
        if (read.size() >= bufferSize) std::abort();
        const auto lines = text.GetSectionLines(section, bufferSize + 1);
        std::size_t characters = 0;
        for (const std::string& line : lines) characters += line.size() + 1;
        if (characters > bufferSize + 1) std::abort();
    }
    text.GetInt(section, key, 7);
    text.HasValue(section, key);

    const auto written = text.WithString(section, key, value);
    if (written && IsPlainValue(value) && section.find_first_of("[]=\r\n;") == std::string::npos &&
        key.find_first_of("[]=\r\n;") == std::string::npos && section.find('\0') == std::string::npos &&
        key.find('\0') == std::string::npos) {
        // A key written first into a file can make its opening bytes look like a byte-order
        // mark, and the file then reads as another encoding, for the platform too.
        const std::string_view head = std::string_view(*written).substr(0, 3);
        if (head == "\xEF\xBB\xBF" || head.substr(0, 2) == "\xFF\xFE" || head.substr(0, 2) == "\xFE\xFF") return 0;
        const ProfileText reread(*written);
        const std::string back = reread.GetString(section, key, "", value.size() + 2);
        if (back != value) std::abort();
    }
    return 0;
}
