#pragma once
// The known name a mistyped one most likely meant ("Language" for the format's "Langauge",
// "--prject" for "--project"), so that a message can name the fix and not only the symptom.

#include <string>
#include <string_view>
#include <vector>

namespace glyphwright::cli {

// The candidate nearest to `name` by edits (a character added, dropped, changed, or two
// neighbours swapped; ASCII case ignored), when it is near enough to be a typing slip: at
// most a third of the name's length, and at least 1 edit is always allowed. Empty otherwise.
std::string NearestName(std::string_view name, const std::vector<std::string>& candidates);

}  // namespace glyphwright::cli
