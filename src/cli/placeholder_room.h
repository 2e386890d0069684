#pragma once
// How long a value each placeholder of a template line can take before the line's border
// moves, by the placement rules of the renderer.

#include <cstddef>
#include <string_view>
#include <vector>

namespace glyphwright::cli {

struct PlaceholderRoom {
    std::size_t column = 0;    // 0-based position of the opening brace
    char letter = 0;           // 'A'..'U'
    std::size_t centred = 3;   // longest value placed centred over the placeholder
    std::size_t aligned = 3;   // longest value placed starting at the placeholder
    bool labelLine = false;    // a colon before it, or two dots directly before it
    bool textBlock = false;    // "{R}".."{U}"
    bool centredPlacement = false;  // the placement the renderer chooses for it
};

// The room of a placeholder at `column`: a centred value needs (L-3) div 2 blanks before it
// and the rest after it, an aligned one L-3 blanks after it.
std::size_t CentredRoom(std::string_view line, std::size_t column);
std::size_t AlignedRoom(std::string_view line, std::size_t column);

// Every upper-case placeholder "{A}".."{U}" of the line, with its room and the placement the
// renderer would choose (text blocks: centred only at character 31..49, never on a label line).
std::vector<PlaceholderRoom> FindPlaceholders(std::string_view line);

}  // namespace glyphwright::cli
