// Assembles a 256-character DOS font from console fonts that file their glyphs by Unicode.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "psf_font.h"
#include "raster_font.h"

namespace glyphwright::fon {

struct StrikeShape {
    unsigned crop_top = 0;  // source rows dropped above the kept ones
    unsigned height = 0;    // rows kept; 0 keeps all rows below the cropped ones
};

// Fills `font`'s size and glyphs: each byte takes its glyph from the first source that
// draws one of its characters (Cp437Candidates). Bytes that no source draws are listed in
// `missing` and left blank. The ascent is measured from the letter H, whose bottom row sits
// on the baseline in every console font. Fails if the sources differ in size, the shape does
// not fit them, or no source draws an H.
bool BuildCp437Strike(const std::vector<PsfFont>& sources, const StrikeShape& shape, RasterFont& font,
                      std::vector<std::uint8_t>& missing, std::string& error);

}  // namespace glyphwright::fon
