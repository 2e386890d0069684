#pragma once
// What both rendering passes insert for a value: the value in the OEM code page, or three
// blanks, as wide as a placeholder, for an empty one.

#include <string>
#include <string_view>

#include "render/text.h"

namespace glyphwright::detail {

inline constexpr std::string_view kEmptyValue = "   ";

inline std::string PlacedValue(std::string_view value) {
    return AnsiToOem(value.empty() ? kEmptyValue : value);
}

}  // namespace glyphwright::detail
