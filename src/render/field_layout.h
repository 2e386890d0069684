#pragma once
// Laying a multi-line field ("{R}".."{U}") into an NFO: each template line that holds the
// placeholder is repeated once per field line, so a box grows downwards with its frame.

#include <string>
#include <string_view>
#include <vector>

#include "render/document.h"

namespace glyphwright {

// Rewrites the document in place. `fieldLines` are the field's lines as the user sees them
// (wrapped as the box wraps them); no lines count as one empty line. Each copy of a template
// line gets one field line: aligned on a label line or when the placeholder lies outside
// columns 31..49, centred otherwise; only the first fitting place is filled, with no fallback.
void ExpandTextBlock(Document& document, std::string_view placeholder,
                     const std::vector<std::string>& fieldLines);

}  // namespace glyphwright
