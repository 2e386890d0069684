#include "cli/cli_check.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "cli/cli_io.h"
#include "cli/cli_render.h"
#include "cli/cp437_unicode.h"
#include "cli/placeholder_room.h"
#include "cli/sauce.h"
#include "cli/utf8_check.h"
#include "model/placeholder_table.h"
#include "render/placement.h"
#include "render/text.h"

namespace glyphwright::cli {
namespace {

using std::to_string;

// A tag no template line holds: placeholders switched off while earlier ones are looked at.
const std::string kInactiveTag = "\x01\x01\x01";

Finding Make(const std::string& file, std::size_t line, std::size_t column, Severity severity,
             const char* code, std::string message) {
    return Finding{file, line, column, severity, code, std::move(message)};
}

// A byte as the report shows it: its CP437 glyph, or its number for the control range.
std::string ShowOem(unsigned char byte) {
    std::string out = "'";
    AppendUtf8(out, kCp437Glyphs[byte]);
    return out + "'";
}

void CheckRooms(const std::string& file, std::size_t lineNumber, const std::string& line,
                FindingList& findings) {
    for (const PlaceholderRoom& room : FindPlaceholders(line)) {
        std::string message = PlaceholderTag(room.letter) + " takes up to " + to_string(room.centred) +
                              " centred, " + to_string(room.aligned) + " aligned; placed " +
                              (room.centredPlacement ? "centred" : "aligned");
        if (room.labelLine) message += " (label line)";
        const std::size_t promised = room.centredPlacement && room.textBlock ? room.centred
                                     : room.centredPlacement ? std::max(room.centred, room.aligned)
                                                             : room.aligned;
        if (room.placedUpTo < promised) {
            message += "; a value over " + to_string(room.placedUpTo) + " characters is not placed";
        }
        findings.push_back(Make(file, lineNumber, room.column + 1, Severity::Note, "room", message));
    }
    for (std::size_t i = 0; i + 3 <= line.size(); ++i) {
        const char upper = static_cast<char>(line[i + 1] - 'a' + 'A');
        if (line[i] == '{' && line[i + 2] == '}' && line[i + 1] >= 'a' && line[i + 1] <= 'z' &&
            IsPlaceholderLetter(upper)) {
            findings.push_back(Make(file, lineNumber, i + 1, Severity::Problem, "lower-case",
                                    line.substr(i, 3) + " is written in lower case and is never replaced"));
        }
    }
}

// How to give a placeholder room: editors strip the blanks after one at a line's end.
std::string RoomFix(const std::string& line, std::size_t tag) {
    if (line.find_first_not_of(' ', tag + 3) == std::string::npos) {
        return " (nothing but blanks follows it: pad the line, glyphwright-cli normalize --pad)";
    }
    return " (more blanks beside it, or a shorter value)";
}

// A value placed over [start, start + length) of `after` that took blanks from beside its
// placeholder (at `tag`) and now meets other text with none between reads as one word with it:
// "English, German, FrenchType ...:". Each side is looked at where blanks were taken.
void CheckTouching(const std::string& file, std::size_t lineNumber, const std::string& after,
                   std::size_t tag, std::size_t start, std::size_t length, const std::string& what,
                   FindingList& findings) {
    const bool tookLeft = start < tag;
    const bool tookRight = start + length > tag + 3;
    const std::size_t end = start + length;
    const bool meetsLeft = tookLeft && start > 0 && after[start - 1] != ' ' && after[start] != ' ';
    const bool meetsRight =
        tookRight && end < after.size() && after[end] != ' ' && after[end - 1] != ' ';
    if (!meetsLeft && !meetsRight) return;
    const char met = meetsRight ? after[end] : after[start - 1];
    findings.push_back(Make(file, lineNumber, tag + 1, Severity::Warning, "no-blank",
                            what + " fills its room and meets " +
                                ShowOem(static_cast<unsigned char>(met)) +
                                " with no blank between; one character less keeps one"));
}

// Runs the single-line pass one placeholder at a time, so each value's fate is known: a
// placeholder still in the line after its own turn was not placed.
void CheckSingleLineValues(const std::string& file, std::size_t lineNumber, const std::string& line,
                           const FieldTable& values, FindingList& findings) {
    FieldTable tags;
    tags.fill(kInactiveTag);
    std::string before = line;
    for (std::size_t k = 0; k < tags.size(); ++k) {
        tags[k] = PlaceholderTags[k];
        const std::string& tag = tags[k];
        // Only occurrences of its own tag are touched by a placeholder's turn (a value placed
        // earlier may have brought one in, so look at the line as it stands).
        if (before.find(tag) == std::string::npos) continue;
        const std::string after = SubstituteLine(line, tags, values);
        const std::string& value = values[k];
        const std::size_t length = value.empty() ? 3 : value.size();
        if (value.find(tag) == std::string::npos) {
            for (std::size_t at = after.find(tag); at != std::string::npos; at = after.find(tag, at + 3)) {
                const std::size_t roomAt = std::min(at, before.size() - 3);
                findings.push_back(Make(
                    file, lineNumber, at + 1, Severity::Problem, "not-placed",
                    tag + " value of " + to_string(length) + " characters is not placed: room " +
                        to_string(RoomAt(before, roomAt).centred) + " centred, " +
                        to_string(RoomAt(before, roomAt).aligned) +
                        " aligned; the placeholder stays" + RoomFix(before, roomAt)));
            }
            // A value of the placeholder's width or more keeps the line's length, so it stands
            // where the placeholder stood, centred over it or starting at it.
            const std::string oem = AnsiToOem(value);
            if (length > 3) {
                for (std::size_t at = before.find(tag); at != std::string::npos;
                     at = before.find(tag, at + 3)) {
                    const std::size_t left = (length - 3) / 2;
                    const bool centred =
                        at >= left && after.compare(at - left, length, oem) == 0 &&
                        before.compare(at - left, left, std::string(left, ' ')) == 0;
                    if (!centred && after.compare(at, length, oem) != 0) continue;
                    CheckTouching(file, lineNumber, after, at, centred ? at - left : at, length,
                                  tag + " value of " + to_string(length) + " characters", findings);
                }
            }
            // A short value pulls in what follows it; trailing blanks do not matter.
            const std::size_t first = before.find(tag);
            const bool followed = before.find_first_not_of(' ', first + 3) != std::string::npos;
            if (after.size() < before.size() && followed) {
                findings.push_back(Make(file, lineNumber, first + 1, Severity::Problem, "short-value",
                                        tag + " value of " + to_string(length) + " characters shortens the line by " +
                                            to_string(before.size() - after.size()) +
                                            ": what follows it moves left"));
            }
        }
        before = after;
    }
}

void CheckTextBlocks(const std::string& file, const Document& substituted, const TextBlockLines& blocks,
                     FindingList& findings) {
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const std::string tag = PlaceholderTag(kTextBlockLetters[b]);
        for (std::size_t n = 0; n < substituted.size(); ++n) {
            const std::string& line = substituted[n];
            const std::size_t at = line.find(tag);
            if (at == std::string::npos) continue;
            const ValueRoom room = RoomAt(line, at);
            const bool followed = line.find_first_not_of(' ', at + 3) != std::string::npos;
            for (std::size_t j = 0; j < blocks[b].size(); ++j) {
                const std::string& fieldLine = blocks[b][j];
                const std::size_t length = fieldLine.empty() ? 3 : fieldLine.size();
                const std::string what =
                    tag + " line " + to_string(j + 1) + " of " + to_string(length) + " characters";
                const PlacementChoice choice = PlaceTextBlockLine(line, tag, fieldLine.size());
                if (choice.placement == Placement::NotPlaced) {
                    findings.push_back(
                        Make(file, n + 1, at + 1, Severity::Problem, "not-placed",
                             what + " is not placed: room " + to_string(room.centred) +
                                 " centred, " + to_string(room.aligned) +
                                 " aligned; that copy keeps the placeholder" + RoomFix(line, at)));
                } else if (length < 3 && followed) {
                    // As with a single-line value: the copy is shorter and its border moves in.
                    findings.push_back(Make(file, n + 1, at + 1, Severity::Problem, "short-value",
                                            what + " shortens that copy by " +
                                                to_string(3 - length) +
                                                ": what follows it moves left"));
                } else if (length > 3) {
                    const std::size_t start = line.find(choice.searchText);
                    std::string copy = line;
                    copy.replace(start, length, AnsiToOem(fieldLine));
                    CheckTouching(file, n + 1, copy, at, start, length, what, findings);
                }
            }
        }
    }
}

// Characters of the values that the OEM code page cannot show: the conversion puts another
// one in their place.
void CheckLostCharacters(const CheckRequest& request, FindingList& findings) {
    for (const Placeholder& field : kPlaceholders) {
        const char letter = field.letter;
        // A value no template shows loses nothing: a DIZ never shows the text blocks.
        const bool shown = std::any_of(
            request.templates.begin(), request.templates.end(), [&](const CheckedTemplate& t) {
                return (t.kind == TemplateKind::Nfo || !IsTextBlock(letter)) &&
                       t.bytes.find(PlaceholderTag(letter)) != std::string::npos;
            });
        if (!shown) continue;
        const std::string value = request.project->GetText(ReleaseField(letter));
        const std::string oem = AnsiToOem(value);
        std::set<unsigned char> reported;
        for (std::size_t i = 0; i < value.size(); ++i) {
            const auto byte = static_cast<unsigned char>(value[i]);
            if (byte < 0x20 || !reported.insert(byte).second) continue;
            const char32_t wanted = Cp1252ToUnicode(byte);
            const auto shown = static_cast<unsigned char>(oem[i]);
            if (kCp437Glyphs[shown] == wanted) continue;
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(wanted));
            std::string message = PlaceholderTag(letter) + " character '";
            AppendUtf8(message, wanted);
            message += std::string("' (") + code + ") is not in the OEM code page; it becomes " + ShowOem(shown);
            findings.push_back(Make(request.projectPath, 0, 0, Severity::Problem, "not-in-oem", message));
        }
    }
}

constexpr char kDosEndOfFile = '\x1A';

// The bytes without the DOS end-of-file byte that old editors put last, or the SAUCE record
// that art editors put after it: no line, no column.
std::string_view WithoutEndOfFile(std::string_view bytes) {
    if (FindSauce(bytes)) return ViewedText(bytes);
    if (!bytes.empty() && bytes.back() == kDosEndOfFile) bytes.remove_suffix(1);
    return bytes;
}

// The lines as a file lister shows them: every CR LF, lone CR and lone LF ends one.
Document DisplayedLines(std::string_view bytes) {
    Document lines(1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            lines.back() += c;
            continue;
        }
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        if (i + 1 < bytes.size()) lines.emplace_back();
    }
    if (bytes.empty()) lines.clear();
    return lines;
}

void CheckDiz(const std::string& file, const Document& lines, const char* what, FindingList& findings) {
    for (std::size_t n = 0; n < lines.size(); ++n) {
        if (lines[n].size() > kDizColumns) {
            findings.push_back(Make(file, n + 1, kDizColumns + 1, Severity::Problem, "diz-width",
                                    std::string(what) + " line is " + to_string(lines[n].size()) +
                                        " columns wide; a DIZ holds " + to_string(kDizColumns)));
        }
    }
    if (lines.size() > kDizLines) {
        findings.push_back(Make(file, 0, 0, Severity::Problem, "diz-height",
                                std::string(what) + " has " + to_string(lines.size()) + " lines; a DIZ holds " +
                                    to_string(kDizLines)));
    }
}

void CheckOneTemplate(const CheckRequest& request, const CheckedTemplate& checked, FindingList& findings) {
    const std::string& file = checked.path;
    for (Finding& finding : CheckBytes(file, checked.bytes, true)) findings.push_back(std::move(finding));

    const std::string_view body = WithoutEndOfFile(checked.bytes);
    Document lines = ParseDocument(body);
    for (std::size_t n = 0; n < lines.size(); ++n) CheckRooms(file, n + 1, lines[n], findings);
    if (checked.kind == TemplateKind::Diz) CheckDiz(file, DisplayedLines(body), "template", findings);
    if (!request.project) return;

    const RenderInput input = RenderInputFromProject(*request.project, request.wrap);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        if (lines[n].find('{') != std::string::npos) {
            CheckSingleLineValues(file, n + 1, lines[n], input.lineValues, findings);
        }
    }
    // The rendering copies a final end-of-file byte as a last line of its own: the result is
    // measured as it is written.
    if (body.size() < checked.bytes.size()) lines = ParseDocument(checked.bytes);
    // The template's lines are rendered where they stand, and the text blocks are laid in one
    // line at a time, each line dropped as its text is made: the rendering never stands in
    // memory twice, however large the template.
    FillSingleLineValues(lines, input.lineValues);
    std::string text;
    text.reserve(checked.bytes.size() + 2 * lines.size());  // the size without text blocks
    if (checked.kind == TemplateKind::Nfo) {
        std::string tooLarge;
        if (!LaidTextBlocksFit(lines, input.blocks, tooLarge)) {
            findings.push_back(Make(file, 0, 0, Severity::Problem, "output-size", tooLarge));
            return;
        }
        CheckTextBlocks(file, lines, input.blocks, findings);
        for (std::string& line : lines) {
            Document copies{std::move(line)};
            LayTextBlocks(copies, input.blocks);
            text += DocumentText(copies);
        }
    } else {
        text = DocumentText(lines);
        CheckDiz(file, DisplayedLines(text), "result", findings);
    }
    Document().swap(lines);
    // What the rendering adds to the template's own bytes: tabs and UTF-8 lookalikes in values.
    // Line ends the template has are reported once, for the template.
    const bool lineEndsReported = std::any_of(findings.begin(), findings.end(), [&](const Finding& f) {
        return f.file == file && f.code == "line-end";
    });
    for (Finding& finding : CheckBytes(file, text, false)) {
        if (lineEndsReported && finding.code == "line-end") continue;
        finding.message = "result: " + finding.message;
        findings.push_back(std::move(finding));
    }
}

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

}  // namespace

std::vector<Finding> CheckBytes(const std::string& file, const std::string& bytes, bool isTemplate) {
    FindingList findings;
    const std::string_view text = isTemplate ? WithoutEndOfFile(bytes) : std::string_view(bytes);
    // A template's own bytes are what normalize rewrites; a result's come from the values.
    const auto Fix = [isTemplate](const char* what) {
        return isTemplate ? std::string(" (glyphwright-cli normalize ") + what + ")"
                          : std::string();
    };
    if (isTemplate) {
        if (bytes.empty()) {
            findings.push_back(Make(file, 0, 0, Severity::Warning, "empty",
                                    "the template is empty; so is its rendering"));
        }
        const std::optional<SauceRecord> sauce = FindSauce(bytes);
        if (sauce) {
            findings.push_back(Make(file, 0, 0, Severity::Note, "sauce",
                                    "SAUCE record: " + DescribeSauce(*sauce, false)));
            findings.push_back(
                Make(file, 0, 0, Severity::Problem, "end-of-file",
                     "ends with a SAUCE record; viewers stop at the end-of-file byte 1A before "
                     "it, but the rendering would copy the last " +
                         to_string(bytes.size() - text.size()) +
                         " bytes as text, and they are not counted here" +
                         Fix("drops it")));
        } else if (text.size() < bytes.size()) {
            findings.push_back(
                Make(file, 0, 0, Severity::Problem, "end-of-file",
                     "ends with the DOS end-of-file byte 1A; the rendering would copy it as a "
                     "last line with an arrow, and it is not counted here" +
                         Fix("drops it")));
        }
        if (text.substr(0, 3) == "\xEF\xBB\xBF" || text.substr(0, 2) == "\xFF\xFE" || text.substr(0, 2) == "\xFE\xFF") {
            findings.push_back(
                Make(file, 1, 1, Severity::Problem, "bom",
                     "starts with a byte-order mark; it is copied into the NFO as art characters" +
                         Fix("decodes the file and drops it")));
        }
    }
    // Files from git and Unix editors end every line with LF alone: one finding says so, and
    // lines are then counted at each LF as a lister counts them.
    const bool lfOnly = text.find('\r') == std::string_view::npos && text.find('\n') != std::string_view::npos;
    if (lfOnly) {
        const std::size_t count = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        findings.push_back(Make(file, 0, 0, Severity::Problem, "line-end",
                                to_string(count) +
                                    " line(s) end with LF alone, none with CR LF; the window "
                                    "and the renderer take the whole file as one line" +
                                    Fix("writes CR LF")));
    }
    std::size_t line = 1, column = 1, tabsOnLine = 0, tabColumn = 0;
    bool nulReported = false;
    auto endLine = [&]() {
        if (tabsOnLine > 0) {
            findings.push_back(Make(file, line, tabColumn, Severity::Problem, "tab",
                                    to_string(tabsOnLine) +
                                        " tab(s); viewers expand them differently" +
                                        Fix("expands them, --tabs N")));
        }
        tabsOnLine = 0;
        ++line;
        column = 1;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            const bool crlf = i + 1 < text.size() && text[i + 1] == '\n';
            const bool crcrlf = i + 2 < text.size() && text[i + 1] == '\r' && text[i + 2] == '\n';
            if (crcrlf) {
                findings.push_back(Make(file, line, column, Severity::Problem, "cr-cr-lf",
                                        "line ends with CR CR LF; it reads as an extra empty line" +
                                            Fix("writes CR LF")));
            } else if (!crlf) {
                const bool previousWasCr = i > 0 && text[i - 1] == '\r';
                if (!previousWasCr) {
                    findings.push_back(
                        Make(file, line, column, Severity::Problem, "line-end",
                             "line ends with a lone CR, not CR LF" + Fix("writes CR LF")));
                }
            }
            if (crlf) ++i;
            endLine();
            continue;
        }
        if (c == '\n' && lfOnly) {
            endLine();
            continue;
        }
        if (c == '\n') {
            findings.push_back(Make(
                file, line, column, Severity::Problem, "line-end",
                "lone LF inside the line; the renderer does not break here" + Fix("writes CR LF")));
        } else if (c == '\t') {
            if (tabsOnLine++ == 0) tabColumn = column;
        } else if (c == '\0' && !nulReported) {
            nulReported = true;
            findings.push_back(Make(
                file, line, column, Severity::Problem, "nul",
                line == 1 && column == 1 ? "NUL byte at the start: the rendering is empty"
                : column == 1 ? "NUL byte at the start of a line: the rest of the file is dropped"
                              : "NUL byte: the rest of this line is dropped"));
        }
        ++column;
    }
    if (!text.empty() && text.back() != '\r' && text.back() != '\n') {
        findings.push_back(Make(file, line, column, Severity::Problem, "line-end",
                                "last line has no line break (the rendering adds CR LF)"));
    }
    if (tabsOnLine > 0) endLine();
    const Utf8Reading utf8 = ReadAsUtf8(text);
    if (ReadsAsUtf8(utf8)) {
        std::size_t at = 0, lineOf = 1;
        for (std::size_t i = 0; i < utf8.firstOffset; ++i) {
            if (text[i] == '\r' || (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))) {
                ++lineOf;
                at = i + 1;
            }
        }
        findings.push_back(
            Make(file, lineOf, utf8.firstOffset - at + 1, Severity::Problem, "utf8",
                 "the bytes are valid UTF-8 (" + to_string(utf8.sequences) +
                     " multi-byte sequence(s)); viewers that try UTF-8 first will not show CP437" +
                     Fix("converts the file to CP437 if it is UTF-8 text")));
    }
    return findings.Take();
}

std::vector<Finding> CheckTemplates(const CheckRequest& request) {
    FindingList findings;
    for (const Finding& warning : request.projectWarnings) findings.push_back(warning);
    if (request.project) CheckLostCharacters(request, findings);
    for (const CheckedTemplate& checked : request.templates) CheckOneTemplate(request, checked, findings);
    return findings.Take();
}

std::string FindingsJson(const std::vector<Finding>& findings) {
    std::size_t problems = 0, warnings = 0;
    std::string out = "{\n  \"findings\": [";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& f = findings[i];
        if (f.severity == Severity::Problem) ++problems;
        if (f.severity == Severity::Warning) ++warnings;
        out += i == 0 ? "\n    {" : ",\n    {";
        out += "\"file\": ";
        AppendJsonString(out, FileNameAsUtf8(f.file));
        out += ", \"line\": " + to_string(f.line) + ", \"column\": " + to_string(f.column) + ", \"severity\": \"" +
               SeverityName(f.severity) + "\", \"code\": \"" + f.code + "\", \"message\": ";
        AppendJsonString(out, f.message);
        out += '}';
    }
    out += findings.empty() ? "],\n" : "\n  ],\n";
    out += "  \"problems\": " + to_string(problems) + ",\n  \"warnings\": " + to_string(warnings) +
           "\n}\n";
    return out;
}

}  // namespace glyphwright::cli
