#pragma once
// The text of the information view on the "About" page.

#include <cstddef>

namespace glyphwright {

// 63 lines of exactly 79 characters, each ended by CR LF, in the OEM code page (437; the
// Russian lines in 866) so that the "Terminal" font shows it without conversion. Terminated by
// a NUL that is not counted in the length.
extern const char kInformationText[];
constexpr std::size_t kInformationTextLength = 5103;

}  // namespace glyphwright
