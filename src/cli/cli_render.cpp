#include "cli/cli_render.h"

#include <algorithm>
#include <cstdint>
#include <set>

#include "cli/cli_io.h"
#include "cli/word_wrap.h"
#include "model/placeholder_table.h"
#include "render/placement.h"

namespace glyphwright::cli {
namespace {

using std::to_string;

Finding Warn(const std::string& file, std::size_t line, std::size_t column, const char* code, std::string message) {
    return Finding{file, line, column, Severity::Warning, code, std::move(message)};
}

// Which of the single-line tags each line holds, one bit per tag, as the line comes in.
std::vector<std::uint32_t> LineTags(const Document& document) {
    std::vector<std::uint32_t> held(document.size());
    const FieldTable& tags = LineValueTags();
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
void WarnUnplacedValues(const std::string& file, const std::vector<std::uint32_t>& before, const Document& after,
                        const FieldTable& values, FindingList& warnings) {
    const FieldTable& tags = LineValueTags();
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

void WarnUnplacedBlockLines(const std::string& file, const Document& substituted, const TextBlockLines& blocks,
                            FindingList& warnings) {
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const std::string tag = PlaceholderTag(kTextBlockLetters[b]);
        const std::set<std::string> distinct(blocks[b].begin(), blocks[b].end());
        for (std::size_t n = 0; n < substituted.size(); ++n) {
            const std::size_t at = substituted[n].find(tag);
            if (at == std::string::npos) continue;
            std::size_t lost = 0, longest = 0;
            for (const std::string& fieldLine : distinct) {
                if (PlaceTextBlockLine(substituted[n], tag, fieldLine.size()).placement != Placement::NotPlaced) continue;
                const auto copies = static_cast<std::size_t>(std::count(blocks[b].begin(), blocks[b].end(), fieldLine));
                lost += copies;
                longest = std::max(longest, std::max<std::size_t>(fieldLine.size(), 3));
            }
            if (lost == 0) continue;
            warnings.push_back(Warn(file, n + 1, at + 1, "not-placed",
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

RenderInput ReadRenderInput(const MemoryProjectForm& form, std::size_t wrap) {
    return RenderInput{ReadLineValues(form), WrapTextBlocks(form, wrap)};
}

std::string OutputTooLarge(std::size_t bound) {
    const std::string size = bound == static_cast<std::size_t>(-1) ? "more bytes than can be counted"
                                                                  : std::to_string(bound) + " bytes";
    return "the NFO could reach " + size + ", over the limit of " + std::to_string(kMaxOutputBytes) +
           ": the text blocks repeat every line that holds them once per block line (a shorter text or a wider "
           "--wrap gives fewer)";
}

bool RenderNfoText(std::string_view templateBytes, const RenderInput& input, std::string& text,
                   std::string& error) {
    Document document = ParseDocument(templateBytes);
    RenderDiz(document, input.lineValues);
    const std::size_t bound = LaidTextBlocksBound(document, input.blocks);
    if (bound > kMaxOutputBytes) {
        error = OutputTooLarge(bound);
        return false;
    }
    LayTextBlocks(document, input.blocks);
    text = DocumentText(document);
    return true;
}

bool RenderTemplate(const std::string& file, TemplateKind kind, std::string_view templateBytes,
                    const RenderInput& input, std::string& text, std::vector<Finding>& warnings,
                    std::string& error) {
    FindingList found;
    for (Finding& warning : TemplateReadingWarnings(file, templateBytes)) found.push_back(std::move(warning));
    Document document = ParseDocument(templateBytes);
    const std::vector<std::uint32_t> tagsBefore = LineTags(document);
    RenderDiz(document, input.lineValues);
    WarnUnplacedValues(file, tagsBefore, document, input.lineValues, found);
    if (kind == TemplateKind::Nfo) {
        const std::size_t bound = LaidTextBlocksBound(document, input.blocks);
        if (bound > kMaxOutputBytes) {
            error = OutputTooLarge(bound);
            return false;
        }
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
    const bool lfOnly = bytes.find('\r') == std::string_view::npos && bytes.find('\n') != std::string_view::npos;
    std::size_t line = 1, column = 1;
    std::size_t loneLf = 0, loneLfLine = 0, crCrLf = 0, crCrLfLine = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            if (i + 2 < bytes.size() && bytes[i + 1] == '\r' && bytes[i + 2] == '\n' && crCrLf++ == 0) crCrLfLine = line;
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            ++line;
            column = 1;
            continue;
        }
        if (c == '\n' && loneLf++ == 0) loneLfLine = line;
        if (c == '\0') {
            warnings.push_back(Warn(file, line, column, "nul",
                                    line == 1 && column == 1 ? "NUL byte at the start: the renderer reads nothing after it, "
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
        warnings.push_back(Warn(file, 0, 0, "line-end",
                                to_string(loneLf) + " line(s) end with LF alone, none with CR LF: the renderer takes the "
                                                    "whole file as one line (glyphwright-cli normalize writes CR LF)"));
    } else if (loneLf > 0) {
        warnings.push_back(Warn(file, loneLfLine, 0, "line-end",
                                to_string(loneLf) + " LF(s) alone among CR LF line ends (the first here): the renderer "
                                                    "breaks no line there (glyphwright-cli normalize writes CR LF)"));
    }
    if (crCrLf > 0) {
        warnings.push_back(Warn(file, crCrLfLine, 0, "cr-cr-lf",
                                to_string(crCrLf) + " line(s) end with CR CR LF (the first here): the renderer reads "
                                                    "each as one more, empty, line (glyphwright-cli normalize writes CR LF)"));
    }
    return warnings;
}

}  // namespace glyphwright::cli
