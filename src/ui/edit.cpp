#include "ui/edit.h"

#include <utility>

namespace glyphwright::ui {

namespace {

// Messages whose answer or effect depends on the text: painting, reading it, the edit
// messages, focus, keys, mouse, scrolling, copying and accessibility.
bool DependsOnText(UINT message) {
    switch (message) {
    case WM_PAINT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_SETFOCUS:
    case WM_COPY:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_GETOBJECT:
        return true;
    default:
        return (message >= EM_GETSEL && message <= 0x00FF) ||
               (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
               (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
    }
}

}  // namespace

void Edit::BuildEdit(const CreateArgs& args, DWORD style) {
    CreateHandle("EDIT", style | WS_TABSTOP | args.style, WS_EX_CLIENTEDGE, args);
    // 0 lifts the typing limit (32767 characters by default) to the largest there is.
    SendMessageA(Handle(), EM_LIMITTEXT, 0, 0);
}

void Edit::OnCommand(int code) {
    if (code == EN_CHANGE && onTextChanged) onTextChanged();
}

Edit::Selection Edit::GetSelection() const {
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

int Edit::LineFromChar(int index) const {
    return static_cast<int>(SendMessageA(Handle(), EM_LINEFROMCHAR, static_cast<WPARAM>(index), 0));
}

int Edit::LineIndex(int line) const {
    return static_cast<int>(SendMessageA(Handle(), EM_LINEINDEX, static_cast<WPARAM>(line), 0));
}

// EM_LINESCROLL rather than WM_VSCROLL with SB_LINEDOWN/SB_LINEUP: the same one line on
// Windows, but Wine's edit ignores WM_VSCROLL unless it has ES_AUTOVSCROLL, which the
// read-only views must not have.
void Edit::ScrollLine(bool down) {
    SendMessageA(Handle(), EM_LINESCROLL, 0, down ? 1 : -1);
}

void Edit::HideCaret() {
    ::HideCaret(Handle());
}

void TextField::Build(const CreateArgs& args) {
    BuildEdit(args, ES_AUTOHSCROLL);
}

void TextBlock::Build(const CreateArgs& args) {
    // No ES_AUTOHSCROLL and no WS_HSCROLL: a multi-line edit then wraps at its width.
    BuildEdit(args, ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL);
}

void View::Build(const CreateArgs& args) {
    BuildEdit(args, ES_MULTILINE | ES_READONLY | ES_CENTER);
}

void View::SetText(const std::string& text) {
    // Visible on screen, which takes every parent up to the window being shown too.
    if (IsWindowVisible(Handle())) {
        heldText_.reset();
        Edit::SetText(text);
    } else {
        heldText_ = text;
    }
}

void View::TakeHeldText() {
    // Moved out first: setting the text sends messages that come back here.
    std::optional<std::string> text = std::exchange(heldText_, std::nullopt);
    if (text) Edit::SetText(*text);
}

bool View::HandleMessage(UINT message, WPARAM, LPARAM, LRESULT&) {
    if (!heldText_) return false;
    // A text set from anywhere else is newer than the one held.
    if (message == WM_SETTEXT) heldText_.reset();
    else if (DependsOnText(message)) TakeHeldText();
    return false;
}

}  // namespace glyphwright::ui
