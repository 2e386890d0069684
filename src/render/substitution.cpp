#include "render/substitution.h"

#include "render/mask_match.h"
#include "render/placed_value.h"
#include "render/repeated_replacement.h"
#include "render/text.h"

namespace glyphwright {

const FieldTable PlaceholderTags = {
    "{A}", "{B}", "{C}", "{D}", "{E}", "{F}", "{G}", "{H}", "{I}",
    "{J}", "{K}", "{L}", "{M}", "{N}", "{O}", "{P}", "{Q}",
};

namespace {

// Any brace group: lines without one are common in templates and skip all further tests.
constexpr std::string_view kBraceGroupMask = "*{?}*";

std::string Mask(std::string_view before, std::string_view middle, std::string_view after) {
    std::string mask(before);
    mask.append(middle);
    mask.append(after);
    return detail::AnsiLowerCopy(mask);
}

// A colon anywhere before the placeholder, or two dots directly before it, marks a label: the
// value then starts at the placeholder instead of being centred over it.
// Copying a long line only pays when there is something to replace.
void ReplaceWherePresent(std::string& text, std::string_view search, std::string_view value) {
    if (FindText(text, search) != std::string_view::npos) {
        text = ReplaceEachOnce(text, search, value);
    }
}

bool IsLabelLine(std::string_view loweredLine, std::string_view tag) {
    return detail::MatchLoweredMask(loweredLine, Mask("*:*", tag, "*")) ||
           detail::MatchLoweredMask(loweredLine, Mask("*..", tag, "*"));
}

}  // namespace

std::string SubstituteLine(std::string_view line, const FieldTable& tags, FieldTable values) {
    if (!MatchMask(line, kBraceGroupMask)) return std::string(line);

    // Every test looks at the line as it came in; only the replacements see the rewritten one.
    const std::string loweredLine = detail::AnsiLowerCopy(line);
    std::string result(line);
    for (std::size_t k = 0; k < tags.size(); ++k) {
        const std::string_view tag = tags[k];
        if (values[k].empty()) values[k] = detail::kEmptyValue;
        const std::string oem = detail::PlacedValue(values[k]);
        const std::size_t width = values[k].size();

        if (!IsLabelLine(loweredLine, tag)) {
            ReplaceWherePresent(result, PadCenter(tag, width), oem);
        }
        const std::string aligned = PadRight(tag, width);
        if (detail::MatchLoweredMask(loweredLine, Mask("*", aligned, "*"))) {
            ReplaceWherePresent(result, aligned, oem);
        }
    }
    return result;
}

}  // namespace glyphwright
