#include "ui/list_box.h"

#include <algorithm>

namespace glyphwright::ui {

void ListBox::Build(const CreateArgs& args) {
    CreateHandle("LISTBOX",
                 WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_EXTENDEDSEL |
                     LBS_HASSTRINGS | args.style,
                 WS_EX_CLIENTEDGE, args);
}

void ListBox::OnCommand(int code) {
    // A click on the current entry reports a selection change too; what it would load is
    // already shown, and for a big template that costs seconds.
    if (code != LBN_SELCHANGE) return;
    const int current = CurrentIndex();
    if (current == lastCurrent_) return;
    lastCurrent_ = current;
    if (onSelectionChanged) onSelectionChanged();
}

void ListBox::AddDirectory(const std::string& pattern) {
    SendMessageA(Handle(), LB_DIR, DDL_READWRITE, reinterpret_cast<LPARAM>(pattern.c_str()));
}

void ListBox::Add(const std::string& text) {
    SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int ListBox::Count() const {
    return std::max(static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)), 0);
}

std::string ListBox::ItemText(int index) const {
    auto length = SendMessageA(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length < 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    auto copied = SendMessageA(Handle(), LB_GETTEXT, static_cast<WPARAM>(index),
                               reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

int ListBox::CurrentIndex() const {
    if (Count() == 0) return -1;
    return static_cast<int>(SendMessageA(Handle(), LB_GETCARETINDEX, 0, 0));
}

std::string ListBox::CurrentText() const {
    int index = CurrentIndex();
    return index < 0 ? std::string() : ItemText(index);
}

void ListBox::MakeCurrent(int index) {
    lastCurrent_ = index;
    SendMessageA(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    SetSelected(index, true);
}

void ListBox::SetSelected(int index, bool selected) {
    SendMessageA(Handle(), LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(index));
}

}  // namespace glyphwright::ui
