#include "render/mask_match.h"

#include "platform/codepage.h"
#include "render/repeated_replacement.h"

namespace glyphwright::detail {
namespace {

constexpr char kAnyRun = '*';
constexpr char kAnyOne = '?';

bool SegmentMatchesAt(std::string_view text, std::size_t at, std::string_view segment) {
    for (std::size_t i = 0; i < segment.size(); ++i) {
        if (segment[i] != kAnyOne && segment[i] != text[at + i]) return false;
    }
    return true;
}

// Leftmost place at or after `from` where the segment matches and ends by `limit`.
std::size_t FindSegment(std::string_view text, std::size_t from, std::size_t limit,
                        std::string_view segment) {
    if (limit < from || limit - from < segment.size()) return std::string_view::npos;
    const std::string_view window = text.substr(0, limit);
    const std::size_t anchor = segment.find_first_not_of(kAnyOne);
    if (anchor == std::string_view::npos) return from;  // only '?': any place with room fits
    if (segment.find(kAnyOne) == std::string_view::npos) return FindText(window, segment, from);

    // Jump between occurrences of the first literal byte rather than trying every position.
    const std::size_t lastStart = limit - segment.size();
    std::size_t start = from;
    while (start <= lastStart) {
        const std::size_t hit = window.find(segment[anchor], start + anchor);
        if (hit == std::string_view::npos || hit - anchor > lastStart) break;
        start = hit - anchor;
        if (SegmentMatchesAt(text, start, segment)) return start;
        ++start;
    }
    return std::string_view::npos;
}

}  // namespace

std::string AnsiLowerCopy(std::string_view text) {
    std::string lowered(text);
    platform::AnsiLowerInPlace(lowered.data(), lowered.size());
    return lowered;
}

// Each run between stars is placed at its leftmost possible position; since a star absorbs any
// gap, the leftmost choice never rules out a match that a later choice would allow. That keeps
// the test at one left-to-right search per run, with no backtracking across stars.
bool MatchLoweredMask(std::string_view text, std::string_view mask) {
    const std::size_t firstStar = mask.find(kAnyRun);
    if (firstStar == std::string_view::npos) {
        return text.size() == mask.size() && SegmentMatchesAt(text, 0, mask);
    }
    const std::size_t lastStar = mask.rfind(kAnyRun);
    const std::string_view head = mask.substr(0, firstStar);
    const std::string_view tail = mask.substr(lastStar + 1);
    if (head.size() + tail.size() > text.size()) return false;
    if (!SegmentMatchesAt(text, 0, head)) return false;
    const std::size_t limit = text.size() - tail.size();
    if (!SegmentMatchesAt(text, limit, tail)) return false;

    std::size_t position = head.size();
    std::size_t segmentStart = firstStar + 1;
    while (segmentStart < lastStar) {
        std::size_t segmentEnd = mask.find(kAnyRun, segmentStart);
        const std::string_view segment = mask.substr(segmentStart, segmentEnd - segmentStart);
        segmentStart = segmentEnd + 1;
        if (segment.empty()) continue;
        const std::size_t found = FindSegment(text, position, limit, segment);
        if (found == std::string_view::npos) return false;
        position = found + segment.size();
    }
    return true;
}

}  // namespace glyphwright::detail
