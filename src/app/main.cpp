// Entry: prepare the common controls, build the main window, show it, run the message loop
// until the window is closed, and end with exit code 0. No command line is read.

#include <windows.h>

#include <commctrl.h>

#include "app/main_window.h"
#include "ui/message_loop.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    std::unique_ptr<glyphwright::MainWindow> window = glyphwright::CreateMainWindow();
    window->Window().Show();
    glyphwright::ui::RunMessageLoop(window->Window());
    window.reset();
    return 0;
}
