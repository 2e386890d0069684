#pragma once
// The DOS character set as the PC's text mode draws it: 8 x 16 pixels a character, every
// byte a picture. The table is generated at build time from Terminus Font (SIL Open Font
// License 1.1), so the program needs no font file to draw an NFO.

namespace glyphwright::cli {

inline constexpr int kCellWidth = 8;
inline constexpr int kCellHeight = 16;

// One byte per pixel row, top row first, leftmost pixel in the top bit.
extern const unsigned char kCp437Cells[256][kCellHeight];

}  // namespace glyphwright::cli
