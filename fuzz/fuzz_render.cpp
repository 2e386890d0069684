// Renders arbitrary template bytes with values taken from the input itself, so values can hold
// placeholders, blanks, colons, braces and line breaks in any mix. Checks the properties that
// must hold whatever the input:
//   - the document never holds CR or NUL, and joining it gives CR LF after every line;
//   - a line without any brace group comes back unchanged;
//   - each text block of m lines turns a template line into exactly m copies and leaves every
//     other line where it was.
// Any hang (a repetition that does not end) shows up as a libFuzzer timeout.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "render/document.h"
#include "render/field_layout.h"
#include "render/mask_match.h"
#include "render/substitution.h"
#include "render/text.h"

namespace {

using namespace glyphwright;

// Splits the input at the first "\x01\x01": the values come before it, the template after.
// Values are separated by 0x02; a value with a 0x03 in it is a text block, its lines split at
// 0x03.
struct Input {
    FieldTable values;
    std::vector<std::string> blocks[4];
    std::string_view templateBytes;
};

Input Split(std::string_view data) {
    Input input;
    std::size_t cut = data.find("\x01\x01");
    std::string_view head =
        cut == std::string_view::npos ? std::string_view() : data.substr(0, cut);
    input.templateBytes = cut == std::string_view::npos ? data : data.substr(cut + 2);
    std::size_t field = 0;
    std::size_t block = 0;
    while (!head.empty() && field < 21) {
        std::size_t end = head.find('\x02');
        std::string_view value = head.substr(0, end);
        if (field < 17) {
            input.values[field] = std::string(value);
        } else {
            std::vector<std::string>& lines = input.blocks[block++];
            std::size_t start = 0;
            for (;;) {
                std::size_t stop = value.find('\x03', start);
                lines.emplace_back(value.substr(start, stop - start));
                if (stop == std::string_view::npos) break;
                start = stop + 1;
            }
        }
        ++field;
        if (end == std::string_view::npos) break;
        head = head.substr(end + 1);
    }
    return input;
}

void Require(bool condition) {
    if (!condition) std::abort();
}

bool HasBraceGroup(const std::string& line) {
    for (std::size_t i = 0; i + 2 < line.size(); ++i) {
        if (line[i] == '{' && line[i + 2] == '}') return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Input input = Split(std::string_view(reinterpret_cast<const char*>(data), size));

    Document document = ParseDocument(input.templateBytes);
    std::size_t totalBytes = 0;
    for (const std::string& line : document) {
        Require(line.find('\r') == std::string::npos);
        Require(line.find('\0') == std::string::npos);
        totalBytes += line.size();
    }
    Require(totalBytes <= input.templateBytes.size());

    for (std::string& line : document) {
        std::string rendered = SubstituteLine(line, PlaceholderTags, input.values);
        if (!HasBraceGroup(line)) Require(rendered == line);
        line = std::move(rendered);
    }

    const char* tags[] = {"{R}", "{S}", "{T}", "{U}"};
    for (int b = 0; b < 4; ++b) {
        const std::vector<std::string>& lines = input.blocks[b];
        const std::size_t copies = lines.empty() ? 1 : lines.size();
        std::size_t expected = 0;
        std::size_t expectedBytes = 0;
        for (const std::string& line : document) {
            const bool holds =
                !line.empty() && detail::AnsiLowerCopy(line).find(detail::AnsiLowerCopy(tags[b])) !=
                                     std::string::npos;
            expected += holds ? copies : 1;
            expectedBytes += (holds ? copies : 1) * (line.size() + 16);
        }
        // Bound the growth: each block multiplies the lines that hold its placeholder.
        if (expected > 200000 || expectedBytes > (std::size_t{16} << 20)) return 0;
        ExpandTextBlock(document, tags[b], lines);
        Require(document.size() == expected);
    }

    const std::string text = DocumentText(document);
    std::size_t breaks = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2)) {
        ++breaks;
    }
    Require(breaks >= document.size());
    Require(text.size() >= 2 * document.size());
    return 0;
}
