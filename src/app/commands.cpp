#include "app/commands.h"

#include <windows.h>

#include "app/main_window.h"

namespace glyphwright {

void ExitProgram(MainWindow& window) {
    PostMessageA(window.Window().Handle(), WM_CLOSE, 0, 0);
}

}  // namespace glyphwright
