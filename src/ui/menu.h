#pragma once
// A menu bar built item by item; the window it is attached to destroys it.

#include <windows.h>

#include <string>

namespace glyphwright::ui {

class Menu {
public:
    Menu();
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // Appends a drop-down menu with this title and returns it for AddItem.
    HMENU AddPopup(const std::string& title);
    // Appends a command item; "&" marks the mnemonic, "&&" shows one ampersand.
    void AddItem(HMENU popup, const std::string& text, int commandId);

    // Hands the menu bar over to its window.
    HMENU Release();

private:
    HMENU bar_ = nullptr;
};

}  // namespace glyphwright::ui
