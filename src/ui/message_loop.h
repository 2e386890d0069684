#pragma once
// The program's one message loop.

namespace glyphwright::ui {

class Window;

// Runs until a quit message arrives or the window was asked to close. Each message is first
// offered to the window's focus keys; the rest are translated and dispatched.
void RunMessageLoop(Window& window);

}  // namespace glyphwright::ui
