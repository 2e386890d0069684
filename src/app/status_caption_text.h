#pragma once
// The texts of the status captions, apart from the controls they are read from.

#include <string>
#include <string_view>

#include "model/placeholder_table.h"
#include "render/text.h"

namespace glyphwright {

// The frame caption that shows the cursor position: the label of the text block whose caption
// the current one starts with (ignoring case; the last such block; none leaves the label
// empty), then "[ line:column ]".
inline std::string PositionCaption(std::string_view currentCaption, int line, int column) {
    std::string label;
    for (char letter : kTextBlockLetters) {
        std::string caption = TextBlockCaption(letter);
        std::string mask = caption.substr(0, caption.size() - 1) + "*";
        if (MatchMask(currentCaption, mask)) label = std::move(caption);
    }
    return label + "[ " + std::to_string(line) + ":" + std::to_string(column) + " ]";
}

// "Selected characters: N", or empty when nothing is selected.
inline std::string SelectionCaption(int selected) {
    return selected != 0 ? "Selected characters: " + std::to_string(selected) : std::string();
}

}  // namespace glyphwright
