// Portable code-page mapping: without the system's conversion calls, the program behaves as a
// Windows system set to ANSI 1252 and OEM 437, the pair its templates are usually drawn for.

#include "platform/codepage.h"

namespace glyphwright::platform {
namespace {

void MapInPlace(const std::array<unsigned char, 256>& table, char* bytes, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<char>(table[static_cast<unsigned char>(bytes[i])]);
    }
}

}  // namespace

void AnsiToOemInPlace(char* bytes, std::size_t length) {
    MapInPlace(kAnsiToOemTable, bytes, length);
}

void AnsiToOemInPlace(unsigned ansiCodePage, unsigned oemCodePage, char* bytes,
                      std::size_t length) {
    if (ansiCodePage != oemCodePage) MapInPlace(kAnsiToOemTable, bytes, length);
}

unsigned AnsiCodePage() { return 1252; }

unsigned OemCodePage() { return 437; }

bool IsLeadByte(unsigned codePage, unsigned char byte) {
    for (const LeadByteRange& range : kLeadByteRanges) {
        if (range.codePage == codePage && byte >= range.first && byte <= range.last) return true;
    }
    return false;
}

void AnsiLowerInPlace(char* bytes, std::size_t length) {
    MapInPlace(kAnsiLowerTable, bytes, length);
}

}  // namespace glyphwright::platform
