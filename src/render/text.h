#pragma once
// The small text operations that both rendering passes are built from. All text is 8-bit.

#include <cstddef>
#include <string>
#include <string_view>

// <windows.h> defines AnsiToOem as a macro for CharToOemA, which would rename the function below
// in any file that includes both. The program never uses that old alias, so drop it; a file that
// includes <windows.h> after this header must #undef it again before calling AnsiToOem.
#ifdef AnsiToOem
#undef AnsiToOem
#endif

namespace glyphwright {

// Wildcard test of the whole text against the whole mask: '*' matches any run of characters
// (the empty run too), '?' exactly one, anything else itself. Both sides are compared in ANSI
// lower case. An empty text or an empty mask never matches.
bool MatchMask(std::string_view text, std::string_view mask);

// Replaces the first case-sensitive occurrence of `search` and reports whether there was one.
// An empty search text is never found.
bool ReplaceFirst(std::string& text, std::string_view search, std::string_view replacement);

// Appends blanks until the text is `width` long; a wider text comes back unchanged.
std::string PadRight(std::string_view text, std::size_t width);

// Widens the text to `width` with blanks on both sides; an odd blank goes to the right.
std::string PadCenter(std::string_view text, std::size_t width);

// Maps each byte from the ANSI to the OEM code page; the length is kept.
std::string AnsiToOem(std::string_view text);

}  // namespace glyphwright
