// The DOS (OEM 437) character set as drawn by the PC's text mode: every byte, control
// codes included, has a picture, and NFO art uses most of them.
#pragma once

#include <cstdint>
#include <vector>

namespace glyphwright::fon {

// The Unicode character that byte `code` shows (0x00 shows nothing and maps to U+0000).
char32_t Cp437ToUnicode(std::uint8_t code);

// The characters a console font may list for byte `code`, best first: fonts name a few of
// the DOS pictures by a neighbouring code point (U+25B6 for U+25BA, ...), and the Greek row
// is shared with mathematical symbols of the same look.
std::vector<char32_t> Cp437Candidates(std::uint8_t code);

}  // namespace glyphwright::fon
