// Linux console fonts (PC Screen Font, versions 1 and 2) with their Unicode tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "byte_buffer.h"

namespace glyphwright::fon {

struct PsfFont {
    unsigned width = 0;
    unsigned height = 0;
    // One entry per glyph: `height` rows of (width + 7) / 8 bytes, leftmost pixel in the
    // top bit, as the file stores them.
    std::vector<Bytes> glyphs;
    // Each character the Unicode table lists, with the first glyph that draws it.
    std::map<char32_t, std::size_t> glyph_of;

    unsigned row_bytes() const { return (width + 7) / 8; }
};

// Reads a whole uncompressed PSF1 or PSF2 file. A font without a Unicode table is refused:
// without it nothing says which picture a glyph is.
bool ParsePsf(const Bytes& file, PsfFont& font, std::string& error);

}  // namespace glyphwright::fon
