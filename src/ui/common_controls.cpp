#include "ui/common_controls.h"

#include <commctrl.h>

namespace glyphwright::ui {

void RegisterCommonControls(DWORD classes) {
    INITCOMMONCONTROLSEX init{};
    init.dwSize = sizeof init;
    init.dwICC = classes;
    InitCommonControlsEx(&init);
}

}  // namespace glyphwright::ui
