#include "platform/files.h"

namespace glyphwright::platform {

std::string FolderPart(std::string_view path) {
    const std::size_t last = path.find_last_of(":\\/");
    if (last == std::string_view::npos) return std::string();
    return std::string(path.substr(0, last + 1));
}

std::string StartFolder() { return FolderPart(ModulePath()); }

std::string ExecutableFileName() {
    const std::string path = ModulePath();
    return path.substr(FolderPart(path).size());
}

namespace {

constexpr std::string_view kTemporaryPrefix = "~gw";
constexpr std::string_view kTemporarySuffix = ".tmp";

// The value of a hexadecimal digit, or -1.
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Lower-case hexadecimal without leading zeros; formatted by hand because the C library's
// printf family would pull its whole formatting engine into the Windows executable.
std::string Hex(unsigned long value) {
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789abcdef"[value % 16]);
        value /= 16;
    } while (value != 0);
    return digits;
}

}  // namespace

std::string ReplacingTemporaryName(unsigned long processId, unsigned number) {
    return std::string(kTemporaryPrefix) + Hex(processId) + "-" + Hex(number) +
           std::string(kTemporarySuffix);
}

bool IsReplacingTemporaryName(std::string_view name, unsigned long& processId) {
    if (name.size() <= kTemporaryPrefix.size() + kTemporarySuffix.size() ||
        name.substr(0, kTemporaryPrefix.size()) != kTemporaryPrefix ||
        name.substr(name.size() - kTemporarySuffix.size()) != kTemporarySuffix) {
        return false;
    }
    const std::string_view middle = name.substr(
        kTemporaryPrefix.size(), name.size() - kTemporaryPrefix.size() - kTemporarySuffix.size());
    const std::size_t dash = middle.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash + 1 == middle.size() || dash > 8 ||
        middle.size() - dash - 1 > 8) {
        return false;
    }
    unsigned long id = 0;
    for (std::size_t i = 0; i < middle.size(); ++i) {
        if (i == dash) continue;
        const int digit = HexValue(middle[i]);
        if (digit < 0) return false;
        if (i < dash) id = id * 16 + static_cast<unsigned long>(digit);
    }
    processId = id;
    return true;
}

}  // namespace glyphwright::platform
