#pragma once
// The "{#}" token that lets a multi-line text live in one INI value.

#include <string>
#include <string_view>

namespace glyphwright {

enum class LineBreakDirection { ToTokens, FromTokens };

// ToTokens turns each CR LF into "{#}"; FromTokens turns each "{#}" into CR LF. A lone CR or a
// lone LF is left as it is.
std::string ConvertLineBreaks(std::string_view text, LineBreakDirection direction);

}  // namespace glyphwright
