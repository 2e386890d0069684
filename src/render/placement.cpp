#include "render/placement.h"

#include <algorithm>

#include "render/brace_groups.h"
#include "render/mask_match.h"
#include "render/placed_value.h"
#include "render/repeated_replacement.h"
#include "render/text.h"

namespace glyphwright {
namespace {

constexpr std::size_t kTagWidth = 3;

// 1-based columns in which a text-block placeholder counts as standing in the middle of a
// 79-column line.
constexpr std::size_t kCentreFirstColumn = 31;
constexpr std::size_t kCentreLastColumn = 49;

std::size_t ValueWidth(std::size_t length) { return length == 0 ? detail::kEmptyValue.size() : length; }

std::string LoweredMask(std::string_view before, std::string_view middle, std::string_view after) {
    std::string mask(before);
    mask.append(middle);
    mask.append(after);
    return detail::AnsiLowerCopy(mask);
}

bool Holds(std::string_view line, std::string_view searchText) {
    return FindText(line, searchText) != std::string_view::npos;
}

PlacementChoice Choose(Placement placement, bool labelLine, std::string searchText) {
    return PlacementChoice{placement, labelLine, std::move(searchText)};
}

std::size_t BlanksBefore(std::string_view line, std::size_t column) {
    std::size_t count = 0;
    while (count < column && line[column - count - 1] == ' ') ++count;
    return count;
}

}  // namespace

namespace detail {

std::string CentredSearchText(std::string_view placeholder, std::size_t length) {
    return PadCenter(placeholder, ValueWidth(length));
}

std::string AlignedSearchText(std::string_view placeholder, std::size_t length) {
    return PadRight(placeholder, ValueWidth(length));
}

bool IsLoweredLabelLine(std::string_view loweredLine, std::string_view searchText) {
    return MatchLoweredMask(loweredLine, LoweredMask("*:*", searchText, "*")) ||
           MatchLoweredMask(loweredLine, LoweredMask("*..", searchText, "*"));
}

}  // namespace detail

PlacementLine::PlacementLine(std::string_view line)
    : line_(line), lowered_(detail::AnsiLowerCopy(line)) {}

bool PlacementLine::IsLabelBefore(std::string_view searchText) const {
    return detail::IsLoweredLabelLine(lowered_, searchText);
}

bool PlacementLine::CentresTextBlockLine(std::string_view placeholder, std::size_t length) const {
    if (IsLabelBefore(detail::CentredSearchText(placeholder, length))) return false;
    const std::size_t at = line_.find(placeholder);
    const std::size_t column = at == std::string_view::npos ? 0 : at + 1;
    return column >= kCentreFirstColumn && column <= kCentreLastColumn;
}

PlacementChoice PlacementLine::TextBlockLine(std::string_view placeholder,
                                             std::size_t length) const {
    const bool label = IsLabelBefore(detail::CentredSearchText(placeholder, length));
    const bool centre = CentresTextBlockLine(placeholder, length);
    std::string searchText = centre ? detail::CentredSearchText(placeholder, length)
                                    : detail::AlignedSearchText(placeholder, length);
    // No fallback: a copy whose chosen search text is missing keeps its placeholder.
    if (line_.find(searchText) == std::string_view::npos)
        return Choose(Placement::NotPlaced, label, {});
    return Choose(centre ? Placement::Centred : Placement::Aligned, label, std::move(searchText));
}

PlacementChoice PlacementLine::SingleLineValue(std::string_view placeholder,
                                               std::size_t length) const {
    // The label marks before any occurrence of the bare placeholder, whatever the value's
    // length: the same test the substitution makes as it reads the line's brace groups.
    const LabelMarks marks(line_);
    const char letter = detail::AnsiLowerByte(placeholder[1]);
    bool label = false;
    ForEachBraceGroup(line_, [&](std::size_t at) {
        label = label || (detail::AnsiLowerByte(line_[at + 1]) == letter && marks.Before(at));
    });
    if (!label) {
        std::string centred = detail::CentredSearchText(placeholder, length);
        if (Holds(line_, centred)) return Choose(Placement::Centred, false, std::move(centred));
    }
    std::string aligned = detail::AlignedSearchText(placeholder, length);
    if (Holds(line_, aligned)) return Choose(Placement::Aligned, label, std::move(aligned));
    return Choose(Placement::NotPlaced, label, {});
}

PlacementChoice PlaceTextBlockLine(std::string_view line, std::string_view placeholder, std::size_t length) {
    return PlacementLine(line).TextBlockLine(placeholder, length);
}

ValueRoom RoomAt(std::string_view line, std::size_t column) {
    const std::size_t before = BlanksBefore(line, column);
    const std::size_t after =
        column + kTagWidth <= line.size() ? BlanksAfterPlaceholder(line, column) : 0;
    // Extra width e is split e div 2 before and the rest (the odd blank) after.
    std::size_t extra = 2 * std::min(before, after);
    if (after >= 1) extra = std::max(extra, 2 * std::min(before, after - 1) + 1);
    return ValueRoom{kTagWidth + extra, kTagWidth + after};
}

}  // namespace glyphwright
