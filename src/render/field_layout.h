#pragma once
// Laying a text block ("{R}".."{U}") into an NFO: each template line that holds the
// placeholder is repeated once per block line, so a box grows downwards with its frame.

#include <string>
#include <string_view>
#include <vector>

#include "render/document.h"

namespace glyphwright {

// Rewrites the document in place. `blockLines` are the block's lines as the user sees them
// (wrapped as the box wraps them); no lines count as one empty line. Each copy of a template
// line gets one block line: aligned on a label line or when the placeholder lies outside
// columns 31..49, centred otherwise; only the first fitting place is filled, with no fallback.
void ExpandTextBlock(Document& document, std::string_view placeholder,
                     const std::vector<std::string>& blockLines);

// The same for one template line at a time, for a caller that lays several blocks line by
// line or stops part way. Each line is expanded on its own, so ExpandTextBlock is this over
// every line of the document in order.
class TextBlockLayout {
  public:
    // Both are referred to, not copied: they must outlive the layout.
    TextBlockLayout(std::string_view placeholder, const std::vector<std::string>& blockLines);

    // Whether the line holds the placeholder, in any case.
    bool Holds(const std::string& line) const;

    // Appends the line's copies to `out`, one per block line (a line that does not hold the
    // placeholder is appended as it is).
    void Expand(const std::string& line, Document& out) const;

  private:
    std::string_view placeholder_;
    const std::vector<std::string>& lines_;
    std::string lowerMask_;
    bool isBraceGroup_ = false;
};

}  // namespace glyphwright
