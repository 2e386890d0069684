#pragma once
// Finding the brace groups "{?}" of a line in one pass. The renderer's line tests compare in
// ANSI lower case, but lower-casing maps no byte to or from a brace, a colon, a dot or a blank,
// so those can be looked for in the line as it is; only the letter inside a group needs
// lowering, one byte at a time.

#include <cstddef>
#include <string_view>

namespace glyphwright {
namespace detail {

// One byte in ANSI lower case, from a table of all 256 read off the platform on first use.
char AnsiLowerByte(char byte);

}  // namespace detail

// Calls visit(position) for each place where a '{' is followed, one byte later, by a '}'.
template <typename Visit>
void ForEachBraceGroup(std::string_view text, Visit&& visit) {
    if (text.size() < 3) return;
    const std::size_t last = text.size() - 3;
    for (std::size_t at = text.find('{'); at != std::string_view::npos && at <= last;
         at = text.find('{', at + 1)) {
        if (text[at + 2] == '}') visit(at);
    }
}

// Whether the text holds the three-byte group `placeholder` when both are lowered: what the
// mask "*{x}*" answers, without lowering the text.
bool HoldsGroupIgnoringCase(std::string_view text, std::string_view placeholder);

}  // namespace glyphwright
