#pragma once
// Pictures of the program's window for people to look at: the screen area under the window,
// read from the screen device context (the window belongs to another process), saved as PNG.

#include <windows.h>

#include <string>

namespace glyphwright::guitest {

// Waits until the picture stops changing (the target paints on its own schedule), then writes
// it. Creates the folders of `path` as needed.
bool SaveWindowScreenshot(HWND window, const std::string& path);

}  // namespace glyphwright::guitest
