#pragma once
// Filling the single-line placeholders "{A}".."{Q}" of one template line, keeping the line's
// columns: a value takes over the blanks beside its placeholder instead of pushing the rest of
// the line to the right.

#include <array>
#include <string>
#include <string_view>

namespace glyphwright {

using FieldTable = std::array<std::string, 17>;

// "{A}", "{B}", ... "{Q}" in letter order.
extern const FieldTable PlaceholderTags;

// Rewrites one template line (without its line break). Values are in the ANSI code page and are
// converted to OEM as they are placed; the template's own bytes are never converted. An empty
// value stands for three blanks. The values are taken by value so that nothing done to them
// reaches the caller's table.
std::string SubstituteLine(std::string_view line, const FieldTable& tags, FieldTable values);

namespace detail {

// The same rewriting done the plain way: every tag of the table tested against the line in
// turn. SubstituteLine takes this road for any table other than PlaceholderTags; for that one it
// first finds which placeholders the line holds and gives the same bytes faster.
std::string SubstituteEachTag(std::string_view line, const FieldTable& tags, FieldTable values);

}  // namespace detail

}  // namespace glyphwright
