#include "ui/menu.h"

namespace glyphwright::ui {

Menu::Menu() : bar_(CreateMenu()) {}

Menu::~Menu() {
    if (bar_) DestroyMenu(bar_);
}

HMENU Menu::AddPopup(const std::string& title) {
    HMENU popup = CreatePopupMenu();
    AppendMenuA(bar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), title.c_str());
    return popup;
}

void Menu::AddItem(HMENU popup, const std::string& text, int commandId) {
    AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(commandId), text.c_str());
}

HMENU Menu::Release() {
    HMENU bar = bar_;
    bar_ = nullptr;
    return bar;
}

}  // namespace glyphwright::ui
