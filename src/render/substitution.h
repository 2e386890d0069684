#pragma once
// Filling the single-line placeholders "{A}".."{Q}" of one template line, keeping the line's
// columns: a value takes over the blanks beside its placeholder instead of pushing the rest of
// the line to the right.

#include <array>
#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

namespace glyphwright {

// The engine's own tags in the order their values are taken. Everything sized by the number of
// single-line values (the tables below, the substitution's index) is sized from this list.
inline constexpr std::string_view kPlaceholderTagList[] = {
    "{A}", "{B}", "{C}", "{D}", "{E}", "{F}", "{G}", "{H}", "{I}",
    "{J}", "{K}", "{L}", "{M}", "{N}", "{O}", "{P}", "{Q}",
};

using FieldTable = std::array<std::string, std::size(kPlaceholderTagList)>;

// kPlaceholderTagList as a table of tags.
extern const FieldTable PlaceholderTags;

// Rewrites one template line (without its line break). Values are in the ANSI code page and are
// converted to OEM as they are placed; the template's own bytes are never converted. An empty
// value stands for three blanks. The values are taken by value so that nothing done to them
// reaches the caller's table.
std::string SubstituteLine(std::string_view line, const FieldTable& tags, FieldTable values);

}  // namespace glyphwright
