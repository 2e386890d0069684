// The 256 glyphs of an 8-pixel-wide strike as C++ source, so that a program draws DOS text
// without any font file beside it.
#pragma once

#include <string>

#include "raster_font.h"

namespace glyphwright::fon {

// A source file defining glyphwright::cli::kCp437Cells[256][height], one byte per row with the
// leftmost pixel in the top bit, and naming where the glyphs come from. Empty, with `error`
// set, when the font is not 8 pixels wide.
std::string EncodeGlyphTable(const RasterFont& font, std::string& error);

}  // namespace glyphwright::fon
