#pragma once
// How long a value each placeholder of a template line can take before the line's border
// moves, and how the renderer places it there: the engine's own placement rule, asked per
// placeholder.

#include <cstddef>
#include <string_view>
#include <vector>

namespace glyphwright::cli {

struct PlaceholderRoom {
    std::size_t column = 0;    // 0-based position of the opening brace
    char letter = 0;           // a placeholder letter of the table
    std::size_t centred = 3;   // longest value placed centred over the placeholder
    std::size_t aligned = 3;   // longest value placed starting at the placeholder
    bool labelLine = false;    // a colon before it, or two dots directly before it
    bool textBlock = false;    // laid in line by line
    bool centredPlacement = false;  // the placement the renderer chooses for it
    // The longest value up to the room of that placement that the renderer does place: less
    // when a longer value changes the renderer's choice (a text block's label test looks at
    // the blanks that centring would take).
    std::size_t placedUpTo = 3;
};

// Every upper-case placeholder of the line, with its room and the renderer's placement.
std::vector<PlaceholderRoom> FindPlaceholders(std::string_view line);

}  // namespace glyphwright::cli
