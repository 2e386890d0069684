#include "ui/drop_down.h"

#include <algorithm>


namespace glyphwright::ui {

namespace {
// Posted to the combo box itself after a pick; see OnCommand.
constexpr UINT kPickShown = WM_APP + 0x101;
}  // namespace

void DropDown::Build(const CreateArgs& args) {
    CreateHandle("COMBOBOX",
                 CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP |
                     args.style,
                 0, args);
    FitClosedHeight(args.bounds.height);
    closedHeight_ = Bounds().height;
}

void DropDown::Place(const Rect& bounds, Align align) {
    Control::Place(bounds, align);
    FitClosedHeight(bounds.height);
    closedHeight_ = Bounds().height;
}

// The closed height of a combo box follows its font, not the size it was created with; the
// height of its selection field is the one thing that sets it. Wine reads that height back
// 2 pixels larger than it was set, so the loop steers by the value it sets, not by the one it
// reads.
void DropDown::FitClosedHeight(int height) {
    auto field = static_cast<int>(SendMessageA(Handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int difference = height - Bounds().height;
        if (difference == 0 || field + difference <= 0) return;
        field += difference;
        SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

// The list opens as tall as the combo box's window; make it show up to eight entries.
// The new height takes effect only when the box is resized while hidden and shown again.
void DropDown::SizeListForOpening() {
    Rect bounds = Bounds();
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
    const int height = DropDownOpenHeight(Count(), closedHeight_, Dpi());
    SetWindowPos(Handle(), nullptr, 0, 0, bounds.width, height, flags | SWP_HIDEWINDOW);
    SetWindowPos(Handle(), nullptr, 0, 0, bounds.width, height, flags | SWP_SHOWWINDOW);
}

void DropDown::OnCommand(int code) {
    switch (code) {
    case CBN_EDITCHANGE:
        if (onTextChanged) onTextChanged();
        break;
    case CBN_SELCHANGE:
        // Sent before the text part shows the picked entry: let the pick land first.
        PostMessageA(Handle(), kPickShown, 0, 0);
        break;
    case CBN_DROPDOWN:
        SizeListForOpening();
        break;
    case CBN_CLOSEUP:
        // Wine recomputes the closed height from the font whenever the box is resized, as it
        // was for opening; put it back once the list is gone.
        FitClosedHeight(closedHeight_);
        break;
    default:
        break;
    }
}

bool DropDown::HandleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != kPickShown) return false;
    if (onTextChanged) onTextChanged();
    result = 0;
    return true;
}

void DropDown::AddItem(const std::string& text) {
    SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int DropDown::Count() const {
    auto count = static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0));
    return std::max(count, 0);
}

void DropDown::SetCurrent(int index) {
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DropDown::Clear() {
    SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
}

HWND DropDown::EditHandle() const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(Handle(), &info) ? info.hwndItem : nullptr;
}

}  // namespace glyphwright::ui
