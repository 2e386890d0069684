#include "cli/placeholder_room.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "model/placeholder_table.h"
#include "render/placement.h"

namespace glyphwright::cli {
namespace {

constexpr std::size_t kTag = 3;

bool IsPlaceholderAt(std::string_view line, std::size_t i) {
    return line[i] == '{' && line[i + 2] == '}' && IsPlaceholderLetter(line[i + 1]);
}

// The engine's answers depend on the line, the placeholder and the length only, so a line
// holding the same placeholder many times asks once per length.
class LinePlacements {
public:
    explicit LinePlacements(std::string_view line) : line_(line) {}

    const PlacementChoice& Choice(char letter, std::size_t length) {
        auto found = choices_.find({letter, length});
        if (found != choices_.end()) return found->second;
        const std::string tag = PlaceholderTag(letter);
        PlacementChoice choice = IsTextBlock(letter) ? line_.TextBlockLine(tag, length)
                                                     : line_.SingleLineValue(tag, length);
        return choices_.emplace(std::make_pair(letter, length), std::move(choice)).first->second;
    }

    // The longest length from `room` down that the renderer places (the bare placeholder's
    // width when none is).
    std::size_t PlacedUpTo(char letter, std::size_t room) {
        std::size_t length = room;
        while (length > kTag && Choice(letter, length).placement == Placement::NotPlaced) --length;
        return length;
    }

private:
    const PlacementLine line_;
    std::map<std::pair<char, std::size_t>, PlacementChoice> choices_;
};

}  // namespace

std::vector<PlaceholderRoom> FindPlaceholders(std::string_view line) {
    std::vector<PlaceholderRoom> found;
    LinePlacements placements(line);
    for (std::size_t i = 0; i + kTag <= line.size(); ++i) {
        if (!IsPlaceholderAt(line, i)) continue;
        PlaceholderRoom room;
        room.column = i;
        room.letter = line[i + 1];
        const ValueRoom fits = RoomAt(line, i);
        room.centred = fits.centred;
        room.aligned = fits.aligned;
        room.textBlock = IsTextBlock(room.letter);
        // The placement a value as wide as the placeholder gets.
        const PlacementChoice& bare = placements.Choice(room.letter, kTag);
        room.labelLine = bare.labelLine;
        room.centredPlacement = bare.placement == Placement::Centred;
        // A single-line value that does not fit centred falls back to the aligned form; a
        // text-block line has no fallback.
        const std::size_t promised = !room.centredPlacement ? room.aligned
                                     : room.textBlock       ? room.centred
                                                            : std::max(room.centred, room.aligned);
        room.placedUpTo = placements.PlacedUpTo(room.letter, promised);
        found.push_back(room);
        i += kTag - 1;
    }
    return found;
}

}  // namespace glyphwright::cli
