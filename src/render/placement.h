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

// The label marks of one line, found once so that a line holding many placeholders is not read
// again for each: whether a colon stands anywhere before the placeholder at `at`, or two dots
// directly before it. Lower-casing changes neither mark, so the line is read as it is.
class LabelMarks {
  public:
    explicit LabelMarks(std::string_view line) : line_(line), colon_(line.find(':')) {}
    bool Before(std::size_t at) const {
        return (colon_ != std::string_view::npos && colon_ < at) ||
               (at >= 2 && line_[at - 1] == '.' && line_[at - 2] == '.');
    }

  private:
    std::string_view line_;
    std::size_t colon_;
};

// The blanks directly after the three-byte placeholder at `at`: an aligned value takes them.
inline std::size_t BlanksAfterPlaceholder(std::string_view line, std::size_t at) {
    const std::size_t end = line.find_first_not_of(' ', at + 3);
    return (end == std::string_view::npos ? line.size() : end) - (at + 3);
}

// The longest value that fits at the placeholder starting at `column` (0-based) without moving
// what follows: centred, (L-3) div 2 blanks before it and the rest after it; aligned, L-3
// blanks after it. Both are at least 3, the placeholder itself.
struct ValueRoom {
    std::size_t centred = 3;
    std::size_t aligned = 3;
};
ValueRoom RoomAt(std::string_view line, std::size_t column);

// One template line as it comes in, asked where values of given lengths go. The text tests
// compare in ANSI lower case; the line is lowered once for all the questions.
class PlacementLine {
  public:
    // The line is referred to, not copied.
    explicit PlacementLine(std::string_view line);

    // A single-line value (a brace group "{A}".."{Q}") of `length` characters (0 for an empty
    // value, which stands for three blanks). Its label test is the bare placeholder's, in any
    // case, at any of its occurrences. Not a label line: centred where the line holds the
    // centred search text, otherwise aligned where it holds the aligned one. A label line:
    // aligned only.
    PlacementChoice SingleLineValue(std::string_view placeholder, std::size_t length) const;

    // One line of a text block ("{R}".."{U}") on one copy of this line. The label marks are
    // looked for before the centred search text, so the blanks that centring would take count
    // as part of the label; otherwise the column of the placeholder's first occurrence chooses,
    // and only the chosen search text is tried.
    PlacementChoice TextBlockLine(std::string_view placeholder, std::size_t length) const;

    // The text-block rule's choice alone: centred (true) or aligned.
    bool CentresTextBlockLine(std::string_view placeholder, std::size_t length) const;

  private:
    bool IsLabelBefore(std::string_view searchText) const;

    std::string_view line_;
    std::string lowered_;
};

// PlacementLine(line).TextBlockLine(placeholder, length), for a single question.
PlacementChoice PlaceTextBlockLine(std::string_view line, std::string_view placeholder,
                                   std::size_t length);

namespace detail {

// The placeholder widened to a value of `length` characters, centred or aligned.
std::string CentredSearchText(std::string_view placeholder, std::size_t length);
std::string AlignedSearchText(std::string_view placeholder, std::size_t length);

// The label test on a line already in lower case, in front of `searchText`.
bool IsLoweredLabelLine(std::string_view loweredLine, std::string_view searchText);

}  // namespace detail
}  // namespace glyphwright
