#include "cli/cli_export.h"

#include "cli/cp437_unicode.h"
#include "cli/sauce.h"

namespace glyphwright::cli {
namespace {

void AppendEscaped(std::string& out, std::string_view utf8) {
    for (const char c : utf8) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
}

// Line breaks of any kind become one "\n": a page has no use for CR. A SAUCE record is not
// shown, as viewers do not show it.
std::string Cp437Lines(std::string_view cp437) {
    cp437 = ViewedText(cp437);
    std::string out;
    out.reserve(cp437.size() * 2);
    for (std::size_t i = 0; i < cp437.size(); ++i) {
        const auto byte = static_cast<unsigned char>(cp437[i]);
        if (byte == '\r') {
            i = LineBreakEnd(cp437, i) - 1;
            out += '\n';
        } else if (byte == '\n' || byte == '\t') {
            out += static_cast<char>(byte);
        } else {
            AppendUtf8(out, kCp437Glyphs[byte]);
        }
    }
    return out;
}

// Block characters span the whole cell only when the line is exactly one em high; the fonts
// are those that carry the box and block glyphs on common systems.
constexpr char kPageHead[] =
    "<!DOCTYPE html>\n"
    "<html>\n<head>\n<meta charset=\"utf-8\">\n"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
    "<title>";
constexpr char kPageStyle[] =
    "</title>\n<style>\n"
    "body { margin: 0; padding: 1em; background: #000; color: #c0c0c0; }\n"
    "pre { margin: 0; font-family: \"DejaVu Sans Mono\", Consolas, \"Lucida Console\", \"Courier New\", monospace;\n"
    "      font-size: 16px; line-height: 1; letter-spacing: 0; white-space: pre; }\n"
    "</style>\n</head>\n<body>\n<pre>";
constexpr char kPageTail[] = "</pre>\n</body>\n</html>\n";

}  // namespace

std::string ExportUtf8(std::string_view cp437) { return Cp437ToUtf8(cp437); }

std::string ExportHtml(std::string_view cp437, std::string_view title) {
    std::string page = kPageHead;
    AppendEscaped(page, FileNameAsUtf8(title));
    page += kPageStyle;
    AppendEscaped(page, Cp437Lines(cp437));
    page += kPageTail;
    return page;
}

}  // namespace glyphwright::cli
