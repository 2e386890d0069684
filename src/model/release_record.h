#pragma once
// Derivations that keep the File Name field {Q} in step with the Name {A} and the Spacer.

#include <string>
#include <string_view>

namespace glyphwright {

// What the Delimiter and the Spacer hold in a new form: the window's and the companion's.
inline constexpr char kDefaultDelimiter[] = "-";
inline constexpr char kDefaultSpacer[] = ".";

// The Name with each of its spaces replaced by the spacer (runs of spaces are not merged; an
// empty spacer removes them).
std::string DeriveFileName(std::string_view name, std::string_view spacer);

// The file name with the remembered spacer replaced by the new one wherever it occurs. When the
// file name, the remembered spacer or the new spacer is empty, the file name comes back as it is.
std::string ReplaceSpacer(std::string_view fileName, std::string_view rememberedSpacer,
                          std::string_view newSpacer);

}  // namespace glyphwright
