#include "render/repeated_replacement.h"

#include <cstddef>

namespace glyphwright {
// Search texts of the renderer are mostly blanks around a placeholder, and template lines are
// mostly blanks too: looking for the first non-blank byte and checking around it skips the runs
// of blanks that a search for the leading blank would stop at, byte by byte.
std::size_t FindText(std::string_view text, std::string_view search, std::size_t from) {
    std::size_t anchor = search.find_first_not_of(' ');
    if (anchor == std::string_view::npos || search.empty()) return text.find(search, from);
    while (from <= text.size() && text.size() - from >= search.size()) {
        const std::size_t hit = text.find(search[anchor], from + anchor);
        if (hit == std::string_view::npos) return std::string_view::npos;
        const std::size_t start = hit - anchor;
        if (text.size() - start < search.size()) return std::string_view::npos;
        if (text.compare(start, search.size(), search) == 0) return start;
        from = start + 1;
    }
    return std::string_view::npos;
}

std::string ReplaceEachOnce(std::string_view text, std::string_view search,
                            std::string_view replacement) {
    if (search.empty()) return std::string(text);
    std::string result;
    result.reserve(text.size());
    std::size_t position = 0;
    for (std::size_t hit = FindText(text, search, 0); hit != std::string_view::npos;
         hit = FindText(text, search, position)) {
        result.append(text, position, hit - position);
        result.append(replacement);
        position = hit + search.size();
    }
    result.append(text, position, std::string_view::npos);
    return result;
}

}  // namespace glyphwright
