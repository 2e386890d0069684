#include "render/field_layout.h"

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

std::string PlaceFieldLine(const std::string& templateLine, std::string_view loweredLine,
                           std::string_view placeholder, std::string_view fieldLine) {
    const std::string_view value = fieldLine.empty() ? detail::kEmptyValue : fieldLine;
    const std::string oem = detail::PlacedValue(value);
    const std::string centred = PadCenter(placeholder, value.size());

    bool centre = false;
    if (!IsLabelLine(loweredLine, centred)) {
        const std::size_t at = templateLine.find(placeholder);
        const std::size_t column = at == std::string::npos ? 0 : at + 1;
        centre = column >= kCentreFirstColumn && column <= kCentreLastColumn;
    }
    std::string copy = templateLine;
    ReplaceFirst(copy, centre ? centred : PadRight(placeholder, value.size()), oem);
    return copy;
}

}  // namespace

void ExpandTextBlock(Document& document, std::string_view placeholder,
                     const std::vector<std::string>& fieldLines) {
    static const std::vector<std::string> kOneEmptyLine(1);
    const std::vector<std::string>& lines = fieldLines.empty() ? kOneEmptyLine : fieldLines;
    if (placeholder.empty()) return;  // matches no line: "**" would match every one
    const std::string placeholderMask = Mask("*", placeholder, "*");

    // Built afresh rather than inserting in place, which would move the rest of a long
    // document once per added line.
    Document expanded;
    expanded.reserve(document.size());
    for (std::string& line : document) {
        const std::string lowered = detail::AnsiLowerCopy(line);
        if (line.empty() || !detail::MatchLoweredMask(lowered, placeholderMask)) {
            expanded.push_back(std::move(line));
            continue;
        }
        for (const std::string& fieldLine : lines) {
            expanded.push_back(PlaceFieldLine(line, lowered, placeholder, fieldLine));
        }
    }
    document = std::move(expanded);
}

}  // namespace glyphwright
