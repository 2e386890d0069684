#pragma once
// "Replace the first occurrence, again and again, until none is left" without its two traps:
// restarting every search at the front makes it quadratic, and a replacement that brings the
// search text back makes it endless.

#include <string>
#include <string_view>

namespace glyphwright {

// The result of applying ReplaceFirst(text, search, replacement) until it finds nothing,
// whenever that repetition ends. When it would not end (the replacement holds the search text,
// or inserted text keeps forming new occurrences with its neighbours), every occurrence of the
// original text is replaced once, left to right, and inserted text is not searched again.
// An empty search text leaves the text unchanged.
std::string ReplaceRepeatedly(std::string_view text, std::string_view search,
                              std::string_view replacement);

// Position of the first occurrence of `search` at or after `from`, or npos. Same answer as
// std::string_view::find, faster on texts and search texts made mostly of blanks.
std::size_t FindText(std::string_view text, std::string_view search, std::size_t from = 0);

// Every occurrence in the original text replaced once, left to right; inserted text is never
// searched again.
std::string ReplaceEachOnce(std::string_view text, std::string_view search,
                            std::string_view replacement);

}  // namespace glyphwright
