#include "cli/word_wrap.h"

namespace glyphwright::cli {
namespace {

bool IsBlank(char c) { return c == ' '; }

void WrapParagraph(std::string_view paragraph, std::size_t width, std::vector<std::string>& lines) {
    if (width == 0 || paragraph.size() <= width) {
        lines.emplace_back(paragraph);
        return;
    }
    std::size_t start = 0;
    while (paragraph.size() - start > width) {
        // The last blank at columns 1..width (the one at `width` is just past the line's last
        // character: a word that ends exactly at the edge still fits). A blank at the very
        // start would give an empty line, which the edit control never makes.
        std::size_t blank = std::string_view::npos;
        for (std::size_t i = start + width; i > start; --i) {
            if (IsBlank(paragraph[i])) {
                blank = i;
                break;
            }
        }
        std::size_t next;
        if (blank == std::string_view::npos) {
            next = start + width;
        } else {
            next = blank;
            while (next < paragraph.size() && IsBlank(paragraph[next])) ++next;
        }
        lines.emplace_back(paragraph.substr(start, next - start));
        start = next;
    }
    if (start < paragraph.size()) lines.emplace_back(paragraph.substr(start));
}

}  // namespace

std::vector<std::string> WrapText(std::string_view text, std::size_t width) {
    std::vector<std::string> lines;
    for (;;) {
        const std::size_t brk = text.find("\r\n");
        const std::string_view paragraph = text.substr(0, brk);
        WrapParagraph(paragraph, width, lines);
        if (brk == std::string_view::npos) break;
        text.remove_prefix(brk + 2);
    }
    return lines;
}

}  // namespace glyphwright::cli
