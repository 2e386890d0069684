#include "render/brace_groups.h"

#include <array>

#include "platform/codepage.h"

namespace glyphwright::detail {
namespace {

std::array<char, 256> LowerTable() {
    std::array<char, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) table[byte] = static_cast<char>(byte);
    platform::AnsiLowerInPlace(table.data(), table.size());
    return table;
}

}  // namespace

char AnsiLowerByte(char byte) {
    static const std::array<char, 256> table = LowerTable();
    return table[static_cast<unsigned char>(byte)];
}

bool HoldsGroupIgnoringCase(std::string_view text, std::string_view placeholder) {
    const char letter = AnsiLowerByte(placeholder[1]);
    bool found = false;
    ForEachBraceGroup(
        text, [&](std::size_t at) { found = found || AnsiLowerByte(text[at + 1]) == letter; });
    return found;
}

}  // namespace glyphwright::detail
