#include "model/placeholder_table.h"

namespace glyphwright {

std::string PlaceholderTag(char letter) {
    return std::string{'{', letter, '}'};
}

std::string TextBlockCaption(char letter) {
    return PlaceholderTag(letter) + " " + PlaceholderOf(letter).label + " ";
}

}  // namespace glyphwright
