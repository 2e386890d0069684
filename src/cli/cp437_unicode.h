#pragma once
// Code page 437 as the glyphs a DOS screen showed, and code page 1252 for the values typed
// into the form, as Unicode: what the export and the report of lost characters need.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace glyphwright::cli {

// Every byte's glyph, the control range included (0x01 is a smiling face, 0x0D a note);
// 0x00 is a blank, as the screen showed it.
extern const std::array<char32_t, 256> kCp437Glyphs;

// The Unicode character of a byte in code page 1252; the five unassigned bytes map to the C1
// control of the same number, as the platform maps them.
char32_t Cp1252ToUnicode(unsigned char byte);

void AppendUtf8(std::string& out, char32_t codePoint);

// The character of code page 1252 that is `codePoint`, or none.
std::optional<unsigned char> UnicodeToCp1252(char32_t codePoint);

// The replacement character that decoding puts where bytes are not a character.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// UTF-8 as characters; each byte that starts no well-formed sequence becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view bytes);

// UTF-16 without its byte-order mark; a lone surrogate or a cut-off unit becomes U+FFFD.
std::u32string DecodeUtf16(std::string_view bytes, bool bigEndian);

// "U+20AC '€'": a character as a message names it.
std::string DescribeCharacter(char32_t codePoint);

// The bytes as UTF-8, each byte by its CP437 glyph, except that CR, LF and tab stay line
// structure.
std::string Cp437ToUtf8(std::string_view bytes);

// The bytes as UTF-8 read as code page 1252.
std::string Cp1252ToUtf8(std::string_view bytes);

// A file name as a report shows it: a name that already is UTF-8 (as names on Linux are) stays
// as it is; any other is read as code page 1252, in which the Windows build gets its names.
std::string FileNameAsUtf8(std::string_view name);

}  // namespace glyphwright::cli
