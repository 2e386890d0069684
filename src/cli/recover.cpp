#include "cli/recover.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>

#include "cli/cli_render.h"
#include "cli/cp437_unicode.h"
#include "model/date_text.h"
#include "model/placeholder_table.h"
#include "model/release_record.h"
#include "platform/codepage.h"
#include "platform/locale.h"
#include "platform/profile_text.h"
#include "render/brace_groups.h"
#include "render/document.h"
#include "render/field_layout.h"
#include "render/substitution.h"
#include "render/text.h"

namespace glyphwright::cli {
namespace {

using std::to_string;
constexpr std::size_t kTagWidth = 3;
constexpr std::uint32_t kUnreachable = 0x3FFFFFFF;

Finding Say(const std::string& file, std::size_t line, Severity severity, const char* code,
            std::string message) {
    return Finding{file, line, 0, severity, code, std::move(message)};
}

bool IsBlockLetter(char letter) { return IsTextBlock(letter); }
bool IsLineLetter(char letter) { return IsPlaceholderLetter(letter) && !IsTextBlock(letter); }

// --- Code pages -----------------------------------------------------------------------------

// The project holds values in the system's ANSI code page; the file holds them in the OEM
// one. Each OEM byte goes back to the ANSI byte that maps to it, the same byte first when it
// maps to itself; a byte nothing maps to has no way back.
class OemToAnsi {
  public:
    OemToAnsi() {
        for (int b = 255; b >= 0; --b) {
            char byte = static_cast<char>(b);
            platform::AnsiToOemInPlace(&byte, 1);
            const auto oem = static_cast<unsigned char>(byte);
            if (!back_[oem] || oem == b) back_[oem] = static_cast<unsigned char>(b);
            known_[oem] = true;
        }
    }
    // The value in ANSI; `lost` gets the first OEM byte that has no counterpart.
    std::string Convert(std::string_view oem, std::optional<unsigned char>& lost) const {
        std::string ansi(oem);
        for (char& c : ansi) {
            const auto byte = static_cast<unsigned char>(c);
            if (!known_[byte]) {
                if (!lost) lost = byte;
                c = '?';
            } else {
                c = static_cast<char>(back_[byte]);
            }
        }
        return ansi;
    }

  private:
    std::array<unsigned char, 256> back_{};
    std::array<bool, 256> known_{};
};

const OemToAnsi& ToAnsi() {
    static const OemToAnsi table;
    return table;
}

// --- Lines of the template against lines of the file ----------------------------------------

struct Occurrence {
    std::size_t at;
    char letter;
};

// The placeholders the renderer replaces, where they stand: "{A}".."{Q}", and in an NFO the
// text blocks' "{R}".."{U}".
std::vector<Occurrence> OccurrencesIn(std::string_view line, bool blocks) {
    std::vector<Occurrence> found;
    ForEachBraceGroup(line, [&](std::size_t at) {
        const char letter = line[at + 1];
        if (IsLineLetter(letter) || (blocks && IsBlockLetter(letter)))
            found.push_back({at, letter});
    });
    return found;
}

// A template line as what its filled lines must look like: its text with a hole for each
// placeholder and the blanks beside it, where a value may stand. A filled line never grows
// (values take blanks) and shrinks by at most two bytes a placeholder (a value of one byte).
class LinePattern {
  public:
    LinePattern(std::string line, bool blocks) : line_(std::move(line)) {
        const std::vector<Occurrence> found = OccurrencesIn(line_, blocks);
        tags_ = found.size();
        std::size_t from = 0;
        for (const Occurrence& o : found) {
            std::size_t start = o.at;
            while (start > from && line_[start - 1] == ' ') --start;
            std::size_t end = o.at + kTagWidth;
            while (end < line_.size() && line_[end] == ' ') ++end;
            if (start < from) start = from;  // joins the hole before
            if (!segments_.empty() && start == from && from > 0) {
                from = end;
                continue;
            }
            segments_.push_back(line_.substr(from, start - from));
            from = end;
        }
        segments_.push_back(line_.substr(from));
    }

    bool Matches(std::string_view filled) const {
        if (tags_ == 0) return filled == line_;
        if (filled.size() > line_.size() || filled.size() + 2 * tags_ < line_.size()) return false;
        const std::string& front = segments_.front();
        const std::string& back = segments_.back();
        if (front.size() + back.size() > filled.size() || filled.compare(0, front.size(), front) != 0 ||
            filled.compare(filled.size() - back.size(), back.size(), back) != 0)
            return false;
        std::size_t at = front.size();
        const std::size_t end = filled.size() - back.size();
        for (std::size_t s = 1; s + 1 < segments_.size(); ++s) {
            const std::size_t found = filled.find(segments_[s], at);
            if (found == std::string_view::npos || found + segments_[s].size() > end) return false;
            at = found + segments_[s].size();
        }
        return true;
    }

  private:
    std::string line_;
    std::size_t tags_ = 0;
    std::vector<std::string> segments_;
};

// Which filled lines each template line became: one for a plain line, one per copy for a line
// that holds a text block; none for a line the file lacks. Lines of the file that no template
// line explains (edited in by hand) belong to none.
using Alignment = std::vector<std::vector<std::size_t>>;

// A least-cost alignment: a filled line that does not match its template line, a template line
// missing from the file and a line added to it cost one each; a further copy of a text-block
// line costs nothing. With `copies`, each text-block line takes exactly that many lines. The
// search keeps to a band around the diagonal wide enough for the copies and some edits.
std::optional<Alignment> Align(const std::vector<LinePattern>& patterns, const std::vector<std::size_t>& blockLine,
                               const Document& filled, const std::vector<std::size_t>* copies) {
    const std::size_t n = patterns.size(), m = filled.size();
    const long slack = 64;
    const long low = std::min<long>(0, static_cast<long>(m) - static_cast<long>(n)) - slack;
    const long high = std::max<long>(0, static_cast<long>(m) - static_cast<long>(n)) + slack;
    const std::size_t width = static_cast<std::size_t>(high - low + 1);
    if ((n + 1) > (std::size_t(24) << 20) / width) return std::nullopt;  // too far apart to follow
    // Layer 0: the last template line is done; layer 1: it holds a block and took a copy last.
    std::vector<std::uint32_t> cost(2 * (n + 1) * width, kUnreachable);
    std::vector<std::uint8_t> from(2 * (n + 1) * width, 0);
    auto cell = [&](int layer, std::size_t i, std::size_t j) -> long {
        const long d = static_cast<long>(j) - static_cast<long>(i);
        if (d < low || d > high) return -1;
        return static_cast<long>((static_cast<std::size_t>(layer) * (n + 1) + i) * width +
                                 static_cast<std::size_t>(d - low));
    };
    auto relax = [&](int layer, std::size_t i, std::size_t j, std::uint32_t value, std::uint8_t move) {
        const long at = cell(layer, i, j);
        if (at < 0 || value >= cost[static_cast<std::size_t>(at)]) return;
        cost[static_cast<std::size_t>(at)] = value;
        from[static_cast<std::size_t>(at)] = move;
    };
    auto miss = [&](std::size_t i, std::size_t j) { return patterns[i].Matches(filled[j]) ? 0u : 1u; };
    cost[static_cast<std::size_t>(cell(0, 0, 0))] = 0;
    for (std::size_t i = 0; i <= n; ++i) {
        const std::size_t jFirst = static_cast<std::size_t>(std::max<long>(0, static_cast<long>(i) + low));
        const std::size_t jLast = static_cast<std::size_t>(std::min<long>(static_cast<long>(m), static_cast<long>(i) + high));
        for (std::size_t j = jFirst; j <= jLast; ++j) {
            for (int layer = 0; layer < 2; ++layer) {
                const long at = cell(layer, i, j);
                if (at < 0) continue;
                const std::uint32_t here = cost[static_cast<std::size_t>(at)];
                if (here >= kUnreachable) continue;
                const std::uint8_t tag = static_cast<std::uint8_t>(layer << 4);
                if (i < n) {
                    const bool block = blockLine[i] > 0;
                    if (block && copies) {
                        const std::size_t take = (*copies)[i];
                        if (j + take <= m) {
                            std::uint32_t c = here;
                            for (std::size_t k = 0; k < take; ++k) c += miss(i, j + k);
                            relax(0, i + 1, j + take, c, tag | 1);
                        }
                    } else if (j < m) {
                        relax(block ? 1 : 0, i + 1, j + 1, here + miss(i, j), tag | 1);
                    }
                    relax(0, i + 1, j, here + 1, tag | 2);  // the file lacks the line
                }
                if (j < m) {
                    if (layer == 1 && patterns[i - 1].Matches(filled[j])) relax(1, i, j + 1, here, tag | 3);
                    relax(0, i, j + 1, here + 1, tag | 4);  // a line added by hand
                }
            }
        }
    }
    Alignment aligned(n);
    long end0 = cell(0, n, m), end1 = cell(1, n, m);
    if (end0 < 0) return std::nullopt;
    int layer = cost[static_cast<std::size_t>(end1)] < cost[static_cast<std::size_t>(end0)] ? 1 : 0;
    std::size_t i = n, j = m;
    while (i > 0 || j > 0) {
        const std::uint8_t move = from[static_cast<std::size_t>(cell(layer, i, j))];
        const int previous = move >> 4;
        switch (move & 15) {
            case 1: {
                const std::size_t take = blockLine[i - 1] > 0 && copies ? (*copies)[i - 1] : 1;
                for (std::size_t k = take; k > 0; --k) aligned[i - 1].push_back(j - k);
                --i;
                j -= take;
                break;
            }
            case 2: --i; break;
            case 3: aligned[i - 1].push_back(--j); break;
            case 4: --j; break;
            default: return std::nullopt;
        }
        layer = previous;
    }
    for (std::vector<std::size_t>& lines : aligned) std::sort(lines.begin(), lines.end());
    return aligned;
}

// --- Values out of one filled line -----------------------------------------------------------

// One way a filled line came from its template line: for each placeholder in it, the value
// laid in (in the file's code page), or nothing where the placeholder stayed.
using Reading = std::vector<std::optional<std::string>>;

class LineReader {
  public:
    LineReader(std::string_view templateLine, std::string_view filled, std::vector<Occurrence> occurrences)
        : t_(templateLine), f_(filled), occ_(std::move(occurrences)) {}

    // The readings in order of preference: the shortest values first, since blanks after a
    // value cannot be told from the blanks it stands in.
    std::vector<Reading> Read() {
        Reading reading(occ_.size());
        Step(0, 0, 0, reading);
        return std::move(found_);
    }

  private:
    bool SameAs(std::size_t tFrom, std::size_t tTo, std::size_t shift) const {
        if (tTo < tFrom) return false;
        if (tFrom < shift || tTo - shift > f_.size()) return false;
        return t_.substr(tFrom, tTo - tFrom) == f_.substr(tFrom - shift, tTo - tFrom);
    }

    void Step(std::size_t i, std::size_t tFrom, std::size_t shift, Reading& reading) {
        if (found_.size() >= 8 || ++steps_ > 20000) return;
        if (i == occ_.size()) {
            if (f_.size() + shift == t_.size() && SameAs(tFrom, t_.size(), shift)) found_.push_back(reading);
            return;
        }
        const std::size_t p = occ_[i].at;
        if (p < tFrom || p < shift) return;
        const std::size_t limit = i + 1 < occ_.size() ? occ_[i + 1].at : t_.size();
        std::size_t runStart = p, runEnd = p + kTagWidth;
        while (runStart > tFrom && t_[runStart - 1] == ' ') --runStart;
        while (runEnd < limit && t_[runEnd] == ' ') ++runEnd;
        // The value must cover every byte the file has beside the placeholder within its blanks.
        const std::size_t at = p - shift;
        std::size_t lo = at, hi = std::min(at + kTagWidth, f_.size());
        for (std::size_t x = runStart - shift; x < std::min(runEnd - shift, f_.size()); ++x) {
            if (f_[x] == ' ') continue;
            lo = std::min(lo, x);
            hi = std::max(hi, x + 1);
        }
        struct Option {
            std::size_t start, length, end, shift;
            bool placed;
        };
        std::vector<Option> options;
        if (lo == at) options.push_back({p, std::max(hi - at, kTagWidth), 0, shift, true});
        const std::size_t before = at - lo, after = hi - at > kTagWidth ? hi - at - kTagWidth : 0;
        std::size_t b = before, a = after;
        if (a > b + 1) b = a - 1;
        if (a < b) a = b;
        if (b <= p) options.push_back({p - b, kTagWidth + a + b, 0, shift, true});
        for (std::size_t length = 1; length < kTagWidth; ++length)
            options.push_back({p, length, p + kTagWidth, shift + kTagWidth - length, true});
        options.push_back({p, kTagWidth, p + kTagWidth, shift, false});
        for (Option& option : options) {
            if (option.end == 0) option.end = option.start + option.length;
            if (option.start < runStart || option.end > std::max(runEnd, p + kTagWidth)) continue;
            if (!SameAs(tFrom, option.start, shift)) continue;
            const std::size_t fAt = option.start - shift;
            if (fAt + option.length > f_.size()) continue;
            std::string value(f_.substr(fAt, option.length));
            // A value that is its own placeholder is the placeholder staying: one reading.
            if (option.placed && value == t_.substr(p, kTagWidth)) continue;
            if (!option.placed) {
                if (value != t_.substr(p, kTagWidth)) continue;
                reading[i] = std::nullopt;
            } else {
                // Blanks alone read back as the empty value, which the renderer writes as three.
                if (option.length >= kTagWidth && value.find_first_not_of(' ') == std::string::npos)
                    value.clear();
                reading[i] = value;
            }
            Step(i + 1, option.end, option.shift, reading);
        }
    }

    std::string_view t_, f_;
    std::vector<Occurrence> occ_;
    std::vector<Reading> found_;
    std::size_t steps_ = 0;
};

// --- The whole -------------------------------------------------------------------------------

struct Pair {
    const RecoverPair* files;
    bool nfo;
    Document templateLines, filledLines;
    Alignment aligned;
    std::vector<std::size_t> blocksOf;  // per template line: bit b for text block b it holds
};

struct Candidates {
    std::map<std::string, int> votes;  // ANSI values
    bool seen = false;                 // the placeholder is in a template line with a filled line
    bool placed = false;               // and was replaced somewhere
};

std::size_t BlocksHeld(const std::string& line) {
    std::size_t held = 0;
    for (std::size_t b = 0; b < kTextBlockCount; ++b) {
        if (HoldsGroupIgnoringCase(line, PlaceholderTag(kTextBlockLetters[b])))
            held |= std::size_t(1) << b;
    }
    return held;
}

class Recovery {
  public:
    Recovery(const RecoverRequest& request, Recovered& out) : request_(request), out_(out) {}

    void Run() {
        out_.form.SetDatePicture(request_.datePicture);
        if (request_.hasNfo) pairs_.push_back(MakePair(request_.nfo, true));
        if (request_.hasDiz) pairs_.push_back(MakePair(request_.diz, false));
        for (Pair& pair : pairs_) AlignPair(pair);
        CollectLineValues();
        ChooseLineValues();
        SetLineValues();
        for (std::size_t b = 0; b < kTextBlockCount; ++b) ReadBlock(b);
        Verify();
    }

  private:
    Pair MakePair(const RecoverPair& files, bool nfo) {
        Pair pair{&files, nfo, ParseDocument(files.templateBytes), ParseDocument(files.filledBytes), {}, {}};
        pair.blocksOf.resize(pair.templateLines.size());
        if (nfo) {
            for (std::size_t i = 0; i < pair.templateLines.size(); ++i) pair.blocksOf[i] = BlocksHeld(pair.templateLines[i]);
        }
        return pair;
    }

    void AlignPair(Pair& pair) {
        std::vector<LinePattern> patterns;
        for (const std::string& line : pair.templateLines) patterns.emplace_back(line, pair.nfo);
        std::optional<Alignment> aligned = Align(patterns, pair.blocksOf, pair.filledLines, nullptr);
        if (!aligned) {
            out_.findings.push_back(Say(pair.files->filledPath, 0, Severity::Problem, "not-aligned",
                                        "too unlike the template to be followed line by line"));
            pair.aligned.assign(pair.templateLines.size(), {});
            return;
        }
        // Every line that holds a block has as many copies as the block has lines (times those
        // of the other blocks it holds): where the cheapest alignment says otherwise, it is
        // aligned again with the counts the first line of each block gives.
        std::array<std::size_t, kTextBlockCount> lines{};
        for (std::size_t i = 0; i < pair.blocksOf.size(); ++i) {
            const std::size_t held = pair.blocksOf[i];
            if (held == 0 || (*aligned)[i].empty()) continue;
            std::size_t known = 1, unknown = kTextBlockCount;
            for (std::size_t b = 0; b < kTextBlockCount; ++b) {
                if (!(held >> b & 1)) continue;
                if (lines[b]) known *= lines[b];
                else if (unknown == kTextBlockCount) unknown = b;
            }
            if (unknown == kTextBlockCount) continue;
            for (std::size_t b = unknown + 1; b < kTextBlockCount; ++b) {
                if ((held >> b & 1) && !lines[b]) lines[b] = 1;
            }
            lines[unknown] = std::max<std::size_t>(1, (*aligned)[i].size() / known);
        }
        std::vector<std::size_t> copies(pair.blocksOf.size(), 1);
        bool consistent = true;
        for (std::size_t i = 0; i < pair.blocksOf.size(); ++i) {
            for (std::size_t b = 0; b < kTextBlockCount; ++b) {
                if (pair.blocksOf[i] >> b & 1) copies[i] *= std::max<std::size_t>(1, lines[b]);
            }
            if (pair.blocksOf[i] && (*aligned)[i].size() != copies[i]) consistent = false;
        }
        if (!consistent) {
            if (std::optional<Alignment> again = Align(patterns, pair.blocksOf, pair.filledLines, &copies))
                aligned = std::move(again);
        }
        pair.aligned = std::move(*aligned);
        for (std::size_t b = 0; b < kTextBlockCount; ++b) blockLines_[b] = std::max(blockLines_[b], lines[b]);
    }

    std::string Ansi(const std::string& oem, char letter, const Pair& pair, std::size_t line) {
        std::optional<unsigned char> lost;
        std::string ansi = ToAnsi().Convert(oem, lost);
        if (lost && reportedLost_.insert(letter).second) {
            out_.findings.push_back(Say(pair.files->filledPath, line, Severity::Problem, "no-counterpart",
                                        PlaceholderTag(letter) + " holds the byte " + Hex(*lost) + " ('" +
                                            Cp437ToUtf8(std::string(1, static_cast<char>(*lost))) +
                                            "'), which no character of the system code page becomes; "
                                            "it is written as '?'"));
        }
        return ansi;
    }

    static std::string Hex(unsigned char byte) {
        const char* digits = "0123456789ABCDEF";
        return std::string{digits[byte >> 4], digits[byte & 15]};
    }

    void CollectLineValues() {
        for (const Pair& pair : pairs_) {
            for (std::size_t i = 0; i < pair.templateLines.size(); ++i) {
                const std::string& line = pair.templateLines[i];
                const std::vector<Occurrence> occurrences = OccurrencesIn(line, pair.nfo);
                if (occurrences.empty() || pair.aligned[i].empty()) continue;
                const std::size_t j = pair.aligned[i].front();
                const std::vector<Reading> readings = LineReader(line, pair.filledLines[j], occurrences).Read();
                for (std::size_t r = 0; r < readings.size(); ++r) {
                    for (std::size_t o = 0; o < occurrences.size(); ++o) {
                        const char letter = occurrences[o].letter;
                        if (!IsLineLetter(letter)) continue;
                        Candidates& c = values_[LineValueIndex(letter)];
                        c.seen = true;
                        if (!readings[r][o]) continue;
                        c.placed = true;
                        c.votes[Ansi(*readings[r][o], letter, pair, j + 1)] += r == 0 ? 4 : 1;
                    }
                }
                // Lines that hold no text block can be rendered on their own to choose by.
                if (pair.blocksOf[i] == 0) checks_.push_back({&line, &pair.filledLines[j]});
            }
        }
    }

    // Each placeholder takes the value that makes the most of its lines render as filled,
    // the others held at their best so far; twice over, since lines hold several.
    void ChooseLineValues() {
        for (std::size_t k = 0; k < chosen_.size(); ++k) {
            const Candidates& c = values_[k];
            if (!c.placed) {
                chosen_[k] = c.seen ? PlaceholderTag(kLineValueLetters[k]) : std::string();
                continue;
            }
            int best = -1;
            for (const auto& [value, votes] : c.votes) {
                if (votes > best) {
                    best = votes;
                    chosen_[k] = value;
                }
            }
        }
        for (int sweep = 0; sweep < 2; ++sweep) {
            for (std::size_t k = 0; k < chosen_.size(); ++k) {
                if (values_[k].votes.size() < 2) continue;
                const std::string tag = PlaceholderTag(kLineValueLetters[k]);
                int bestScore = -1;
                std::string best = chosen_[k];
                for (const auto& [value, votes] : values_[k].votes) {
                    chosen_[k] = value;
                    int score = 0;
                    for (const auto& [line, filled] : checks_) {
                        if (line->find(tag) != std::string::npos)
                            score += 2 * (SubstituteLine(*line, PlaceholderTags, chosen_) == *filled);
                    }
                    score = score * 64 + std::min(votes, 63);
                    if (score > bestScore) {
                        bestScore = score;
                        best = value;
                    }
                }
                chosen_[k] = best;
            }
        }
    }

    const std::string& FirstFile() const {
        return pairs_.empty() ? request_.nfo.filledPath : pairs_.front().files->filledPath;
    }

    void Note(Severity severity, const char* code, std::string message) {
        out_.findings.push_back(Say(FirstFile(), 0, severity, code, std::move(message)));
    }

    void SetLineValues() {
        MemoryProjectForm& form = out_.form;
        for (const char letter : kLineValueLetters) {
            const Candidates& c = values_[LineValueIndex(letter)];
            if (c.seen && !c.placed) {
                Note(Severity::Warning, "unseen",
                     PlaceholderTag(letter) + " stays in the file wherever it stands (its value had no room); "
                     "the value cannot be seen, and the placeholder itself, which renders the same, is written");
            }
            if (letter == kFileNameLetter || PlaceholderOf(letter).kind == PlaceholderKind::Date) continue;
            form.SetText(ReleaseField(letter), chosen_[LineValueIndex(letter)]);
        }
        SetDate();
        SetFileName();
    }

    void SetDate() {
        for (const char l : kLineValueLetters) {
            if (PlaceholderOf(l).kind != PlaceholderKind::Date) continue;
            const Candidates& c = values_[LineValueIndex(l)];
            if (!c.placed) return;
            const std::string& text = chosen_[LineValueIndex(l)];
            const std::string picture = request_.datePicture;
            if (const std::optional<DateTimeValue> date = ParseDateText(text, picture, platform::UserDateNames())) {
                out_.form.SetDate(*date);
            } else {
                Note(Severity::Problem, "date",
                     PlaceholderTag(l) + " \"" + text + "\" does not read as a date with the picture " + picture +
                         " (--date-format gives the picture it was written with)");
            }
        }
    }

    // {Q} is the File Name, which opening a project derives from the Name and the Spacer, then
    // the Delimiter and the Package team: the Spacer is what stands in the Name's blanks, and
    // the rest splits at the Team Name, else after a leading "-".
    void SetFileName() {
        MemoryProjectForm& form = out_.form;
        const Candidates& q = values_[LineValueIndex(kFileNameLetter)];
        if (q.seen && !q.placed) {
            // {Q} stayed wherever it stands, so the File Name was too long for every room:
            // a Package team of the placeholder, repeated past the widest line, keeps it so.
            std::size_t widest = 0;
            for (const Pair& pair : pairs_)
                for (const std::string& line : pair.templateLines) widest = std::max(widest, line.size());
            std::string team;
            while (team.size() <= widest) team += PlaceholderTag(kFileNameLetter);
            form.SetText(FormItem::PackageTeam, team);
            return;
        }
        if (!q.placed) return;
        const std::string fileName = chosen_[LineValueIndex(kFileNameLetter)];
        const Candidates& a = values_[LineValueIndex(kNameLetter)];
        std::string name = form.GetText(ReleaseField(kNameLetter));
        std::size_t used = 0;
        if (a.seen && !a.placed) return;  // the Name cannot be seen: nothing to split {Q} by
        if (a.placed) {
            const std::optional<std::string> spacer = FindSpacer(name, fileName);
            if (!spacer) {
                Note(Severity::Problem, "file-name",
                     "{Q} \"" + fileName + "\" does not begin with the Name \"" + name +
                         "\" with a spacer in its blanks: it was edited by hand, and opening a project derives it "
                         "from the Name, so it cannot come back");
                return;
            }
            if (name.find(' ') == std::string::npos) {
                Note(Severity::Note, "file-name",
                     "the Name has no blank, so {Q} does not show the Spacer; \"" + form.GetText(FormItem::Spacer) +
                         "\" is written");
            } else {
                form.SetText(FormItem::Spacer, *spacer);
            }
            used = DeriveFileName(name, form.GetText(FormItem::Spacer)).size();
        }
        std::string rest = fileName.substr(used);
        const std::string team = form.GetText(ReleaseField(kTeamNameLetter));
        std::string delimiter, packageTeam;
        if (!a.placed) {
            // No Name to go by: the file name is what stands before the last delimiter.
            const std::size_t cut = !team.empty() && rest.size() > team.size() &&
                                            rest.compare(rest.size() - team.size(), team.size(), team) == 0 &&
                                            rest[rest.size() - team.size() - 1] == '-'
                                        ? rest.size() - team.size() - 1
                                        : rest.rfind('-');
            name = rest.substr(0, cut);
            rest = cut == std::string::npos ? std::string() : rest.substr(cut);
            form.SetText(ReleaseField(kNameLetter), name);
            Note(Severity::Note, "file-name",
                 "{A} is not in the template; the Name is taken from {Q}: \"" + name + "\"");
        }
        if (!team.empty() && rest.size() >= team.size() &&
            rest.compare(rest.size() - team.size(), team.size(), team) == 0) {
            delimiter = rest.substr(0, rest.size() - team.size());
            packageTeam = team;
        } else if (!rest.empty() && rest[0] == '-') {
            delimiter = "-";
            packageTeam = rest.substr(1);
        } else {
            delimiter = rest;
            if (!rest.empty()) {
                Note(Severity::Note, "file-name",
                     "the end of {Q}, \"" + rest +
                         "\", is written as the Delimiter: where it splits into Delimiter and Team cannot be told");
            }
        }
        form.SetText(FormItem::Delimiter, delimiter);
        form.SetText(FormItem::PackageTeam, packageTeam);
    }

    // The spacer that makes the Name's derived file name begin `fileName`: the shortest one.
    static std::optional<std::string> FindSpacer(const std::string& name, const std::string& fileName) {
        const std::size_t blank = name.find(' ');
        if (blank == std::string::npos) {
            if (fileName.compare(0, name.size(), name) == 0) return std::string(".");
            return std::nullopt;
        }
        for (std::size_t length = 0; blank + length <= fileName.size(); ++length) {
            const std::string spacer = fileName.substr(blank, length);
            const std::string derived = DeriveFileName(name, spacer);
            if (fileName.compare(0, derived.size(), derived) == 0) return spacer;
        }
        return std::nullopt;
    }

    // A text block's lines from the copies of each line that holds it.
    void ReadBlock(std::size_t b) {
        const char letter = kTextBlockLetters[b];
        const std::string tag = PlaceholderTag(letter);
        const std::size_t count = blockLines_[b];
        if (count == 0) return;
        std::vector<std::optional<std::string>> lines(count);
        std::vector<bool> verified(count, false);
        bool unseen = false;
        for (const Pair& pair : pairs_) {
            if (!pair.nfo) continue;
            for (std::size_t i = 0; i < pair.templateLines.size(); ++i) {
                const std::size_t held = pair.blocksOf[i];
                if (!(held >> b & 1) || pair.aligned[i].empty()) continue;
                const std::string line = SubstituteLine(pair.templateLines[i], PlaceholderTags, chosen_);
                // The copies run through this block's lines once for each line of the blocks
                // before it, each of its lines once for each line of the blocks after it.
                std::size_t after = 1;
                for (std::size_t later = b + 1; later < kTextBlockCount; ++later)
                    if (held >> later & 1) after *= std::max<std::size_t>(1, blockLines_[later]);
                std::vector<Occurrence> occurrences;
                for (std::size_t other = 0; other < kTextBlockCount; ++other) {
                    if (!(held >> other & 1)) continue;
                    const std::size_t at = line.find(PlaceholderTag(kTextBlockLetters[other]));
                    if (at != std::string::npos) occurrences.push_back({at, kTextBlockLetters[other]});
                }
                std::sort(occurrences.begin(), occurrences.end(),
                          [](const Occurrence& x, const Occurrence& y) { return x.at < y.at; });
                const auto mine = std::find_if(occurrences.begin(), occurrences.end(),
                                               [&](const Occurrence& o) { return o.letter == letter; });
                if (mine == occurrences.end()) continue;
                const std::size_t o = static_cast<std::size_t>(mine - occurrences.begin());
                for (std::size_t c = 0; c < pair.aligned[i].size(); ++c) {
                    const std::size_t index = c / after % count;
                    if (verified[index]) continue;
                    const std::size_t j = pair.aligned[i][c];
                    const std::vector<Reading> readings = LineReader(line, pair.filledLines[j], occurrences).Read();
                    for (const Reading& reading : readings) {
                        const bool placed = reading[o].has_value();
                        const std::string value = placed ? Ansi(*reading[o], letter, pair, j + 1) : tag;
                        if (Lays(line, occurrences, reading, pair.filledLines[j])) {
                            lines[index] = value;
                            verified[index] = placed;
                            if (placed) break;
                        } else if (!lines[index]) {
                            lines[index] = value;
                        }
                    }
                }
            }
        }
        std::string text;
        for (std::size_t n = 0; n < count; ++n) {
            // A line with no reading at all is a copy edited by hand, which Verify names.
            if (lines[n] && *lines[n] == tag) unseen = true;
            text += (n ? "\r\n" : "") + lines[n].value_or(tag);
        }
        if (unseen) {
            Note(Severity::Warning, "unseen",
                 tag + ": a line of the block had no room wherever the block stands and cannot be seen; "
                       "the placeholder itself, which renders the same, is written for it");
        }
        out_.form.SetText(ReleaseField(letter), text);
    }

    // Whether laying the reading's block lines into the line gives the filled line.
    static bool Lays(const std::string& line, const std::vector<Occurrence>& occurrences, const Reading& reading,
                     const std::string& filled) {
        Document one{line};
        for (const char letter : kTextBlockLetters) {
            for (std::size_t o = 0; o < occurrences.size(); ++o) {
                if (occurrences[o].letter != letter) continue;
                std::optional<unsigned char> lost;
                const std::string value = reading[o] ? ToAnsi().Convert(*reading[o], lost) : PlaceholderTag(letter);
                ExpandTextBlock(one, PlaceholderTag(letter), {value});
            }
        }
        return one.size() == 1 && one.front() == filled;
    }

    // The project is read back as render reads it and the templates rendered again; each line
    // of a file that comes out otherwise is named.
    void Verify() {
        const std::string project = ProjectFileText(out_.form);
        MemoryProjectForm again;
        again.SetDatePicture(request_.datePicture);
        std::vector<Finding> ignored;
        ReadProjectBytes(project, "recovered", ProjectReading{}, again, ignored);
        const RenderInput input = RenderInputFromProject(again, request_.wrap);
        out_.reproduces = true;
        for (const Pair& pair : pairs_) {
            std::string text, error;
            std::vector<Finding> warnings;
            if (!RenderTemplate(pair.files->templatePath, pair.nfo ? TemplateKind::Nfo : TemplateKind::Diz,
                                pair.files->templateBytes, input, text, warnings, error)) {
                out_.reproduces = false;
                Note(Severity::Problem, "differs", error);
                continue;
            }
            if (text == pair.files->filledBytes) continue;
            out_.reproduces = false;
            NameDifferingLines(pair, ParseDocument(text));
        }
    }

    // The filled lines that the rendering does not have where it has the rest (a longest
    // common subsequence of lines; a file too long for that is compared line by line).
    void NameDifferingLines(const Pair& pair, const Document& rendered) {
        const Document& filled = pair.filledLines;
        std::size_t head = 0;
        while (head < filled.size() && head < rendered.size() && filled[head] == rendered[head]) ++head;
        std::size_t tail = 0;
        while (tail + head < filled.size() && tail + head < rendered.size() &&
               filled[filled.size() - 1 - tail] == rendered[rendered.size() - 1 - tail])
            ++tail;
        const std::size_t n = filled.size() - head - tail, m = rendered.size() - head - tail;
        std::vector<bool> kept(n, false);
        if (n > 0 && m > 0 && n <= (std::size_t(16) << 20) / m) {
            std::vector<std::uint32_t> table((n + 1) * (m + 1), 0);
            auto at = [&](std::size_t i, std::size_t j) -> std::uint32_t& { return table[i * (m + 1) + j]; };
            for (std::size_t i = n; i-- > 0;)
                for (std::size_t j = m; j-- > 0;)
                    at(i, j) = filled[head + i] == rendered[head + j] ? at(i + 1, j + 1) + 1
                                                                       : std::max(at(i + 1, j), at(i, j + 1));
            for (std::size_t i = 0, j = 0; i < n && j < m;) {
                if (filled[head + i] == rendered[head + j]) {
                    kept[i++] = true;
                    ++j;
                } else if (at(i + 1, j) >= at(i, j + 1)) {
                    ++i;
                } else {
                    ++j;
                }
            }
        }
        bool any = false;
        for (std::size_t i = 0; i < n; ++i) {
            if (kept[i]) continue;
            any = true;
            out_.findings.push_back(Say(pair.files->filledPath, head + i + 1, Severity::Problem, "differs",
                                        "this line is not what the template gives with the values found "
                                        "(edited by hand?)"));
        }
        if (!any) {
            out_.findings.push_back(
                Say(pair.files->filledPath, 0, Severity::Problem, "differs",
                    m > 0 ? to_string(m) + " line(s) the template gives are missing from the file (edited by hand?)"
                          : "the file differs from what the template gives in its line ends"));
        }
    }

    const RecoverRequest& request_;
    Recovered& out_;
    std::vector<Pair> pairs_;
    std::array<Candidates, kLineValueCount> values_;
    FieldTable chosen_;
    std::vector<std::pair<const std::string*, const std::string*>> checks_;
    std::array<std::size_t, kTextBlockCount> blockLines_{};
    std::set<char> reportedLost_;
};

}  // namespace

Recovered RecoverProject(const RecoverRequest& request) {
    Recovered recovered;
    Recovery(request, recovered).Run();
    return recovered;
}

std::string ProjectFileText(MemoryProjectForm& form) {
    platform::ProfileText text{std::string_view()};
    std::string bytes;
    for (const ProjectRow& row : ProjectRows()) {
        const std::string value = ProjectRowValue(form, row);
        if (std::optional<std::string> written = text.WithString(row.section, row.key, EncodeProjectValue(value, row.kind))) {
            bytes = std::move(*written);
            text = platform::ProfileText(bytes);
        }
    }
    return bytes;
}

}  // namespace glyphwright::cli
