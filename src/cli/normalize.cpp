#include "cli/normalize.h"

#include <algorithm>
#include <unordered_map>

#include "cli/cp437_unicode.h"
#include "cli/sauce.h"
#include "cli/utf8_check.h"
#include "model/placeholder_table.h"

namespace glyphwright::cli {
namespace {

using std::to_string;

constexpr char kDosEndOfFile = '\x1A';

// Bytes of a CP437 file ride through the decoded text above Unicode's range, so that they
// come out as they went in, the control range included.
constexpr char32_t kRawByte = 0x110000;

// The record's fields worth naming, or nothing when the input has no record.
std::string CutSauce(std::string_view& bytes) {
    const std::optional<SauceRecord> record = FindSauce(bytes);
    if (!record) return std::string();
    bytes = bytes.substr(0, record->blockAt);
    return DescribeSauce(*record, true);
}

// CP437 bytes for the characters a DOS screen showed, the control range's pictures included.
// Tab, LF and CR are left out: as bytes they would be a tab and line breaks, not pictures.
const std::unordered_map<char32_t, unsigned char>& Cp437Bytes() {
    static const std::unordered_map<char32_t, unsigned char> bytes = [] {
        std::unordered_map<char32_t, unsigned char> made;
        for (unsigned b = 1; b < 256; ++b) {
            if (b == '\t' || b == '\n' || b == '\r') continue;
            made.emplace(kCp437Glyphs[b], static_cast<unsigned char>(b));
        }
        // Control characters that come as such (from UTF-8 or UTF-16) stay the same byte.
        for (unsigned b = 0; b < 0x20; ++b) {
            if (b != '\t' && b != '\n' && b != '\r') made.emplace(b, static_cast<unsigned char>(b));
        }
        made.emplace(0x7F, 0x7F);
        return made;
    }();
    return bytes;
}

struct Decoded {
    std::u32string text;
    std::string how;  // empty for CP437 taken as it is
};

Decoded Decode(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return {DecodeUtf8(bytes.substr(3)), "UTF-8 with a byte-order mark"};
    if (bytes.substr(0, 2) == "\xFF\xFE")
        return {DecodeUtf16(bytes.substr(2), false), "UTF-16 (little-endian)"};
    if (bytes.substr(0, 2) == "\xFE\xFF")
        return {DecodeUtf16(bytes.substr(2), true), "UTF-16 (big-endian)"};
    if (ReadsAsUtf8(ReadAsUtf8(bytes))) return {DecodeUtf8(bytes), "UTF-8"};
    Decoded raw;
    raw.text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        raw.text += byte < 0x80 ? char32_t(byte) : kRawByte + byte;
    }
    return raw;
}

struct LineEnds {
    std::size_t lfAlone = 0, crAlone = 0, crCrLf = 0;
    bool lastAdded = false;
};

// The lines between breaks; CR LF, CR CR LF, a lone CR and a lone LF each end one.
std::vector<std::u32string> SplitLines(const std::u32string& text, LineEnds& ends) {
    std::vector<std::u32string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c != '\r' && c != '\n') {
            lines.back() += c;
            continue;
        }
        std::size_t breaks = 1;
        if (c == '\n') {
            ++ends.lfAlone;
        } else {
            std::size_t crs = 1;
            while (i + crs < text.size() && text[i + crs] == '\r') ++crs;
            if (i + crs < text.size() && text[i + crs] == '\n') {
                if (crs > 1) ++ends.crCrLf;
                i += crs;  // one break, ending at the LF
            } else {
                ends.crAlone += crs;
                breaks = crs;
                i += crs - 1;
            }
        }
        for (std::size_t k = 0; k < breaks; ++k) lines.emplace_back();
    }
    // Text after the last break is a last line without one; nothing after it is no line.
    if (lines.back().empty()) {
        lines.pop_back();
    } else {
        ends.lastAdded = true;
    }
    return lines;
}

std::u32string ExpandTabs(const std::u32string& line, std::size_t stop, std::size_t& expanded) {
    if (line.find(U'\t') == std::u32string::npos) return line;
    std::u32string out;
    for (const char32_t c : line) {
        if (c != '\t') {
            out += c;
            continue;
        }
        ++expanded;
        do out += U' ';
        while (out.size() % stop != 0);
    }
    return out;
}

bool HoldsPlaceholder(std::string_view line) {
    for (std::size_t i = 0; i + 3 <= line.size(); ++i) {
        if (line[i] == '{' && line[i + 2] == '}' && IsPlaceholderLetter(line[i + 1])) return true;
    }
    return false;
}

Finding Note(const std::string& file, const char* code, std::string message) {
    return Finding{file, 0, 0, Severity::Note, code, std::move(message)};
}

}  // namespace

Normalized NormalizeArt(const std::string& file, std::string_view input,
                        const NormalizeOptions& options) {
    FindingList report;
    std::string_view bytes = input;
    const std::string sauce = CutSauce(bytes);
    const bool endOfFile = !bytes.empty() && bytes.back() == kDosEndOfFile;
    if (endOfFile) bytes.remove_suffix(1);
    if (!sauce.empty())
        report.push_back(Note(file, "sauce", "SAUCE record removed (" + sauce + ")"));
    if (endOfFile) report.push_back(Note(file, "end-of-file", "final end-of-file byte 1A removed"));

    const Decoded decoded = Decode(bytes);
    if (!decoded.how.empty())
        report.push_back(Note(file, "decoded", "read as " + decoded.how + ", written as CP437"));

    LineEnds ends;
    const std::vector<std::u32string> lines = SplitLines(decoded.text, ends);
    const std::size_t stop = std::max<std::size_t>(options.tabs, 1);
    std::size_t tabs = 0;
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::u32string line = ExpandTabs(lines[n], stop, tabs);
        std::string bytesOut;
        bytesOut.reserve(line.size());
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char32_t c = line[i];
            if (c >= kRawByte) {
                bytesOut += static_cast<char>(c - kRawByte);
                continue;
            }
            const auto found = Cp437Bytes().find(c);
            if (found != Cp437Bytes().end()) {
                bytesOut += static_cast<char>(found->second);
                continue;
            }
            bytesOut += '?';
            const bool picture =
                c == kCp437Glyphs['\t'] || c == kCp437Glyphs['\n'] || c == kCp437Glyphs['\r'];
            report.push_back(Finding{
                file, n + 1, i + 1, Severity::Problem, "not-in-cp437",
                DescribeCharacter(c) +
                    (picture ? " is a CP437 picture whose byte is a tab or a line break in a file"
                             : " has no CP437 byte") +
                    "; written as '?'"});
        }
        out.push_back(std::move(bytesOut));
    }
    if (ends.lfAlone > 0)
        report.push_back(
            Note(file, "line-end", to_string(ends.lfAlone) + " LF line end(s) made CR LF"));
    if (ends.crAlone > 0)
        report.push_back(
            Note(file, "line-end", to_string(ends.crAlone) + " lone CR line end(s) made CR LF"));
    if (ends.crCrLf > 0)
        report.push_back(
            Note(file, "line-end", to_string(ends.crCrLf) + " CR CR LF line end(s) made CR LF"));
    if (ends.lastAdded) report.push_back(Note(file, "line-end", "CR LF added after the last line"));
    if (tabs > 0) {
        report.push_back(Note(
            file, "tab",
            to_string(tabs) + " tab(s) expanded to stops every " + to_string(stop) + " columns"));
    }
    if (options.pad) {
        std::size_t width = options.padWidth;
        for (const std::string& line : out)
            width = options.padWidth == 0 ? std::max(width, line.size()) : width;
        std::size_t padded = 0;
        for (std::string& line : out) {
            if (line.size() >= width || !HoldsPlaceholder(line)) continue;
            line.resize(width, ' ');
            ++padded;
        }
        if (padded > 0) {
            report.push_back(Note(file, "pad",
                                  to_string(padded) +
                                      " line(s) holding a placeholder padded with blanks to " +
                                      to_string(width) + " columns"));
        }
    }
    Normalized result;
    for (const std::string& line : out) result.bytes += line + "\r\n";
    result.report = report.Take();
    if (result.report.empty()) {
        result.report.push_back(Note(
            file, "unchanged", "already a template: CP437 with CR LF line ends; nothing changed"));
    }
    return result;
}

}  // namespace glyphwright::cli
