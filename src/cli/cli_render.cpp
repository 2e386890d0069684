#include "cli/cli_render.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <set>

#include "cli/cli_io.h"
#include "cli/word_wrap.h"
#include "model/placeholder_table.h"
#include "render/brace_groups.h"
#include "render/field_layout.h"
#include "render/placement.h"
#include "render/text.h"

namespace glyphwright::cli {
namespace {

using std::to_string;

Finding Warn(const std::string& file, std::size_t line, std::size_t column, const char* code,
             std::string message) {
    return Finding{file, line, column, Severity::Warning, code, std::move(message)};
}

// Which of the single-line tags each line holds, one bit per tag, as the line comes in.
std::vector<std::uint32_t> LineTags(const Document& document) {
    std::vector<std::uint32_t> held(document.size());
    const FieldTable& tags = PlaceholderTags;
    for (std::size_t n = 0; n < document.size(); ++n) {
        if (document[n].find('{') == std::string::npos) continue;
        for (std::size_t k = 0; k < tags.size(); ++k) {
            if (document[n].find(tags[k]) != std::string::npos) held[n] |= std::uint32_t(1) << k;
        }
    }
    return held;
}

// A tag still in a line after the single-line pass is a value that did not fit (unless a value
// brought its own tag in, which says nothing about room).
void WarnUnplacedValues(const std::string& file, const std::vector<std::uint32_t>& before,
                        const Document& after, const FieldTable& values, FindingList& warnings) {
    const FieldTable& tags = PlaceholderTags;
    std::uint32_t brought = 0;
    for (std::size_t k = 0; k < tags.size(); ++k) {
        for (const std::string& value : values) {
            if (value.find(tags[k]) != std::string::npos) brought |= std::uint32_t(1) << k;
        }
    }
    for (std::size_t n = 0; n < after.size(); ++n) {
        const std::uint32_t held = before[n] & ~brought;
        for (std::size_t k = 0; held != 0 && k < tags.size(); ++k) {
            const std::size_t at = (held >> k) & 1 ? after[n].find(tags[k]) : std::string::npos;
            if (at == std::string::npos) continue;
            const std::size_t length = values[k].empty() ? 3 : values[k].size();
            warnings.push_back(Warn(file, n + 1, at + 1, "not-placed",
                                    tags[k] + " value of " + to_string(length) +
                                        " characters has no room here; the placeholder stays"));
        }
    }
}

void WarnUnplacedBlockLines(const std::string& file, const Document& substituted,
                            const TextBlockLines& blocks, FindingList& warnings) {
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const std::string tag = PlaceholderTag(kTextBlockLetters[b]);
        const std::set<std::string> distinct(blocks[b].begin(), blocks[b].end());
        for (std::size_t n = 0; n < substituted.size(); ++n) {
            const std::size_t at = substituted[n].find(tag);
            if (at == std::string::npos) continue;
            std::size_t lost = 0, longest = 0;
            for (const std::string& fieldLine : distinct) {
                if (PlaceTextBlockLine(substituted[n], tag, fieldLine.size()).placement !=
                    Placement::NotPlaced)
                    continue;
                const auto copies = static_cast<std::size_t>(
                    std::count(blocks[b].begin(), blocks[b].end(), fieldLine));
                lost += copies;
                longest = std::max(longest, std::max<std::size_t>(fieldLine.size(), 3));
            }
            if (lost == 0) continue;
            warnings.push_back(
                Warn(file, n + 1, at + 1, "not-placed",
                     tag + ": " + to_string(lost) + " of its " + to_string(blocks[b].size()) +
                         " line(s) have no room here (the longest " + to_string(longest) +
                         " characters); those copies keep the placeholder and lose the text"));
        }
    }
}

}  // namespace

TextBlockLines WrapTextBlocks(const MemoryProjectForm& form, std::size_t wrap) {
    return ReadTextBlocks([&](char letter) { return WrapText(form.GetText(ReleaseField(letter)), wrap); });
}

RenderInput RenderInputFromProject(const MemoryProjectForm& form, std::size_t wrap) {
    return RenderInput{ReadLineValues(form), WrapTextBlocks(form, wrap)};
}

std::string OutputTooLarge(std::size_t size) {
    const std::string bytes = size == static_cast<std::size_t>(-1)
                                  ? "more bytes than can be counted"
                                  : "at least " + std::to_string(size) + " bytes";
    return "the NFO would be " + bytes + ", over the limit of " + std::to_string(kMaxOutputBytes) +
           ": the text blocks repeat every line that holds them once per block line (a shorter "
           "text or a wider "
           "--wrap gives fewer)";
}

namespace {

std::size_t SaturatingAdd(std::size_t a, std::size_t b) {
    return b > static_cast<std::size_t>(-1) - a ? static_cast<std::size_t>(-1) : a + b;
}

std::size_t SaturatingMultiply(std::size_t a, std::size_t b) {
    if (a != 0 && b > static_cast<std::size_t>(-1) / a) return static_cast<std::size_t>(-1);
    return a * b;
}

class LaidSize {
  public:
    LaidSize(const TextBlockLines& blocks, std::size_t limit) : limit_(limit) {
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            tags_[b] = PlaceholderTag(kTextBlockLetters[b]);
            // No lines lay in as one empty line, as the expansion takes them.
            std::map<std::string, std::size_t> counted;
            for (const std::string& line : blocks[b]) ++counted[line];
            if (blocks[b].empty()) counted.emplace(std::string(), 1);
            distinct_[b].assign(counted.begin(), counted.end());
        }
    }

    std::size_t Total(const Document& document) {
        std::size_t total = 0;
        std::map<std::string, std::size_t> known;  // generated templates repeat their lines
        for (const std::string& line : document) {
            const auto found = known.find(line);
            const std::size_t size = found != known.end() ? found->second : Line(line, 0);
            if (found == known.end() && HoldsAnyTag(line)) known.emplace(line, size);
            total = SaturatingAdd(total, size);
            if (total > limit_) break;
        }
        return total;
    }

  private:
    bool HoldsAnyTag(const std::string& line) const {
        for (const std::string& tag : tags_) {
            if (HoldsGroupIgnoringCase(line, tag)) return true;
        }
        return false;
    }

    // The bytes of one copy once the blocks from `from` on are laid into it.
    std::size_t Line(const std::string& copy, std::size_t from) {
        std::size_t b = from;
        while (b < tags_.size() && !Holds(copy, b)) ++b;
        if (b == tags_.size()) return copy.size() + 2;
        bool later = false;
        for (std::size_t k = b + 1; k < tags_.size(); ++k) later = later || Holds(copy, k);
        std::size_t total = 0;
        std::map<std::size_t, std::size_t> plainByLength;
        for (const auto& [text, count] : distinct_[b]) {
            // A line that can bring no placeholder, laid into a copy that holds none after this
            // block, ends the copy: only its length matters, and whether it is placed, which
            // depends on the length alone.
            if (!later && IsPlain(text)) {
                plainByLength[text.size()] += count;
                continue;
            }
            Document one{copy};
            ExpandTextBlock(one, tags_[b], {text});
            total = SaturatingAdd(total, SaturatingMultiply(count, Line(one.front(), b + 1)));
            if (total > limit_) return total;
        }
        for (const auto& [length, count] : plainByLength) {
            const bool placed =
                PlaceTextBlockLine(copy, tags_[b], length).placement != Placement::NotPlaced;
            // A value shorter than the placeholder shortens the copy; an empty one is three blanks.
            const std::size_t shorter = placed && length > 0 && length < 3 ? 3 - length : 0;
            total = SaturatingAdd(total, SaturatingMultiply(count, copy.size() - shorter + 2));
        }
        return total;
    }

    bool Holds(const std::string& copy, std::size_t block) const {
        return !copy.empty() && HoldsGroupIgnoringCase(copy, tags_[block]);
    }

    // Two characters or more and no brace, before and after the code-page conversion: such a
    // line cannot make a placeholder with what stands beside it.
    static bool IsPlain(const std::string& text) {
        if (text.size() == 1) return false;
        return text.find_first_of("{}") == std::string::npos &&
               AnsiToOem(text).find_first_of("{}") == std::string::npos;
    }

    std::size_t limit_;
    std::array<std::string, kTextBlockCount> tags_;
    std::array<std::vector<std::pair<std::string, std::size_t>>, kTextBlockCount> distinct_;
};

}  // namespace

std::size_t LaidTextBlocksSize(const Document& document, const TextBlockLines& blocks,
                               std::size_t limit) {
    return LaidSize(blocks, limit).Total(document);
}

bool LaidTextBlocksFit(const Document& document, const TextBlockLines& blocks, std::string& error) {
    if (LaidTextBlocksBound(document, blocks) <= kMaxOutputBytes) return true;
    const std::size_t size = LaidTextBlocksSize(document, blocks, kMaxOutputBytes);
    if (size <= kMaxOutputBytes) return true;
    error = OutputTooLarge(size);
    return false;
}

bool RenderNfoText(std::string_view templateBytes, const RenderInput& input, std::string& text,
                   std::string& error) {
    Document document = ParseDocument(templateBytes);
    FillSingleLineValues(document, input.lineValues);
    if (!LaidTextBlocksFit(document, input.blocks, error)) return false;
    LayTextBlocks(document, input.blocks);
    text = DocumentText(document);
    return true;
}

bool RenderTemplate(const std::string& file, TemplateKind kind, std::string_view templateBytes,
                    const RenderInput& input, std::string& text, std::vector<Finding>& warnings,
                    std::string& error) {
    FindingList found;
    for (Finding& warning : TemplateReadingWarnings(file, templateBytes))
        found.push_back(std::move(warning));
    Document document = ParseDocument(templateBytes);
    const std::vector<std::uint32_t> tagsBefore = LineTags(document);
    FillSingleLineValues(document, input.lineValues);
    WarnUnplacedValues(file, tagsBefore, document, input.lineValues, found);
    if (kind == TemplateKind::Nfo) {
        if (!LaidTextBlocksFit(document, input.blocks, error)) return false;
        WarnUnplacedBlockLines(file, document, input.blocks, found);
        LayTextBlocks(document, input.blocks);
    }
    // A template that renders to nothing is empty or starts with NUL: its reading warning says so.
    text = DocumentText(document);
    for (Finding& warning : found.Take()) warnings.push_back(std::move(warning));
    return true;
}

std::vector<Finding> TemplateReadingWarnings(const std::string& file, std::string_view bytes) {
    std::vector<Finding> warnings;
    if (bytes.empty()) {
        warnings.push_back(Warn(file, 0, 0, "empty", "the template is empty; so is its rendering"));
        return warnings;
    }
    const bool lfOnly =
        bytes.find('\r') == std::string_view::npos && bytes.find('\n') != std::string_view::npos;
    std::size_t line = 1, column = 1;
    std::size_t loneLf = 0, loneLfLine = 0, crCrLf = 0, crCrLfLine = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            if (i + 2 < bytes.size() && bytes[i + 1] == '\r' && bytes[i + 2] == '\n' &&
                crCrLf++ == 0)
                crCrLfLine = line;
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            ++line;
            column = 1;
            continue;
        }
        if (c == '\n' && loneLf++ == 0) loneLfLine = line;
        if (c == '\0') {
            warnings.push_back(Warn(
                file, line, column, "nul",
                line == 1 && column == 1
                    ? "NUL byte at the start: the renderer reads nothing after it, "
                      "and the rendering is empty"
                : column == 1 ? "NUL byte at the start of a line: the renderer drops that line and "
                                "the rest of the file"
                              : "NUL byte: the renderer drops the rest of this line"));
            if (column == 1) break;
            // The rest of the line is gone; its later bytes say nothing more.
            while (i + 1 < bytes.size() && bytes[i + 1] != '\r') ++i;
        }
        ++column;
    }
    if (lfOnly) {
        warnings.push_back(
            Warn(file, 0, 0, "line-end",
                 to_string(loneLf) +
                     " line(s) end with LF alone, none with CR LF: the renderer takes the "
                     "whole file as one line (glyphwright-cli normalize writes CR LF)"));
    } else if (loneLf > 0) {
        warnings.push_back(Warn(
            file, loneLfLine, 0, "line-end",
            to_string(loneLf) + " LF(s) alone among CR LF line ends (the first here): the renderer "
                                "breaks no line there (glyphwright-cli normalize writes CR LF)"));
    }
    if (crCrLf > 0) {
        warnings.push_back(
            Warn(file, crCrLfLine, 0, "cr-cr-lf",
                 to_string(crCrLf) +
                     " line(s) end with CR CR LF (the first here): the renderer reads "
                     "each as one more, empty, line (glyphwright-cli normalize writes CR LF)"));
    }
    return warnings;
}

}  // namespace glyphwright::cli
