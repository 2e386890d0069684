// One strike of a fixed-pitch bitmap font with 256 characters, as the Windows raster font
// format describes it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "byte_buffer.h"

namespace glyphwright::fon {

constexpr std::uint8_t kOemCharset = 255;  // Windows' OEM_CHARSET
constexpr std::uint8_t kAnsiCharset = 0;   // Windows' ANSI_CHARSET
constexpr unsigned kScreenDpi = 96;

struct RasterFont {
    std::string face;       // family name applications ask for, at most 31 characters
    std::string copyright;  // up to 60 bytes are kept
    unsigned width = 0;     // every glyph is this wide: the format's fixed pitch
    unsigned height = 0;
    unsigned ascent = 0;    // rows above the baseline, counted from the top
    // Rows at the top of the cell that count toward its height but not toward the character
    // height a program asks for (a negative height in CreateFont).
    unsigned internal_leading = 0;
    unsigned weight = 400;
    std::uint8_t charset = kOemCharset;
    std::uint8_t default_char = '?';  // drawn for characters the font cannot map
    std::uint8_t break_char = ' ';
    // Glyph for each byte: `height` rows of (width + 7) / 8 bytes, leftmost pixel in the
    // top bit of the first byte.
    std::array<Bytes, 256> glyphs;

    unsigned row_bytes() const { return (width + 7) / 8; }
    // The nominal size in points at 96 dpi that font lists show.
    unsigned points() const { return (height * 72 + kScreenDpi / 2) / kScreenDpi; }
};

}  // namespace glyphwright::fon
