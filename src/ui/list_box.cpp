#include "ui/list_box.h"

#include <algorithm>

#include "platform/wide_text.h"

namespace glyphwright::ui {

void ListBox::Build(const CreateArgs& args) {
    CreateWideHandle("LISTBOX",
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

void ListBox::Add(const std::string& text) {
    SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::Widen(text).data()));
}

int ListBox::Count() const {
    return std::max(static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)), 0);
}

std::string ListBox::ItemText(int index) const {
    auto length = SendMessageW(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length < 0) return {};
    platform::WideText text(static_cast<std::size_t>(length) + 1, L'\0');
    auto copied = SendMessageW(Handle(), LB_GETTEXT, static_cast<WPARAM>(index),
                               reinterpret_cast<LPARAM>(text.data()));
    return copied == LB_ERR ? std::string() : platform::Narrow(text.data(), static_cast<int>(copied));
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
