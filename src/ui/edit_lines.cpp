#include "ui/edit_lines.h"

#include <algorithm>
#include <cstring>

namespace glyphwright::ui {

std::vector<std::string> DisplayedLines(const Edit& edit) {
    const HWND hwnd = edit.Handle();
    const auto count = static_cast<int>(SendMessageA(hwnd, EM_GETLINECOUNT, 0, 0));
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::max(count, 1)));
    for (int line = 0; line < count; ++line) {
        const auto start = SendMessageA(hwnd, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
        const auto length =
            start < 0 ? 0 : static_cast<std::size_t>(SendMessageA(hwnd, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
        // EM_GETLINE reads the buffer's size from its first WORD, so the buffer holds at least
        // that WORD even for an empty line; the copy carries no terminating NUL.
        const std::size_t capacity = std::min<std::size_t>(std::max<std::size_t>(length, sizeof(WORD)), 0xFFFF);
        std::string text(capacity, '\0');
        const WORD size = static_cast<WORD>(capacity);
        std::memcpy(text.data(), &size, sizeof size);
        const auto copied = SendMessageA(hwnd, EM_GETLINE, static_cast<WPARAM>(line),
                                         reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, static_cast<LRESULT>(capacity))));
        lines.push_back(std::move(text));
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

}  // namespace glyphwright::ui
