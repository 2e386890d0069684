// Renders arbitrary template bytes with values taken from the input itself (render_input.h).
// Checks the properties that must hold whatever the input:
//   - the document never holds CR or NUL, and joining it gives CR LF after every line;
//   - a line without any of the 17 placeholders comes back unchanged;
//   - no placeholder is lost or duplicated: with values that hold no brace (and are not a single
//     byte, which could close a brace pair around it), the brace groups of a rendered line are
//     those of the template line, in order, less some of the 17 placeholders;
//   - every value that has room is placed: on a line whose one brace group is a placeholder, a
//     value whose search text the line holds (aligned, or centred on a line that is no label)
//     leaves no placeholder behind;
//   - each text block of m lines turns a template line into exactly m copies and leaves every
//     other line where it was.
// Any hang (a repetition that does not end) shows up as a libFuzzer timeout.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "render/brace_groups.h"
#include "render/document.h"
#include "render/field_layout.h"
#include "render/text.h"
#include "render_input.h"

namespace {

using namespace glyphwright;

void Require(bool condition) {
    if (!condition) std::abort();
}

std::vector<std::string> BraceGroups(const std::string& line) {
    std::vector<std::string> groups;
    for (std::size_t i = 0; i + 2 < line.size(); ++i) {
        if (line[i] == '{' && line[i + 2] == '}') groups.push_back(line.substr(i, 3));
    }
    return groups;
}

int TagIndex(std::string_view group) {
    for (std::size_t k = 0; k < PlaceholderTags.size(); ++k) {
        if (group == PlaceholderTags[k]) return static_cast<int>(k);
    }
    return -1;
}

bool ValuesKeepGroups(const FieldTable& values) {
    for (const std::string& value : values) {
        const std::string oem = AnsiToOem(value);
        if (oem.size() == 1 || oem.find_first_of("{}") != std::string::npos) return false;
    }
    return true;
}

// Whatever brace groups the rendering leaves are the template line's, in order: only
// placeholders may have gone.
void RequireOnlyPlaceholdersGone(const std::string& line, const std::string& rendered) {
    const std::vector<std::string> before = BraceGroups(line);
    const std::vector<std::string> after = BraceGroups(rendered);
    std::size_t j = 0;
    for (const std::string& group : before) {
        if (j < after.size() && after[j] == group) {
            ++j;
        } else {
            Require(TagIndex(group) >= 0);
        }
    }
    Require(j == after.size());
}

bool IsLabel(const std::string& line, const std::string& tag) {
    return MatchMask(line, "*:*" + tag + "*") || MatchMask(line, "*.." + tag + "*");
}

void RequirePlacedWhereRoom(const std::string& line, const std::string& rendered,
                            const FieldTable& values) {
    const std::vector<std::string> groups = BraceGroups(line);
    if (groups.size() != 1 || TagIndex(groups[0]) < 0) return;
    const std::string& tag = groups[0];
    const std::string& value = values[TagIndex(tag)];
    const std::size_t width = value.empty() ? 3 : value.size();
    const bool room =
        line.find(PadRight(tag, width)) != std::string::npos ||
        (!IsLabel(line, tag) && line.find(PadCenter(tag, width)) != std::string::npos);
    if (room) Require(BraceGroups(rendered).empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzzing::RenderInput input =
        fuzzing::SplitRenderInput(std::string_view(reinterpret_cast<const char*>(data), size));

    Document document = ParseDocument(input.templateBytes);
    std::size_t totalBytes = 0;
    for (const std::string& line : document) {
        Require(line.find('\r') == std::string::npos);
        Require(line.find('\0') == std::string::npos);
        totalBytes += line.size();
    }
    Require(totalBytes <= input.templateBytes.size());

    const bool keepsGroups = ValuesKeepGroups(input.values);
    for (std::string& line : document) {
        std::string rendered = SubstituteLine(line, PlaceholderTags, input.values);
        bool holdsPlaceholder = false;
        for (const std::string& group : BraceGroups(line)) holdsPlaceholder |= TagIndex(group) >= 0;
        if (!holdsPlaceholder) Require(rendered == line);
        if (keepsGroups) {
            RequireOnlyPlaceholdersGone(line, rendered);
            RequirePlacedWhereRoom(line, rendered, input.values);
        }
        line = std::move(rendered);
    }

    const char* tags[] = {"{R}", "{S}", "{T}", "{U}"};
    for (int b = 0; b < 4; ++b) {
        const std::vector<std::string>& lines = input.blocks[b];
        const std::size_t copies = lines.empty() ? 1 : lines.size();
        std::size_t expected = 0;
        std::size_t expectedBytes = 0;
        for (const std::string& line : document) {
            const bool holds = !line.empty() && HoldsGroupIgnoringCase(line, tags[b]);
            expected += holds ? copies : 1;
            expectedBytes += (holds ? copies : 1) * (line.size() + 16);
        }
        // Bound the growth: each block multiplies the lines that hold its placeholder, and a
        // rendering of hundreds of thousands of lines only tests the machine's patience.
        if (expected > 20000 || expectedBytes > (std::size_t{2} << 20)) return 0;
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
