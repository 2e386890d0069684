#pragma once
// The texts of the status captions, apart from the controls they are read from.

#include <string>
#include <string_view>

#include "render/text.h"

namespace glyphwright {

struct CaptionLabel {
    const char* mask;
    const char* label;  // ends with one blank
};

// A text block's frame caption is recognised by its mask and keeps its label.
inline constexpr CaptionLabel kCaptionLabels[] = {
    {"{R} Description*", "{R} Description "},
    {"{S} Install info*", "{S} Install info "},
    {"{T} Other information*", "{T} Other information "},
    {"{U} Greetings*", "{U} Greetings "},
};

// The frame caption that shows the cursor position: the label of the row whose mask the
// current caption matches (the last such row; none leaves the label empty), then
// "[ line:column ]".
inline std::string PositionCaption(std::string_view currentCaption, int line, int column) {
    std::string label;
    for (const CaptionLabel& row : kCaptionLabels) {
        if (MatchMask(currentCaption, row.mask)) label = row.label;
    }
    return label + "[ " + std::to_string(line) + ":" + std::to_string(column) + " ]";
}

// "Selected characters: N", or empty when nothing is selected.
inline std::string SelectionCaption(int selected) {
    return selected != 0 ? "Selected characters: " + std::to_string(selected) : std::string();
}

}  // namespace glyphwright
