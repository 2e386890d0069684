#include "ui/message_loop.h"

#include <windows.h>

#include "ui/window.h"

namespace glyphwright::ui {

void RunMessageLoop(Window& window) {
    bool terminated = false;
    while (!terminated) {
        WaitMessage();
        MSG message;
        while (!terminated && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                terminated = true;
                break;
            }
            if (!window.PreTranslate(message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            terminated = terminated || window.CloseRequested();
        }
    }
}

}  // namespace glyphwright::ui
