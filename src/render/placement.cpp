#include "render/placement.h"

#include <algorithm>

#include "render/mask_match.h"
#include "render/placed_value.h"
#include "render/repeated_replacement.h"
#include "render/text.h"

namespace glyphwright {
namespace {

constexpr std::size_t kTagWidth = 3;

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

std::size_t BlanksAfter(std::string_view line, std::size_t from) {
    std::size_t count = 0;
    while (from + count < line.size() && line[from + count] == ' ') ++count;
    return count;
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

bool CentresTextBlockLine(std::string_view line, std::string_view loweredLine, std::string_view placeholder,
                          std::size_t length) {
    if (IsLoweredLabelLine(loweredLine, CentredSearchText(placeholder, length))) return false;
    const std::size_t at = line.find(placeholder);
    const std::size_t column = at == std::string_view::npos ? 0 : at + 1;
    return column >= kCentreFirstColumn && column <= kCentreLastColumn;
}

PlacementChoice PlaceTextBlockLineLowered(std::string_view line, std::string_view loweredLine,
                                          std::string_view placeholder, std::size_t length) {
    const bool label = IsLoweredLabelLine(loweredLine, CentredSearchText(placeholder, length));
    const bool centre = CentresTextBlockLine(line, loweredLine, placeholder, length);
    std::string searchText =
        centre ? CentredSearchText(placeholder, length) : AlignedSearchText(placeholder, length);
    // No fallback: a copy whose chosen search text is missing keeps its placeholder.
    if (line.find(searchText) == std::string_view::npos) return Choose(Placement::NotPlaced, label, {});
    return Choose(centre ? Placement::Centred : Placement::Aligned, label, std::move(searchText));
}

PlacementChoice PlaceFieldValueLowered(std::string_view line, std::string_view loweredLine,
                                       std::string_view placeholder, std::size_t length) {
    // A single-line value's label test looks at the bare placeholder, whatever its length.
    const bool label = IsLoweredLabelLine(loweredLine, placeholder);
    if (!label) {
        std::string centred = CentredSearchText(placeholder, length);
        if (Holds(line, centred)) return Choose(Placement::Centred, false, std::move(centred));
    }
    std::string aligned = AlignedSearchText(placeholder, length);
    if (Holds(line, aligned)) return Choose(Placement::Aligned, label, std::move(aligned));
    return Choose(Placement::NotPlaced, label, {});
}

}  // namespace detail

PlacementChoice PlaceFieldValue(std::string_view line, std::string_view placeholder, std::size_t length) {
    return detail::PlaceFieldValueLowered(line, detail::AnsiLowerCopy(line), placeholder, length);
}

PlacementChoice PlaceTextBlockLine(std::string_view line, std::string_view placeholder, std::size_t length) {
    return detail::PlaceTextBlockLineLowered(line, detail::AnsiLowerCopy(line), placeholder, length);
}

ValueRoom RoomAt(std::string_view line, std::size_t column) {
    const std::size_t before = BlanksBefore(line, column);
    const std::size_t after = BlanksAfter(line, column + kTagWidth);
    // Extra width e is split e div 2 before and the rest (the odd blank) after.
    std::size_t extra = 2 * std::min(before, after);
    if (after >= 1) extra = std::max(extra, 2 * std::min(before, after - 1) + 1);
    return ValueRoom{kTagWidth + extra, kTagWidth + after};
}

}  // namespace glyphwright
