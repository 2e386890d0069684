#pragma once
// Breaking a text block into the lines its box shows. The window's boxes are multi-line edits
// without horizontal scrolling in a fixed-pitch font, so a paragraph wraps at a fixed number
// of characters; the command-line renderer has to reproduce those lines to give the same NFO.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace glyphwright::cli {

// The width in characters of the window's text blocks under the fonts the program ships with
// (see the README for how it was measured).
inline constexpr std::size_t kTextBlockColumns = 69;

// Paragraphs end at CR LF. A paragraph wider than `width` breaks after the last blank that
// still starts within the line; the blanks at the break stay on the line they end, as the edit
// control keeps them there. A word longer than the line is cut at the width. An empty text is
// one empty line and a text ending with CR LF has an empty last line. A width of 0 does not
// wrap.
std::vector<std::string> WrapText(std::string_view text, std::size_t width);

}  // namespace glyphwright::cli
