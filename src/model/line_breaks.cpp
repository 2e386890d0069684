#include "model/line_breaks.h"

#include "render/repeated_replacement.h"

namespace glyphwright {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kLineBreakToken = "{#}";

}  // namespace

std::string ConvertLineBreaks(std::string_view text, LineBreakDirection direction) {
    // Neither replacement can form the text it replaces, so one pass is the whole repetition.
    if (direction == LineBreakDirection::ToTokens) {
        return ReplaceEachOnce(text, kLineBreak, kLineBreakToken);
    }
    return ReplaceEachOnce(text, kLineBreakToken, kLineBreak);
}

}  // namespace glyphwright
