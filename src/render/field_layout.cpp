#include "render/field_layout.h"

#include <unordered_map>

#include "render/brace_groups.h"
#include "render/mask_match.h"
#include "render/placed_value.h"
#include "render/text.h"

namespace glyphwright {
namespace {

// 1-based columns in which a placeholder counts as standing in the middle of a 79-column line.
constexpr std::size_t kCentreFirstColumn = 31;
constexpr std::size_t kCentreLastColumn = 49;

std::string Mask(std::string_view before, std::string_view middle, std::string_view after) {
    std::string mask(before);
    mask.append(middle);
    mask.append(after);
    return detail::AnsiLowerCopy(mask);
}

// Unlike a single-line field, the label marks are looked for before the centred search text,
// so the blanks that centring would take count as part of the label.
bool IsLabelLine(std::string_view loweredLine, std::string_view centred) {
    return detail::MatchLoweredMask(loweredLine, Mask("*:*", centred, "*")) ||
           detail::MatchLoweredMask(loweredLine, Mask("*..", centred, "*"));
}

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
        bool centre = false;
        if (!IsLabelLine(loweredLine_, PadCenter(placeholder_, width))) {
            const std::size_t at = templateLine_.find(placeholder_);
            const std::size_t column = at == std::string::npos ? 0 : at + 1;
            centre = column >= kCentreFirstColumn && column <= kCentreLastColumn;
        }
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
    ReplaceFirst(
        copy, centre ? PadCenter(placeholder, value.size()) : PadRight(placeholder, value.size()),
        oem);
    return copy;
}

}  // namespace

void ExpandTextBlock(Document& document, std::string_view placeholder,
                     const std::vector<std::string>& fieldLines) {
    static const std::vector<std::string> kOneEmptyLine(1);
    const std::vector<std::string>& lines = fieldLines.empty() ? kOneEmptyLine : fieldLines;
    if (placeholder.empty()) return;  // matches no line: "**" would match every one
    const std::string placeholderMask = Mask("*", placeholder, "*");
    // The four text blocks' placeholders are brace groups: those are found without lowering
    // every line of the document.
    const bool isBraceGroup = placeholder.size() == 3 && placeholder[0] == '{' &&
                              placeholder[2] == '}' && placeholder[1] != '*' &&
                              placeholder[1] != '?';

    // Built afresh rather than inserting in place, which would move the rest of a long
    // document once per added line.
    Document expanded;
    expanded.reserve(document.size());
    for (std::string& line : document) {
        const bool holds =
            isBraceGroup ? detail::HoldsGroupIgnoringCase(line, placeholder)
                         : detail::MatchLoweredMask(detail::AnsiLowerCopy(line), placeholderMask);
        if (line.empty() || !holds) {
            expanded.push_back(std::move(line));
            continue;
        }
        CentringRule rule(line, placeholder);
        for (const std::string& fieldLine : lines) {
            expanded.push_back(PlaceFieldLine(line, rule, placeholder, fieldLine));
        }
    }
    document = std::move(expanded);
}

}  // namespace glyphwright
