#pragma once
// Would a viewer that tries UTF-8 first take these bytes for UTF-8? CP437 art is full of
// bytes above 0x7F; when every such run happens to form valid UTF-8 sequences, those viewers
// show other characters than the author drew.

#include <cstddef>
#include <string_view>

namespace glyphwright::cli {

struct Utf8Reading {
    bool valid = true;             // the whole text is well-formed UTF-8
    std::size_t sequences = 0;     // multi-byte sequences in it (while it stayed valid)
    std::size_t firstOffset = 0;   // where the first one starts
};

// Well-formed as the standard defines it: no overlong forms, no surrogates, nothing beyond
// U+10FFFF, no cut-off sequence at the end.
Utf8Reading ReadAsUtf8(std::string_view bytes);

// True when the text would be shown as UTF-8 by such a viewer: valid and not plain ASCII.
inline bool ReadsAsUtf8(const Utf8Reading& reading) { return reading.valid && reading.sequences > 0; }

}  // namespace glyphwright::cli
