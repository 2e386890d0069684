#include "template_support.h"

#include <algorithm>
#include <cstring>

#include "gui_framework.h"

namespace glyphwright::guitest {

int CaretIndex(const AppSession& app, int listId) {
    return static_cast<int>(app.Send(app.Get(listId), LB_GETCARETINDEX));
}

bool IsSelected(const AppSession& app, int listId, int index) {
    return app.Send(app.Get(listId), LB_GETSEL, static_cast<WPARAM>(index)) > 0;
}

void PickEntry(const AppSession& app, int comboId, int index) {
    HWND combo = app.Get(comboId);
    const std::vector<std::string> entries = app.ListEntries(comboId);
    if (index < 0 || static_cast<size_t>(index) >= entries.size()) {
        ReportFailure(__FILE__, __LINE__, "no entry " + Describe(index) + " to pick");
        return;
    }
    HWND list = app.OpenDropDown(combo);
    if (!list) {
        ReportFailure(__FILE__, __LINE__, "the drop-down list did not open");
        return;
    }
    const auto height = static_cast<int>(app.Send(list, LB_GETITEMHEIGHT, static_cast<WPARAM>(index)));
    const auto top = static_cast<int>(app.Send(list, LB_GETTOPINDEX));
    app.MouseMove(list, {5, (index - top) * height + height / 2});
    app.Click(list, {5, (index - top) * height + height / 2});
    if (!WaitUntil([&] { return app.OpenDropDownList() == nullptr; }))
        ReportFailure(__FILE__, __LINE__, "the drop-down list stayed open after the pick");
    PollUntilEqual([&] { return AppSession::Text(combo); }, entries[static_cast<size_t>(index)]);
    app.Settle();  // the program raises its change event from a message it posts itself
}

void TypeOver(const AppSession& app, int id, const std::string& text) {
    HWND control = app.Get(id);
    HWND edit = lstrcmpiA(AppSession::ClassName(control).c_str(), "ComboBox") == 0
                    ? AppSession::ComboEdit(control)
                    : control;
    app.Send(edit, EM_SETSEL, 0, -1);
    app.Type(edit, text.empty() ? std::string("\b") : text);
}

ULONGLONG RunCommand(const AppSession& app, int command, DWORD limitMs) {
    // Sent, not posted: the call returns when the handler has run, which is what is timed.
    const ULONGLONG started = GetTickCount64();
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(app.Window(), WM_COMMAND, MAKEWPARAM(command, 0), 0, SMTO_NORMAL, limitMs,
                             &result))
        ReportFailure(__FILE__, __LINE__, "the program did not handle the command within the limit");
    return GetTickCount64() - started;
}

std::vector<std::string> DisplayedLines(const AppSession& app, int editId) {
    // EM_GETLINE's reply is cut to half its characters when Wine carries it between processes
    // in UTF-16, so the lines are cut out of the whole text where the edit says they lie.
    HWND edit = app.Get(editId);
    const std::string text = AppSession::Text(edit);
    const auto count = static_cast<int>(app.Send(edit, EM_GETLINECOUNT));
    std::vector<std::string> lines;
    for (int line = 0; line < count; ++line) {
        const auto start = static_cast<size_t>(app.Send(edit, EM_LINEINDEX, static_cast<WPARAM>(line)));
        const auto length = static_cast<size_t>(app.Send(edit, EM_LINELENGTH, start));
        lines.push_back(start < text.size() ? text.substr(start, length) : std::string());
    }
    return lines;
}

size_t TextLength(const AppSession& app, int id) {
    return static_cast<size_t>(app.Send(app.Get(id), WM_GETTEXTLENGTH));
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::string RenderedWithoutPlaceholders(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\r', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        const size_t nul = line.find('\0');
        if (nul == 0) break;
        if (nul != std::string::npos) line.resize(nul);
        lines.push_back(line);
        start = end + 1;
        if (end < bytes.size() && start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return JoinLines(lines);
}

std::string Rule(char left, char right) {
    return std::string(1, left) + std::string(kNfoInner, '\xCD') + right;
}

std::string Framed(const std::string& text) {
    std::string inner = text;
    inner.resize(std::max(inner.size(), kNfoInner), ' ');
    return "\xBA" + inner + "\xBA";
}

std::string Centred(const std::string& text) {
    const size_t left = text.size() < kNfoInner ? (kNfoInner - text.size()) / 2 : 0;
    return Framed(std::string(left, ' ') + text);
}

std::string Columns(const std::vector<std::pair<size_t, std::string>>& parts) {
    std::string inner;
    for (const auto& [column, text] : parts) {
        if (inner.size() < column) inner.resize(column, ' ');
        inner += text;
    }
    return Framed(inner);
}

std::string Oem(const std::string& ansi) {
    std::string oem = ansi;
    if (!oem.empty()) CharToOemBuffA(ansi.data(), &oem[0], static_cast<DWORD>(ansi.size()));
    return oem;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::string NoiseBytes(size_t size, unsigned seed, const std::string& excluded) {
    std::string bytes;
    bytes.reserve(size);
    unsigned state = seed;
    while (bytes.size() < size) {
        state = state * 1103515245u + 12345u;
        const char byte = static_cast<char>((state >> 16) & 0xFF);
        if (excluded.find(byte) == std::string::npos) bytes += byte;
    }
    return bytes;
}

}  // namespace glyphwright::guitest
