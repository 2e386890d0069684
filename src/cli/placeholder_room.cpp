#include "cli/placeholder_room.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "render/text.h"

namespace glyphwright::cli {
namespace {

constexpr std::size_t kTag = 3;
// Text-block placeholders starting at these characters (1-based) are centred.
constexpr std::size_t kCentreFirst = 31;
constexpr std::size_t kCentreLast = 49;

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

std::size_t AlignedRoom(std::string_view line, std::size_t column) {
    return kTag + BlanksAfter(line, column + kTag);
}

std::size_t CentredRoom(std::string_view line, std::size_t column) {
    // Extra width e is split e div 2 before and the rest (the odd blank) after.
    const std::size_t before = BlanksBefore(line, column);
    const std::size_t after = BlanksAfter(line, column + kTag);
    std::size_t extra = 2 * std::min(before, after);
    if (after >= 1) extra = std::max(extra, 2 * std::min(before, after - 1) + 1);
    return kTag + extra;
}

std::vector<PlaceholderRoom> FindPlaceholders(std::string_view line) {
    std::vector<PlaceholderRoom> found;
    // The label test holds for the line and letter, whichever occurrence: test each letter once.
    int labelLetters[21];
    std::fill(std::begin(labelLetters), std::end(labelLetters), -1);
    for (std::size_t i = 0; i + kTag <= line.size(); ++i) {
        if (line[i] != '{' || line[i + 2] != '}' || line[i + 1] < 'A' || line[i + 1] > 'U') continue;
        PlaceholderRoom room;
        room.column = i;
        room.letter = line[i + 1];
        room.centred = CentredRoom(line, i);
        room.aligned = AlignedRoom(line, i);
        room.textBlock = room.letter >= 'R';
        const std::string tag(line.substr(i, kTag));
        if (room.textBlock) {
            // The renderer's label test looks at the centred search text; a colon anywhere
            // before the placeholder or two dots right before it is what makes it true.
            const std::string_view head = line.substr(0, i);
            room.labelLine = head.find(':') != std::string_view::npos ||
                             (head.size() >= 2 && head.substr(head.size() - 2) == "..");
            const std::size_t position = i + 1;
            room.centredPlacement = !room.labelLine && position >= kCentreFirst && position <= kCentreLast;
        } else {
            int& known = labelLetters[room.letter - 'A'];
            if (known < 0) known = MatchMask(line, "*:*" + tag + "*") || MatchMask(line, "*.." + tag + "*");
            room.labelLine = known != 0;
            room.centredPlacement = !room.labelLine;
        }
        found.push_back(room);
        i += kTag - 1;
    }
    return found;
}

}  // namespace glyphwright::cli
