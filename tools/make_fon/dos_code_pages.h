// The DOS character sets as drawn by the PC's text mode: every byte, control codes included,
// has a picture, and NFO art uses most of them. Code page 437 is the one of the US and
// western Europe; 866 keeps its lower half and line drawing and puts Cyrillic in the rest.
#pragma once

#include <cstdint>
#include <vector>

namespace glyphwright::fon {

enum class DosCodePage : unsigned { k437 = 437, k866 = 866 };

// The code page of that number, or false when there is no table for it.
bool FindDosCodePage(unsigned number, DosCodePage& page);

// The Unicode character that byte `code` shows (0x00 shows nothing and maps to U+0000).
char32_t DosToUnicode(DosCodePage page, std::uint8_t code);

// The characters a console font may list for byte `code`, best first: fonts name a few of
// the DOS pictures by a neighbouring code point (U+25B6 for U+25BA, ...), and the Greek row
// of 437 is shared with mathematical symbols of the same look.
std::vector<char32_t> DosCandidates(DosCodePage page, std::uint8_t code);

}  // namespace glyphwright::fon
