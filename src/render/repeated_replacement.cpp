#include "render/repeated_replacement.h"

#include <algorithm>
#include <cstdint>

namespace glyphwright {
namespace {

// How much window work the faithful replay may spend before the repetition is taken to be
// endless. Ordinary texts, where each replacement consumes fresh input, stay far below it; only
// replacements that keep recreating the search text from their own output run into it.
std::uint64_t WorkAllowance(std::size_t textSize, std::size_t searchSize,
                            std::size_t replacementSize) {
    std::uint64_t growth = 1 + replacementSize / searchSize;
    growth = std::min<std::uint64_t>(growth, std::uint64_t{1} << 20);
    const std::uint64_t base =
        std::uint64_t{textSize} + replacementSize + searchSize + 64;
    return 16 * base * growth;
}

}  // namespace

std::string ReplaceEachOnce(std::string_view text, std::string_view search,
                            std::string_view replacement) {
    if (search.empty()) return std::string(text);
    std::string result;
    result.reserve(text.size());
    std::size_t position = 0;
    for (std::size_t hit = text.find(search); hit != std::string_view::npos;
         hit = text.find(search, position)) {
        result.append(text, position, hit - position);
        result.append(replacement);
        position = hit + search.size();
    }
    result.append(text, position, std::string_view::npos);
    return result;
}

// Replays the repetition left to right. The text at any moment is
//   done + carry + text[position..]
// where `done` holds no occurrence of the search text and is final except for its last
// search.size()-1 bytes, which are handed back to `carry` after each replacement because a new
// occurrence may begin there. `carry` is the short stretch just rewritten that has not been
// searched yet. The leftmost occurrence is therefore either in carry (plus a few bytes of the
// rest) or, failing that, the next one in the untouched rest of the text.
std::string ReplaceRepeatedly(std::string_view text, std::string_view search,
                              std::string_view replacement) {
    if (search.empty() || text.find(search) == std::string_view::npos) {
        return std::string(text);
    }
    // A replacement that holds the search text finds it again at once, forever.
    if (replacement.find(search) != std::string_view::npos) {
        return ReplaceEachOnce(text, search, replacement);
    }

    const std::size_t overlap = search.size() - 1;
    const std::uint64_t allowance = WorkAllowance(text.size(), search.size(), replacement.size());
    std::uint64_t work = 0;

    std::string done;
    done.reserve(text.size());
    std::string carry;
    std::string window;
    std::size_t position = 0;

    for (;;) {
        std::string remainderOfCarry;
        if (!carry.empty()) {
            window.assign(carry);
            window.append(text.substr(position, overlap));
            work += window.size();
            const std::size_t hit = window.find(search);
            if (hit == std::string::npos) {
                // Nothing starts inside carry, so it is final; look in the untouched rest.
                done.append(carry);
                carry.clear();
                continue;
            }
            done.append(window, 0, hit);
            const std::size_t end = hit + search.size();
            if (end <= carry.size()) {
                remainderOfCarry.assign(carry, end, std::string::npos);
            } else {
                position += end - carry.size();
            }
        } else {
            const std::size_t hit = text.find(search, position);
            if (hit == std::string_view::npos) {
                done.append(text, position, std::string_view::npos);
                return done;
            }
            done.append(text, position, hit - position);
            position = hit + search.size();
        }

        const std::size_t reopened = std::min(done.size(), overlap);
        std::string next(done, done.size() - reopened);
        next.append(replacement);
        next.append(remainderOfCarry);
        done.resize(done.size() - reopened);
        carry = std::move(next);
        work += carry.size();
        if (work > allowance) return ReplaceEachOnce(text, search, replacement);
    }
}

}  // namespace glyphwright
