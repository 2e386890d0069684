#pragma once
// "Replace the first occurrence, again and again, until none is left", done as one left-to-right
// pass: each search continues after the text just inserted. Restarting every search at the front
// would be quadratic, and endless for a replacement that brings the search text back (a Name
// typed as "{A}", a Spacer holding a blank).

#include <string>
#include <string_view>

namespace glyphwright {

// Position of the first occurrence of `search` at or after `from`, or npos. Same answer as
// std::string_view::find, faster on texts and search texts made mostly of blanks.
std::size_t FindText(std::string_view text, std::string_view search, std::size_t from = 0);

// Every occurrence in the original text replaced once, left to right; inserted text is never
// searched again.
std::string ReplaceEachOnce(std::string_view text, std::string_view search,
                            std::string_view replacement);

}  // namespace glyphwright
