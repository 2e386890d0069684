#include "render/repeated_replacement.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace glyphwright {
namespace {

// How many byte steps the faithful replay may take before the repetition is taken to be endless:
// a multiple of the longest result that replacing each original occurrence once could give.
// Ordinary texts, where each replacement consumes fresh input, stay far below it; only
// replacements that keep recreating the search text from their own output run into it.
std::uint64_t WorkAllowance(std::size_t textSize, std::size_t searchSize,
                            std::size_t replacementSize) {
    std::uint64_t growth = 1 + replacementSize / searchSize;
    growth = std::min<std::uint64_t>(growth, std::uint64_t{1} << 20);
    const std::uint64_t base = std::uint64_t{textSize} + replacementSize + searchSize + 64;
    return 16 * base * growth;
}

}  // namespace

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

// Replays the repetition left to right. The text at any moment is
//   done + pending + text[position..]
// where no occurrence of the search text starts inside `done`, and `pending` is what the last
// replacements wrote and has not been examined yet, kept reversed so that prepending a
// replacement costs only its own length. After each replacement the last search.size()-1 bytes
// of `done` go back to `pending`, because a new occurrence may begin there. The front of
// `pending` is then examined one byte at a time; once it is used up, the next occurrence can
// only lie in the untouched rest of the text, which a plain search finds.
std::string ReplaceRepeatedly(std::string_view text, std::string_view search,
                              std::string_view replacement) {
    if (search.empty()) return std::string(text);
    std::size_t first = FindText(text, search, 0);
    if (first == std::string_view::npos) return std::string(text);
    // A replacement that holds the search text finds it again at once, forever.
    if (replacement.find(search) != std::string_view::npos) {
        return ReplaceEachOnce(text, search, replacement);
    }

    const std::size_t overlap = search.size() - 1;
    const std::uint64_t allowance = WorkAllowance(text.size(), search.size(), replacement.size());
    std::uint64_t work = 0;

    std::string done;
    done.reserve(text.size());
    std::string pending;
    std::size_t position = 0;

    // Byte i of pending + text[position..], in reading order.
    auto byteAt = [&](std::size_t i) {
        return i < pending.size() ? pending[pending.size() - 1 - i]
                                  : text[position + (i - pending.size())];
    };

    for (;;) {
        if (pending.empty()) {
            // The occurrence found up front is the first one; later ones are searched for.
            const std::size_t hit =
                first != std::string_view::npos ? first : FindText(text, search, position);
            first = std::string_view::npos;
            if (hit == std::string_view::npos) {
                done.append(text, position, std::string_view::npos);
                return done;
            }
            done.append(text, position, hit - position);
            position = hit + search.size();
        } else {
            bool starts = pending.size() + (text.size() - position) >= search.size();
            std::size_t compared = 0;
            while (starts && compared < search.size()) {
                starts = byteAt(compared) == search[compared];
                ++compared;
            }
            work += compared + 1;
            if (!starts) {
                done.push_back(pending.back());
                pending.pop_back();
                if (work > allowance) return ReplaceEachOnce(text, search, replacement);
                continue;
            }
            const std::size_t fromPending = std::min(pending.size(), search.size());
            pending.resize(pending.size() - fromPending);
            position += search.size() - fromPending;
        }

        // What follows the occurrence stays; the replacement and the reopened tail of `done`
        // are put in front of it.
        pending.append(replacement.rbegin(), replacement.rend());
        const std::size_t reopened = std::min(done.size(), overlap);
        pending.append(done.rbegin(), done.rbegin() + static_cast<std::ptrdiff_t>(reopened));
        done.resize(done.size() - reopened);
        work += replacement.size() + reopened + 1;
        if (work > allowance) return ReplaceEachOnce(text, search, replacement);
    }
}

}  // namespace glyphwright
