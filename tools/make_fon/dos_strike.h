// Assembles a 256-character DOS font from console fonts that file their glyphs by Unicode.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dos_code_pages.h"
#include "psf_font.h"
#include "raster_font.h"

namespace glyphwright::fon {

struct StrikeShape {
    unsigned crop_top = 0;  // source rows dropped above the kept ones
    unsigned height = 0;    // rows kept; 0 keeps all rows below the cropped ones
    // Rows added above and again below the kept ones, for a taller line than the source's.
    // Line drawing and blocks run on through them (see BuildDosStrike); other glyphs get blank.
    unsigned pad_rows = 0;
};

// Fills `font`'s size and glyphs for the code page: each byte takes its glyph from the first
// source that draws one of its characters (DosCandidates). Bytes that no source draws are
// listed in `missing` and left blank. The ascent is measured from the letter H, whose bottom
// row sits on the baseline in every console font; the internal leading is set by
// MatchingLeading. Fails if the sources differ in size, the shape does not fit them, or no
// source draws an H.
bool BuildDosStrike(const std::vector<PsfFont>& sources, const StrikeShape& shape, DosCodePage page,
                    RasterFont& font, std::vector<std::uint8_t>& missing, std::string& error);

// The internal leading of a strike `height` rows high. Font mappers answer a request for a
// character height (a strike's height less its leading) with the largest strike that does not
// exceed it. The program asks for 11 pixels at 96 DPI, where the 12-row strike is meant, and
// for its 8-point size elsewhere (13 pixels at 120 DPI, 16 at 144, 21 at 192). A character
// height of 11/12 of one row less than the strike's height makes those requests fall on the
// strike nearest 12 x DPI/96 rows (one size off at most, near the scales halfway between two
// sizes).
constexpr unsigned MatchingLeading(unsigned height) { return height - 11 * (height - 1) / 12; }

}  // namespace glyphwright::fon
