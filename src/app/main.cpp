// Entry: prepare the common controls, build the main window, show it, run the message loop
// until the window is closed, and end with exit code 0 (1 when the window could not be
// built). No command line is read.

#include <windows.h>

#include <commctrl.h>

#include "app/bundled_font.h"
#include "app/main_window.h"
#include "app/step_marks.h"
#include "ui/message_loop.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    glyphwright::MarkStep("common controls");
    const glyphwright::OemFontSource oemFont = glyphwright::LoadBundledOemFontIfMissing();
    std::unique_ptr<glyphwright::MainWindow> window = glyphwright::CreateMainWindow(oemFont);
    if (!window) return 1;  // what could not be created was written as debug output
    window->Window().Show();
    glyphwright::MarkStep("shown");
    glyphwright::ui::RunMessageLoop(window->Window());
    window.reset();
    return 0;
}
