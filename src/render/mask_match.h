#pragma once
// Mask matching on text that is already in lower case, so a caller that tests one line against
// many masks lowers the line once instead of once per mask.

#include <string>
#include <string_view>

namespace glyphwright::detail {

std::string AnsiLowerCopy(std::string_view text);

// The wildcard rules of MatchMask, case-sensitively, on both sides as given. Unlike MatchMask,
// an empty text matches a mask of stars only.
bool MatchLoweredMask(std::string_view text, std::string_view mask);

}  // namespace glyphwright::detail
