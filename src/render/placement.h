#pragma once
// Where a value goes on a template line: centred over its placeholder, starting at it, or
// nowhere. The substitution and the text-block expansion place values by these answers, and
// anything that wants to predict a rendering (a template check) asks the same functions.

#include <cstddef>
#include <string>
#include <string_view>

namespace glyphwright {

enum class Placement { Centred, Aligned, NotPlaced };

struct PlacementChoice {
    Placement placement = Placement::NotPlaced;
    // A colon before the placeholder, or two dots directly before it: the value then starts at
    // the placeholder instead of being centred over it.
    bool labelLine = false;
    // What the value replaces: the placeholder with the blanks it takes from beside it. Empty
    // when the value is not placed.
    std::string searchText;
};

// A single-line value ("{A}".."{Q}") of `length` characters (0 for an empty value, which stands
// for three blanks) on the line as it comes in. Not a label line: centred where the line holds
// the centred search text, otherwise aligned where it holds the aligned one. A label line:
// aligned only.
PlacementChoice PlaceFieldValue(std::string_view line, std::string_view placeholder, std::size_t length);

// One line of a text block ("{R}".."{U}") on one copy of its template line. The label marks are
// looked for before the centred search text, so the blanks that centring would take count as
// part of the label; otherwise the column of the placeholder's first occurrence chooses, and
// only the chosen search text is tried.
PlacementChoice PlaceTextBlockLine(std::string_view line, std::string_view placeholder, std::size_t length);

// 1-based columns in which a text-block placeholder counts as standing in the middle of a
// 79-column line.
inline constexpr std::size_t kCentreFirstColumn = 31;
inline constexpr std::size_t kCentreLastColumn = 49;

// The longest value that fits at the placeholder starting at `column` (0-based) without moving
// what follows: centred, (L-3) div 2 blanks before it and the rest after it; aligned, L-3
// blanks after it. Both are at least 3, the placeholder itself.
struct ValueRoom {
    std::size_t centred = 3;
    std::size_t aligned = 3;
};
ValueRoom RoomAt(std::string_view line, std::size_t column);

namespace detail {

// The placeholder widened to a value of `length` characters, centred or aligned.
std::string CentredSearchText(std::string_view placeholder, std::size_t length);
std::string AlignedSearchText(std::string_view placeholder, std::size_t length);

// The label test on a line already in lower case, in front of `searchText`.
bool IsLoweredLabelLine(std::string_view loweredLine, std::string_view searchText);

// The text-block rule's choice between centred (true) and aligned for a line of `length`.
bool CentresTextBlockLine(std::string_view line, std::string_view loweredLine, std::string_view placeholder,
                          std::size_t length);

PlacementChoice PlaceFieldValueLowered(std::string_view line, std::string_view loweredLine,
                                       std::string_view placeholder, std::size_t length);
PlacementChoice PlaceTextBlockLineLowered(std::string_view line, std::string_view loweredLine,
                                          std::string_view placeholder, std::size_t length);

}  // namespace detail
}  // namespace glyphwright
