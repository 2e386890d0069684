#pragma once
// "export": a CP437 NFO for the web, where it is read as UTF-8.

#include <string>
#include <string_view>

namespace glyphwright::cli {

// The text as UTF-8, every byte by its CP437 glyph; line breaks, tabs and any SAUCE record
// kept as bytes.
std::string ExportUtf8(std::string_view cp437);

// A self-contained page showing the text in a monospace font, its lines set so close that
// block characters of neighbouring lines touch. Lines break as viewers break them (CR CR LF
// is one break), and a SAUCE record with the 1A before it is not shown. `title` is in code
// page 1252 (a file name).
std::string ExportHtml(std::string_view cp437, std::string_view title);

}  // namespace glyphwright::cli
