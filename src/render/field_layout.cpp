#include "render/field_layout.h"

#include <unordered_map>

#include "render/brace_groups.h"
#include "render/mask_match.h"
#include "render/placed_value.h"
#include "render/placement.h"
#include "render/text.h"

namespace glyphwright {
namespace {

// Whether a field line of a given width is centred on one template line. The answer depends on
// the width alone, and a block's lines come in few widths, so each is worked out once.
class CentringRule {
  public:
    CentringRule(const std::string& templateLine, std::string_view placeholder)
        : templateLine_(templateLine),
          loweredLine_(detail::AnsiLowerCopy(templateLine)),
          placeholder_(placeholder) {}

    bool Centre(std::size_t width) {
        const auto known = byWidth_.find(width);
        if (known != byWidth_.end()) return known->second;
        const bool centre = detail::CentresTextBlockLine(templateLine_, loweredLine_, placeholder_, width);
        byWidth_.emplace(width, centre);
        return centre;
    }

  private:
    const std::string& templateLine_;
    const std::string loweredLine_;
    const std::string_view placeholder_;
    std::unordered_map<std::size_t, bool> byWidth_;
};

std::string PlaceFieldLine(const std::string& templateLine, CentringRule& rule,
                           std::string_view placeholder, std::string_view fieldLine) {
    const std::string_view value = fieldLine.empty() ? detail::kEmptyValue : fieldLine;
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
                                 const std::vector<std::string>& fieldLines)
    : placeholder_(placeholder),
      lines_(fieldLines.empty() ? OneEmptyLine() : fieldLines),
      lowerMask_(detail::AnsiLowerCopy("*" + std::string(placeholder) + "*")),
      // The four text blocks' placeholders are brace groups: those are found without lowering
      // every line of the document.
      isBraceGroup_(placeholder.size() == 3 && placeholder[0] == '{' && placeholder[2] == '}' &&
                    placeholder[1] != '*' && placeholder[1] != '?') {}

bool TextBlockLayout::Holds(const std::string& line) const {
    // An empty placeholder matches no line: "**" would match every one.
    if (line.empty() || placeholder_.empty()) return false;
    return isBraceGroup_ ? detail::HoldsGroupIgnoringCase(line, placeholder_)
                         : detail::MatchLoweredMask(detail::AnsiLowerCopy(line), lowerMask_);
}

void TextBlockLayout::Expand(const std::string& line, Document& out) const {
    if (!Holds(line)) {
        out.push_back(line);
        return;
    }
    CentringRule rule(line, placeholder_);
    for (const std::string& fieldLine : lines_)
        out.push_back(PlaceFieldLine(line, rule, placeholder_, fieldLine));
}

void ExpandTextBlock(Document& document, std::string_view placeholder,
                     const std::vector<std::string>& fieldLines) {
    const TextBlockLayout layout(placeholder, fieldLines);
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
