#pragma once
// The menu bar as data: three menus, nine commands, each with its handler.

#include <cstddef>

namespace glyphwright {

class MainWindow;

constexpr int kNoPage = -1;

struct MenuEntry {
    const char* menu;  // title of the menu the item belongs to
    const char* item;  // "&" marks the mnemonic, "&&" shows one ampersand
    int command;       // ids::kCmd*
    void (*handler)(MainWindow&);
    int pageAfter;     // SelectPage with this page after the handler, or kNoPage
};

extern const MenuEntry kMenuEntries[];
extern const std::size_t kMenuEntryCount;

// Runs the handler of a menu command (and selects its page); unknown ids do nothing.
void RunMenuCommand(MainWindow& window, int command);

}  // namespace glyphwright
