#include "render/field_layout.h"

#include <unordered_map>

#include "render/brace_groups.h"
#include "render/mask_match.h"
#include "render/placed_value.h"
#include "render/placement.h"
#include "render/text.h"

namespace glyphwright {
namespace {

// Whether a text-block line of a given width is centred on one template line. The answer
// depends on the width alone, and a block's lines come in few widths, so each is worked out once.
class CentringRule {
  public:
    CentringRule(const std::string& templateLine, std::string_view placeholder)
        : line_(templateLine), placeholder_(placeholder) {}

    bool Centre(std::size_t width) {
        const auto known = byWidth_.find(width);
        if (known != byWidth_.end()) return known->second;
        const bool centre = line_.CentresTextBlockLine(placeholder_, width);
        byWidth_.emplace(width, centre);
        return centre;
    }

  private:
    const PlacementLine line_;
    const std::string_view placeholder_;
    std::unordered_map<std::size_t, bool> byWidth_;
};

std::string LayBlockLineInto(const std::string& templateLine, CentringRule& rule,
                             std::string_view placeholder, std::string_view blockLine) {
    const std::string_view value = blockLine.empty() ? detail::kEmptyValue : blockLine;
    const std::string oem = detail::PlacedValue(value);
    const bool centre = rule.Centre(value.size());
    std::string copy = templateLine;
    ReplaceFirst(copy,
                 centre ? detail::CentredSearchText(placeholder, value.size())
                        : detail::AlignedSearchText(placeholder, value.size()),
                 oem);
    return copy;
}

const std::vector<std::string>& OneEmptyLine() {
    static const std::vector<std::string> kOneEmptyLine(1);
    return kOneEmptyLine;
}

}  // namespace

TextBlockLayout::TextBlockLayout(std::string_view placeholder,
                                 const std::vector<std::string>& blockLines)
    : placeholder_(placeholder),
      lines_(blockLines.empty() ? OneEmptyLine() : blockLines),
      lowerMask_(detail::AnsiLowerCopy("*" + std::string(placeholder) + "*")),
      // The four text blocks' placeholders are brace groups: those are found without lowering
      // every line of the document.
      isBraceGroup_(placeholder.size() == 3 && placeholder[0] == '{' && placeholder[2] == '}' &&
                    placeholder[1] != '*' && placeholder[1] != '?') {}

bool TextBlockLayout::Holds(const std::string& line) const {
    // An empty placeholder matches no line: "**" would match every one.
    if (line.empty() || placeholder_.empty()) return false;
    return isBraceGroup_ ? HoldsGroupIgnoringCase(line, placeholder_)
                         : detail::MatchLoweredMask(detail::AnsiLowerCopy(line), lowerMask_);
}

void TextBlockLayout::Expand(const std::string& line, Document& out) const {
    if (!Holds(line)) {
        out.push_back(line);
        return;
    }
    CentringRule rule(line, placeholder_);
    for (const std::string& blockLine : lines_)
        out.push_back(LayBlockLineInto(line, rule, placeholder_, blockLine));
}

void ExpandTextBlock(Document& document, std::string_view placeholder,
                     const std::vector<std::string>& blockLines) {
    const TextBlockLayout layout(placeholder, blockLines);
    // Built afresh rather than inserting in place, which would move the rest of a long
    // document once per added line.
    Document expanded;
    expanded.reserve(document.size());
    for (std::string& line : document) {
        if (layout.Holds(line)) {
            layout.Expand(line, expanded);
        } else {
            expanded.push_back(std::move(line));
        }
    }
    document = std::move(expanded);
}

}  // namespace glyphwright
