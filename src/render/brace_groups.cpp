#include "render/brace_groups.h"

#include <array>

#include "platform/codepage.h"

namespace glyphwright {
namespace detail {
namespace {

// Each byte is lowered on its own: in one call over all 256 a double-byte code page would read
// each lead byte and the byte after it as one character. A lead byte is no letter and stays.
std::array<char, 256> LowerTable() {
    const unsigned codePage = platform::AnsiCodePage();
    std::array<char, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        table[byte] = static_cast<char>(byte);
        if (!platform::IsLeadByte(codePage, static_cast<unsigned char>(byte))) {
            platform::AnsiLowerInPlace(&table[byte], 1);
        }
    }
    return table;
}

}  // namespace

char AnsiLowerByte(char byte) {
    static const std::array<char, 256> table = LowerTable();
    return table[static_cast<unsigned char>(byte)];
}

}  // namespace detail

bool HoldsGroupIgnoringCase(std::string_view text, std::string_view placeholder) {
    const char letter = detail::AnsiLowerByte(placeholder[1]);
    bool found = false;
    ForEachBraceGroup(text, [&](std::size_t at) {
        found = found || detail::AnsiLowerByte(text[at + 1]) == letter;
    });
    return found;
}

}  // namespace glyphwright
