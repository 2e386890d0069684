#include "ui/edit_lines.h"

#include <algorithm>
#include <memory>

namespace glyphwright::ui {

// The lines are read as UTF-16 and converted here. Read with the ANSI messages, a line's
// length came in characters (Wine's edit keeps UTF-16 whatever API made it) while the copy
// came in bytes, so in a double-byte code page a line lost its second half.
std::vector<std::string> DisplayedLines(const Edit& edit, unsigned codePage) {
    const HWND hwnd = edit.Handle();
    const auto count = static_cast<int>(SendMessageW(hwnd, EM_GETLINECOUNT, 0, 0));
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::max(count, 1)));
    for (int line = 0; line < count; ++line) {
        const auto start = SendMessageW(hwnd, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
        const auto length = start < 0 ? 0
                                      : static_cast<std::size_t>(SendMessageW(
                                            hwnd, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
        // EM_GETLINE reads the buffer's size from its first WORD, so the buffer holds at least
        // that WORD even for an empty line; the copy carries no terminating NUL.
        const std::size_t capacity =
            std::min<std::size_t>(std::max<std::size_t>(length, 1), 0xFFFF);
        const std::unique_ptr<WCHAR[]> wide(new WCHAR[capacity]);
        wide[0] = static_cast<WCHAR>(capacity);
        const auto copied = SendMessageW(hwnd, EM_GETLINE, static_cast<WPARAM>(line),
                                         reinterpret_cast<LPARAM>(wide.get()));
        const int units =
            static_cast<int>(std::clamp<LRESULT>(copied, 0, static_cast<LRESULT>(capacity)));
        std::string text;
        if (units > 0) {
            const int bytes =
                WideCharToMultiByte(codePage, 0, wide.get(), units, nullptr, 0, nullptr, nullptr);
            text.resize(static_cast<std::size_t>(std::max(bytes, 0)));
            if (bytes > 0)
                WideCharToMultiByte(codePage, 0, wide.get(), units, text.data(), bytes, nullptr,
                                    nullptr);
        }
        lines.push_back(std::move(text));
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

}  // namespace glyphwright::ui
