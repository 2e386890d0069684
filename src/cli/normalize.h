#pragma once
// "normalize": text art as it comes (UTF-8 or UTF-16 from the web, LF line ends from git,
// tabs, a DOS end-of-file byte and a SAUCE record) made into a template the renderer reads as
// the artist drew it: CP437 bytes, CR LF line ends.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cli/findings.h"

namespace glyphwright::cli {

struct NormalizeOptions {
    std::size_t tabs = 8;      // tab stops every this many columns
    bool pad = false;          // pad lines that hold a placeholder with blanks ...
    std::size_t padWidth = 0;  // ... to this many columns; 0 for the widest line's width
};

struct Normalized {
    std::string bytes;  // CP437, every line ending with CR LF
    // What was changed, as notes, and each character with no CP437 byte (written as '?'),
    // as a problem at its line and column in the result.
    std::vector<Finding> report;
};

// The decoding is chosen for the file as a whole, never sequence by sequence: a byte-order
// mark says UTF-8 or UTF-16; bytes that are valid UTF-8 throughout and hold a character beyond
// ASCII are UTF-8; anything else is CP437 already (box art such as C9 BB is also a valid UTF-8
// pair, but a whole drawing hardly ever is). Every line end (LF, CR, CR CR LF) becomes CR LF
// and the last line gets one; a final end-of-file byte 1A and a SAUCE record after it are
// dropped; tabs expand to the next stop.
Normalized NormalizeArt(const std::string& file, std::string_view input,
                        const NormalizeOptions& options);

}  // namespace glyphwright::cli
