#include "render/substitution.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "render/brace_groups.h"
#include "render/mask_match.h"
#include "render/placed_value.h"
#include "render/placement.h"
#include "render/repeated_replacement.h"
#include "render/text.h"

namespace glyphwright {

const FieldTable PlaceholderTags = [] {
    FieldTable tags;
    for (std::size_t k = 0; k < tags.size(); ++k) tags[k] = std::string(kPlaceholderTagList[k]);
    return tags;
}();

namespace {

// Any brace group: lines without one are common in templates and skip all further tests.
constexpr std::string_view kBraceGroupMask = "*{?}*";

// Copying a long line only pays when there is something to replace.
bool ReplaceWherePresent(std::string& text, std::string_view search, std::string_view value) {
    if (FindText(text, search) == std::string_view::npos) return false;
    text = ReplaceEachOnce(text, search, value);
    return true;
}

// --- The fast path for tables of brace groups ---------------------------------------------

constexpr std::size_t kFieldCount = std::tuple_size<FieldTable>::value;

using TagSet = std::uint32_t;  // bit k stands for the table's tag k
static_assert(kFieldCount <= 32, "a tag set holds a bit for every tag of the table");

constexpr TagSet Bit(std::size_t k) { return TagSet{1} << k; }

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Which tag a brace group's letter names, read off the tags themselves. A table qualifies when
// every tag is a brace group of its own letter whose letter is no mask wildcard and no brace:
// then an occurrence of one tag can overlap no other, and the mask tests of each tag come down
// to the questions the fast path asks of each brace group. Any other table goes the plain way.
class LetterIndex {
  public:
    explicit LetterIndex(const FieldTable& tags) {
        std::fill(std::begin(exact_), std::end(exact_), static_cast<std::uint8_t>(kFieldCount));
        TagSet byLowered[256] = {};
        for (std::size_t k = 0; k < tags.size(); ++k) {
            const std::string& tag = tags[k];
            if (tag.size() != 3 || tag[0] != '{' || tag[2] != '}') return;
            const auto letter = static_cast<unsigned char>(tag[1]);
            if (std::string_view("{}*?").find(tag[1]) != std::string_view::npos ||
                exact_[letter] != kFieldCount)
                return;
            exact_[letter] = static_cast<std::uint8_t>(k);
            byLowered[static_cast<unsigned char>(detail::AnsiLowerByte(tag[1]))] |= Bit(k);
        }
        for (std::size_t byte = 0; byte < 256; ++byte) {
            const char lowered = detail::AnsiLowerByte(static_cast<char>(byte));
            lowered_[byte] = byLowered[static_cast<unsigned char>(lowered)];
        }
        usable_ = true;
    }

    bool Usable() const { return usable_; }

    // The tag whose letter this is exactly, or kNone.
    std::size_t Exact(char letter) const {
        const std::size_t tag = exact_[static_cast<unsigned char>(letter)];
        return tag == kFieldCount ? kNone : tag;
    }

    // The tags whose letter this is in ANSI lower case: the letter of an occurrence as the
    // line tests see it.
    TagSet Lowered(char letter) const { return lowered_[static_cast<unsigned char>(letter)]; }

  private:
    std::uint8_t exact_[256];
    TagSet lowered_[256] = {};
    bool usable_ = false;
};

const LetterIndex& PlaceholderTagsIndex() {
    static const LetterIndex index(PlaceholderTags);
    return index;
}

// Where the placeholders' exact bytes stand in the text being rewritten, in text order, each
// tag's occurrences chained so that its turn visits only them. Only these can be replaced, and
// as a placeholder cannot overlap another, each search-text match holds exactly one of them.
struct Occurrence {
    std::size_t at;
    std::size_t tag;
    std::size_t next = kNone;  // the same tag's next occurrence
    bool taken = false;        // replaced by its value
};

struct Occurrences {
    std::vector<Occurrence> list;
    std::size_t first[kFieldCount];
    std::size_t last[kFieldCount];

    Occurrences() { Clear(); }
    void Clear() {
        list.clear();
        std::fill(std::begin(first), std::end(first), kNone);
        std::fill(std::begin(last), std::end(last), kNone);
    }
    void NoteIfTag(const LetterIndex& letters, std::string_view text, std::size_t at) {
        const std::size_t tag = letters.Exact(text[at + 1]);
        if (tag == kNone) return;
        const std::size_t index = list.size();
        list.push_back({at, tag});
        (last[tag] == kNone ? first[tag] : list[last[tag]].next) = index;
        last[tag] = index;
    }
    bool Holds(std::size_t tag) const {
        for (std::size_t i = first[tag]; i != kNone; i = list[i].next) {
            if (!list[i].taken) return true;
        }
        return false;
    }
};

void FindTags(const LetterIndex& index, std::string_view text, Occurrences& found) {
    found.Clear();
    ForEachBraceGroup(text, [&](std::size_t at) { found.NoteIfTag(index, text, at); });
}

// The one pass over the line's brace groups: where the tags stand, and what the mask tests of
// every tag answer for the line as it came in. The masks only ever ask whether some occurrence
// (in any case) has a colon somewhere before it, two dots right before it, or enough blanks
// right after it.
struct LineFacts {
    Occurrences exact;
    TagSet occurs = 0;
    TagSet label = 0;
    std::size_t blanksAfter[kFieldCount] = {};  // the most blanks after one occurrence
};

void ReadLine(const LetterIndex& index, std::string_view line, LineFacts& facts) {
    const LabelMarks marks(line);
    ForEachBraceGroup(line, [&](std::size_t at) {
        facts.exact.NoteIfTag(index, line, at);
        const TagSet tags = index.Lowered(line[at + 1]);
        if (tags == 0) return;
        const std::size_t blanks = BlanksAfterPlaceholder(line, at);
        facts.occurs |= tags;
        if (marks.Before(at)) facts.label |= tags;
        for (std::size_t k = 0; k < kFieldCount; ++k) {
            if ((tags & Bit(k)) && blanks > facts.blanksAfter[k]) facts.blanksAfter[k] = blanks;
        }
    });
}

bool BlanksAt(std::string_view text, std::size_t from, std::size_t count) {
    if (from > text.size() || text.size() - from < count) return false;
    for (std::size_t i = 0; i < count; ++i) {
        if (text[from + i] != ' ') return false;
    }
    return true;
}

// ReplaceEachOnce of the search text made of `before` blanks, the tag and `after` blanks: each
// match is an occurrence of the tag with those blanks around it, taken left to right, each
// search going on after the previous match. A value as long as the search text is written over
// it; a shorter one (one or two bytes, whose search text is the bare tag) is spliced in, and
// the later occurrences move with the text.
void Place(std::string& text, Occurrences& found, std::size_t tag, std::string_view value,
           std::size_t before, std::size_t after) {
    const std::size_t searchSize = before + 3 + after;
    std::vector<std::size_t> matched;
    std::size_t from = 0;
    for (std::size_t i = found.first[tag]; i != kNone; i = found.list[i].next) {
        Occurrence& occurrence = found.list[i];
        const std::size_t at = occurrence.at;
        if (occurrence.taken || at < before || at - before < from) continue;
        if (!BlanksAt(text, at - before, before) || !BlanksAt(text, at + 3, after)) continue;
        occurrence.taken = true;
        from = at + 3 + after;
        if (value.size() == searchSize) {
            text.replace(at - before, searchSize, value);
        } else {
            matched.push_back(i);
        }
    }
    if (matched.empty()) return;

    std::string spliced;
    spliced.reserve(text.size());
    std::size_t copied = 0;
    std::size_t removed = 0;
    std::size_t next = 0;
    for (std::size_t i = 0; i < found.list.size(); ++i) {
        Occurrence& occurrence = found.list[i];
        if (next < matched.size() && matched[next] == i) {
            spliced.append(text, copied, occurrence.at - before - copied);
            spliced.append(value);
            copied = occurrence.at - before + searchSize;
            removed += searchSize - value.size();
            ++next;
        } else if (!occurrence.taken) {
            occurrence.at -= removed;
        }
    }
    spliced.append(text, copied, std::string::npos);
    text = std::move(spliced);
}

// A value of two or more bytes without a brace can neither hold a brace group nor form one
// with the bytes around it, so placing it moves the known occurrences at most. Any other value
// goes the plain way, and the occurrences are looked for afresh once it has changed the text.
std::string SubstitutePresentTags(const LetterIndex& index, std::string_view line,
                                  const FieldTable& tags, const FieldTable& values) {
    LineFacts facts;
    ReadLine(index, line, facts);
    Occurrences& found = facts.exact;
    if (found.list.empty()) return std::string(line);

    std::string result(line);
    for (std::size_t k = 0; k < kFieldCount; ++k) {
        if (!found.Holds(k)) continue;
        const std::string_view tag = tags[k];
        const std::string_view value = values[k].empty() ? detail::kEmptyValue : values[k];
        const std::string oem = detail::PlacedValue(value);
        const std::size_t width = value.size();
        const bool centre = !(facts.label & Bit(k));
        const std::size_t blanks = width > tag.size() ? width - tag.size() : 0;
        const bool align = (facts.occurs & Bit(k)) && facts.blanksAfter[k] >= blanks;

        if (oem.size() >= 2 && oem.find('{') == std::string::npos &&
            oem.find('}') == std::string::npos) {
            if (centre) Place(result, found, k, oem, blanks / 2, blanks - blanks / 2);
            if (align) Place(result, found, k, oem, 0, blanks);
            continue;
        }
        bool replaced = false;
        if (centre) replaced |= ReplaceWherePresent(result, PadCenter(tag, width), oem);
        if (align) replaced |= ReplaceWherePresent(result, PadRight(tag, width), oem);
        if (replaced) FindTags(index, result, found);
    }
    return result;
}

}  // namespace

namespace detail {

// The plain road: every tag of the table tested against the line in turn. SubstituteLine takes
// it for a table the letter index does not take; the fuzz target that holds the fast path to
// it declares it for itself.
std::string SubstituteEachTag(std::string_view line, const FieldTable& tags, FieldTable values);

std::string SubstituteEachTag(std::string_view line, const FieldTable& tags, FieldTable values) {
    if (!MatchMask(line, kBraceGroupMask)) return std::string(line);

    // Every test looks at the line as it came in; only the replacements see the rewritten one.
    const std::string loweredLine = AnsiLowerCopy(line);
    std::string result(line);
    for (std::size_t k = 0; k < tags.size(); ++k) {
        const std::string_view tag = tags[k];
        if (values[k].empty()) values[k] = kEmptyValue;
        const std::string oem = PlacedValue(values[k]);
        const std::size_t width = values[k].size();

        // A single-line value's label test looks at the bare placeholder, whatever its length.
        if (!IsLoweredLabelLine(loweredLine, tag)) {
            ReplaceWherePresent(result, CentredSearchText(tag, width), oem);
        }
        // Every occurrence falls back to the aligned form, tested on the line as it came in.
        const std::string aligned = AlignedSearchText(tag, width);
        if (MatchLoweredMask(loweredLine, AnsiLowerCopy("*" + aligned + "*"))) {
            ReplaceWherePresent(result, aligned, oem);
        }
    }
    return result;
}

}  // namespace detail

std::string SubstituteLine(std::string_view line, const FieldTable& tags, FieldTable values) {
    // The program's own table is indexed once; any other is indexed for the call.
    if (&tags == &PlaceholderTags)
        return SubstitutePresentTags(PlaceholderTagsIndex(), line, tags, values);
    const LetterIndex index(tags);
    if (index.Usable()) return SubstitutePresentTags(index, line, tags, values);
    return detail::SubstituteEachTag(line, tags, std::move(values));
}

}  // namespace glyphwright
