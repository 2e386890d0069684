#pragma once
// The top-level window: owns every control built under it, carries the menu, moves the focus
// on the focus keys, and ends the message loop when it is asked to close.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace glyphwright::ui {

class Menu;

struct WindowArgs {
    std::string caption;
    int clientWidth = 0;
    int clientHeight = 0;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    const Font* font = nullptr;
    HICON icon = nullptr;
};

class Window : public Control {
public:
    Window() = default;
    ~Window() override;

    // Creates the window hidden, sized so that its client area is as asked, and learns the
    // dots per inch of its display.
    void Build(const WindowArgs& args);

    // The dots per inch the window is laid out for: its display's at creation, then each new
    // one that WM_DPICHANGED brings (see onDpiChanged).
    int Dpi() const { return dpi_; }
    // Sends every control, and the window, its font again: after Font::Swap.
    void RefreshFonts();
    // Takes the rectangle the system suggests for a new display scale, with the client area
    // exactly as given; a window made not resizable stays so, at its new size.
    void FitTo(const RECT& suggested, int clientWidth, int clientHeight);

    // Attaches the menu bar (the window destroys it) and keeps the client size.
    void SetMenu(Menu& menu);
    // Makes the client area exactly this size, whatever the frame and menu bar take.
    void SetClientSize(int width, int height);
    // Centres the window on the full screen, halving downward.
    void CenterOnScreen();
    // From now on the window keeps its current size: the sizing border does not react and
    // the tracking size is fixed.
    void MakeNotResizable();
    void Show();

    // Offered every queued message before it is translated; true when it moved the focus.
    bool PreTranslate(const MSG& message);
    // Moves the focus from the control that has it to the next (or previous) control in
    // creation order that is visible and enabled, wrapping around.
    void MoveFocus(bool forward);
    // Focuses the first visible, enabled control of the focus order inside the container,
    // or the window itself when there is none.
    void FocusFirstIn(const Control& container);
    // The control of the focus order that holds the focus (or whose child does), or nullptr.
    Control* FocusedControl() const;

    // A close request (close box, Alt+F4, system menu, WM_CLOSE) ends the message loop.
    bool CloseRequested() const { return closeRequested_; }

    std::function<void(int commandId)> onCommand;  // menu items
    // The window went to a display of another scale (WM_DPICHANGED): `dpi` is the new one, which
    // Dpi() answers from now on, `suggested` the window rectangle the system proposes for it.
    // Without a handler the window only takes that rectangle.
    std::function<void(int dpi, const RECT& suggested)> onDpiChanged;

    void Adopt(std::unique_ptr<Control> control);
    void AddToFocusOrder(Control* control);
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<Control*> focusOrder_;
    int dpi_ = kBaseDpi;
    bool fixedSize_ = false;
    SIZE fixed_{};
    bool closeRequested_ = false;
    HWND lastFocus_ = nullptr;  // the control that had the focus when the window was left
};

}  // namespace glyphwright::ui
