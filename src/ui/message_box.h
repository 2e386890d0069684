#pragma once
// A message box whose text may name files outside the system code page.

#include <windows.h>

#include <string_view>

namespace glyphwright::ui {

// Shows the box modally; `text` is UTF-8, `caption` the system code page's text (a window's
// title). Answers the button pressed, as MessageBox does.
int ShowMessage(HWND owner, std::string_view text, std::string_view caption, UINT flags);

}  // namespace glyphwright::ui
