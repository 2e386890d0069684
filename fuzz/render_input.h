#pragma once
// How the rendering fuzz targets read their input: the values first, then "\x01\x01", then the
// template. Values are separated by 0x02; the 18th to 21st are the text blocks, their lines
// split at 0x03. Values can thus hold placeholders, blanks, colons, braces in any mix.

#include <string>
#include <string_view>
#include <vector>

#include "render/substitution.h"

namespace glyphwright::fuzzing {

struct RenderInput {
    FieldTable values;
    std::vector<std::string> blocks[4];
    std::string_view templateBytes;
};

inline std::vector<std::string> SplitBlock(std::string_view value) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t stop = value.find('\x03', start);
        lines.emplace_back(value.substr(start, stop - start));
        if (stop == std::string_view::npos) return lines;
        start = stop + 1;
    }
}

inline RenderInput SplitRenderInput(std::string_view data) {
    RenderInput input;
    const std::size_t cut = data.find("\x01\x01");
    std::string_view head =
        cut == std::string_view::npos ? std::string_view() : data.substr(0, cut);
    input.templateBytes = cut == std::string_view::npos ? data : data.substr(cut + 2);
    const std::size_t lineValues = input.values.size();
    for (std::size_t field = 0; !head.empty() && field < lineValues + 4; ++field) {
        const std::size_t end = head.find('\x02');
        const std::string_view value = head.substr(0, end);
        if (field < lineValues) {
            input.values[field] = std::string(value);
        } else {
            input.blocks[field - lineValues] = SplitBlock(value);
        }
        if (end == std::string_view::npos) break;
        head = head.substr(end + 1);
    }
    return input;
}

}  // namespace glyphwright::fuzzing
