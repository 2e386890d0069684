#pragma once
// Registration of the common control classes a control kind needs before it is created.

#include <windows.h>

namespace glyphwright::ui {

// InitCommonControlsEx with these ICC_* flags.
void RegisterCommonControls(DWORD classes);

}  // namespace glyphwright::ui
